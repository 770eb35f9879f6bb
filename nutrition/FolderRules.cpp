#include "nutrition/FolderRules.h"

#include "nutrition/NumberText.h"

#include <algorithm>
#include <vector>

namespace tolvane {
namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes UTF-8; a malformed sequence yields kInvalid for its first byte.
std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> points;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            cp = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            cp = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            cp = lead & 0x07;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (valid && length > 1) {
            static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
            if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
                valid = false;
        }
        if (!valid) {
            points.push_back(kInvalid);
            ++i;
        } else {
            points.push_back(cp);
            i += static_cast<std::size_t>(length);
        }
    }
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

std::size_t utf16Length(std::string_view text) {
    std::size_t units = 0;
    for (const char32_t c : codePoints(text))
        units += (c != kInvalid && c > 0xFFFF) ? 2 : 1;
    return units;
}

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
