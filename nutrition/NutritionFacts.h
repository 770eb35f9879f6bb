// A product's whole nutrition table as a food label lists it: which stored values have data, in
// the label's order, each with the unit it counts in.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// In the label's order: energy; fat and of which saturates, mono-, polyunsaturates, trans;
// carbohydrate and of which sugars, starch, polyols; fibre; protein; salt; cholesterol.
enum class Fact {
    EnergyKj,
    EnergyKcal,
    Fat,
    SaturatedFat,
    Monounsaturated,
    Polyunsaturated,
    TransFat,
    Carbohydrate,
    Sugar,
    Starch,
    Polyols,
    Fibre,
    Protein,
    Salt,
    Cholesterol,
};
inline constexpr std::size_t kFactCount = 15;

// The stored texts, indexed by Fact.
using FactTexts = std::array<std::string, kFactCount>;

struct FactValue {
    Fact fact;
    std::string number; // the stored number, "." as its decimal point
    friend bool operator==(const FactValue&, const FactValue&) = default;
};

// The facts with data in label order: empty, "keine Angaben", texts that begin with no number
// and negative numbers are left out.
std::vector<FactValue> factsWithData(const FactTexts& texts);

// "kJ", "kcal", "g", or "mg" for cholesterol: the catalogue's cholesterol figures (7.3 in an
// infant formula with 3.4 g of fat) can only be milligrams.
std::string_view factUnit(Fact fact);

// Decimals the fact is shown with, as for the same nutrient on the detail rows: energy whole,
// salt two, the others (cholesterol's milligrams too) one.
inline constexpr int shownDecimals(Fact fact) {
    return fact == Fact::EnergyKj || fact == Fact::EnergyKcal ? 0 : fact == Fact::Salt ? 2 : 1;
}

// A line that a label indents under the one before ("of which sugars").
bool isPartOfAbove(Fact fact);

} // namespace tolvane
