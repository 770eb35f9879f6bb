// A row's nutrient columns as the nutrition rules take them: the five texts in Nutrient order.
#pragma once

#include "nutrition/NumberText.h"
#include "nutrition/Nutrient.h"
#include "platform/Strings.h"
#include "store/Rows.h"

#include <string>

namespace tolvane {

const std::string& nutrientText(const NutrientColumns& columns, Nutrient nutrient);
NutrientTexts nutrientTexts(const NutrientColumns& columns);
NutrientTexts nutrientTexts(NutrientColumns&& columns);

// The interface language's way of writing figures, from its string tables.
NumberFormat numberFormat(const Strings& strings);

} // namespace tolvane
