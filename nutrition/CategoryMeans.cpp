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

CategoryMeans categoryMeansFromRecords(const std::vector<std::string>& records) {
    std::array<float, kNutrientCount> sums{};
    for (const auto& record : records) {
        const auto fields = splitFields(record);
        for (int n = 0; n < kNutrientCount && n < static_cast<int>(fields.size()); ++n) {
            if (isNoDataText(fields[n])) continue;
            sums[n] += leadingFloat(fields[n]);
        }
    }
    // Every record counts, also those without data; no records gives NaN, which rates no "top".
    const auto count = static_cast<float>(records.size());
    CategoryMeans means;
    means.arithMeanFett = sums[0] / count;
    means.arithMeanGesFette = sums[1] / count;
    means.arithMeanZucker = sums[2] / count;
    means.arithMeanSalz = sums[3] / count;
    means.arithMeanKalorie = sums[4] / count;
    return means;
}

} // namespace tolvane
