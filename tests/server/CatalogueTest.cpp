#include "TestFiles.h"
#include "server/ServerCatalogue.h"

#include <gtest/gtest.h>

using namespace tolvane;
using namespace tolvane::server;
using namespace tolvane::server::test;

namespace {

std::vector<long long> idsOf(const ChangedPage& page) {
    std::vector<long long> ids;
    for (const auto& record : page.products)
        ids.push_back(record.id);
    return ids;
}

// Every value of a page: the total, then each product's fields, ID and deletion.
std::vector<std::string> contentOf(const ChangedPage& page) {
    std::vector<std::string> content{std::to_string(page.total)};
    for (const auto& record : page.products) {
        content.insert(content.end(), record.fields.begin(), record.fields.end());
        content.push_back(std::to_string(record.id) + (record.deleted ? " deleted" : ""));
    }
    return content;
}

// Many products on few dates, so that pages end inside a run of equal dates.
std::vector<ServerProduct> crowdedProducts(long long first, int count) {
    std::vector<ServerProduct> products;
    for (int i = 0; i < count; ++i) {
        const long long id = first + (i * 7919) % count;
        products.push_back(product(id, "p" + std::to_string(id),
                                   "2021-01-0" + std::to_string(1 + id % 4) + " 00:00:00"));
    }
    return products;
}

class CatalogueTest : public ::testing::Test {
protected:
    TempDir dir;
    ServerCatalogue catalogue{dir.file("server.db")};
};

} // namespace

TEST_F(CatalogueTest, PagesInTimestampThenIdOrder) {
    catalogue.importProducts(
        {product(30, "c", "2021-01-02 00:00:00"), product(5, "a", "2021-01-03 00:00:00"),
         product(20, "b", "2021-01-02 00:00:00"), product(10, "d", "2021-01-01 00:00:00"),
         product(1, "e", "2021-01-03 00:00:00")},
        std::nullopt);
    // The total, then the page's identifiers.
    auto page = [&](const std::string& since, long long pageNo, long long records) {
        std::vector<long long> ids = idsOf(catalogue.changedSince(since, pageNo, records));
        ids.insert(ids.begin(), catalogue.changedSince(since, pageNo, records).total);
        return ids;
    };
    using Ids = std::vector<long long>;
    EXPECT_EQ(page("", 1, 2), (Ids{5, 10, 20}));
    EXPECT_EQ(page("", 2, 2), (Ids{5, 30, 1}));
    EXPECT_EQ(page("", 3, 2), (Ids{5, 5}));
    EXPECT_EQ(page("", 4, 2), (Ids{5}));
    // Strictly after the timestamp, compared as text.
    EXPECT_EQ(page("2021-01-02 00:00:00", 1, 250), (Ids{2, 1, 5}));
    EXPECT_EQ(page("2021-01-03 00:00:00", 1, 250), (Ids{0}));
    EXPECT_EQ(catalogue.newestTimestamp(), "2021-01-03 00:00:00");
}

TEST_F(CatalogueTest, PagesReadOnFromTheLastKeyOrAfterAChangeAreThePagesAskedForByNumber) {
    catalogue.importProducts(crowdedProducts(1, 1000), std::nullopt);
    catalogue.markDeleted({17, 400, 5000}, "2021-01-02 00:00:00");
    // Another connection on the file asks for every page on its own, last first, so that it
    // never reads on from a previous page.
    ServerCatalogue byNumber(dir.file("server.db"));
    for (const std::string since : {"", "2021-01-01 00:00:00", "2021-01-02 00:00:00"}) {
        std::vector<ChangedPage> onwards;
        for (long long pageNo = 1; pageNo <= 12; ++pageNo)
            onwards.push_back(catalogue.changedSince(since, pageNo, 97));
        for (long long pageNo = 12; pageNo >= 1; --pageNo)
            EXPECT_EQ(contentOf(onwards[pageNo - 1]),
                      contentOf(byNumber.changedSince(since, pageNo, 97)))
                << "since '" << since << "' page " << pageNo;
        EXPECT_TRUE(onwards.back().products.empty());
    }

    // Read on after a change between two pages, or after a jump: the page of its number too.
    auto check = [&](const std::string& since, long long pageNo, long long records = 50) {
        auto page = catalogue.changedSince(since, pageNo, records);
        ServerCatalogue fresh(dir.file("server.db"));
        EXPECT_EQ(contentOf(page), contentOf(fresh.changedSince(since, pageNo, records)))
            << "since '" << since << "' page " << pageNo;
    };
    check("", 1);
    check("", 2);
    // Published through this connection, then through another one, between two pages.
    catalogue.importProducts({product(3, "neu", "2021-01-01 00:00:00")}, std::nullopt);
    check("", 3);
    byNumber.markDeleted({2, 9999}, "2021-01-01 12:00:00");
    check("", 4);
    byNumber.importProducts(crowdedProducts(1100, 40), std::nullopt);
    check("", 5);
    // Resumed at a later page, another size, another timestamp in between.
    check("", 9);
    check("2021-01-02 00:00:00", 1);
    check("", 10);
    check("", 11, 60);
}

TEST_F(CatalogueTest, ImportReplacesByIdAndCanStampEveryProduct) {
    catalogue.importProducts({product(1, "old", "2020-01-01 00:00:00")}, std::nullopt);
    catalogue.markDeleted({1}, "2020-06-01 00:00:00");
    catalogue.importProducts(
        {product(1, "new", "2020-01-01 00:00:00"), product(2, "other", "1999-01-01 00:00:00")},
        std::string("2022-05-05 12:00:00"));
    const ChangedPage expected{
        2, {product(1, "new", "2022-05-05 12:00:00"), product(2, "other", "2022-05-05 12:00:00")}};
    EXPECT_EQ(contentOf(catalogue.changedSince("", 1, 250)), contentOf(expected));
}

TEST_F(CatalogueTest, DeletionKeepsTheRecordAndPublishesIt) {
    catalogue.importProducts(
        {product(1, "keep", "2020-01-01 00:00:00"), product(2, "gone", "2020-01-01 00:00:00")},
        std::nullopt);
    EXPECT_EQ(catalogue.markDeleted({2, 77}, "2020-02-02 00:00:00"), (std::vector<long long>{77}));
    ChangedPage page = catalogue.changedSince("2020-01-01 00:00:00", 1, 250);
    ASSERT_EQ(idsOf(page), (std::vector<long long>{2, 77}));
    auto gone = product(2, "gone", "2020-02-02 00:00:00");
    gone.deleted = true;
    EXPECT_EQ(contentOf({2, {page.products[0]}}), contentOf({2, {gone}}));
    EXPECT_TRUE(page.products[1].deleted);
    EXPECT_FALSE(catalogue.product(1)->deleted);
}

TEST_F(CatalogueTest, KeepsTextExactlyAndSurvivesReopening) {
    ServerProduct tricky =
        product(3, "O'Brien's \"Chips\" | 100%; DROP TABLE products;--", "2020-01-01 00:00:00");
    tricky[CatalogueField::SalesPortion] = "Zeile 1\nZeile 2";
    catalogue.importProducts({tricky}, std::nullopt);
    catalogue.storeUpload({0, "2024-01-01 00:00:00", "a@b.ch", "subject", "", "csv 1"});
    catalogue.storeUpload({0, "2024-01-02 00:00:00", "c@d.ch", "subject", "note", "csv 2"});

    ServerCatalogue reopened(dir.file("server.db"));
    auto stored = reopened.product(3);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->fields, tricky.fields);
    auto uploads = reopened.uploads();
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[0].data, "csv 1"); // in the order received
    EXPECT_EQ(uploads[1].email + " " + uploads[1].msg, "c@d.ch note");
}

TEST(CatalogueOpen, RefusesAPathThatCannotBeOpened) {
    EXPECT_THROW(ServerCatalogue("/nonexistent-dir/x/server.db"), SqliteError);
}
