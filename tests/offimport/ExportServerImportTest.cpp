// The product server taking one export after another: only what changed is published, under
// the new import's timestamp, so that devices fetch just that through the update pages.
#include "server/Commands.h"
#include "server/ServerCatalogue.h"
#include "tests/support/ExportSample.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace tolvane;
using namespace tolvane::server;
using namespace tolvane::test;

namespace {

ExportRow product(const std::string& code, const std::string& name, const std::string& modified) {
    return {{"code", code},
            {"product_name", name},
            {"categories_tags", "en:snacks,en:salty-snacks"},
            {"countries_tags", "en:switzerland"},
            {"last_modified_t", modified},
            {"fat_100g", "30"},
            {"salt_100g", "1.2"}};
}

int importOff(const std::string& db, const std::string& csv, const std::string& timestamp,
              std::string* said = nullptr) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = runImportOff(
        parseOptions({"import-off", "--db", db, "--csv", csv, "--timestamp", timestamp}), out, err);
    if (said) *said = out.str() + err.str();
    return status;
}

// The products changed after a timestamp, as the update pages deliver them: "ID name deleted".
std::vector<std::string> changedSince(const std::string& db, const std::string& since) {
    ServerCatalogue catalogue(db);
    std::vector<std::string> seen;
    for (const auto& p : catalogue.changedSince(since, 1, 250).products)
        seen.push_back(std::to_string(p.id) + " " + p[CatalogueField::Name] +
                       (p.deleted ? " deleted" : ""));
    return seen;
}

} // namespace

TEST(ExportServerImport, ASecondExportPublishesOnlyWhatChanged) {
    TempDir dir;
    const std::string db = dir.file("server.db");
    writeExport(dir.file("first.csv.gz"),
                {product("4000000000017", "Chips", "100"), product("4000000000024", "Nüsse", "100"),
                 product("4000000000031", "Brezeln", "100"),
                 product("4000000000048", "Cracker", "100")});
    std::string said;
    ASSERT_EQ(importOff(db, dir.file("first.csv.gz"), "2026-01-01 00:00:00", &said), 0) << said;
    EXPECT_NE(said.find("4 new, 0 changed, 0 removed; 0 unchanged"), std::string::npos) << said;
    EXPECT_EQ(changedSince(db, "").size(), 4u);

    // Chips changed, nuts only newer in a column the catalogue does not keep, pretzels gone,
    // crackers sent with an older date and other content, and a new product.
    auto nuts = product("4000000000024", "Nüsse", "200");
    nuts["ingredients_text"] = "Haselnüsse";
    writeExport(dir.file("second.csv"), {product("4000000000017", "Chips paprika", "200"), nuts,
                                         product("4000000000048", "Cracker alt", "50"),
                                         product("4000000000055", "Popcorn", "200")});
    ASSERT_EQ(importOff(db, dir.file("second.csv"), "2026-02-01 00:00:00", &said), 0) << said;
    EXPECT_NE(said.find("1 new, 1 changed, 1 removed; 1 unchanged, 1 older"), std::string::npos)
        << said;
    EXPECT_EQ(changedSince(db, "2026-01-01 00:00:00"),
              (std::vector<std::string>{"1 Chips paprika", "3 Brezeln deleted", "5 Popcorn"}));

    // The same export again changes nothing; a product back again keeps its identifier.
    ASSERT_EQ(importOff(db, dir.file("second.csv"), "2026-03-01 00:00:00", &said), 0) << said;
    EXPECT_TRUE(changedSince(db, "2026-02-01 00:00:00").empty());
    writeExport(dir.file("third.csv"), {product("4000000000017", "Chips paprika", "200"), nuts,
                                        product("4000000000048", "Cracker alt", "50"),
                                        product("4000000000055", "Popcorn", "200"),
                                        product("4000000000031", "Brezeln", "300")});
    ASSERT_EQ(importOff(db, dir.file("third.csv"), "2026-04-01 00:00:00", &said), 0) << said;
    EXPECT_EQ(changedSince(db, "2026-03-01 00:00:00"), (std::vector<std::string>{"3 Brezeln"}));

    // An export that yields no product withdraws nothing.
    writeExport(dir.file("empty.csv"), {});
    EXPECT_EQ(importOff(db, dir.file("empty.csv"), "2026-05-01 00:00:00", &said), 1);
    EXPECT_TRUE(changedSince(db, "2026-04-01 00:00:00").empty());
}

TEST(ExportServerImport, OptionsOfTheImport) {
    const Options options = parseOptions(
        {"import-off", "--db", "s.db", "--csv", "e.csv.gz", "--country", "ch", "--language", "de"});
    EXPECT_EQ(options.csv, "e.csv.gz");
    EXPECT_EQ(options.country, "ch");
    EXPECT_EQ(options.language, "de");
    EXPECT_THROW(parseOptions({"import-off", "--db", "s.db"}), UsageError);
    EXPECT_THROW(parseOptions({"import", "--db", "s.db", "--products", "p", "--csv", "e"}),
                 UsageError);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_THROW(runImportOff(parseOptions({"import-off", "--db", "s.db", "--csv", "e.csv",
                                            "--country", "zz"}),
                              out, err),
                 UsageError);
}
