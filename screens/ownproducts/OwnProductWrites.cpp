#include "screens/ownproducts/OwnProductWrites.h"

#include "nutrition/FolderRules.h"
#include "nutrition/NumberText.h"
#include "screens/ownproducts/MirrorLink.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"
#include "text/IntegerValue.h"

#include <set>

namespace tolvane {

bool OwnProductWrites::insert(const OwnProductValues& v, int sortOrder) {
    Database& db = db_;
    OwnProductStore own(db);
    // A product without its catalogue row (or the link to it) could be neither opened nor
    // deleted, so any failed step undoes the whole save.
    return db.runInCheckedTransaction([&] {
        const int id =
            own.insertProduct(v.name, v.maker, v.category, v.fat, v.saturatedFat, v.sugar, v.salt,
                              v.energy, "0", formatInt(sortOrder), v.unit, v.saltRow, v.quantity);
        if (id < 0) return false;
        const long long mirror = own.insertProductToMainTable(
            v.name, v.maker, v.category, v.fat, v.saturatedFat, v.sugar, v.salt, v.energy, v.unit,
            ProductId{id}, v.quantity);
        if (mirror <= 0) return false;
        own.updateInsertedProductId(ProductId{mirror}, OwnProductId{id});
        if (!v.barcode.empty()) own.updateProductGtinForId(v.barcode, OwnProductId{id});
        return own.selectMainTableProductIdForId(OwnProductId{id}) == ProductId{mirror};
    });
}

bool OwnProductWrites::update(OwnProductId productId, const OwnProductValues& v) {
    Database& db = db_;
    OwnProductStore own(db);
    PlannerStore planner(db);
    // Any write refused or read failed undoes the whole edit: the product never leaves its
    // folders without its new values, nor does one of its two rows change without the other.
    return db.runInCheckedTransaction([&] {
        // A product deleted meanwhile is not brought back as a bare catalogue row.
        if (!own.selectProductForId(productId)) return false;
        // A missing link is restored to the product's own id, so the mirror is changed too.
        const auto link = own.selectMainTableProductIdForId(productId);
        if (!link || link->value <= 0)
            own.updateInsertedProductId(ProductId{productId.value}, productId);
        const ProductId mirror = mirrorRecordId(db, productId);

        own.updateProductForId(v.name, v.maker, v.category, v.fat, v.saturatedFat, v.sugar, v.salt,
                               v.energy, v.unit, v.saltRow, productId, v.quantity);
        if (!CatalogueStore(db).selectProductDetail(mirror)) {
            // The catalogue row never came to be; the product joins the catalogue now.
            if (own.insertProductToMainTable(v.name, v.maker, v.category, v.fat, v.saturatedFat,
                                             v.sugar, v.salt, v.energy, v.unit, mirror,
                                             v.quantity) < 0)
                return false;
        } else {
            own.updateProductForIdInMainTable(v.name, v.maker, v.category, v.fat, v.saturatedFat,
                                              v.sugar, v.salt, v.energy, v.unit, productId,
                                              v.quantity);
        }
        own.updateProductGtinForId(v.barcode, productId);

        // Its stored consumption values no longer match: the product leaves every folder.
        std::set<std::string> done;
        for (const auto& folderText : planner.selectFolderIdFromProductID(mirror)) {
            if (!done.insert(folderText).second) continue;
            const FolderId folder = FolderId::of(folderText);
            // The planner's total arithmetic: 64 bits, clamped, "no data" counted as 0.
            const std::string total = planner.selectCaloryValueForUpdation(folder);
            const std::string calories =
                planner.selectCaloryValueFromEditConsumptionForUpdation(mirror, folder);
            planner.updateCaloryValueForUpdation(adjustedCalorieTotal(total, calories, ""), folder);
        }
        planner.deleteProductFromEditConsumption(mirror);
        planner.deleteProductFromFavoriteMenuFolder(mirror);
        return true;
    });
}

} // namespace tolvane
