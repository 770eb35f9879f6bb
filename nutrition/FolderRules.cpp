#include "nutrition/FolderRules.h"

#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace tolvane {
namespace {

// Each byte that is not UTF-8 becomes kNotUtf8, which no rule permits.
std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> points;
    for (std::size_t at = 0; at < text.size();)
        points.push_back(nextCodePoint(text, at));
    return points;
}

// Letters and marks of every script, digits, spaces and punctuation. Refused: "|" (it separates
// record fields), control and invisible format characters, symbol blocks (arrows, shapes,
// dingbats, emoji), private use, noncharacters and bytes that are not UTF-8.
bool permittedInFolderName(char32_t c) {
    struct Range {
        char32_t first, last;
    };
    static constexpr Range refused[] = {
        {0x00, 0x1F},       {'|', '|'},          {0x7F, 0x9F},        {0x200B, 0x200F},
        {0x2028, 0x202E},   {0x2060, 0x206F},    {0x2190, 0x2BFF},    {0xD800, 0xF8FF},
        {0xFDD0, 0xFDEF},   {0xFEFF, 0xFEFF},    {0xFFF0, 0xFFFF},    {0x1F000, 0x1FBFF},
        {0xE0000, 0xE007F}, {0xF0000, 0x10FFFF}, {kNotUtf8, kNotUtf8}};
    return std::none_of(std::begin(refused), std::end(refused),
                        [c](const Range& r) { return c >= r.first && c <= r.last; });
}

} // namespace

FolderNameCheck checkFolderName(std::string_view name) {
    if (name.empty()) return FolderNameCheck::Empty;
    if (utf16Length(name) > kFolderNameMaxLength) return FolderNameCheck::TooLong;
    const auto points = codePoints(name);
    if (!std::all_of(points.begin(), points.end(), permittedInFolderName))
        return FolderNameCheck::InvalidCharacters;
    return FolderNameCheck::Valid;
}

long long itemCalories(std::string_view text) {
    return std::clamp(integerValue64(text), 0LL, kCalorieLimit);
}

long long totalCalories(std::string_view text) {
    return std::clamp(integerValue64(text), -kCalorieLimit, kCalorieLimit);
}

std::string adjustedCalorieTotal(std::string_view total, std::string_view removedCalories,
                                 std::string_view addedCalories) {
    const long long result =
        totalCalories(total) - itemCalories(removedCalories) + itemCalories(addedCalories);
    return formatInt(std::clamp(result, -kCalorieLimit, kCalorieLimit));
}

void FolderSums::add(const NutrientTexts& amounts, const NutrientTexts* product) {
    for (std::size_t n = 0; n < sums.size(); ++n) {
        // A row past every number ("inf", "1e39") would make the total one as well.
        if (const float amount = leadingFloat(amounts[n]); std::isfinite(amount) && amount > 0.0f)
            sums[n] += amount;
        ++rows[n];
        if (product && hasNoData(kNutrients[n], (*product)[n])) ++noData[n];
    }
}

NutrientTexts FolderSums::totals() const {
    NutrientTexts texts;
    for (std::size_t n = 0; n < sums.size(); ++n)
        texts[n] = rows[n] > 0 && noData[n] == rows[n]
                       ? std::string("keine Angaben")
                       : formatFixed(sums[n], n == index(Nutrient::Energy) ? 0 : 1);
    return texts;
}

} // namespace tolvane
