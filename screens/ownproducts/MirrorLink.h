// The catalogue row that mirrors an own product.
#pragma once

#include "store/Ids.h"

namespace tolvane {

class Database;

// The stored link of the own product; where it is empty, 0 or negative (a save that stopped
// half-way in an older file), the product's own RecordId, which is the same number by design.
ProductId mirrorRecordId(Database& db, OwnProductId recordId);

} // namespace tolvane
