#include "nutrition/NutritionFacts.h"

#include "nutrition/NumberText.h"
#include "nutrition/Nutrient.h"

namespace tolvane {

std::vector<FactValue> factsWithData(const FactTexts& texts) {
    std::vector<FactValue> facts;
    for (std::size_t i = 0; i < kFactCount; ++i) {
        const std::string& text = texts[i];
        const std::size_t length = leadingNumberLength(text);
        if (length == 0 || isNoDataText(text) || leadingDouble(text) < 0) continue;
        std::string number = commaToPoint(text.substr(0, length));
        number.erase(0, number.find_first_not_of(" \t+"));
        facts.push_back({static_cast<Fact>(i), std::move(number)});
    }
    return facts;
}

std::string_view factUnit(Fact fact) {
    switch (fact) {
    case Fact::EnergyKj:
        return "kJ";
    case Fact::EnergyKcal:
        return "kcal";
    case Fact::Cholesterol:
        return "mg";
    default:
        return "g";
    }
}

bool isPartOfAbove(Fact fact) {
    switch (fact) {
    case Fact::SaturatedFat:
    case Fact::Monounsaturated:
    case Fact::Polyunsaturated:
    case Fact::TransFat:
    case Fact::Sugar:
    case Fact::Starch:
    case Fact::Polyols:
        return true;
    default:
        return false;
    }
}

} // namespace tolvane
