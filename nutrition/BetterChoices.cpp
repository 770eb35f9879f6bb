#include "nutrition/BetterChoices.h"

#include "nutrition/TrafficLightRating.h"

namespace tolvane {

ChoiceLights choiceLights(const std::array<std::string_view, kNutrientCount>& texts,
                          std::string_view unit) {
    ChoiceLights lights;
    for (Nutrient nutrient : kNutrients) {
        const std::string_view text = texts[static_cast<std::size_t>(index(nutrient))];
        const float value = nutrientValueFromText(nutrient, text);
        if (nutrient == Nutrient::Energy) {
            // An empty energy reads as 0 for the light; here it is not known.
            if (!text.empty() && value >= 0.0f) lights.kcal = value;
            continue;
        }
        // The means only decide the "top" mark, never the colour.
        switch (rateNutrient(nutrient, value, unit, 0.0f).colour) {
        case TrafficLight::Yellow:
            ++lights.amber;
            break;
        case TrafficLight::Green:
            break;
        default:
            ++lights.red;
        }
    }
    return lights;
}

} // namespace tolvane
