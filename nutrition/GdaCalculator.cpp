#include "nutrition/GdaCalculator.h"

#include "nutrition/DecimalShare.h"
#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cmath>

namespace tolvane {
namespace {

constexpr double kHeightPerPercent = 1.92; // 192 points for 100 %

struct TouchArea {
    float left, right, top, bottom;
};

TouchArea touchArea(int bar) {
    const auto left = 75.0f + 75.0f * static_cast<float>(bar);
    return TouchArea{left, left + 40.0f, 53.0f, 245.0f};
}

} // namespace

float gdaValueFromText(Nutrient nutrient, std::string_view text) {
    // A negative text ("-1") marks missing data; it must not draw a negative bar.
    return std::max(nutrientValueFromText(nutrient, text), 0.0f);
}

float portionFromText(std::string_view portionText, bool metric) {
    if (portionText.empty()) return 100.0f;
    const float typed = leadingFloat(portionText);
    return metric ? typed : static_cast<float>(static_cast<double>(typed) / kOuncesPerGram);
}

std::string ouncesPortionText(double grams) {
    return formatOneDecimal(grams * kOuncesPerGram);
}

std::optional<GdaBars> gdaBars(const NutrientTexts& texts, std::string_view portionText,
                               bool metric, const NumberFormat& format) {
    const float portion = portionFromText(portionText, metric);
    // "9e99" fits in the field but is no portion.
    if (portion < 0.0f || !std::isfinite(portion)) return std::nullopt;
    GdaBars bars;
    for (int n = 0; n < kNutrientCount; ++n) {
        const float value = gdaValueFromText(kNutrients[n], texts[n]);
        const float amount = value / 100.0f * portion;
        GdaBar& bar = bars[n];
        bar.percent = amount / kGuidelineDailyAmounts[n] * 100.0f;
        bar.height = static_cast<float>(static_cast<double>(bar.percent) * kHeightPerPercent);
        bar.amountExact = amount;
        bar.amount = cutDecimalQuotient({value, portion}, {100.0f});
        bar.percentLabel =
            format.percent(cutDecimalQuotient({value, portion}, {kGuidelineDailyAmounts[n]}));
        bar.drawnHeight = truncated(std::min(bar.height, kGdaBarFullHeight));
        bar.noData = hasNoData(kNutrients[n], texts[n]);
        if (bar.noData) bar.percentLabel = format.noData();
    }
    return bars;
}

PortionCheck checkPortion(std::string_view portionText) {
    if (characterCount(portionText) > kPortionMaxLength) return PortionCheck::TooLong;
    int separators = 0;
    for (char c : portionText) {
        if (c == '.' || c == ',')
            ++separators;
        else if (!isAsciiDigit(c))
            return PortionCheck::NotANumber;
    }
    if (separators > 1 || (!portionText.empty() && separators == int(portionText.size())))
        return PortionCheck::NotANumber;
    return PortionCheck::Valid;
}

PortionCheck portionEdit(std::string_view currentText, std::size_t replacedLength,
                         std::string_view replacement) {
    for (char c : replacement)
        if (!isAsciiDigit(c) && c != '.' && c != ',') return PortionCheck::NotANumber;
    // Count characters, not bytes; the field may hold anything pasted before.
    const std::size_t kept =
        characterCount(currentText) - std::min(replacedLength, characterCount(currentText));
    if (!replacement.empty() && kept + characterCount(replacement) > kPortionMaxLength)
        return PortionCheck::TooLong;
    return PortionCheck::Valid;
}

int gdaBarAt(float x, float y) {
    for (int bar = 0; bar < kNutrientCount; ++bar) {
        const TouchArea area = touchArea(bar);
        if (x >= area.left && x <= area.right && y >= area.top && y <= area.bottom) return bar;
    }
    return -1;
}

std::string gdaAmountText(const GdaBars& bars, Nutrient nutrient, bool metric,
                          const NumberFormat& format) {
    const GdaBar& bar = bars[index(nutrient)];
    if (bar.noData) return format.noData();
    if (nutrient == Nutrient::Energy) return format.withUnit(formatInt(bar.amount), "kcal");
    if (metric) return format.withUnit(formatInt(bar.amount), "g");
    return format.withUnit(format.fixed(static_cast<double>(bar.amountExact) * kOuncesPerGram, 1),
                           "oz");
}

std::string gdaTouchLabel(const GdaBars& bars, float x, float y, bool metric,
                          const NumberFormat& format) {
    const int bar = gdaBarAt(x, y);
    if (bar >= 0) return gdaAmountText(bars, kNutrients[bar], metric, format);
    if (x <= 375.0f) return format.withUnit("0", metric ? "g" : "oz");
    return format.withUnit("0", "kcal");
}

} // namespace tolvane
