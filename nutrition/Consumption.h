// Consumption rows of the meal planner: the amount text shown in a folder's list, and the
// editor's rules (loading normalisation, proportional scaling, typed values, zero rules, saving).
#pragma once

#include "nutrition/Nutrient.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

// Stored "gm" text to the shown amount: "g" -> "100g", "150g" -> "150 g", "250ml" -> "250 ml".
std::string shownAmount(std::string_view gm);

enum class ConsumptionQuantity { Amount = 0, Fat, Saturates, Sugar, Salt, Calories };
inline constexpr int kConsumptionQuantityCount = 6;

// The editor's model texts, always with a decimal point: the amount and calories as whole
// numbers, the four nutrients with one decimal.
struct Consumption {
    std::array<std::string, kConsumptionQuantityCount> texts;
    std::string unit; // appended to the amount when storing: "g", "ml" or the stored unit text

    const std::string& text(ConsumptionQuantity q) const { return texts[static_cast<int>(q)]; }
    std::string& text(ConsumptionQuantity q) { return texts[static_cast<int>(q)]; }
    float value(ConsumptionQuantity q) const;
    // The text a field shows: the model text with "," for ".".
    std::string shownText(ConsumptionQuantity q) const;
};

// From a stored consumption row: its nutrients for the amount and the amount text ("gm").
Consumption consumptionFromRow(const NutrientTexts& nutrients, std::string_view gm);

// Scales all six quantities so that `base` becomes `newValue` (from its current shown value).
// A current value of 0 changes nothing.
void scaleConsumption(Consumption& c, ConsumptionQuantity base, float newValue);

// The sliders: an amount (or calorie) text "0" is taken as 100 first; a value that is not
// above 0 changes nothing.
void scaleFromAmountSlider(Consumption& c, float sliderValue);
void scaleFromCaloriesSlider(Consumption& c, float sliderValue);

enum class TypedValueOutcome { Empty, Rejected, Ignored, Applied };
// A value typed into one of the six fields; Ignored when it reads as zero.
TypedValueOutcome applyTypedValue(Consumption& c, ConsumptionQuantity field,
                                  std::string_view typed);

// Whether the quantity reads as 0 (its field is then disabled).
bool isZeroQuantity(const Consumption& c, ConsumptionQuantity q);

// The amount text to store: the bare number followed by the unit ("150g").
std::string storedAmount(const Consumption& c);

} // namespace tolvane
