#include "nutrition/Consumption.h"

#include "nutrition/NumberText.h"
#include "nutrition/PossessivePattern.h"
#include "nutrition/TrafficLightRating.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tolvane {
namespace {

constexpr int kAmount = static_cast<int>(ConsumptionQuantity::Amount);
constexpr int kCalories = static_cast<int>(ConsumptionQuantity::Calories);

bool isWholeNumber(int q) {
    return q == kAmount || q == kCalories;
}

std::string formatQuantity(int q, double value) {
    return formatFixed(value, isWholeNumber(q) ? 0 : 1);
}

// An amount as typed or stored: whole, or with its one decimal ("12.5", not "12").
std::string amountText(float amount) {
    const double tenths = std::round(static_cast<double>(amount) * 10.0);
    return std::fmod(tenths, 10.0) == 0.0 ? formatFixed(tenths / 10.0, 0)
                                          : formatFixed(tenths / 10.0, 1);
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
    const float number = leadingFloat(gm);
    return {std::isfinite(number) ? std::max(0.0f, number) : 0.0f, trimmed(gm.substr(length))};
}

std::size_t nutrientOf(ConsumptionQuantity q) {
    return static_cast<std::size_t>(static_cast<int>(q) - 1);
}

// A value a stored row holds for its amount. A negative value is the catalogue's "no data", and
// one that does not fit a number is no value either: both count as nothing.
float rowValue(const std::string& text) {
    const float value = leadingFloat(text);
    return std::isfinite(value) && value > 0.0f ? value : 0.0f;
}

// The amount, and every text from it; nothing changes when a value would not be a number.
bool setAmount(Consumption& c, float amount) {
    std::array<float, kNutrientCount> values{};
    for (std::size_t n = 0; n < values.size(); ++n)
        values[n] = c.per100[n] * amount / 100.0f;
    if (!std::isfinite(amount) || amount < 0.0f ||
        !std::all_of(values.begin(), values.end(), [](float v) { return std::isfinite(v); }))
        return false;
    c.amount = amount;
    c.texts[kAmount] = formatWhole(amount);
    for (std::size_t n = 0; n < values.size(); ++n)
        c.texts[n + 1] = formatQuantity(static_cast<int>(n + 1), values[n]);
    return true;
}

} // namespace

std::string shownAmount(std::string_view gm, const NumberFormat& format) {
    // Read as the editor reads it, so an unusual unit keeps its name ("2 Becher", not "0 g").
    const StoredAmount amount = readStoredAmount(gm);
    if (!amount.number && amount.unit != "g" && amount.unit != "ml") return std::string(gm);
    return format.withUnit(format.number(amountText(amount.number.value_or(100.0f))), amount.unit);
}

float Consumption::value(ConsumptionQuantity q) const {
    return leadingFloat(text(q));
}

std::string Consumption::shownText(ConsumptionQuantity q, const NumberFormat& format) const {
    if (lacksData(q)) return format.noData();
    return format.number(text(q));
}

bool Consumption::lacksData(ConsumptionQuantity q) const {
    return q != ConsumptionQuantity::Amount && noData[nutrientOf(q)];
}

bool Consumption::locked(ConsumptionQuantity q) const {
    return q != ConsumptionQuantity::Amount && per100[nutrientOf(q)] == 0.0f;
}

Consumption consumptionFromProduct(const NutrientTexts& per100, std::string_view gm) {
    Consumption c;
    for (std::size_t n = 0; n < per100.size(); ++n) {
        c.per100[n] = std::max(nutrientValueFromText(kNutrients[n], per100[n]), 0.0f);
        c.noData[n] = hasNoData(kNutrients[n], per100[n]);
    }
    // The unit is kept apart from the number, so it is appended exactly once when storing.
    const StoredAmount amount = readStoredAmount(gm);
    c.unit = amount.unit;
    if (!setAmount(c, amount.number.value_or(100.0f))) setAmount(c, 0.0f);
    // A stored "12.5g" is shown as 12,5, as it was typed.
    else
        c.texts[kAmount] = amountText(c.amount);
    return c;
}

Consumption consumptionFromRow(const NutrientTexts& nutrients, std::string_view gm) {
    Consumption c;
    const StoredAmount amount = readStoredAmount(gm);
    c.unit = amount.unit;
    c.amount = amount.number.value_or(100.0f);
    c.texts[kAmount] = amountText(c.amount);
    // The row's values are shown as stored; per 100 they are what the row holds for its amount.
    const float toPer100 = c.amount == 0.0f ? 1.0f : 100.0f / c.amount;
    for (std::size_t n = 0; n < nutrients.size(); ++n) {
        const float value = rowValue(nutrients[n]);
        c.texts[n + 1] = formatQuantity(static_cast<int>(n + 1), value);
        c.per100[n] = std::isfinite(value * toPer100) ? value * toPer100 : 0.0f;
    }
    return c;
}

void scaleConsumption(Consumption& c, ConsumptionQuantity base, float newValue) {
    if (!(newValue > 0.0f) || c.locked(base)) return;
    setAmount(c, base == ConsumptionQuantity::Amount
                     ? newValue
                     : newValue / c.per100[nutrientOf(base)] * 100.0f);
}

void scaleFromAmountSlider(Consumption& c, float sliderValue) {
    scaleConsumption(c, ConsumptionQuantity::Amount, sliderValue);
}

void scaleFromCaloriesSlider(Consumption& c, float sliderValue) {
    scaleConsumption(c, ConsumptionQuantity::Calories, sliderValue);
}

TypedValueOutcome applyTypedValue(Consumption& c, ConsumptionQuantity field,
                                  std::string_view typed) {
    if (typed.empty()) return TypedValueOutcome::Empty;
    const std::string text = withDecimalPart(typed);
    if (!matchesConsumptionPattern(text)) return TypedValueOutcome::Rejected;
    const float newValue = leadingFloat(commaToPoint(text));
    // Scaling to zero would wipe every value ("0,00" as much as "0.0").
    if (newValue == 0.0f || c.locked(field)) return TypedValueOutcome::Ignored;
    Consumption scaled = c;
    scaleConsumption(scaled, field, newValue);
    // A value so small that the amount or the calories round to 0 ("0,4 g") would store an
    // amount of nothing, or a row that says nothing was eaten.
    const bool hasCalories = !c.locked(ConsumptionQuantity::Calories);
    if (isZeroQuantity(scaled, ConsumptionQuantity::Amount) ||
        (hasCalories && isZeroQuantity(scaled, ConsumptionQuantity::Calories)))
        return TypedValueOutcome::Ignored;
    // A typed amount keeps its decimal.
    if (field == ConsumptionQuantity::Amount) scaled.texts[kAmount] = amountText(newValue);
    c = std::move(scaled);
    return TypedValueOutcome::Applied;
}

bool isZeroQuantity(const Consumption& c, ConsumptionQuantity q) {
    return c.value(q) == 0.0f;
}

std::string storedAmount(const Consumption& c) {
    return c.text(ConsumptionQuantity::Amount) + c.unit;
}

ConsumptionRowValues consumptionRowValues(const NutrientTexts& per100, std::string_view unit,
                                          std::string_view gm) {
    if (!readStoredAmount(gm).number) return {std::string(unit.empty() ? gm : unit), per100};
    const Consumption c = consumptionFromProduct(per100, gm);
    ConsumptionRowValues row{std::string(gm), {}};
    for (std::size_t n = 0; n < row.values.size(); ++n)
        row.values[n] = c.texts[n + 1];
    return row;
}

} // namespace tolvane
