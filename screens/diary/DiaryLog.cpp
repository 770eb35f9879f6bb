#include "screens/diary/DiaryLog.h"

#include "nutrition/NumberText.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"

namespace tolvane {

DiaryEntryRow diarySnapshot(const ProductRecord& product,
                            const std::optional<NutritionFactsRow>& facts) {
    DiaryEntryRow e;
    e.productId = product.recordId;
    e.name = product.name;
    e.maker = product.maker;
    e.unit = product.unit;
    e.portion = product.salesPortion;
    e.energyKcal = product.nutrients.kcal;
    e.fat = product.nutrients.fat;
    e.saturatedFat = product.nutrients.saturatedFat;
    e.sugar = product.nutrients.sugar;
    e.salt = product.nutrients.salt;
    if (facts) {
        e.energyKj = facts->energyKj;
        e.protein = facts->protein;
        e.carbohydrates = facts->carbohydrates;
        e.fibre = facts->fibre;
    }
    return e;
}

std::optional<DiaryEntryRow> diarySnapshotOf(Database& database, ProductId productId) {
    CatalogueStore catalogue(database);
    const auto product = catalogue.selectProductDetail(productId);
    if (!product) return std::nullopt;
    return diarySnapshot(*product, catalogue.selectNutritionFacts(productId));
}

std::string diaryAmountText(double amount) {
    // Whole amounts stay whole; otherwise one decimal is as exact as a kitchen scale.
    const std::string text = formatFixed(amount, 1);
    return text.size() > 2 && text.ends_with(".0") ? text.substr(0, text.size() - 2) : text;
}

double diaryAmount(const DiaryEntryRow& entry) {
    return leadingDouble(entry.amount);
}

std::string diaryTimeText(int hour, int minute) {
    std::string text =
        formatInt(hour % 24 + 100).substr(1) + ":" + formatInt(minute % 60 + 100).substr(1);
    return text;
}

DiaryFood diaryFood(const DiaryEntryRow& e) {
    DiaryFood food;
    food.amount = diaryAmount(e);
    food.per100 = {e.energyKcal, e.fat,     e.saturatedFat,  e.sugar,
                   e.salt,       e.protein, e.carbohydrates, e.fibre};
    return food;
}

FolderLogResult logFolder(Database& database, FolderId folderId, const DiaryNow& when) {
    FolderLogResult result;
    const std::string time = diaryTimeText(when.hour, when.minute);
    const std::string meal = formatInt(static_cast<int>(mealAt(when.hour, when.minute)));
    result.written = database.runInCheckedTransaction([&] {
        PlannerStore planner(database);
        for (const std::string& id : planner.selectProductsAccordingToFolder(folderId)) {
            const ProductId productId = ProductId::of(id);
            auto entry = diarySnapshotOf(database, productId);
            if (!entry) {
                ++result.skipped;
                continue;
            }
            // The planned amount: a number with its unit, or the bare unit for 100 of it.
            double amount = 100.0;
            const auto rows = planner.selectProductDetailForEdit(productId, folderId);
            if (!rows.empty())
                if (const auto planned = leadingFloatIfAny(rows.front().gm);
                    planned && *planned > 0)
                    amount = *planned;
            entry->day = when.day.text();
            entry->time = time;
            entry->meal = meal;
            entry->amount = diaryAmountText(amount);
            if (!DiaryStore(database).insertEntry(*entry)) return false;
            ++result.logged;
        }
        return true;
    });
    if (!result.written) result.logged = 0;
    return result;
}

} // namespace tolvane
