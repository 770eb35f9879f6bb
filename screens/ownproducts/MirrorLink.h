// The catalogue row that mirrors an own product.
#pragma once

#include <string>

namespace tolvane {

class Database;

// The stored link of the own product; where it is empty, 0 or negative (a save that stopped
// half-way in an older file), the product's own RecordId, which is the same number by design.
std::string mirrorRecordId(Database& db, const std::string& recordId);

} // namespace tolvane
