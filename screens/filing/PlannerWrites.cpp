#include "PlannerWrites.h"

#include "nutrition/FolderRules.h"
#include "nutrition/NumberText.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"

#include <set>
#include <unordered_set>

namespace tolvane {
namespace {

using Q = ConsumptionQuantity;

} // namespace

bool PlannerWrites::folderExists(FolderId folderId) {
    for (const FolderRow& folder : planner_.selectMenuItemsSortByRecordID())
        if (FolderId::of(folder.folderId) == folderId) return true;
    return false;
}

std::optional<std::string> PlannerWrites::folderTotal(FolderId folderId) {
    std::string total = planner_.selectCaloryValueForUpdation(folderId);
    if (!total.empty() || folderExists(folderId)) return total;
    return std::nullopt;
}

bool PlannerWrites::writeTotal(FolderId folderId, const std::string& total) {
    planner_.updateCaloryValueForUpdation(total, folderId);
    return planner_.selectCaloryValueForUpdation(folderId) == total;
}

bool PlannerWrites::takeOut(ProductId productId, FolderId folderId) {
    const auto total = folderTotal(folderId);
    const std::string item =
        planner_.selectCaloryValueFromEditConsumptionForUpdation(productId, folderId);
    // A folder that is gone has no total to correct; its leftovers still go.
    if (total && !writeTotal(folderId, adjustedCalorieTotal(*total, item, ""))) return false;
    planner_.deleteFavoriteFromMenuFolder(productId, folderId);
    planner_.deleteFavoriteFromEditConsumptionAccordingtoItems(productId, folderId);
    return planner_.selectProductsFavoriteExistToFolder(folderId, productId).empty() &&
           planner_.selectProductDetailForEdit(productId, folderId).empty();
}

PlannerWrites::Filing PlannerWrites::fileProduct(const ProductRecord& product, FolderId folderId) {
    const ProductId productId = ProductId::of(product.recordId);
    Filing outcome = Filing::Failed;
    const bool committed = db_.runInTransaction([&] {
        if (!planner_.selectProductsFavoriteExistToFolder(folderId, productId).empty()) {
            outcome = Filing::AlreadyFiled;
            return false;
        }
        if (!CatalogueStore(db_).selectProductDetail(productId)) {
            // A read the file refused just now says nothing about the product.
            outcome = db_.lastReadFailed() ? Filing::Failed : Filing::Gone;
            return false;
        }
        const auto total = folderTotal(folderId);
        if (!total) return false;
        planner_.insertIntoFavorite_Menulistfolder(productId, folderId);
        if (planner_.selectProductsFavoriteExistToFolder(folderId, productId).empty()) return false;
        if (!writeTotal(folderId, adjustedCalorieTotal(*total, "", product.nutrients.kcal)))
            return false;
        // A row left behind without its membership would stand beside the new one.
        planner_.deleteFavoriteFromEditConsumptionAccordingtoItems(productId, folderId);
        const NutrientColumns& n = product.nutrients;
        planner_.newUpdateIntoEditConsumptionTable(
            productId, product.name, product.maker, product.categoryId, product.unit, n.fat,
            n.saturatedFat, n.sugar, n.salt, n.kcal, folderId);
        if (planner_.selectProductDetailForEdit(productId, folderId).size() != 1) return false;
        outcome = Filing::Filed;
        return true;
    });
    if (outcome == Filing::Filed && !committed) outcome = Filing::Failed;
    return outcome;
}

bool PlannerWrites::unfileProduct(ProductId productId, FolderId folderId) {
    return db_.runInTransaction([&] { return takeOut(productId, folderId); });
}

bool PlannerWrites::removeFromFolder(ProductId productId, FolderId folderId) {
    return db_.runInTransaction([&] {
        if (!takeOut(productId, folderId)) return false;
        // A favourite is a product filed in a folder: one still in another stays one.
        if (planner_.selectFoldersAccordingToProduct(productId).empty())
            planner_.setFavorite(productId, 0, "");
        return true;
    });
}

bool PlannerWrites::deleteFolder(FolderId folderId) {
    return db_.runInTransaction([&] {
        const auto members = planner_.selectProductsAccordingToFolder(folderId);
        planner_.deleteMenuItemsSortByOrder(folderId);
        planner_.deleteMenuFolderFavoriteItems(folderId);
        planner_.deleteFavoriteFromEditConsumptionAccordingtoFolder(folderId);
        if (folderExists(folderId) || !planner_.selectProductsAccordingToFolder(folderId).empty())
            return false;
        for (const auto& productId : members)
            if (!planner_.selectProductDetailForEdit(ProductId::of(productId), folderId).empty())
                return false;
        return true;
    });
}

PlannerWrites::Saving PlannerWrites::saveConsumption(ProductId productId, FolderId folderId,
                                                     const Consumption& values) {
    Saving outcome = Saving::Failed;
    const bool committed = db_.runInTransaction([&] {
        if (planner_.selectProductDetailForEdit(productId, folderId).empty()) {
            outcome = Saving::NoRow;
            return false;
        }
        const std::string old =
            planner_.selectCaloryValueFromEditConsumptionForUpdation(productId, folderId);
        const auto total = folderTotal(folderId);
        if (!total) return false;
        const std::string amount = storedAmount(values);
        planner_.updateIntoEditConsumptionTable(
            amount, values.text(Q::Fat), values.text(Q::Saturates), values.text(Q::Sugar),
            values.text(Q::Salt), values.text(Q::Calories), productId, folderId);
        const auto rows = planner_.selectProductDetailForEdit(productId, folderId);
        const NutrientColumns expected{values.text(Q::Fat), values.text(Q::Saturates),
                                       values.text(Q::Sugar), values.text(Q::Salt),
                                       values.text(Q::Calories)};
        if (rows.empty() || rows.back().nutrients != expected || rows.back().gm != amount)
            return false;
        if (!writeTotal(folderId, adjustedCalorieTotal(*total, old, values.text(Q::Calories))))
            return false;
        outcome = Saving::Saved;
        return true;
    });
    if (outcome == Saving::Saved && !committed) outcome = Saving::Failed;
    return outcome;
}

bool PlannerWrites::cleanOrphanProduct(ProductId productId) {
    return db_.runInTransaction([&] {
        for (const auto& folderId : planner_.selectFoldersAccordingToProduct(productId))
            if (!takeOut(productId, FolderId::of(folderId))) return false;
        return true;
    });
}

PlannerWrites::Filed PlannerWrites::filedIn(ProductId productId) {
    Filed filed;
    for (const auto& folderId : planner_.selectFoldersAccordingToProduct(productId)) {
        ++filed.folders;
        filed.calories =
            adjustedCalorieTotal(filed.calories, "",
                                 planner_.selectCaloryValueFromEditConsumptionForUpdation(
                                     productId, FolderId::of(folderId)));
    }
    return filed;
}

bool PlannerWrites::removeFavorite(ProductId productId) {
    return db_.runInTransaction([&] {
        for (const auto& folderId : planner_.selectFoldersAccordingToProduct(productId))
            if (!takeOut(productId, FolderId::of(folderId))) return false;
        planner_.setFavorite(productId, 0, "");
        return planner_.selectFoldersAccordingToProduct(productId).empty();
    });
}

int PlannerWrites::cleanOrphans() {
    // The catalogue ids are many; they are read only when something is filed at all.
    const auto filed = planner_.selectAllRecordIDFromFavoriteTable();
    if (filed.empty()) return 0;
    const auto catalogueIds = CatalogueStore(db_).selectAllRecordIDFromProductsTable();
    if (catalogueIds.empty()) return -1;
    std::unordered_set<long long> known;
    known.reserve(catalogueIds.size());
    for (const auto& id : catalogueIds)
        known.insert(integerValue64(id));
    std::set<std::string> seen;
    int cleaned = 0;
    for (const auto& productId : filed) {
        if (known.contains(integerValue64(productId)) || !seen.insert(productId).second) continue;
        if (cleanOrphanProduct(ProductId::of(productId))) ++cleaned;
    }
    return cleaned;
}

bool PlannerWrites::writeFolderOrder(const std::vector<FolderId>& folderIds) {
    return db_.runInTransaction([&] {
        for (std::size_t i = 0; i < folderIds.size(); ++i)
            planner_.updateMenuItemsSortByOrder(formatInt(static_cast<long long>(i)), folderIds[i]);
        return true;
    });
}

bool PlannerWrites::writeFavoriteOrder(const std::vector<ProductId>& productIds) {
    return db_.runInTransaction([&] {
        for (std::size_t i = 0; i < productIds.size(); ++i)
            planner_.updateMainProductOrderForId(formatInt(static_cast<long long>(i)),
                                                 productIds[i]);
        return true;
    });
}

} // namespace tolvane
