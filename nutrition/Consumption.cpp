#include "nutrition/Consumption.h"

#include "nutrition/NumberText.h"
#include "nutrition/PossessivePattern.h"

#include <algorithm>
#include <optional>

namespace tolvane {
namespace {

constexpr int kAmount = static_cast<int>(ConsumptionQuantity::Amount);
constexpr int kCalories = static_cast<int>(ConsumptionQuantity::Calories);

bool isWholeNumber(int q) {
    return q == kAmount || q == kCalories;
}

std::string formatQuantity(int q, float value) {
    return formatFixed(value, isWholeNumber(q) ? 0 : 1);
}

// A stored amount: its leading number and the unit text after it. A text without a number is a
// bare unit and stands for 100 of it.
struct StoredAmount {
    std::optional<float> number;
    std::string unit;
};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

StoredAmount readStoredAmount(std::string_view gm) {
    const std::size_t length = leadingNumberLength(gm);
    if (length == 0) return {std::nullopt, trimmed(gm)};
    return {std::max(0.0f, leadingFloat(gm)), trimmed(gm.substr(length))};
}

} // namespace

std::string shownAmount(std::string_view gm) {
    if (gm == "g") return "100g";
    if (gm == "ml") return "100ml";
    // Read as the editor reads it, so an unusual unit keeps its name ("2 Becher", not "0 g").
    const StoredAmount amount = readStoredAmount(gm);
    if (!amount.number) return std::string(gm);
    const std::string number = formatWhole(*amount.number);
    return amount.unit.empty() ? number : number + " " + amount.unit;
}

float Consumption::value(ConsumptionQuantity q) const {
    return leadingFloat(text(q));
}

std::string Consumption::shownText(ConsumptionQuantity q) const {
    return pointToComma(text(q));
}

Consumption consumptionFromRow(const NutrientTexts& nutrients, std::string_view gm) {
    Consumption c;
    // A negative value is the catalogue's "no data": it counts as nothing. The quantities after
    // the amount are the nutrients in their order.
    for (int q = 1; q < kConsumptionQuantityCount; ++q)
        c.texts[q] = formatQuantity(
            q,
            std::max(0.0f, leadingFloat(commaToPoint(nutrients[static_cast<std::size_t>(q - 1)]))));
    // The unit is kept apart from the number, so it is appended exactly once when storing.
    const StoredAmount amount = readStoredAmount(gm);
    c.unit = amount.unit;
    c.texts[kAmount] = amount.number ? formatWhole(*amount.number) : "100";
    return c;
}

void scaleConsumption(Consumption& c, ConsumptionQuantity base, float newValue) {
    // An amount of 0 stands for 100, as if nothing had been set; the amount itself must then
    // be scaled from 100 too, or it would stay 0 whatever was typed.
    if (base == ConsumptionQuantity::Amount && c.value(base) == 0.0f) c.text(base) = "100";
    const float current = c.value(base);
    if (current == 0.0f) return; // nothing to scale from
    const float q = current / 100.0f;
    const float r = (newValue / q) / 100.0f;
    std::array<float, kConsumptionQuantityCount> values{};
    for (int i = 0; i < kConsumptionQuantityCount; ++i)
        values[i] = r * leadingFloat(c.texts[i]);
    for (int i = 0; i < kConsumptionQuantityCount; ++i)
        c.texts[i] = formatQuantity(i, values[i]);
}

void scaleFromAmountSlider(Consumption& c, float sliderValue) {
    if (!(sliderValue > 0.0f)) return;
    if (c.text(ConsumptionQuantity::Amount) == "0") c.text(ConsumptionQuantity::Amount) = "100";
    scaleConsumption(c, ConsumptionQuantity::Amount, sliderValue);
}

void scaleFromCaloriesSlider(Consumption& c, float sliderValue) {
    if (!(sliderValue > 0.0f)) return;
    if (c.text(ConsumptionQuantity::Calories) == "0") c.text(ConsumptionQuantity::Calories) = "100";
    scaleConsumption(c, ConsumptionQuantity::Calories, sliderValue);
}

TypedValueOutcome applyTypedValue(Consumption& c, ConsumptionQuantity field,
                                  std::string_view typed) {
    if (typed.empty()) return TypedValueOutcome::Empty;
    const std::string text = withDecimalPart(typed);
    if (!matchesConsumptionPattern(text)) return TypedValueOutcome::Rejected;
    const float newValue = leadingFloat(commaToPoint(text));
    // Scaling to zero would wipe every value for good ("0,00" as much as "0.0").
    if (newValue == 0.0f) return TypedValueOutcome::Ignored;
    if (field != ConsumptionQuantity::Amount && c.value(field) == 0.0f)
        return TypedValueOutcome::Ignored;
    Consumption scaled = c;
    scaleConsumption(scaled, field, newValue);
    // A value so small that the amount or the calories round to 0 ("0,4 g") would store an
    // amount of nothing, or calories that no slider can bring back.
    const bool hadCalories = !isZeroQuantity(c, ConsumptionQuantity::Calories);
    if (isZeroQuantity(scaled, ConsumptionQuantity::Amount) ||
        (hadCalories && isZeroQuantity(scaled, ConsumptionQuantity::Calories)))
        return TypedValueOutcome::Ignored;
    c = std::move(scaled);
    return TypedValueOutcome::Applied;
}

bool isZeroQuantity(const Consumption& c, ConsumptionQuantity q) {
    return c.value(q) == 0.0f;
}

std::string storedAmount(const Consumption& c) {
    return c.text(ConsumptionQuantity::Amount) + c.unit;
}

} // namespace tolvane
