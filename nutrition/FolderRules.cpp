#include "nutrition/FolderRules.h"

#include "nutrition/NumberText.h"
#include "text/Utf8.h"

#include <algorithm>
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

bool permittedInFolderName(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == ' ')
        return true;
    static const std::vector<char32_t> accented =
        codePoints("äëïöüÄËÏÖÜØøñçâÂåÿŸáåßæûêîôÂÊÎÔÛéíóúÅÁÆÅÀàèìòùÈÌÒÙÉÍÓÚãõÃÑÕã");
    return std::find(accented.begin(), accented.end(), c) != accented.end();
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

void FolderSums::add(const NutrientTexts& amounts) {
    for (std::size_t n = 0; n < sums.size(); ++n)
        sums[n] += std::max(0.0f, leadingFloat(amounts[n]));
}

NutrientTexts FolderSums::totals() const {
    NutrientTexts texts;
    for (std::size_t n = 0; n < sums.size(); ++n)
        texts[n] = formatFixed(sums[n], n == index(Nutrient::Energy) ? 0 : 1);
    return texts;
}

} // namespace tolvane
