#include "PlannerWrites.h"

#include "nutrition/FolderRules.h"
#include "nutrition/NumberText.h"
#include "store/Database.h"

#include <set>
#include <unordered_set>

namespace tolvane {
namespace {

using Q = ConsumptionQuantity;

bool sameId(const std::string& a, const std::string& b) {
    return integerValue64(a) == integerValue64(b);
}

} // namespace

bool PlannerWrites::folderExists(const std::string& folderId) {
    for (const FolderRow& folder : db_.selectMenuItemsSortByRecordID())
        if (sameId(folder.folderId, folderId)) return true;
    return false;
}

std::optional<std::string> PlannerWrites::folderTotal(const std::string& folderId) {
    std::string total = db_.selectCaloryValueForUpdation(folderId);
    if (!total.empty() || folderExists(folderId)) return total;
    return std::nullopt;
}

bool PlannerWrites::writeTotal(const std::string& folderId, const std::string& total) {
    db_.updateCaloryValueForUpdation(total, folderId);
    return db_.selectCaloryValueForUpdation(folderId) == total;
}

bool PlannerWrites::takeOut(const std::string& productId, const std::string& folderId) {
    const auto total = folderTotal(folderId);
    const std::string item =
        db_.selectCaloryValueFromEditConsumptionForUpdation(productId, folderId);
    // A folder that is gone has no total to correct; its leftovers still go.
    if (total && !writeTotal(folderId, adjustedCalorieTotal(*total, item, ""))) return false;
    db_.deleteFavoriteFromMenuFolder(productId, folderId);
    db_.deleteFavoriteFromEditConsumptionAccordingtoItems(productId, folderId);
    return db_.selectProductsFavoriteExistToFolder(folderId, productId).empty() &&
           db_.selectProductDetailForEdit(productId, folderId).empty();
}

PlannerWrites::Filing PlannerWrites::fileProduct(const ProductRecord& product,
                                                 const std::string& folderId) {
    Filing outcome = Filing::Failed;
    const bool committed = db_.runInTransaction([&] {
        if (!db_.selectProductsFavoriteExistToFolder(folderId, product.recordId).empty()) {
            outcome = Filing::AlreadyFiled;
            return false;
        }
        if (!db_.selectProductDetail(product.recordId)) {
            // A read the file refused just now says nothing about the product.
            outcome = db_.lastReadFailed() ? Filing::Failed : Filing::Gone;
            return false;
        }
        const auto total = folderTotal(folderId);
        if (!total) return false;
        db_.insertIntoFavorite_Menulistfolder(product.recordId, folderId);
        if (db_.selectProductsFavoriteExistToFolder(folderId, product.recordId).empty())
            return false;
        if (!writeTotal(folderId, adjustedCalorieTotal(*total, "", product.nutrients.kcal)))
            return false;
        // A row left behind without its membership would stand beside the new one.
        db_.deleteFavoriteFromEditConsumptionAccordingtoItems(product.recordId, folderId);
        const NutrientColumns& n = product.nutrients;
        db_.newUpdateIntoEditConsumptionTable(product.recordId, product.name, product.maker,
                                              product.categoryId, product.unit, n.fat,
                                              n.saturatedFat, n.sugar, n.salt, n.kcal, folderId);
        if (db_.selectProductDetailForEdit(product.recordId, folderId).size() != 1) return false;
        outcome = Filing::Filed;
        return true;
    });
    if (outcome == Filing::Filed && !committed) outcome = Filing::Failed;
    return outcome;
}

bool PlannerWrites::unfileProduct(const std::string& productId, const std::string& folderId) {
    return db_.runInTransaction([&] { return takeOut(productId, folderId); });
}

bool PlannerWrites::removeFromFolder(const std::string& productId, const std::string& folderId) {
    return db_.runInTransaction([&] {
        if (!takeOut(productId, folderId)) return false;
        // A favourite is a product filed in a folder: one still in another stays one.
        if (db_.selectFoldersAccordingToProduct(productId).empty())
            db_.setFavorite(productId, 0, "");
        return true;
    });
}

bool PlannerWrites::deleteFolder(const std::string& folderId) {
    return db_.runInTransaction([&] {
        const auto members = db_.selectProductsAccordingToFolder(folderId);
        db_.deleteMenuItemsSortByOrder(folderId);
        db_.deleteMenuFolderFavoriteItems(folderId);
        db_.deleteFavoriteFromEditConsumptionAccordingtoFolder(folderId);
        if (folderExists(folderId) || !db_.selectProductsAccordingToFolder(folderId).empty())
            return false;
        for (const auto& productId : members)
            if (!db_.selectProductDetailForEdit(productId, folderId).empty()) return false;
        return true;
    });
}

PlannerWrites::Saving PlannerWrites::saveConsumption(const std::string& productId,
                                                     const std::string& folderId,
                                                     const Consumption& values) {
    Saving outcome = Saving::Failed;
    const bool committed = db_.runInTransaction([&] {
        if (db_.selectProductDetailForEdit(productId, folderId).empty()) {
            outcome = Saving::NoRow;
            return false;
        }
        const std::string old =
            db_.selectCaloryValueFromEditConsumptionForUpdation(productId, folderId);
        const auto total = folderTotal(folderId);
        if (!total) return false;
        const std::string amount = storedAmount(values);
        db_.updateIntoEditConsumptionTable(amount, values.text(Q::Fat), values.text(Q::Saturates),
                                           values.text(Q::Sugar), values.text(Q::Salt),
                                           values.text(Q::Calories), productId, folderId);
        const auto rows = db_.selectProductDetailForEdit(productId, folderId);
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

bool PlannerWrites::cleanOrphanProduct(const std::string& productId) {
    return db_.runInTransaction([&] {
        for (const auto& folderId : db_.selectFoldersAccordingToProduct(productId))
            if (!takeOut(productId, folderId)) return false;
        return true;
    });
}

PlannerWrites::Filed PlannerWrites::filedIn(const std::string& productId) {
    Filed filed;
    for (const auto& folderId : db_.selectFoldersAccordingToProduct(productId)) {
        ++filed.folders;
        filed.calories = adjustedCalorieTotal(
            filed.calories, "",
            db_.selectCaloryValueFromEditConsumptionForUpdation(productId, folderId));
    }
    return filed;
}

bool PlannerWrites::removeFavorite(const std::string& productId) {
    return db_.runInTransaction([&] {
        for (const auto& folderId : db_.selectFoldersAccordingToProduct(productId))
            if (!takeOut(productId, folderId)) return false;
        db_.setFavorite(productId, 0, "");
        return db_.selectFoldersAccordingToProduct(productId).empty();
    });
}

int PlannerWrites::cleanOrphans() {
    // The catalogue ids are many; they are read only when something is filed at all.
    const auto filed = db_.selectAllRecordIDFromFavoriteTable();
    if (filed.empty()) return 0;
    const auto catalogueIds = db_.selectAllRecordIDFromProductsTable();
    if (catalogueIds.empty()) return -1;
    std::unordered_set<long long> known;
    known.reserve(catalogueIds.size());
    for (const auto& id : catalogueIds)
        known.insert(integerValue64(id));
    std::set<std::string> seen;
    int cleaned = 0;
    for (const auto& productId : filed) {
        if (known.contains(integerValue64(productId)) || !seen.insert(productId).second) continue;
        if (cleanOrphanProduct(productId)) ++cleaned;
    }
    return cleaned;
}

bool PlannerWrites::writeFolderOrder(const std::vector<std::string>& folderIds) {
    return db_.runInTransaction([&] {
        for (std::size_t i = 0; i < folderIds.size(); ++i)
            db_.updateMenuItemsSortByOrder(formatInt(static_cast<long long>(i)), folderIds[i]);
        return true;
    });
}

bool PlannerWrites::writeFavoriteOrder(const std::vector<std::string>& productIds) {
    return db_.runInTransaction([&] {
        for (std::size_t i = 0; i < productIds.size(); ++i)
            db_.updateMainProductOrderForId(formatInt(static_cast<long long>(i)), productIds[i]);
        return true;
    });
}

} // namespace tolvane
