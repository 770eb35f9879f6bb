#include "screens/ownproducts/MirrorLink.h"

#include "nutrition/NumberText.h"
#include "store/Database.h"

namespace tolvane {

std::string mirrorRecordId(Database& db, const std::string& recordId) {
    const std::string link = db.selectMainTableProductIdForId(recordId);
    if (integerValue(link) > 0) return formatInt(integerValue(link));
    return formatInt(integerValue(recordId));
}

} // namespace tolvane
