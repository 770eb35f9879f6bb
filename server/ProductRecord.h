#pragma once

#include "exchange/PageRecordKeys.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvane::server {

// The 25 keys of a delivered product, in delivery (and catalogue source) order; "ID" is last.
inline constexpr const auto& kProductKeys = pageRecordKeys;
inline constexpr std::size_t kFieldCount = pageRecordFieldCount;
inline constexpr std::size_t kTimestampField = pageRecordDateField;
inline constexpr long long kFirstReservedId = firstOwnProductId;

struct ProductRecord {
    std::array<std::string, kFieldCount> fields;
    long long id = 0;
    bool deleted = false;

    const std::string& timestamp() const { return fields[kTimestampField]; }
    std::string& timestamp() { return fields[kTimestampField]; }
};

} // namespace tolvane::server
