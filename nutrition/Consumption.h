// Consumption rows of the meal planner: the amount text shown in a folder's list, and the
// editor's rules (loading normalisation, proportional scaling, typed values, zero rules, saving).
#pragma once

#include "nutrition/NumberText.h"
#include "nutrition/Nutrient.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

// Stored "gm" text to the shown amount with its unit word: "g" -> "100 g", "150g" -> "150 g",
// "250ml" -> "250 ml"; another unit text follows the number as stored.
std::string shownAmount(std::string_view gm, const NumberFormat& format = {});

enum class ConsumptionQuantity { Amount = 0, Fat, Saturates, Sugar, Salt, Calories };
inline constexpr int kConsumptionQuantityCount = 6;

// The editor's model. Every value is computed from the product's own values per 100 of its unit
// and the amount eaten, kept unrounded; only the texts are rounded: the amount and calories to
// whole numbers, the four nutrients to one decimal, always with a decimal point. Scaling from the
// rounded texts instead would drift and could wipe a value for good.
struct Consumption {
    std::array<std::string, kConsumptionQuantityCount> texts;
    std::string unit; // appended to the amount when storing: "g", "ml" or the stored unit text
    std::array<float, kNutrientCount> per100{}; // fat, saturates, sugar, salt, kcal
    float amount = 0.0f;
    std::array<bool, kNutrientCount> noData{}; // the product has no value: the no-data sign

    const std::string& text(ConsumptionQuantity q) const { return texts[static_cast<int>(q)]; }
    std::string& text(ConsumptionQuantity q) { return texts[static_cast<int>(q)]; }
    float value(ConsumptionQuantity q) const;
    // The text a field shows: the model text as the language writes it, or the no-data sign.
    std::string shownText(ConsumptionQuantity q, const NumberFormat& format = {}) const;
    // The product has none of it (never the amount): its field and, for calories, the slider
    // cannot change anything.
    bool locked(ConsumptionQuantity q) const;
    // The product has no data for it (never the amount).
    bool lacksData(ConsumptionQuantity q) const;
};

// From the product's values per 100 of its unit and a stored amount text ("gm").
Consumption consumptionFromProduct(const NutrientTexts& per100, std::string_view gm);
// From a stored consumption row alone, when the product is no longer in the catalogue: its
// values for its amount (an amount of 0 counting as 100) stand for the product's.
Consumption consumptionFromRow(const NutrientTexts& nutrients, std::string_view gm);

// Sets the amount so that `base` becomes `newValue`; every text follows. Nothing changes when
// the base is locked or the value is not above 0.
void scaleConsumption(Consumption& c, ConsumptionQuantity base, float newValue);

// The sliders set the amount, or the calories, the same way.
void scaleFromAmountSlider(Consumption& c, float sliderValue);
void scaleFromCaloriesSlider(Consumption& c, float sliderValue);

enum class TypedValueOutcome { Empty, Rejected, Ignored, Applied };
// A value typed into one of the six fields; Ignored when it reads as zero, or is so small that
// the amount would round to nothing.
TypedValueOutcome applyTypedValue(Consumption& c, ConsumptionQuantity field,
                                  std::string_view typed);

// Whether the quantity's text reads as 0.
bool isZeroQuantity(const Consumption& c, ConsumptionQuantity q);

// The amount text to store: the bare number followed by the unit ("150g").
std::string storedAmount(const Consumption& c);

// What a stored consumption row holds for a product's values per 100 and its unit: a row at the
// bare unit (a product filed at its default) holds those values as they stand, its amount text
// the unit; a row with an amount keeps it and holds the editor's values for it.
struct ConsumptionRowValues {
    std::string gm;
    NutrientTexts values;
};
ConsumptionRowValues consumptionRowValues(const NutrientTexts& per100, std::string_view unit,
                                          std::string_view gm);

} // namespace tolvane
