// The whole library must write and read the same texts whatever LC_NUMERIC says.
#include "nutrition/CategoryMeans.h"
#include "nutrition/Consumption.h"
#include "nutrition/FolderGda.h"
#include "nutrition/FolderRules.h"
#include "nutrition/GdaCalculator.h"
#include "nutrition/NumberText.h"
#include "nutrition/OwnProductRules.h"
#include "nutrition/Profile.h"
#include "nutrition/TrafficLightRating.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace tolvane {
namespace {

std::vector<std::string> libraryTexts() {
    std::vector<std::string> out;
    out.push_back(formatOneDecimal(leadingFloat("1,25")));
    out.push_back(formatFixed(leadingDouble(" 3.14159e0"), 3));
    out.push_back(formatWhole(12.5) + formatWhole(13.5));
    const auto means =
        categoryMeansOf({{"1,5", "0.3", "6.3", "0.3", "100"}, {"2.5", "0", "0", "0", "200"}});
    out.push_back(formatFixed(means.arithMeanFett, 6));
    out.push_back(lightImageName(rateNutrientText(Nutrient::Salt, "0,3", "g", means), "de"));
    out.push_back(lightImageName(rateNutrientText(Nutrient::Sugar, "6.3", "ml", means), "de"));
    const auto bars = gdaBars({"20", "5,5", "", "", "500"}, "150");
    for (const auto& bar : *bars)
        out.push_back(bar.percentLabel + formatFixed(bar.height, 4));
    out.push_back(gdaTouchLabel(*bars, 95, 100, false));
    for (const auto& bar : folderGdaBars({"35.0", "12.5", "1", "2", "2500"}, personalFactor(2250)))
        out.push_back(bar.percentLabel + bar.valueLabel + formatInt(bar.barLength));
    const auto metric = metricBody(80, 50);
    out.push_back(metric.bmiValue + metric.idealWeightValue + metric.stringusheight);
    const auto us = usBody(30, 50);
    out.push_back(us.bmiValue + us.idealWeightValue + us.stringusheight);
    out.push_back(usWeightList()[77]);
    out.push_back(dailyCaloriesText(*dailyEnergyNeed("F", 40, 165, 60, 0)));
    out.push_back(readTypedDailyCalories("1850,5").dailyCalories);
    auto c = consumptionFromRow({"3,4", "1", "5", "0.25", "52.5"}, "g");
    applyTypedValue(c, ConsumptionQuantity::Amount, "150,5");
    for (const auto& text : c.texts)
        out.push_back(text);
    out.push_back(shownAmount("13.5g"));
    FolderSums sums;
    sums.add({"12,5", "1.0", "3.4", "0.25", "100.5"});
    for (const auto& total : sums.totals())
        out.push_back(total);
    out.push_back(saltToStore("0,4", kSodiumRow, "", kSodiumRow));
    out.push_back(sodiumFromStoredSalt("1.50"));
    return out;
}

// Finds a German locale, building one into `scratch` when none is installed.
bool useGermanNumbers(const std::filesystem::path& scratch) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_CH.UTF-8", "de_DE"})
        if (std::setlocale(LC_ALL, name)) return true;
    std::filesystem::create_directories(scratch);
    const std::string command =
        "localedef -i de_DE -f UTF-8 '" + (scratch / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0 && !std::filesystem::exists(scratch / "de_DE.UTF-8"))
        return false;
    setenv("LOCPATH", scratch.c_str(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(Locale, GermanNumericLocaleGivesTheSameTexts) {
    std::setlocale(LC_ALL, "C");
    const auto expected = libraryTexts();
    const auto scratch = std::filesystem::temp_directory_path() /
                         ("tolvane-nutrition-locale-" + std::to_string(getpid()));
    const bool german = useGermanNumbers(scratch);
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored); // a loaded locale stays usable
    if (!german) GTEST_SKIP() << "no German locale available and localedef failed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    const auto actual = libraryTexts();
    std::setlocale(LC_ALL, "C");
    ASSERT_STREQ(probe, "1,5") << "the locale does not use a decimal comma";
    EXPECT_EQ(actual, expected);
}

} // namespace
} // namespace tolvane
