// Share of the guideline daily amounts in a typed portion of one product: percentages, bar
// heights, amounts and labels of the five bars, the portion field's length rule, and touches.
#pragma once

#include "nutrition/NumberText.h"
#include "nutrition/Nutrient.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

// Guideline daily amounts: fat, saturated fat, sugar, salt in g, energy in kcal.
inline constexpr std::array<float, kNutrientCount> kGuidelineDailyAmounts = {70.0f, 20.0f, 90.0f,
                                                                             6.0f, 2000.0f};

inline constexpr float kGdaBarFullHeight = 192.0f; // points for 100 %
inline constexpr int kGdaBarWidth = 40;
inline constexpr std::size_t kPortionMaxLength = 5;
inline constexpr double kOuncesPerGram = 0.0352739619;

struct GdaBar {
    float percent = 0.0f; // share of the daily amount
    float height = 0.0f;  // uncapped bar height in points
    int amount = 0;       // grams (kcal for energy) in the portion, truncated
    float amountExact = 0.0f;
    std::string percentLabel; // "42%"
    int drawnHeight = 0;      // capped at the full height
    bool noData = false;      // the product has no value: shown as the no-data sign
};

using GdaBars = std::array<GdaBar, kNutrientCount>;

// A nutrient text as the bars read it: a text without data (nutrientValueFromText) counts as 0.
float gdaValueFromText(Nutrient nutrient, std::string_view text);

// The portion field's text in grams: empty means 100 g, otherwise its leading number, in grams
// in metric mode and in ounces in US mode.
float portionFromText(std::string_view portionText, bool metric = true);

// Bars for the given portion text; nothing (keep what is shown) when the portion is negative
// or too large to be a number. In US mode the portion is typed in ounces; the shares are those
// of the same weight in grams.
std::optional<GdaBars> gdaBars(const NutrientTexts& texts, std::string_view portionText,
                               bool metric = true, const NumberFormat& format = {});

// A portion of `grams` as the US field holds it: ounces with one decimal, written with ".".
std::string ouncesPortionText(double grams);

enum class PortionCheck { Valid, TooLong, NotANumber };

// A portion the calculator applies: empty (100), or up to 5 characters of digits with at most
// one decimal point or comma. "abc" and "-5" are not a number.
PortionCheck checkPortion(std::string_view portionText);

// Whether the portion field takes an edit that replaces `replacedLength` characters of
// `currentText` by `replacement`: only digits, "." and "," go in, and never past 5 characters
// (so a pure insertion is refused once the field holds 5).
PortionCheck portionEdit(std::string_view currentText, std::size_t replacedLength,
                         std::string_view replacement);

// The bar (0 = fat ... 4 = energy) whose touch area holds the point, or -1.
int gdaBarAt(float x, float y);

// Amount shown beside the finger: grams in metric mode, ounces with one decimal in US mode, "%d"
// kcal for energy, each with its unit word ("30 g", "1,1 oz", "750 kcal"); outside the bars 0
// in grams or ounces left of x 375, else 0 kcal; a bar without data shows the no-data sign.
std::string gdaTouchLabel(const GdaBars& bars, float x, float y, bool metric,
                          const NumberFormat& format = {});

// The amount text of one bar as the touch label shows it.
std::string gdaAmountText(const GdaBars& bars, Nutrient nutrient, bool metric,
                          const NumberFormat& format = {});

} // namespace tolvane
