// A row's nutrient columns as the nutrition rules take them: the five texts in Nutrient order.
#pragma once

#include "nutrition/Nutrient.h"
#include "store/Rows.h"

#include <string>

namespace tolvane {

const std::string& nutrientText(const NutrientColumns& columns, Nutrient nutrient);
NutrientTexts nutrientTexts(const NutrientColumns& columns);
NutrientTexts nutrientTexts(NutrientColumns&& columns);

} // namespace tolvane
