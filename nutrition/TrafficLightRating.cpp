#include "nutrition/TrafficLightRating.h"

#include "nutrition/NumberText.h"

namespace tolvane {
namespace {

struct Bounds {
    float green;  // v <= green is green
    float yellow; // v <= yellow is yellow, above is red
};

// The bounds are compared as single-precision numbers. 0.3f and 6.3f lie just above 0.3 and
// 6.3, so a value read from "0.3" or "6.3" stays in the lower band, as intended.
Bounds boundsFor(Nutrient nutrient, bool perGram) {
    switch (nutrient) {
    case Nutrient::Fat:
        return perGram ? Bounds{3.0f, 20.0f} : Bounds{1.5f, 10.0f};
    case Nutrient::SaturatedFat:
        return perGram ? Bounds{1.5f, 5.0f} : Bounds{0.75f, 2.5f};
    case Nutrient::Sugar:
        return perGram ? Bounds{5.0f, 12.5f} : Bounds{2.5f, 6.3f};
    case Nutrient::Salt:
    case Nutrient::Energy:
        break;
    }
    return Bounds{0.3f, 1.5f};
}

} // namespace

float nutrientValueFromText(Nutrient nutrient, std::string_view text) {
    if (text.empty()) return nutrient == Nutrient::Energy ? 0.0f : -1.0f;
    if (isNoDataText(text)) return -1.0f;
    // "-", "n/a" or "inf" say nothing about the food, and "1e308" no food holds: rated as a
    // value they would be green, or drag every mean of the category with them.
    const std::optional<float> value = leadingFloatIfAny(text);
    if (!value || !(*value <= kNutrientValueLimit)) return -1.0f;
    return *value;
}

TrafficLight rateNutrient(Nutrient nutrient, float value, std::string_view unit,
                          float categoryMean) {
    if (nutrient == Nutrient::Energy)
        return TrafficLight{TrafficLight::Grey, value >= 0.0f && value < categoryMean};
    if (value < 0.0f) return TrafficLight{TrafficLight::NoData, false};
    const Bounds bounds = boundsFor(nutrient, unit == "g");
    TrafficLight light;
    if (value <= bounds.green)
        light.colour = TrafficLight::Green;
    else if (value <= bounds.yellow)
        light.colour = TrafficLight::Yellow;
    else
        light.colour = TrafficLight::Red;
    // A mean that is not a number compares false, so it gives the plain picture.
    light.top = value < categoryMean;
    return light;
}

TrafficLight rateNutrientText(Nutrient nutrient, std::string_view text, std::string_view unit,
                              const CategoryMeans& means) {
    return rateNutrient(nutrient, nutrientValueFromText(nutrient, text), unit, means.of(nutrient));
}

std::string lightImageName(const TrafficLight& light, std::string_view language) {
    std::string name;
    switch (light.colour) {
    case TrafficLight::Green:
        name = "ampel_green";
        break;
    case TrafficLight::Yellow:
        name = "ampel_yellow";
        break;
    case TrafficLight::Red:
        name = "ampel_red";
        break;
    case TrafficLight::Grey:
        name = "ampel_grey";
        break;
    case TrafficLight::NoData:
        return "ampel_neutral_" + std::string(language);
    }
    if (light.top) name += "_top";
    return name;
}

std::string nutrientValueText(Nutrient nutrient, std::string_view text) {
    if (nutrient != Nutrient::Energy && nutrientValueFromText(nutrient, text) < 0.0f) return {};
    return std::string(text);
}

bool hasSalesPortion(std::string_view portionText) {
    return !portionText.empty() && leadingFloat(portionText) >= 0.0f;
}

} // namespace tolvane
