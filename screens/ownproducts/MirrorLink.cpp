#include "screens/ownproducts/MirrorLink.h"

#include "store/Database.h"
#include "store/OwnProductStore.h"

namespace tolvane {

ProductId mirrorRecordId(Database& db, OwnProductId recordId) {
    const auto link = OwnProductStore(db).selectMainTableProductIdForId(recordId);
    if (link && link->value > 0) return *link;
    return ProductId{recordId.value};
}

} // namespace tolvane
