#include "nutrition/BetterChoices.h"
#include "nutrition/NutritionFacts.h"

#include <gtest/gtest.h>

using namespace tolvane;

namespace {

// Fat, saturated fat, sugar, salt, kcal; unit.
struct Product {
    std::array<std::string_view, kNutrientCount> texts;
    std::string_view unit = "g";
};
ChoiceLights lightsOf(const Product& p) {
    return choiceLights(p.texts, p.unit);
}

} // namespace

TEST(BetterChoices, RedThenAmberThenEnergyAndUnknownNeverBetter) {
    const Product shown{{"10", "2", "20", "0.2", "300"}}; // amber, amber, red, green
    const struct {
        Product candidate;
        bool better;
        const char* why;
    } cases[] = {
        {{{"1", "1", "1", "0.1", "900"}}, true, "no red beats one red, whatever the energy"},
        {{{"25", "1", "1", "0.1", "100"}}, true, "one red, fewer ambers"},
        {{{"10", "2", "20", "0.2", "299"}}, true, "same lights, less energy"},
        {{{"10", "2", "20", "0.2", "300"}}, false, "a tie is not better"},
        {{{"10", "2", "20", "0.2", ""}}, false, "energy without data is not less"},
        {{{"10", "2", "20", "0.2", "keine Angaben"}}, false, "nor is keine Angaben"},
        {{{"10", "2", "20", "0.2", "n/a"}}, false, "nor is a text without a number"},
        {{{"-", "n/a", "NaN", " ", "inf"}}, false, "texts without a number are four unknowns"},
        {{{"1e308", "1e39", "1", "0.1", "1e308"}}, false, "beyond any food: two unknowns"},
        {{{"", "1", "1", "0.1", "50"}}, true, "unknown fat counts red: one red, no amber"},
        {{{"", "", "1", "0.1", "50"}}, false, "two unknowns are two reds"},
        {{{"1", "1", "keine Angaben", "0.1", "50"}, "ml"}, true, "one unknown as red, per 100 ml"},
        {{{"2", "1", "1", "0.1", "50"}, "ml"}, true, "fat 2 is amber per 100 ml"},
        {{{"2", "3", "7", "0.1", "50"}, "ml"}, false, "saturates 3 and sugar 7 red per 100 ml"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lightsOf(c.candidate) < lightsOf(shown), c.better) << c.why;

    // A shown product whose lights are all known green is beaten by none with an unknown one.
    const ChoiceLights green = lightsOf({{"1", "1", "1", "0.1", "500"}});
    EXPECT_FALSE(lightsOf({{"1", "1", "", "0.1", "10"}}) < green);
    EXPECT_TRUE(lightsOf({{"1", "1", "1", "0.1", "10"}}) < green);
}

TEST(BetterChoices, KeepsTheBestFiveInRankOrderTiesAsOffered) {
    BetterChoices<int> best(lightsOf({{"30", "10", "30", "2", "500"}})); // four reds
    const Product offered[] = {
        {{"30", "10", "30", "2", "400"}}, // 0: same lights, less energy
        {{"1", "1", "1", "0.1", "90"}},   // 1: all green
        {{"30", "10", "30", "2", "600"}}, // 2: worse: more energy
        {{"1", "1", "1", "0.1", "90"}},   // 3: tie with 1, after it
        {{"10", "1", "1", "0.1", "50"}},  // 4: one amber
        {{"1", "1", "1", "0.1", "80"}},   // 5: all green, least energy
        {{"30", "1", "1", "0.1", "10"}},  // 6: one red
        {{"1", "1", "1", "0.1", "95"}},   // 7: green, pushes 6 out
    };
    for (int i = 0; i < 8; ++i)
        best.offer(lightsOf(offered[i]), i);
    EXPECT_EQ(best.ranked(), (std::vector<int>{5, 1, 3, 7, 4}));
    BetterChoices<int> none(lightsOf({{"1", "1", "1", "0.1", "10"}}));
    none.offer(lightsOf(offered[5]), 5);
    EXPECT_TRUE(none.ranked().empty());
}

TEST(NutritionFacts, LabelOrderWithoutTheValuesWithoutData) {
    FactTexts texts;
    texts[std::size_t(Fact::EnergyKj)] = "1951.0";
    texts[std::size_t(Fact::EnergyKcal)] = "467";
    texts[std::size_t(Fact::Fat)] = "38,5 g";
    texts[std::size_t(Fact::SaturatedFat)] = "keine Angaben";
    texts[std::size_t(Fact::Sugar)] = "k.A.";
    texts[std::size_t(Fact::Starch)] = "-1";
    texts[std::size_t(Fact::Protein)] = " 0";
    texts[std::size_t(Fact::Cholesterol)] = "7.3";
    EXPECT_EQ(factsWithData(texts), (std::vector<FactValue>{{Fact::EnergyKj, "1951.0"},
                                                            {Fact::EnergyKcal, "467"},
                                                            {Fact::Fat, "38.5"},
                                                            {Fact::Protein, "0"},
                                                            {Fact::Cholesterol, "7.3"}}));
    EXPECT_EQ(factUnit(Fact::Cholesterol), "mg");
    EXPECT_TRUE(isPartOfAbove(Fact::Polyols));
    EXPECT_FALSE(isPartOfAbove(Fact::Fibre));
}
