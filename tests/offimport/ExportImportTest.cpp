// The export read as both importing commands read it: files in the export's layout (its real
// header of about 200 columns), plain and gzip, with the bad input a real export can hold.
#include "tools/offimport/ExportImport.h"
#include "tests/support/ExportSample.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestCatalogue.h"
#include "tools/offimport/CountryTag.h"
#include "tools/offimport/ExportError.h"
#include "tools/offimport/ExportValues.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using F = CatalogueField;

ExportRow drySausage() {
    return {{"code", "3333680011156"},
            {"product_name", "Dry sausage"},
            {"product_name_de", "Trockenwurst"},
            {"product_name_fr", "Saucisse sèche"},
            {"brands", "Bell,Coop"},
            {"categories_tags", "en:meats-and-their-products,en:meats,en:prepared-meats,"
                                "en:sausages,en:dry-sausages"},
            {"countries_tags", "en:france,en:switzerland"},
            {"quantity", "250 g"},
            {"last_modified_t", "1700000000"},
            {"energy-kcal_100g", "467"},
            {"fat_100g", "38"},
            {"saturated-fat_100g", "15.2"},
            {"sugars_100g", "1"},
            {"sodium_100g", "1.8"},
            {"proteins_100g", "30"},
            {"cholesterol_100g", "0.08"}};
}

struct Imported {
    ImportTally tally;
    std::map<std::string, ExportProduct> byKey; // and in order:
    std::vector<std::string> keys;
    std::string notes;
};

Imported import(const std::string& path, ExportImportOptions options = {}) {
    Imported result;
    TempDir scratch;
    const auto categories = exportCategories("");
    const auto mapping = exportMapping("", categories);
    ExportStaging staging(scratch.file("staging.db"));
    std::ostringstream notes;
    readExport(path, options, mapping, "2026-01-01 00:00:00", staging, result.tally, notes);
    staging.forEach([&](const ExportProduct& product) {
        result.byKey[product.key] = product;
        result.keys.push_back(product.key);
    });
    result.notes = notes.str();
    return result;
}

std::string categoryId(const std::string& name) {
    for (const auto& category : exportCategories(""))
        if (category.name == name) return std::to_string(category.id);
    return "none";
}

} // namespace

TEST(ExportImport, EachProductBecomesItsCatalogueRecord) {
    TempDir dir;
    std::vector<ExportRow> rows = {
        drySausage(),
        // A UPC-A; energy only as energy_100g (kJ); a drink by its quantity.
        {{"code", "049000028911"},
         {"product_name", "Cola"},
         {"categories_tags", "en:beverages,en:carbonated-drinks,en:sodas"},
         {"quantity", "6 x 33 cl"},
         {"energy_100g", "180"},
         {"sugars_100g", "10.6"},
         {"salt_100g", "0"}},
        // Coffee beans: a drink's category, but weighed. Dated in the future.
        {{"code", "8000070025400"},
         {"product_name", "Espresso"},
         {"last_modified_t", "4102444800"},
         {"categories_tags", "en:beverages,en:hot-beverages,en:coffees"},
         {"quantity", "1 kg"}},
        // A drink without a quantity; only a generic name.
        {{"code", "76222116"},
         {"generic_name", "Milch"},
         {"categories_tags", "en:dairies,en:milks"}},
        // A cheese is a cheese, not a dairy product; a short code stays as it is.
        {{"code", "12345"},
         {"product_name", "Gruyère"},
         {"categories_tags", "en:dairies,en:fermented-foods,en:fermented-milk-products,"
                             "en:cheeses"},
         {"serving_size", "30 g"}},
        {{"code", "4000000000000"}, {"product_name", "Unbekannt"}, {"categories_tags", "en:x"}},
    };
    writeExport(dir.file("export.csv"), rows);

    ExportImportOptions german;
    german.language = "de";
    const Imported got = import(dir.file("export.csv"), german);
    ASSERT_EQ(got.keys.size(), 6u);
    EXPECT_EQ(got.tally.leftOut(), 0);

    const CatalogueRecord& wurst = got.byKey.at("03333680011156").record;
    EXPECT_EQ(wurst[F::Name], "Trockenwurst");
    EXPECT_EQ(wurst[F::Maker], "Bell");
    EXPECT_EQ(wurst[F::Category], categoryId("Fleisch & Wurst"));
    EXPECT_EQ(wurst[F::Unit], "g");
    EXPECT_EQ(wurst[F::SalesPortion], "250");
    EXPECT_EQ(wurst[F::EnergyKcal], "467.0");
    EXPECT_EQ(wurst[F::EnergyKj], "1953.9");
    EXPECT_EQ(wurst[F::Fat], "38.0");
    EXPECT_EQ(wurst[F::SaturatedFat], "15.2");
    EXPECT_EQ(wurst[F::Salt], "4.5"); // from sodium
    EXPECT_EQ(wurst[F::Protein], "30.0");
    EXPECT_EQ(wurst[F::Cholesterol], "80.0"); // milligrams
    EXPECT_EQ(wurst[F::Carbohydrates], "");
    EXPECT_EQ(wurst[F::Gtin], "3333680011156");
    EXPECT_EQ(wurst[F::InclusionDate], "2023-11-14 22:13:20");

    // The UPC-A is the EAN-13 with a leading 0: one key, one barcode text.
    const CatalogueRecord& cola = got.byKey.at("00049000028911").record;
    EXPECT_EQ(cola[F::Name], "Cola"); // no German name: product_name
    EXPECT_EQ(cola[F::Gtin], "0049000028911");
    EXPECT_EQ(cola[F::Category], categoryId("Getränke"));
    EXPECT_EQ(cola[F::Unit], "ml");
    EXPECT_EQ(cola[F::SalesPortion], "1980");
    EXPECT_EQ(cola[F::EnergyKj], "180.0");
    EXPECT_EQ(cola[F::EnergyKcal], "43.0");
    EXPECT_EQ(cola[F::Salt], "0.0");
    EXPECT_EQ(cola[F::Fat], "keine Angaben");
    EXPECT_EQ(cola[F::InclusionDate], "2026-01-01 00:00:00"); // no last_modified_t

    const CatalogueRecord& espresso = got.byKey.at("08000070025400").record;
    EXPECT_EQ(espresso[F::Category], categoryId("Kaffee & Tee"));
    EXPECT_EQ(espresso[F::Unit], "g");
    EXPECT_EQ(espresso[F::SalesPortion], "1000");
    EXPECT_EQ(espresso[F::InclusionDate], "2026-01-01 00:00:00"); // not after the import

    const CatalogueRecord& milk = got.byKey.at("00000076222116").record;
    EXPECT_EQ(milk[F::Name], "Milch");
    EXPECT_EQ(milk[F::Unit], "ml");
    EXPECT_EQ(milk[F::Gtin], "76222116");

    const CatalogueRecord& cheese = got.byKey.at("12345").record;
    EXPECT_EQ(cheese[F::Category], categoryId("Käse"));
    EXPECT_EQ(cheese[F::SalesPortion], "30");
    EXPECT_EQ(cheese[F::Gtin], "12345");

    EXPECT_EQ(got.byKey.at("04000000000000").record[F::Category], categoryId("Sonstiges"));
    EXPECT_EQ(got.tally.otherCategory, 1);

    // French: the name in French where there is one.
    ExportImportOptions french;
    french.language = "fr";
    EXPECT_EQ(import(dir.file("export.csv"), french).byKey.at("03333680011156").record[F::Name],
              "Saucisse sèche");
    // No language: product_name; a language without a column is said and falls back.
    EXPECT_EQ(import(dir.file("export.csv")).byKey.at("03333680011156").record[F::Name],
              "Dry sausage");
    ExportImportOptions danish;
    danish.language = "da";
    const Imported fallback = import(dir.file("export.csv"), danish);
    EXPECT_EQ(fallback.byKey.at("03333680011156").record[F::Name], "Dry sausage");
    EXPECT_NE(fallback.notes.find("product_name_da"), std::string::npos);
}

TEST(ExportImport, BadInputIsCountedAndCostsOnlyItself) {
    TempDir dir;
    const auto product = [](const std::string& code, const std::string& name) {
        ExportRow row = drySausage();
        row["code"] = code;
        row["product_name"] = name;
        row.erase("product_name_de");
        return row;
    };
    std::vector<ExportRow> rows;
    rows.push_back(product("4000000000017", "\"Pizza")); // a quote left open: kept as text
    rows.push_back(product("4000000000024", "\"Quoted \"\"name\"\"\""));
    auto values = product("4000000000031", "Values");
    values["fat_100g"] = "1e308";
    values["saturated-fat_100g"] = "-3";
    values["sugars_100g"] = "NaN";
    values["salt_100g"] = "12,5";
    values["energy-kcal_100g"] = "viel";
    values["proteins_100g"] = " 7.5 ";
    rows.push_back(values);
    rows.push_back(product("ABCDEFGH", "Letters"));
    rows.push_back(product("12", "Too short"));
    rows.push_back(product("123456789012345", "Too long"));
    rows.push_back(product("4000000000048", ""));
    // One code twice: the newer wins, wherever it stands.
    auto newer = product("4000000000055", "Newer");
    newer["last_modified_t"] = "1700000100";
    auto older = product("4000000000055", "Older");
    rows.push_back(newer);
    rows.push_back(older);
    const std::string good = exportLine(product("4000000000062", "After all that"));
    std::string extra;
    extra += "4000000000079\tshort line\n";
    extra += exportLine(product("4000000000086", "Nul")) + '\0' + "\n";
    extra += exportLine(product("4000000000093", std::string(3 << 20, 'x'))) + "\n";
    extra += exportLine(product("4000000000109", "Bad \xC3 UTF-8")) + "\n";
    extra += "\r\n\n";
    extra += good; // the last line, without a line end
    writeExport(dir.file("bad.csv"), rows, extra);

    const Imported got = import(dir.file("bad.csv"));
    EXPECT_EQ(got.keys,
              (std::vector<std::string>{"04000000000017", "04000000000024", "04000000000031",
                                        "04000000000055", "04000000000062"}));
    EXPECT_EQ(got.byKey.at("04000000000017").record[F::Name], "\"Pizza");
    EXPECT_EQ(got.byKey.at("04000000000024").record[F::Name], "Quoted \"name\"");
    EXPECT_EQ(got.byKey.at("04000000000055").record[F::Name], "Newer");
    const CatalogueRecord& read = got.byKey.at("04000000000031").record;
    EXPECT_EQ(read[F::Fat], "keine Angaben");
    EXPECT_EQ(read[F::SaturatedFat], "keine Angaben");
    EXPECT_EQ(read[F::Sugar], "keine Angaben");
    EXPECT_EQ(read[F::Salt], "4.5"); // the unreadable salt gives way to the sodium
    EXPECT_EQ(read[F::EnergyKcal], "");
    EXPECT_EQ(read[F::Protein], "7.5");

    const ImportTally& t = got.tally;
    EXPECT_EQ(t.lines, 14);
    EXPECT_EQ(t.products, 6);
    EXPECT_EQ(t.distinct, 5);
    EXPECT_EQ(t.unterminatedQuote, 1);
    EXPECT_EQ(t.notANumber, 4); // -3, NaN, 12,5, viel
    EXPECT_EQ(t.outOfRange, 1); // 1e308
    EXPECT_EQ(t.badCode, 3);
    EXPECT_EQ(t.noName, 1);
    EXPECT_EQ(t.wrongFieldCount, 1);
    EXPECT_EQ(t.nulByte, 1);
    EXPECT_EQ(t.tooLong, 1);
    EXPECT_EQ(t.notUtf8, 1);
    std::ostringstream summary;
    t.print(summary);
    EXPECT_NE(summary.str().find("lines left out: 8"), std::string::npos) << summary.str();

    // A file that is not the export at all, or none, stops before anything is kept.
    writeExport(dir.file("plain.csv"), {});
    EXPECT_EQ(import(dir.file("plain.csv")).keys.size(), 0u);
    {
        std::ofstream other(dir.file("other.csv"));
        other << "Produktname\tHersteller\nA\tB\n";
    }
    EXPECT_THROW(import(dir.file("other.csv")), ExportError);
    EXPECT_THROW(import(dir.file("missing.csv")), ExportError);
}

TEST(ExportImport, GzipReadsAsPlainAndTheCountryChoosesProducts) {
    TempDir dir;
    ExportRow swiss = drySausage();
    ExportRow german = drySausage();
    german["code"] = "4000000000017";
    german["countries_tags"] = "en:germany";
    ExportRow british = drySausage();
    british["code"] = "4000000000024";
    british["countries_tags"] = "en:united-kingdom,en:germany";
    writeExport(dir.file("export.csv"), {swiss, german, british});
    writeExport(dir.file("export.csv.gz"), {swiss, german, british});

    const Imported plain = import(dir.file("export.csv"));
    const Imported packed = import(dir.file("export.csv.gz"));
    EXPECT_EQ(packed.keys, plain.keys);
    for (const auto& key : plain.keys)
        EXPECT_EQ(packed.byKey.at(key).record, plain.byKey.at(key).record);

    ExportImportOptions options;
    options.countryTag = countryTag("de");
    const Imported inGermany = import(dir.file("export.csv.gz"), options);
    EXPECT_EQ(inGermany.keys, (std::vector<std::string>{"04000000000017", "04000000000024"}));
    EXPECT_EQ(inGermany.tally.otherCountry, 1);

    EXPECT_EQ(countryTag("fr"), "en:france");
    EXPECT_EQ(countryTag("FR"), "en:france");
    EXPECT_EQ(countryTag("France"), "en:france");
    EXPECT_EQ(countryTag("uk"), "en:united-kingdom");
    EXPECT_EQ(countryTag("United Kingdom"), "en:united-kingdom");
    EXPECT_EQ(countryTag("en:france"), "en:france");
    EXPECT_EQ(countryTag("xx"), std::nullopt);
    EXPECT_EQ(countryTag(""), std::nullopt);

    // A gzip file cut short is no export to take: nothing of it is kept.
    std::string bytes;
    {
        std::ifstream in(dir.file("export.csv.gz"), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::ofstream(dir.file("cut.csv.gz"), std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size() - 20));
    EXPECT_THROW(import(dir.file("cut.csv.gz")), ExportError);
}

TEST(ExportImport, BarcodesAreReadAsTheProgramReadsThem) {
    const auto key = [](const char* text) {
        const auto code = readExportCode(text);
        return code ? code->key + "/" + code->gtin : "none";
    };
    EXPECT_EQ(key("049000028911"), "00049000028911/0049000028911");
    EXPECT_EQ(key("0049000028911"), "00049000028911/0049000028911");
    EXPECT_EQ(key("10049000028918"), "10049000028918/10049000028918");
    EXPECT_EQ(key("00049000028911"), "00049000028911/0049000028911");
    EXPECT_EQ(key("96385074"), "00000096385074/96385074");
    EXPECT_EQ(key(" 12345 "), "12345/12345");
    EXPECT_EQ(key("123"), "123/123");
    EXPECT_EQ(key("12"), "none");
    EXPECT_EQ(key("123456789012345"), "none");
    EXPECT_EQ(key("40000000000A7"), "none");
    EXPECT_EQ(key("4000000000017.0"), "none");
    EXPECT_EQ(key(""), "none");
}

TEST(ExportImport, TheMappingTableReachesEveryCategoryAndRefusesUnknownOnes) {
    const auto categories = exportCategories("");
    const auto mapping = exportMapping("", categories);
    std::vector<int> all;
    for (const auto& category : categories)
        all.push_back(category.id);
    EXPECT_EQ(mapping.reachable(), all);

    // The most specific tag known decides; a drink tag anywhere makes a drink.
    const auto chosen = mapping.choose("en:beverages,en:hot-beverages,en:coffees,en:unknown");
    EXPECT_EQ(std::to_string(chosen.category), categoryId("Kaffee & Tee"));
    EXPECT_TRUE(chosen.drink);
    EXPECT_FALSE(chosen.other);

    EXPECT_THROW(CategoryMapping("*\tSonstiges\nen:x\tNo such category\n", categories, "m"),
                 ExportError);
    EXPECT_THROW(CategoryMapping("en:x\tKäse\n", categories, "m"), ExportError);
    const CategoryMapping own("# mine\n*\tSonstiges\nen:x\tKäse\tml\n", categories, "m");
    EXPECT_EQ(std::to_string(own.choose("en:x").category), categoryId("Käse"));
}
