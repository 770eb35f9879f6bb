// Per-nutrient averages over all catalogue products of one category, used for the "top" lights.
#pragma once

#include "nutrition/Nutrient.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
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

// The means summed up product by product, so that a category's rows need not all be held at once.
class CategoryMeansSum {
public:
    // Fat, saturated fat, sugar, salt and energy texts of one product.
    void add(const std::array<std::string_view, kNutrientCount>& texts);
    CategoryMeans means() const;

private:
    std::array<float, kNutrientCount> sums_{};
    std::size_t count_ = 0;
};

// One entry per product of the category. Texts without data (nutrientValueFromText) add nothing
// but still count in the divisor; an empty list gives means that are not numbers.
CategoryMeans categoryMeansOf(const std::vector<NutrientTexts>& products);

} // namespace tolvane
