#include "nutrition/FolderGda.h"

#include "nutrition/DecimalShare.h"
#include "nutrition/GdaCalculator.h"
#include "nutrition/NumberText.h"
#include "nutrition/TrafficLightRating.h"

namespace tolvane {

PersonalFactor personalFactor(int dailyCalories) {
    const int c20 = dailyCalories / 20;
    // Without a daily figure every reference would be 0; the fixed amounts keep the view useful.
    if (c20 <= 0) return PersonalFactor{1.0f, true};
    return PersonalFactor{static_cast<float>(c20) / 100.0f, false};
}

PersonalFactor personalFactorFromText(std::string_view dailyCaloriesText) {
    return personalFactor(integerValue(dailyCaloriesText));
}

std::array<float, kNutrientCount> personalReferences(float factor) {
    std::array<float, kNutrientCount> references{};
    for (int n = 0; n < kNutrientCount; ++n)
        references[n] = kGuidelineDailyAmounts[n] * factor;
    return references;
}

std::string folderValueLabel(Nutrient nutrient, const std::string& totalText,
                             const NumberFormat& format) {
    return format.withUnit(format.number(totalText), nutrient == Nutrient::Energy ? "kcal" : "g");
}

FolderGdaBars folderGdaBars(const NutrientTexts& totals, const PersonalFactor& factor,
                            const NumberFormat& format) {
    const auto references = personalReferences(factor.factor);
    const float portion = 100.0f;
    FolderGdaBars bars;
    for (int n = 0; n < kNutrientCount; ++n) {
        const float value = gdaValueFromText(kNutrients[n], totals[n]);
        const float amount = value / 100.0f * portion;
        FolderGdaBar& bar = bars[n];
        bar.percent = amount / references[n] * 100.0f;
        bar.amount = cutDecimalQuotient({value, portion}, {100.0f});
        bar.percentLabel = format.percent(
            cutDecimalQuotient({value, 100.0f}, {kGuidelineDailyAmounts[n], factor.factor}));
        bar.noData = hasNoData(kNutrients[n], totals[n]);
        bar.valueLabel =
            bar.noData ? format.noData() : folderValueLabel(kNutrients[n], totals[n], format);
        if (bar.noData) bar.percentLabel = format.noData();
        // Narrowed before truncating: 125 % must give 355 points, not 354.
        bar.barLength = truncated(
            static_cast<float>(static_cast<double>(bar.percent) * kFolderBarPointsPerPercent));
    }
    return bars;
}

} // namespace tolvane
