#include "nutrition/Consumption.h"

#include "nutrition/NumberText.h"
#include "nutrition/PossessivePattern.h"

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

// "150g" -> 150, "g" -> nothing; "%0.f" of the number, or "" when the text holds none.
std::string amountNumber(std::string_view text) {
    const std::string bare = replaceAll(replaceAll(std::string(text), "g", ""), "ml", "");
    if (leadingNumberLength(bare) == 0) return {};
    return formatWhole(leadingFloat(bare));
}

} // namespace

std::string shownAmount(std::string_view gm) {
    if (gm == "g") return "100g";
    if (gm == "ml") return "100ml";
    for (const std::string_view unit : {std::string_view("g"), std::string_view("ml")}) {
        const auto pos = gm.find(unit);
        if (pos != std::string_view::npos)
            return formatWhole(leadingFloat(gm.substr(0, pos))) + " " + std::string(unit);
    }
    return std::string(gm);
}

float Consumption::value(ConsumptionQuantity q) const {
    return leadingFloat(text(q));
}

std::string Consumption::shownText(ConsumptionQuantity q) const {
    return pointToComma(text(q));
}

Consumption consumptionFromRecord(std::string_view record) {
    const auto fields = splitFields(record);
    const auto field = [&](std::size_t i) { return i < fields.size() ? fields[i] : std::string(); };
    Consumption c;
    const std::string gm = field(5);
    if (gm.find('g') != std::string::npos)
        c.unit = "g";
    else if (gm.find("ml") != std::string::npos)
        c.unit = "ml";
    else
        // An amount saved with another unit keeps only the unit, so it is not repeated.
        c.unit = gm.substr(leadingNumberLength(gm));
    for (int q = 1; q < kConsumptionQuantityCount; ++q)
        c.texts[q] = formatQuantity(q, leadingFloat(commaToPoint(field(q - 1))));
    // A bare unit ("g", "ml", or the product's own unit text) stands for 100 of it.
    const std::string amount = amountNumber(commaToPoint(gm));
    c.texts[kAmount] = amount.empty() ? "100" : amount;
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
    scaleConsumption(c, field, newValue);
    return TypedValueOutcome::Applied;
}

bool isZeroQuantity(const Consumption& c, ConsumptionQuantity q) {
    return c.value(q) == 0.0f;
}

std::string storedAmount(const Consumption& c) {
    return c.text(ConsumptionQuantity::Amount) + c.unit;
}

} // namespace tolvane
