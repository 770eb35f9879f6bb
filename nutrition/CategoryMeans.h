// Per-nutrient averages over all catalogue products of one category, used for the "top" lights.
#pragma once

#include "nutrition/Nutrient.h"

#include <string>
#include <vector>

namespace tolvane {

struct CategoryMeans {
    float arithMeanFett = 0.0f;
    float arithMeanGesFette = 0.0f;
    float arithMeanZucker = 0.0f;
    float arithMeanSalz = 0.0f;
    float arithMeanKalorie = 0.0f;

    float of(Nutrient n) const;
};

// One entry per product of the category. No-data texts add nothing but still count in the
// divisor; an empty list gives means that are not numbers.
CategoryMeans categoryMeansOf(const std::vector<NutrientTexts>& products);

} // namespace tolvane
