// The five nutrients in the order every screen, record and table lists them.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

enum class Nutrient { Fat = 0, SaturatedFat, Sugar, Salt, Energy };

inline constexpr int kNutrientCount = 5;
inline constexpr std::array<Nutrient, kNutrientCount> kNutrients = {
    Nutrient::Fat, Nutrient::SaturatedFat, Nutrient::Sugar, Nutrient::Salt, Nutrient::Energy};

inline constexpr int index(Nutrient n) {
    return static_cast<int>(n);
}

// Nutrient texts (fat, saturated fat, sugar, salt, energy) as stored, per 100 g or 100 ml.
using NutrientTexts = std::array<std::string, kNutrientCount>;

// Decimals a value per 100 g is shown with, the same on every screen: energy whole, salt two,
// the others one.
inline constexpr int shownDecimals(Nutrient n) {
    return n == Nutrient::Energy ? 0 : n == Nutrient::Salt ? 2 : 1;
}

// The texts that mean "no data" in a nutrient column.
bool isNoDataText(std::string_view text);

} // namespace tolvane
