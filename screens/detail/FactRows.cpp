#include "screens/detail/FactRows.h"

#include "nutrition/NutritionFacts.h"
#include "platform/Keys.h"
#include "screens/common/Nutrients.h"

#include <optional>

namespace tolvane {
namespace {

const char* factTitleKey(Fact fact) {
    switch (fact) {
    case Fact::EnergyKj:
    case Fact::EnergyKcal:
        return key("Energie");
    case Fact::Fat:
        return key("Fett");
    case Fact::SaturatedFat:
        return key("davon gesättigte Fettsäuren");
    case Fact::Monounsaturated:
        return key("davon einfach ungesättigte Fettsäuren");
    case Fact::Polyunsaturated:
        return key("davon mehrfach ungesättigte Fettsäuren");
    case Fact::TransFat:
        return key("davon Transfettsäuren");
    case Fact::Carbohydrate:
        return key("Kohlenhydrate");
    case Fact::Sugar:
        return key("davon Zucker");
    case Fact::Starch:
        return key("davon Stärke");
    case Fact::Polyols:
        return key("davon mehrwertige Alkohole");
    case Fact::Fibre:
        return key("Ballaststoffe");
    case Fact::Protein:
        return key("Eiweiß");
    case Fact::Salt:
        return key("Salz");
    case Fact::Cholesterol:
        return key("Cholesterin");
    }
    return "";
}

// The line an "of which" line belongs under.
Fact parentOf(Fact part) {
    switch (part) {
    case Fact::Sugar:
    case Fact::Starch:
    case Fact::Polyols:
        return Fact::Carbohydrate;
    default:
        return Fact::Fat;
    }
}

} // namespace

std::vector<FactRow> factRows(const NutritionFactsRow& f, const Strings& strings) {
    const FactTexts texts = {
        f.energyKj,        f.energyKcal, f.fat,           f.saturatedFat, f.monounsaturated,
        f.polyunsaturated, f.transFat,   f.carbohydrates, f.sugar,        f.starch,
        f.polyols,         f.fibre,      f.protein,       f.salt,         f.cholesterol};
    const NumberFormat format = numberFormat(strings);
    std::vector<FactRow> rows;
    bool kilojoules = false;
    std::optional<Fact> lastMain;
    for (const FactValue& fact : factsWithData(texts)) {
        const std::string value = format.withUnit(
            format.amount(fact.number, shownDecimals(fact.fact)), factUnit(fact.fact));
        // Energy in kJ and kcal is one line, as on a label.
        if (fact.fact == Fact::EnergyKcal && kilojoules) {
            rows.back().value += " / " + value;
            continue;
        }
        kilojoules = fact.fact == Fact::EnergyKj;
        // An own product has sugar but no carbohydrate line: its sugar is not "of which" fat.
        const bool part = isPartOfAbove(fact.fact);
        if (!part) lastMain = fact.fact;
        if (part && lastMain != parentOf(fact.fact)) {
            const char* title = fact.fact == Fact::Sugar ? key("Zucker") : factTitleKey(fact.fact);
            rows.push_back({strings.text(title), value, false});
            continue;
        }
        rows.push_back({strings.text(factTitleKey(fact.fact)), value, part});
    }
    return rows;
}

} // namespace tolvane
