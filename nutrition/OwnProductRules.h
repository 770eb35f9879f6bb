// Own-product entry: decimal places of the typed nutrient values, salt from sodium (and back)
// keeping a typed decimal comma, and names without "|".
#pragma once

#include <string>
#include <string_view>

namespace tolvane {

inline constexpr double kSaltPerSodium = 2.54;

// Characters after the first "." or ",".
std::size_t decimalPlaces(std::string_view text);

// At most one decimal for fat, saturated fat, sugar and energy, two for salt.
inline constexpr std::size_t kMaxDecimals = 1;
inline constexpr std::size_t kMaxSaltDecimals = 2;
bool decimalPlacesValid(std::string_view fat, std::string_view saturatedFat, std::string_view sugar,
                        std::string_view salt, std::string_view energy);

// Salt picker rows.
inline constexpr int kSodiumRow = 0;
inline constexpr int kSaltRow = 1;

// The salt text to store from the typed text and picker row, given the stored salt text and row
// when the product was opened (empty text and row 0 for a new product). Written "%.2f", with a
// comma when the typed text had one; an unchanged salt figure is kept as stored, a sodium figure
// is always converted.
std::string saltToStore(std::string_view typed, int pickerRow, std::string_view originalText,
                        int originalRow);

// The stored salt shown as sodium: divided by 2.54, "%.2f", keeping a comma.
std::string sodiumFromStoredSalt(std::string_view storedSalt);

// What a number field keeps of a typed or pasted text: its digits and the first "." or ",".
std::string numberFieldText(std::string_view typed);
// The "." or "," key of the input bar: appended only when the text holds no separator yet.
std::string withSeparatorKey(std::string_view current, char separator);

// Names, makers and quantities lose every "|": own products are stored without it.
std::string withoutRecordSeparator(std::string_view text);

} // namespace tolvane
