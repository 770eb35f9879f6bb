// Menu folders: the check of a new folder's name, the calorie total's integer arithmetic and the
// nutrient sums of the folder summary.
#pragma once

#include "nutrition/Nutrient.h"
#include "text/Utf8.h" // utf16Length, the measure of the name's length

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

inline constexpr std::size_t kFolderNameMaxLength = 30; // UTF-16 units

enum class FolderNameCheck { Empty, TooLong, InvalidCharacters, Valid };

// Empty; longer than 30 UTF-16 units; "|", control or invisible characters, symbols such as
// emoji. Letters of every script, digits, spaces and punctuation pass.
FolderNameCheck checkFolderName(std::string_view name);

// Calorie values are read in 64 bits and kept within this bound, so no sum of them overflows.
inline constexpr long long kCalorieLimit = 999'999'999'999'999;

// An item's calories as an integer value: negative texts ("-1" is the catalogue's "no data")
// read as 0, huge ones are clamped.
long long itemCalories(std::string_view text);
// A folder total as an integer value, clamped to the bound.
long long totalCalories(std::string_view text);

// A folder's calorie total after removing one item's calories and adding another's, all read as
// integer values and written "%d".
std::string adjustedCalorieTotal(std::string_view total, std::string_view removedCalories,
                                 std::string_view addedCalories);

// Single-precision sums of fat, saturates, sugar, salt and kcal over a folder's consumption rows.
struct FolderSums {
    std::array<float, 5> sums{};
    std::array<int, 5> rows{};   // rows added
    std::array<int, 5> noData{}; // of them, rows whose product has no value

    // Adds the nutrients of one consumption row (for its amount); negative values add nothing.
    // With the product's values per 100, a nutrient the product has no value for is counted.
    void add(const NutrientTexts& amounts, const NutrientTexts* product = nullptr);
    // The sums as the summary shows them: "%.1f" in grams, energy "%.0f" in kcal; a nutrient
    // that no row has a value for gives the no-data text (and counts 0).
    NutrientTexts totals() const;
};

} // namespace tolvane
