#include "nutrition/CategoryMeans.h"

#include "nutrition/NumberText.h"

namespace tolvane {

float CategoryMeans::of(Nutrient n) const {
    switch (n) {
    case Nutrient::Fat:
        return arithMeanFett;
    case Nutrient::SaturatedFat:
        return arithMeanGesFette;
    case Nutrient::Sugar:
        return arithMeanZucker;
    case Nutrient::Salt:
        return arithMeanSalz;
    case Nutrient::Energy:
        return arithMeanKalorie;
    }
    return arithMeanKalorie;
}

CategoryMeans categoryMeansOf(const std::vector<NutrientTexts>& products) {
    std::array<float, kNutrientCount> sums{};
    for (const auto& texts : products) {
        for (std::size_t n = 0; n < texts.size(); ++n) {
            if (isNoDataText(texts[n])) continue;
            sums[n] += leadingFloat(texts[n]);
        }
    }
    // Every product counts, also those without data; none gives NaN, which rates no "top".
    const auto count = static_cast<float>(products.size());
    CategoryMeans means;
    means.arithMeanFett = sums[0] / count;
    means.arithMeanGesFette = sums[1] / count;
    means.arithMeanZucker = sums[2] / count;
    means.arithMeanSalz = sums[3] / count;
    means.arithMeanKalorie = sums[4] / count;
    return means;
}

} // namespace tolvane
