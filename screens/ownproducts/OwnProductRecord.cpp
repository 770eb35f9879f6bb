#include "screens/ownproducts/OwnProductRecord.h"

#include "nutrition/NumberText.h"

namespace tolvane {

std::optional<OwnProductRecord> OwnProductRecord::parse(const std::string& record) {
    const auto f = splitFields(record);
    if (f.size() < 12) return std::nullopt;
    return OwnProductRecord{f[0], f[1], f[2], f[3], f[4],  f[5],
                            f[6], f[7], f[8], f[9], f[10], f[11]};
}

std::optional<OwnProductListRow> OwnProductListRow::parse(const std::string& record) {
    const auto f = splitFields(record);
    if (f.size() < 3 || f[0].empty()) return std::nullopt;
    return OwnProductListRow{f[0], f[1], f[2]};
}

} // namespace tolvane
