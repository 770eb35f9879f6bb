#include "nutrition/TrafficLightRating.h"
#include "nutrition/CategoryMeans.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace tolvane {
namespace {

constexpr float kNoMean = std::numeric_limits<float>::quiet_NaN();

TrafficLight::Colour colourOf(Nutrient n, const char* text, const char* unit) {
    return rateNutrient(n, nutrientValueFromText(n, text), unit, kNoMean).colour;
}

TEST(TrafficLightBands, ValuesOnABoundBelongToTheLowerBand) {
    using TL = TrafficLight;
    const Nutrient F = Nutrient::Fat, S = Nutrient::SaturatedFat, Z = Nutrient::Sugar,
                   N = Nutrient::Salt;
    // Per nutrient and unit: the texts rated green, yellow, yellow and red, around both bounds.
    // Any unit other than "g" (matched exactly) means per 100 ml.
    const struct {
        Nutrient nutrient;
        const char* unit;
        std::array<const char*, 4> texts;
    } bands[] = {
        {F, "g", {"3", "3,01", "20", "20.5"}},     {S, "g", {"1.5", "1.51", "5", "5.01"}},
        {Z, "g", {"5", "5.1", "12.5", "12.6"}},    {N, "g", {"0,3", "0.31", "1.5", "1.51"}},
        {F, "ml", {"1.5", "3", "10", "10.1"}},     {S, "ml", {"0.75", "0.76", "2.5", "2.6"}},
        {Z, "ml", {"2.5", "2.51", "6.3", "6.31"}}, {N, "ml", {"0.3", "0.31", "1.5", "1.51"}},
        {F, "", {"1.5", "3", "10", "10.1"}},       {Z, "l", {"2.5", "2.51", "6,3", "6.31"}},
        {F, "G", {"1.5", "3", "10", "10.1"}},      {F, "g ", {"1.5", "3", "10", "10.1"}},
    };
    const TL::Colour colours[] = {TL::Green, TL::Yellow, TL::Yellow, TL::Red};
    for (const auto& band : bands)
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(colourOf(band.nutrient, band.texts[i], band.unit), colours[i])
                << "nutrient " << index(band.nutrient) << " text '" << band.texts[i] << "' unit '"
                << band.unit << "'";
    EXPECT_EQ(colourOf(F, "0", "g"), TL::Green);
    EXPECT_EQ(colourOf(F, "1e3", "g"), TL::Red);
    EXPECT_EQ(colourOf(F, "100000", "g"), TL::Red);
    // Full-width digits, as East Asian input methods type them, are digits.
    EXPECT_EQ(colourOf(F, "\uFF11\uFF12", "g"), TL::Yellow);      // "１２"
    EXPECT_EQ(colourOf(F, "\uFF12\uFF0C\uFF15", "g"), TL::Green); // "２，５"
    EXPECT_EQ(colourOf(N, "1\uFF12", "g"), TL::Red);
}

TEST(TrafficLightBands, TextsWithoutAFiniteNumberOrBeyondAnyFoodAreNoData) {
    const CategoryMeans means{5, 5, 5, 5, 300};
    for (const char* text : {"-", "n/a", "NaN", "nan", " ", "inf", "-inf", "abc", "k.A.",
                             "Keine Angaben", "1e308", "1e39", "100001", "\uFF4E/\uFF41"}) {
        for (const Nutrient n :
             {Nutrient::Fat, Nutrient::SaturatedFat, Nutrient::Sugar, Nutrient::Salt}) {
            EXPECT_EQ(rateNutrientText(n, text, "g", means),
                      (TrafficLight{TrafficLight::NoData, false}))
                << text;
            EXPECT_EQ(nutrientValueText(n, text), "") << text;
        }
        EXPECT_EQ(lightImageName(rateNutrientText(Nutrient::Energy, text, "g", means), "de"),
                  "ampel_grey")
            << text;
    }
    // One product beyond any food does not lift its category's means: the others still rate.
    const auto means2 = categoryMeansOf(
        {{"1e308", "1e38", "inf", "-1e38", "1e308"}, {"4", "2", "6", "0.4", "200"}});
    EXPECT_FLOAT_EQ(means2.arithMeanFett, 2.0f);
    EXPECT_FLOAT_EQ(means2.arithMeanGesFette, 1.0f);
    EXPECT_FLOAT_EQ(means2.arithMeanZucker, 3.0f);
    EXPECT_FLOAT_EQ(means2.arithMeanSalz, 0.2f);
    EXPECT_FLOAT_EQ(means2.arithMeanKalorie, 100.0f);
    EXPECT_FALSE(rateNutrientText(Nutrient::Fat, "4", "g", means2).top);
    EXPECT_TRUE(rateNutrientText(Nutrient::Fat, "1", "g", means2).top);
}

TEST(TrafficLightBands, MissingDataGivesTheNeutralPictureAndNoText) {
    for (const char* text : {"", "keine Angaben", "keine Angaben.", "-1", "-0.5"}) {
        const auto light = rateNutrientText(Nutrient::Fat, text, "g", CategoryMeans{5, 5, 5, 5, 5});
        EXPECT_EQ(light, (TrafficLight{TrafficLight::NoData, false})) << text;
        EXPECT_EQ(lightImageName(light, "de"), "ampel_neutral_de");
        EXPECT_EQ(nutrientValueText(Nutrient::Fat, text), "") << text;
    }
    EXPECT_EQ(nutrientValueText(Nutrient::Sugar, "1,5"), "1,5");
    EXPECT_EQ(nutrientValueText(Nutrient::Sugar, "1,5 g"), "1,5 g");
}

TEST(TrafficLightTop, OnlyStrictlyBelowTheCategoryMean) {
    const float mean = 4.2f;
    EXPECT_FALSE(rateNutrient(Nutrient::Fat, mean, "g", mean).top);
    EXPECT_TRUE(rateNutrient(Nutrient::Fat, std::nextafter(mean, 0.0f), "g", mean).top);
    EXPECT_FALSE(rateNutrient(Nutrient::Fat, 1.0f, "g", kNoMean).top);
    EXPECT_EQ(lightImageName(rateNutrient(Nutrient::Sugar, 13.0f, "g", 20.0f), "en"),
              "ampel_red_top");
    EXPECT_EQ(lightImageName(rateNutrient(Nutrient::Salt, 1.0f, "g", 0.5f), "en"), "ampel_yellow");
}

TEST(TrafficLightEnergy, IsAlwaysGreyWithTopBelowTheMean) {
    const CategoryMeans means{0, 0, 0, 0, 300.0f};
    const auto energy = [&](const char* text) {
        return lightImageName(rateNutrientText(Nutrient::Energy, text, "g", means), "fr");
    };
    // Never red; empty energy reads as 0.
    const std::pair<const char*, const char*> pictures[] = {
        {"250", "ampel_grey_top"}, {"350", "ampel_grey"},  {"300", "ampel_grey"},
        {"5000", "ampel_grey"},    {"", "ampel_grey_top"}, {"keine Angaben", "ampel_grey"}};
    for (const auto& [text, picture] : pictures)
        EXPECT_EQ(energy(text), picture) << text;
    EXPECT_EQ(nutrientValueText(Nutrient::Energy, "keine Angaben"), "keine Angaben");
    EXPECT_EQ(nutrientValueText(Nutrient::Energy, ""), "");
}

TEST(CategoryMeans, CountEveryProductIncludingThoseWithoutData) {
    const auto means = categoryMeansOf({
        {"3", "1,5", "10", "0.5", "200"},
        {"keine Angaben", "keine Angaben.", "20", "abc", "400"},
        {"6", "", "30", "0,7", ""},
    });
    EXPECT_FLOAT_EQ(means.arithMeanFett, 3.0f);
    EXPECT_FLOAT_EQ(means.arithMeanGesFette, 0.5f);
    EXPECT_FLOAT_EQ(means.arithMeanZucker, 20.0f);
    EXPECT_FLOAT_EQ(means.arithMeanSalz, 0.4f);
    EXPECT_FLOAT_EQ(means.arithMeanKalorie, 200.0f);
    EXPECT_EQ(means.of(Nutrient::Sugar), means.arithMeanZucker);
}

TEST(CategoryMeans, WithoutOtherProductsNoPictureIsTop) {
    const auto means = categoryMeansOf({});
    EXPECT_TRUE(std::isnan(means.arithMeanFett));
    EXPECT_FALSE(rateNutrientText(Nutrient::Fat, "1", "g", means).top);
    EXPECT_FALSE(rateNutrientText(Nutrient::Energy, "1", "g", means).top);
    // Nor is a product alone in its category.
    const NutrientTexts texts = {"3,3", "1.1", "7.7", "0.33", "123.4"};
    for (const Nutrient n : kNutrients)
        EXPECT_FALSE(rateNutrientText(n, texts[index(n)], "g", categoryMeansOf({texts})).top);
}

TEST(SalesPortion, GivenWhenPresentAndNotNegative) {
    EXPECT_TRUE(hasSalesPortion("250"));
    EXPECT_TRUE(hasSalesPortion("abc")); // reads as 0
    EXPECT_FALSE(hasSalesPortion(""));
    EXPECT_FALSE(hasSalesPortion("-1"));
}

} // namespace
} // namespace tolvane
