#include "nutrition/OwnProductRules.h"

#include "nutrition/NumberText.h"
#include "text/Utf8.h"

namespace tolvane {
namespace {

// Nutrient arithmetic is single precision, the conversion factor included.
constexpr float kSaltPerSodiumSingle = static_cast<float>(kSaltPerSodium);

// "%.2f" of the value, with a decimal comma when the typed text used one.
std::string twoDecimalsLike(std::string_view typed, float value) {
    const std::string text = formatFixed(value, 2);
    return typed.find(',') != std::string_view::npos ? pointToComma(text) : text;
}

float typedNumber(std::string_view typed) {
    return leadingFloat(commaToPoint(std::string(typed)));
}

} // namespace

std::size_t decimalPlaces(std::string_view text) {
    const auto separator = text.find_first_of(".,");
    if (separator == std::string_view::npos) return 0;
    return characterCount(text.substr(separator + 1));
}

bool decimalPlacesValid(std::string_view fat, std::string_view saturatedFat, std::string_view sugar,
                        std::string_view salt, std::string_view energy) {
    return decimalPlaces(fat) <= kMaxDecimals && decimalPlaces(saturatedFat) <= kMaxDecimals &&
           decimalPlaces(sugar) <= kMaxDecimals && decimalPlaces(energy) <= kMaxDecimals &&
           decimalPlaces(salt) <= kMaxSaltDecimals;
}

std::string saltToStore(std::string_view typed, int pickerRow, std::string_view originalText,
                        int originalRow) {
    // Only a salt figure can stand unchanged: a sodium field shows the stored salt divided, so a
    // text there equal to the stored salt is a sodium figure like any other.
    if (pickerRow == kSaltRow && originalRow == kSaltRow && typed == originalText)
        return std::string(originalText);
    if (typed.empty()) return {};
    const float value = typedNumber(typed);
    if (pickerRow == kSodiumRow) return twoDecimalsLike(typed, value * kSaltPerSodiumSingle);
    // Salt entered. A text equal to the stored salt is already grams of salt (the user typed the
    // stored value over the shown sodium); dividing it again would shrink it, so it is kept.
    if (typed == originalText) return std::string(typed);
    return twoDecimalsLike(typed, value);
}

std::string sodiumFromStoredSalt(std::string_view storedSalt) {
    if (storedSalt.empty()) return {};
    return twoDecimalsLike(storedSalt, typedNumber(storedSalt) / kSaltPerSodiumSingle);
}

std::string numberFieldText(std::string_view typed) {
    std::string result;
    bool separatorSeen = false;
    for (const char c : typed) {
        if (c >= '0' && c <= '9') {
            result += c;
        } else if ((c == '.' || c == ',') && !separatorSeen) {
            result += c;
            separatorSeen = true;
        }
    }
    return result;
}

std::string withSeparatorKey(std::string_view current, char separator) {
    std::string result(current);
    if (current.find_first_of(".,") == std::string_view::npos) result += separator;
    return result;
}

std::string withoutRecordSeparator(std::string_view text) {
    std::string result;
    for (const char c : text)
        if (c != '|') result += c;
    return result;
}

} // namespace tolvane
