// End to end: the product server imports exports of the open food database with its own
// program, and the app's catalogue update brings them in through the update pages; the product
// is then found as the product list finds it, by its name in the language chosen and by its
// barcode, and the detail's better choices come from its own kind of food.
#include "tests/exchange/RecordingListener.h"
#include "tests/support/ExportSample.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TestCatalogue.h"

#include "catalogue/HeldListSearch.h"
#include "catalogue/HeldProductList.h"
#include "exchange/CatalogueUpdate.h"
#include "format/Gtin.h"
#include "screens/detail/CategoryComparison.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/DatabaseWorker.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

ExportRow item(const std::string& code, const std::string& name, const std::string& tags,
               const std::string& fat, const std::string& salt) {
    return {{"code", code},
            {"product_name", name},
            {"categories_tags", tags},
            {"countries_tags", "en:switzerland,en:france"},
            {"last_modified_t", "1700000000"},
            {"energy-kcal_100g", "300"},
            {"fat_100g", fat},
            {"saturated-fat_100g", "1"},
            {"sugars_100g", "1"},
            {"salt_100g", salt}};
}

const std::string sausages = "en:meats,en:prepared-meats,en:sausages";

std::vector<ExportRow> firstExport() {
    ExportRow salami =
        item("3333680011156", "Dry sausage", sausages + ",en:dry-sausages", "38", "4.5");
    salami["product_name_de"] = "Trockenwurst";
    salami["product_name_fr"] = "Saucisse sèche";
    // Filed among snacks too: its most specific tag is still the sausage's.
    ExportRow stick =
        item("4000000000017", "Salami stick",
             "en:snacks,en:salty-snacks," + sausages + ",en:dry-sausages", "30", "2.0");
    stick["product_name_de"] = "Salamisticks";
    stick["energy-kcal_100g"] = "250";
    ExportRow poultry = item("4000000000024", "Poultry sausage", sausages, "10", "1.0");
    poultry["product_name_de"] = "Geflügelwurst";
    // Lighter than any sausage, but not a sausage.
    ExportRow crackers =
        item("4000000000031", "Rice crackers", "en:snacks,en:crackers", "1", "0.1");
    ExportRow cola = item("049000028911", "Cola", "en:beverages,en:sodas", "0", "0");
    cola["quantity"] = "33 cl";
    ExportRow french = item("4000000000048", "Pâté", sausages, "25", "1.5");
    french["countries_tags"] = "en:france";
    return {salami, stick, poultry, crackers, cola, french};
}

class ExportSyncIntegration : public ::testing::Test {
protected:
    void SetUp() override { createClientDatabase(clientDb); }

    void importOff(const std::string& csv, const std::string& timestamp) {
        std::string output;
        ASSERT_EQ(runProgram({serverProgram(), "import-off", "--db", serverDb, "--csv", csv,
                              "--country", "ch", "--language", "de", "--timestamp", timestamp},
                             &output, true),
                  0)
            << output;
    }

    std::optional<UpdateOutcome> runUpdate() {
        ServerProcess server(serverDb);
        CatalogueUpdate update(platform, database, store, listener, server.url());
        listener.reset();
        update.update();
        fake.dispatcher.advance(0.2);
        fake.dispatcher.runUntil([&] { return listener.outcome.has_value(); },
                                 std::chrono::seconds(120));
        return listener.outcome;
    }

    // What the product list shows for the typed text: names in list order.
    std::vector<std::string> found(const std::string& typed) { return found(database, typed); }
    static std::vector<std::string> found(Database& database, const std::string& typed) {
        const HeldList held = readHeldList(database);
        std::vector<std::string> names;
        for (const auto at : findInHeldList(*held.rows, *held.search, "%" + typed + "%"))
            names.emplace_back(held.rows->name(at));
        return names;
    }

    std::vector<std::string> foundByBarcode(const std::string& typed) {
        const HeldList held = readHeldList(database);
        const BarcodeIndex barcodes(database, *held.rows);
        std::vector<std::string> names;
        for (const auto at : barcodes.rowsWith(readGtin(typed)->value))
            names.emplace_back(held.rows->name(at));
        return names;
    }

    std::vector<std::string> betterChoices(const std::string& name) {
        return betterChoices(database, clientDb, name);
    }
    static std::vector<std::string> betterChoices(Database& database, const std::string& path,
                                                  const std::string& name) {
        const std::string id =
            queryOne(path, "select recordId from ProductsTable where field01 = '" + name + "'");
        const auto product = CatalogueStore(database).selectProductDetail(ProductId::of(id));
        if (!product) return {"no product " + name};
        const auto lights = CategoryComparison::categoryLights(database, product->categoryId);
        std::vector<std::string> names;
        for (const auto& choice :
             CategoryComparison::searchBetterChoices(database, *product, lights))
            names.push_back(choice.name);
        return names;
    }

    TempDir dir;
    std::string serverDb = dir.file("server.db");
    std::string clientDb = dir.file("Tolvane.db");
    FakePlatform fake;
    Platform platform = fake.platform();
    Database database{clientDb, fake.log};
    DatabaseWorker store{clientDb, fake.log};
    RecordingListener listener;
};

} // namespace

TEST_F(ExportSyncIntegration, ImportedProductsArriveAndAreFoundAndCompared) {
    writeExport(dir.file("first.csv.gz"), firstExport());
    importOff(dir.file("first.csv.gz"), "2026-01-01 00:00:00");

    ASSERT_EQ(runUpdate(), UpdateOutcome::Completed);
    EXPECT_EQ(queryOne(clientDb, "select count(*) from ProductsTable"), "5"); // not the French one

    EXPECT_EQ(found("trockenw"), (std::vector<std::string>{"Trockenwurst"}));
    EXPECT_EQ(found("Dry sausage"), std::vector<std::string>{});
    EXPECT_EQ(found("cola"), (std::vector<std::string>{"Cola"})); // no German name
    // The UPC-A as printed on the can and the EAN-13 the catalogue holds are one code.
    EXPECT_EQ(foundByBarcode("049000028911"), (std::vector<std::string>{"Cola"}));
    EXPECT_EQ(foundByBarcode("0049000028911"), (std::vector<std::string>{"Cola"}));
    EXPECT_EQ(foundByBarcode("3333680011156"), (std::vector<std::string>{"Trockenwurst"}));

    // Sausages against sausages: the lighter crackers are no choice for a sausage.
    EXPECT_EQ(betterChoices("Trockenwurst"),
              (std::vector<std::string>{"Geflügelwurst", "Salamisticks"}));
    EXPECT_EQ(queryOne(clientDb, "select field08, field05 from ProductsTable where field01 = "
                                 "'Cola'"),
              "ml|330");

    // The next export: one changed, one gone, the rest as they were. Only those two travel.
    auto next = firstExport();
    next[2]["fat_100g"] = "8";
    next.erase(next.begin() + 3); // the crackers
    writeExport(dir.file("second.csv"), next);
    importOff(dir.file("second.csv"), "2026-02-01 00:00:00");
    ASSERT_EQ(runUpdate(), UpdateOutcome::Completed);
    ASSERT_EQ(listener.progressCalls.size(), 1u);
    EXPECT_EQ(listener.progressCalls[0].stored, 2);
    EXPECT_EQ(found("Rice"), std::vector<std::string>{});
    EXPECT_EQ(
        queryOne(clientDb, "select field13 from ProductsTable where field01 = 'Geflügelwurst'"),
        "8.0");
    EXPECT_EQ(queryOne(clientDb, "select rows, dtimestamp from Timestamp"),
              "0|2026-02-01 00:00:00");
}

#ifdef TOLVANE_CATALOGUE_TOOL
TEST_F(ExportSyncIntegration, TheCatalogueToolBuildsACatalogueFileFromAnExport) {
    writeExport(dir.file("export.csv.gz"), firstExport());
    const std::string built = dir.file("built/Tolvane.db");
    std::string output;
    ASSERT_EQ(runProgram({TOLVANE_CATALOGUE_TOOL, "import-off", "--csv", dir.file("export.csv.gz"),
                          "--out", built, "--country", "Switzerland", "--language", "de"},
                         &output),
              0)
        << output;
    EXPECT_NE(output.find("products taken: 5"), std::string::npos) << output;

    Database file(built, fake.log);
    EXPECT_EQ(found(file, "salami"), (std::vector<std::string>{"Salamisticks"}));
    EXPECT_EQ(betterChoices(file, built, "Trockenwurst"),
              (std::vector<std::string>{"Geflügelwurst", "Salamisticks"}));
    EXPECT_EQ(queryOne(built, "select count(*) from Categories"), "19");
    // The catalogue's date is the newest product's.
    EXPECT_EQ(queryOne(built, "select rows, dtimestamp from Timestamp"), "0|2023-11-14 22:13:20");
}
#endif
