// Traffic-light rating of one nutrient: the green/yellow/red bands per 100 g and per 100 ml,
// the "top" flag against the category mean, and the picture and value text shown for it.
#pragma once

#include "nutrition/CategoryMeans.h"
#include "nutrition/Nutrient.h"

#include <string>
#include <string_view>

namespace tolvane {

struct TrafficLight {
    enum Colour { Green, Yellow, Red, NoData, Grey };
    Colour colour = NoData;
    bool top = false;

    friend bool operator==(const TrafficLight&, const TrafficLight&) = default;
};

// More than any food holds per 100 g or 100 ml, in grams or kilocalories.
inline constexpr float kNutrientValueLimit = 100000.0f;

// Empty text: -1 (no data) for the rated nutrients, 0 for energy; "keine Angaben(.)": -1;
// otherwise the leading number with "," read as "." (leadingFloat). A text that does not begin
// with a number, or whose number is beyond kNutrientValueLimit, is -1 too. Negative values mean
// no data. Every rule that reads a nutrient per 100 reads it here.
float nutrientValueFromText(Nutrient nutrient, std::string_view text);
// Whether the product screen shows the no-data sign for the text; every screen shows it alike.
inline bool hasNoData(Nutrient nutrient, std::string_view text) {
    return nutrientValueFromText(nutrient, text) < 0.0f;
}

// Unit "g" selects the per-100-g bounds, any other unit text the per-100-ml bounds.
TrafficLight rateNutrient(Nutrient nutrient, float value, std::string_view unit,
                          float categoryMean);

// Reads the stored text and rates it against the means in one step.
TrafficLight rateNutrientText(Nutrient nutrient, std::string_view text, std::string_view unit,
                              const CategoryMeans& means);

// "ampel_green", "ampel_red_top", ..., or "ampel_neutral_<language>" for no data.
std::string lightImageName(const TrafficLight& light, std::string_view language);

// The text beside the picture: the stored text, except nothing for a rated nutrient without data.
std::string nutrientValueText(Nutrient nutrient, std::string_view text);

// A sales portion is given when its text is not empty and does not read as negative.
bool hasSalesPortion(std::string_view portionText);

} // namespace tolvane
