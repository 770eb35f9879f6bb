#include "screens/detail/ProductDetail.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace tolvane;
using namespace tolvane::test;

namespace {

class ProductDetailTest : public ::testing::Test {
protected:
    ProductDetailTest() {
        fake.defaults.setList("AppleLanguages", {"fr", "en"});
        // Units are written in the interface language too.
        fake.strings.set("Alle Angaben in g, bezogen auf 100", "Все значения на 100");
        fake.strings.set("Eine Verkaufsportion hat ", "Размер упаковки: ");
        fake.strings.set("g", "г");
        fake.strings.set("ml", "мл");
        fake.strings.set("Fett", "Matières grasses");
        fake.strings.set("Süßwaren", "Confiserie");
        catalogue.addCategory(4, "Süßwaren");
        // Category 4: fat 10 and 30, so the mean is 20; sugar 40 and 60, mean 50. Fields: id,
        // name, maker, category, fat, saturated fat, sugar, salt, energy, unit, portion.
        catalogue.add(
            {1, "Riegel", "Mars", "4", "10", "keine Angaben", "40", "0.3", "450", "g", "250"});
        catalogue.add({2, "Sirup", "Maker", "4", "30", "2", "60", "1,6", "", "ml", "-1"});
        catalogue.add({.id = 3, .name = "Allein", .category = "7", .fat = "2", .portion = ""});
    }

    std::shared_ptr<ProductDetail> open(int id) {
        auto d = std::make_shared<ProductDetail>(fake.platform(), shared, hooks);
        d->viewDidLoad();
        d->drawData(CatalogueStore(shared).selectProductDetail(ProductId{id}));
        return d;
    }

    FakePlatform fake;
    TestCatalogue catalogue;
    Database shared{catalogue.path(), fake.log};
    DetailHost hooks;
};

// Picture and value of the five nutrient rows.
std::vector<std::string> lights(const ProductDetail& d) {
    std::vector<std::string> out;
    for (int row = 1; row <= 5; ++row)
        out.push_back(d.row(row).picture + " " + d.row(row).value);
    return out;
}

// The lights once the category's means have come from the screen's worker.
std::vector<std::string> ratedLights(FakePlatform& fake, const ProductDetail& d,
                                     const std::vector<std::string>& expected) {
    fake.dispatcher.runUntil([&] { return lights(d) == expected; });
    return lights(d);
}

} // namespace

// The browse road shows a product with its portion (seven rows).
TEST_F(ProductDetailTest, RowsOnlyForAProductAndWithoutPortionSixAndTheMessage) {
    ProductDetail none(fake.platform(), shared);
    none.drawData({});
    EXPECT_EQ(none.numberOfRows(), 0);
    const auto riegel = open(1);
    EXPECT_FALSE(riegel->showMsg());
    EXPECT_EQ(riegel->row(0).title, "Все значения на 100\u00A0г");
    EXPECT_EQ(riegel->row(6).title, "Размер упаковки: 250\u00A0г");
    EXPECT_EQ(riegel->categoryName(), "Confiserie");
    for (int id : {2, 3}) {
        EXPECT_EQ(open(id)->numberOfRows(), 6) << id;
        EXPECT_TRUE(open(id)->showMsg()) << id;
    }
    EXPECT_EQ(open(2)->row(0).title, "Все значения на 100\u00A0мл");
}

TEST_F(ProductDetailTest, LightsAreRatedAgainstTheCategoryMeans) {
    fake.strings.set("Decimal Separator", ","); // values written as the French tables say
    const auto riegel = open(1);
    EXPECT_EQ(riegel->row(1).title, "Matières grasses");
    // Fat 10 g below the mean of 20; no data: the neutral picture of the interface language and
    // no value; salt 0.3 is still green; energy 450 against a mean of 225 (empty counts as 0).
    // One decimal for each nutrient, two for salt, energy whole, whatever the stored text has.
    const std::vector<std::string> rated{"ampel_yellow_top 10,0", "ampel_neutral_fr ",
                                         "ampel_red_top 40,0", "ampel_green_top 0,30",
                                         "ampel_grey 450"};
    EXPECT_EQ(ratedLights(fake, *riegel, rated), rated);
    // 30 ml fat above the mean; "1,6" read with its comma; empty energy 0.
    const std::vector<std::string> sirup{"ampel_red 30,0", "ampel_yellow 2,0", "ampel_red 60,0",
                                         "ampel_red 1,60", "ampel_grey_top "};
    EXPECT_EQ(ratedLights(fake, *open(2), sirup), sirup);

    // The neutral picture follows the interface language: with nothing stored, the device's own
    // list decides.
    fake.defaults.remove("AppleLanguages");
    hooks.devicePreferredLanguages = {"it", "de"};
    EXPECT_EQ(open(1)->row(2).picture, "ampel_neutral_it");
    hooks.devicePreferredLanguages = {};
    EXPECT_EQ(open(1)->row(2).picture, "ampel_neutral_en");
    fake.defaults.setList("AppleLanguages", {"ja"});
    EXPECT_EQ(open(1)->row(2).picture, "ampel_neutral_en");
    hooks.runLanguage = "ru"; // started with --lang ru: the picture speaks as the texts do
    EXPECT_EQ(open(1)->row(2).picture, "ampel_neutral_ru");
}

TEST_F(ProductDetailTest, MeansAreReadOffTheUiThreadAndKeptUntilTheCatalogueChanges) {
    // The values show at once; the "top" lights once the worker has read the category's means.
    const auto riegel = open(1);
    EXPECT_EQ(lights(*riegel)[0], "ampel_yellow 10.0");
    EXPECT_EQ(lights(*riegel)[4], "ampel_grey 450");
    ASSERT_TRUE(
        fake.dispatcher.runUntil([&] { return lights(*riegel)[0] == "ampel_yellow_top 10.0"; }));
    EXPECT_EQ(open(1)->row(1).picture, "ampel_yellow_top");                    // kept: at once
    catalogue.add({8, "Schmalz", "", "4", "100", "40", "0", "0", "900", "g"}); // fat mean 46.7
    EXPECT_EQ(open(2)->row(1).picture, "ampel_red");                           // nobody said so yet
    shared.catalogueChanged();
    const auto sirup = open(2);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return sirup->row(1).picture == "ampel_red_top"; }));

    // Means worked out while the catalogue changed are not kept.
    const long before = shared.catalogueGeneration();
    shared.catalogueChanged();
    shared.keepCategoryFigures("4", {100, 100, 100, 100, 100}, before);
    EXPECT_FALSE(shared.categoryFigures("4").has_value());
    EXPECT_EQ(open(1)->row(1).picture, "ampel_yellow");
}

TEST_F(ProductDetailTest, RemovingAFavouriteAsksFirst) {
    catalogue.exec("UPDATE ProductsTable SET favFlag = 1, sortOrder = '0' WHERE recordId = 1");
    const auto d = open(1);
    ASSERT_TRUE(d->isFavorite());
    ASSERT_TRUE(d->canRemoveFavorite());
    d->editButton(); // the road presses "Ja" and "Nein" in this order
    ASSERT_TRUE(fake.alerts.hasPending());
    EXPECT_EQ(fake.alerts.firstPending().message, ProductDetail::removeFavoriteQuestionKey());
    fake.alerts.answer(1); // "Nein"
    EXPECT_EQ(catalogue.favFlag(1), 1);

    d->editButton();
    fake.alerts.answer(0); // "Ja"
    EXPECT_EQ(catalogue.favFlag(1), 0);
    EXPECT_EQ(catalogue.sortOrder(1), "");
    EXPECT_FALSE(d->isFavorite());
    EXPECT_FALSE(d->canRemoveFavorite());
    d->editButton(); // no longer a favourite: nothing to ask
    EXPECT_FALSE(fake.alerts.hasPending());
}

TEST_F(ProductDetailTest, TurningToLandscapeHandsOverTheRecord) {
    ProductRecord shown;
    auto orientation = DeviceOrientation::Unknown;
    hooks.showLandscapeView = [&](const ProductRecord& product, DeviceOrientation o) {
        shown = product;
        orientation = o;
    };
    const auto d = open(1);
    d->receivedRotate(DeviceOrientation::Portrait);
    d->receivedRotate(static_cast<DeviceOrientation>(5));
    EXPECT_EQ(orientation, DeviceOrientation::Unknown);
    d->receivedRotate(DeviceOrientation::LandscapeRight);
    EXPECT_EQ(orientation, DeviceOrientation::LandscapeRight);
    EXPECT_EQ(shown, CatalogueStore(shared).selectProductDetail(ProductId{1}));

    d->setFromScreen("ProductsForCategory");
    d->viewWillDisappear();
    EXPECT_EQ(fake.defaults.stringForKey("ProducteDetailFromScreen"), "ProductsForCategory");
}

namespace {
// The nutrition table as "title|value", an "of which" line marked with ">".
std::vector<std::string> facts(const ProductDetail& d) {
    std::vector<std::string> out;
    for (const FactRow& f : d.facts())
        out.push_back((f.partOfAbove ? ">" : "") + f.title + "|" + f.value);
    return out;
}
std::vector<std::string> choiceNames(const ProductDetail& d) {
    std::vector<std::string> out;
    for (const ChoiceRow& c : d.betterChoices())
        out.push_back(c.name);
    return out;
}
} // namespace

TEST_F(ProductDetailTest, FactsInLabelOrderAndBetterChoicesThatOpenOnTheStack) {
    fake.strings.set("Decimal Separator", ",");
    fake.strings.set("%@ kJ", "%@ кДж");
    fake.strings.set("Nährwerte pro %@", "Pour %@");
    catalogue.exec("UPDATE ProductsTable SET field09 = '1883.0', field11 = '60', field16 = '', "
                   "field17 = '6,5', field23 = 'keine Angaben' WHERE recordId = 1");
    // All green, and one without any data (all unknown: worse than anything).
    catalogue.add({4, "Knäcke", "Wasa", "4", "2", "0.5", "1", "0.2", "350", "g"});
    catalogue.add({5, "Unbekannt", "", "4", "", "", "", "", ""});
    OwnProductStore(shared).insertProductToMainTable("Eigenes", "Ich", "4", "1", "0.5", "2", "0.1",
                                                     "120", "ml", ProductId{900000001}, "");
    FakeNavigation navigation;
    const auto riegel = open(1);
    riegel->setNavigation(&navigation);
    EXPECT_EQ(riegel->factsHeading(), "Pour 100\u00A0g");
    EXPECT_EQ(facts(*riegel),
              (std::vector<std::string>{"Energie|1883\u00A0кДж / 450\u00A0kcal",
                                        "Matières grasses|10,0\u00A0g", "Kohlenhydrate|60,0\u00A0g",
                                        ">davon Zucker|40,0\u00A0g", "Eiweiß|6,5\u00A0g",
                                        "Salz|0,30\u00A0g"}));
    // An own product holds the five values it was typed with; without a carbohydrate line its
    // sugar stands on its own, not under fat.
    const auto own = open(900000001);
    EXPECT_EQ(own->factsHeading(), "Pour 100\u00A0ml");
    EXPECT_EQ(facts(*own),
              (std::vector<std::string>{"Energie|120\u00A0kcal", "Matières grasses|1,0\u00A0g",
                                        ">davon gesättigte Fettsäuren|0,5\u00A0g",
                                        "Zucker|2,0\u00A0g", "Salz|0,10\u00A0g"}));

    // Riegel: two reds (sugar, saturates unknown); Sirup: three; the own product all green per
    // 100 ml with less energy than Knäcke.
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !riegel->betterChoices().empty(); }));
    EXPECT_EQ(choiceNames(*riegel), (std::vector<std::string>{"Eigenes", "Knäcke"}));
    EXPECT_EQ(riegel->betterChoices()[1].pictures[0], "ampel_green_top");
    const auto sirup = open(2);
    ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !sirup->betterChoices().empty(); }));
    EXPECT_EQ(choiceNames(*sirup), (std::vector<std::string>{"Eigenes", "Knäcke", "Riegel"}));
    // The category's lights are kept until the catalogue is said to have changed: a product
    // removed since is left out, one added since shows only then.
    catalogue.remove(4);
    catalogue.add({7, "Wasser", "", "4", "0", "0", "0", "0", "0", "ml"});
    for (const auto& expected : {std::vector<std::string>{"Eigenes", "Riegel"},
                                 std::vector<std::string>{"Wasser", "Eigenes", "Riegel"}}) {
        const auto d = open(2);
        ASSERT_TRUE(fake.dispatcher.runUntil([&] { return !d->betterChoices().empty(); }));
        EXPECT_EQ(choiceNames(*d), expected);
        shared.catalogueChanged();
    }

    riegel->openBetterChoice(1); // Knäcke, removed meanwhile: nothing opens
    EXPECT_FALSE(navigation.top());
    riegel->openBetterChoice(0);
    const auto opened = std::dynamic_pointer_cast<ProductDetail>(navigation.top());
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->productName(), "Eigenes");
    EXPECT_EQ(navigation.backTitles().back(), "Zurück");
}

namespace {
// Counts the hand-overs that come once the screen began to go.
class WatchedDispatcher : public Dispatcher {
public:
    void runOnUiThread(Task) override {
        if (screenGoing) ++afterwards;
    }
    void runLater(double, Task) override {}
    std::atomic<bool> screenGoing = false;
    std::atomic<int> afterwards = 0;
};
} // namespace

// The program's dispatcher goes right after its screens: a better-choices search under way when
// the screen goes hands nothing over.
TEST_F(ProductDetailTest, ASearchUnderWayWhenTheScreenGoesHandsNothingOver) {
    catalogue.addMany(20000, 100, "4"); // a scan long enough to be caught in
    WatchedDispatcher watched;
    const Platform platform{fake.defaults, fake.strings, fake.alerts, fake.analytics,
                            fake.log,      watched,      fake.urls};
    for (int pause : {0, 1, 2, 4, 8, 16}) {
        auto d = std::make_unique<ProductDetail>(platform, shared);
        d->drawData(CatalogueStore(shared).selectProductDetail(ProductId{1}));
        std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        watched.screenGoing = true;
        d.reset();
        watched.screenGoing = false;
    }
    EXPECT_EQ(watched.afterwards, 0);
}
