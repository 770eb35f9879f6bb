// A product's detail record as the store gives it (name|recordId|maker|category|favFlag|fat|
// satFat|sugar|salt|kcal|unit|portion), read once into named fields. Missing fields read as
// empty, so a short record (an own product saved by an older version) shows empty values.
#pragma once

#include "nutrition/Nutrient.h"

#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

struct ProductRecord {
    std::string name;
    std::string recordId;
    std::string maker;
    std::string categoryId;
    bool favourite = false;
    NutrientTexts nutrients; // as stored, per 100 g or 100 ml, in kNutrients order
    std::string unit;        // "g" or "ml"
    std::string salesPortion;

    static ProductRecord parse(std::string_view record);
    // The records handed from a list to the detail screens (one record, or its fields).
    static ProductRecord fromDetails(const std::vector<std::string>& details);

    const std::string& nutrient(Nutrient n) const {
        return nutrients[static_cast<std::size_t>(index(n))];
    }
};

} // namespace tolvane
