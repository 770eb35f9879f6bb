#include "tools/catalogue/CatalogueSourceReader.h"
#include "tools/catalogue/CatalogueError.h"

#include "tests/support/ServerProcess.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvane {
namespace {

std::string header() {
    std::string line;
    for (const char* key : catalogueRecordKeys)
        line += (line.empty() ? "" : "\t") + std::string(key);
    return line + "\n";
}

std::string productLine(const std::string& id, const std::string& name = "Zwieback",
                        const std::string& category = "2") {
    return name + "\tKambly\t" + category +
           "\t0\t250\t2017-03-01 10:00:00\t0\tg\t1650.0\t394.0\t72.0\t12.0\t7.5\t3.1\t0.8\t3.0"
           "\t11.0\t\t\t\t\t\t\t7610000000017\t" +
           id + "\n";
}

std::vector<CatalogueRecord> readProducts(const std::string& text) {
    std::istringstream in(text);
    return CatalogueSourceReader::readProducts(in, "products.tsv");
}

std::string productsError(const std::string& text) {
    try {
        readProducts(text);
    } catch (const CatalogueError& error) {
        return error.what();
    }
    return "<accepted>";
}

TEST(CatalogueSourceReader, ReadsProductsWithEmptyFieldsAndCrLfLineEnds) {
    const auto products =
        readProducts(header() + productLine("7") + productLine("8", "Äpfel d'Or") + "\r\n");
    ASSERT_EQ(products.size(), 2u);
    EXPECT_EQ(products[0].id, 7);
    EXPECT_EQ(products[1][CatalogueField::Name], "Äpfel d'Or");
    EXPECT_EQ(products[0][CatalogueField::Category], "2");
    EXPECT_EQ(products[0][CatalogueField::TransFat], "");
    EXPECT_EQ(products[0][CatalogueField::Gtin], "7610000000017");

    std::string crlf = header() + productLine("9");
    crlf.insert(crlf.size() - 1, "\r");
    EXPECT_EQ(readProducts(crlf).at(0).id, 9);
}

TEST(CatalogueSourceReader, RefusesMalformedProductSources) {
    const std::string good = productLine("1");
    std::string shortLine = productLine("2");
    shortLine.erase(0, shortLine.find('\t') + 1);
    const struct {
        std::string text, expected;
    } cases[] = {
        {"", "products.tsv:0:"},
        {"Produktname\tHersteller\n" + good, "products.tsv:1:"},
        {header() + good + shortLine, "products.tsv:3: expected 25"},
        {header() + good + "extra\t" + productLine("3"), "found 26"},
        {header() + good + "\n" + productLine("3"), "products.tsv:3:"},
        {header() + good + productLine("1", "Doppelt"), "duplicate ID 1"},
        {header() + productLine("900000000"), "reserved"},
        {header() + productLine("900000001"), "reserved"},
        {header() + productLine("0"), "not a positive"},
        {header() + productLine("-4"), "not a positive"},
        {header() + productLine("12a"), "not a positive"},
        {header() + productLine("99999999999999999999"), "not a positive"},
        {header() + productLine("5", ""), "no name"},
        {header() + productLine("5", "Bad \xC3"), "UTF-8"},
        // Inclusion dates must compare as text.
        {header() + productLine("4").replace(productLine("4").find("2017-03-01 10:00:00"), 19,
                                             "1.3.2017 10:00"),
         "Aufnahmedatum"},
    };
    for (const auto& c : cases)
        EXPECT_NE(productsError(c.text).find(c.expected), std::string::npos)
            << productsError(c.text) << " / expected " << c.expected;
}

TEST(CatalogueSourceReader, ReadsAndChecksCategories) {
    std::istringstream good("Recordid\tCategory\n1\tGetränke\n2\tKäse\n");
    const auto categories = CatalogueSourceReader::readCategories(good, "categories.tsv");
    ASSERT_EQ(categories.size(), 2u);
    EXPECT_EQ(categories[1].id, 2);
    EXPECT_EQ(categories[1].name, "Käse");

    for (const std::string text :
         {"Recordid\tCategory\n", "Id\tName\n1\tKäse\n", "Recordid\tCategory\n1\tKäse\n1\tFisch\n",
          "Recordid\tCategory\n1\tKäse\n2\tKäse\n", "Recordid\tCategory\nx\tKäse\n",
          "Recordid\tCategory\n1\t\n", "Recordid\tCategory\n1\tKäse\tmehr\n"}) {
        std::istringstream in(text);
        EXPECT_THROW(CatalogueSourceReader::readCategories(in, "categories.tsv"), CatalogueError)
            << text;
    }
}

TEST(CatalogueSourceReader, ProductsMustNameAKnownCategory) {
    CatalogueSource source;
    source.categories = {{1, "Getränke"}, {2, "Käse"}};
    source.products = readProducts(header() + productLine("1") + productLine("2", "Tee", "1"));
    EXPECT_NO_THROW(CatalogueSourceReader::checkConsistency(source));
    source.products = readProducts(header() + productLine("1") + productLine("2", "Tee", "3"));
    EXPECT_THROW(CatalogueSourceReader::checkConsistency(source), CatalogueError);
    source.products = readProducts(header() + productLine("1") + productLine("2", "Tee", ""));
    EXPECT_THROW(CatalogueSourceReader::checkConsistency(source), CatalogueError);
}

TEST(CatalogueTool, BuildRefusesABadSourceWithAMessageAndLeavesNoFile) {
    test::TempDir dir;
    {
        std::ofstream(dir.file("categories.tsv")) << "Recordid\tCategory\n2\tKäse\n";
        std::ofstream(dir.file("good.tsv")) << header() << productLine("1");
        std::ofstream(dir.file("bad.tsv")) << header() << productLine("1") << productLine("1");
    }
    const auto run = [&](const std::string& products, const std::string& out,
                         std::string* output = nullptr) {
        return test::runProgram({TOLVANE_CATALOGUE_TOOL, "build", "--products", dir.file(products),
                                 "--categories", dir.file("categories.tsv"), "--out",
                                 dir.file(out)},
                                output, true);
    };
    std::string message;
    EXPECT_NE(run("bad.tsv", "bad.db", &message), 0);
    EXPECT_NE(message.find("duplicate ID 1"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(dir.file("bad.db")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("bad.db.partial")));

    EXPECT_EQ(run("good.tsv", "good.db"), 0);
    EXPECT_EQ(
        test::query(dir.file("good.db"), "SELECT recordId, field01, field03 FROM ProductsTable"),
        std::vector<std::string>{"1|Zwieback|2"});
}

} // namespace
} // namespace tolvane
