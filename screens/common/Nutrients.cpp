#include "screens/common/Nutrients.h"

#include <utility>

namespace tolvane {

const std::string& nutrientText(const NutrientColumns& columns, Nutrient nutrient) {
    switch (nutrient) {
    case Nutrient::Fat:
        return columns.fat;
    case Nutrient::SaturatedFat:
        return columns.saturatedFat;
    case Nutrient::Sugar:
        return columns.sugar;
    case Nutrient::Salt:
        return columns.salt;
    case Nutrient::Energy:
        break;
    }
    return columns.kcal;
}

NutrientTexts nutrientTexts(const NutrientColumns& columns) {
    return {columns.fat, columns.saturatedFat, columns.sugar, columns.salt, columns.kcal};
}

NutrientTexts nutrientTexts(NutrientColumns&& columns) {
    return {std::move(columns.fat), std::move(columns.saturatedFat), std::move(columns.sugar),
            std::move(columns.salt), std::move(columns.kcal)};
}

NumberFormat numberFormat(const Strings& strings) {
    return NumberFormat([&strings](const std::string& k) { return strings.text(k); });
}

} // namespace tolvane
