// Typed views of the own-product records the store returns.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

// One row of selectProductForId.
struct OwnProductRecord {
    std::string name;
    std::string maker;
    std::string category;
    std::string fat;
    std::string saturatedFat;
    std::string sugar;
    std::string salt;
    std::string energy;
    std::string sent;
    std::string unit;
    std::string saltOrSodium;
    std::string quantity;

    // Nothing when the record has fewer than its 12 fields.
    static std::optional<OwnProductRecord> parse(const std::string& record);
};

// One row of the own-products list: RecordId|name|maker (a sort-order column may follow).
struct OwnProductListRow {
    std::string recordId;
    std::string name;
    std::string maker;

    static std::optional<OwnProductListRow> parse(const std::string& record);
};

} // namespace tolvane
