#include "TestFiles.h"
#include "server/UpdateHandler.h"
#include "server/UploadHandler.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace tolvane;
using namespace tolvane::server;
using namespace tolvane::server::test;
using nlohmann::json;

namespace {

const Credentials kAccounts{"update@example.ch", "update-pass", "upuser", "uppass"};

FormFields login(const std::string& user = "update@example.ch",
                 const std::string& password = "update-pass") {
    return {{"username", user}, {"password", password}};
}

FormFields query(const std::string& timestamp, const std::string& pageNo,
                 const std::string& records) {
    return {{"timestamp", timestamp}, {"pageNo", pageNo}, {"records", records}};
}

class HandlerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<ServerProduct> products;
        for (long long id = 1; id <= 5; ++id)
            products.push_back(product(id, "P" + std::to_string(id), "2021-01-01 00:00:00"));
        catalogue.importProducts(products, std::nullopt);
    }
    TempDir dir;
    ServerCatalogue catalogue{dir.file("server.db")};
    UpdateHandler update{catalogue, kAccounts};
    UploadHandler upload{catalogue, kAccounts};
};

} // namespace

TEST_F(HandlerTest, UpdateRefusesWrongAccountsAndBadQueries) {
    for (const auto& form : {login("update@example.ch", "wrong"), login("other", "update-pass"),
                             FormFields{}, login("update@example.ch", "update-pass ")})
        EXPECT_EQ(update.handle(query("", "1", "250"), form).status, 401);
    for (const auto& bad :
         {query("", "0", "250"), query("", "x", "250"), query("", "1", "0"), query("", "1", "250x"),
          query("", "-1", "250"), query("", "1", "100001"), query("a\nb", "1", "250"),
          FormFields{{"timestamp", ""}, {"records", "250"}}}) {
        Reply reply = update.handle(bad, login());
        EXPECT_EQ(reply.status, 400);
        EXPECT_NE(reply.body.find("Bad request"), std::string::npos);
    }
}

TEST_F(HandlerTest, UpdatePagesCarryEveryKeyAsTextAndEndWithNull) {
    Reply reply = update.handle(query("", "2", "2"), login());
    ASSERT_EQ(reply.status, 200);
    json body = json::parse(reply.body);
    const json& records = body.at("Updated Records");
    EXPECT_EQ(records.at("rows"), json::array({"5"}));
    const json& products = records.at("products");
    ASSERT_EQ(products.size(), 2u);
    EXPECT_EQ(products[1].at("ID"), "4");
    // Every key of the record as text, and whether it is withdrawn.
    json expected = {{"isDelete", "0"}};
    for (std::size_t i = 0; i < catalogueFieldCount; ++i)
        expected[catalogueRecordKeys[i]] = product(3, "P3", "2021-01-01 00:00:00").fields[i];
    expected["ID"] = "3";
    EXPECT_EQ(products[0], expected);

    json past = json::parse(update.handle(query("", "4", "2"), login()).body);
    EXPECT_EQ(past.at("Updated Records").at("rows"), json::array({"5"}));
    EXPECT_TRUE(past.at("Updated Records").at("products").is_null());

    Reply nothing = update.handle(query("2021-01-01 00:00:00", "1", "250"), login());
    EXPECT_EQ(nothing.status, 200);
    EXPECT_EQ(nothing.body, "No product has been updated.");
    // A missing timestamp is the same as an empty one.
    EXPECT_EQ(update.handle({{"pageNo", "1"}, {"records", "250"}}, login()).status, 200);
    // Text that is not UTF-8 still makes a page.
    std::string text;
    ASSERT_NO_THROW(text = pageJson({1, {product(9, "Caf\xE9 latin-1", "2021-01-01 00:00:00")}}));
    EXPECT_EQ(json::parse(text)["Updated Records"]["products"][0]["ID"], "9");
}

// The program's test sends the right and the wrong accounts and headers; here the rest.
TEST_F(HandlerTest, UploadRefusesOddCredentialsAndIncompleteForms) {
    const std::string goodAuth = "Basic dXB1c2VyOnVwcGFzcw=="; // upuser:uppass
    FormFields form{
        {"data", std::string(kUploadHeader) + "900000001,Brot,Beck,3,1,0.5,2,0.1,250,g,\n"},
        {"email", "support@tolvane.ch"},
        {"subject", "Korvalo GB: Product Records for Upload"},
        {"msg", ""}};
    EXPECT_EQ(upload.handle("Basic ???", form).status, 401);
    FormFields noBlank = form;
    noBlank["data"] = "RecordId,Produktname,Hersteller,Kategorie,Fett,ges. Fette,Zucker,Natrium,"
                      "Energiewert,Einheit,Produktmenge\n";
    FormFields missing = form;
    missing.erase("data");
    for (const auto& refused : {noBlank, missing}) {
        Reply reply = upload.handle(goodAuth, refused);
        EXPECT_EQ(reply.status, 200);
        EXPECT_EQ(reply.body, "Error sending in data");
    }
    EXPECT_TRUE(catalogue.uploads().empty());
    EXPECT_EQ(upload.handle(goodAuth, form).body, "Mail send");
    ASSERT_EQ(catalogue.uploads().size(), 1u);
    EXPECT_EQ(catalogue.uploads()[0].data, form["data"]);
}

// Lines are read by the names of the header: a column added at the end (the barcode) leaves the
// others where they were, and a line must have as many fields as the header names.
TEST_F(HandlerTest, UploadLinesAreReadByTheirHeader) {
    std::string header = kUploadHeader;
    header.insert(header.size() - 1, ",GTIN");
    const auto products =
        readUpload(header + "900000001,\"Brot, hell\",Beck,3,1,0.5,2,0.1,250,g,,4006381333931\n"
                            "900000002,Milch,Hof,2,3.5,2,4.8,0.1,64,ml,1000,\n");
    ASSERT_TRUE(products);
    ASSERT_EQ(products->size(), 2u);
    EXPECT_EQ(products->at(0).at("Produktname"), "Brot, hell");
    EXPECT_EQ(products->at(0).at(" Produktmenge"), "");
    EXPECT_EQ(products->at(0).at("GTIN"), "4006381333931");
    EXPECT_EQ(products->at(1).at("GTIN"), "");
    EXPECT_EQ(readUpload(kUploadHeader)->size(), 0u); // an older client's header alone
    EXPECT_FALSE(readUpload(header + "900000003,Käse,Hof,2,30,20,0,1.5,400,g,250\n"));
    EXPECT_FALSE(readUpload("GTIN," + std::string(kUploadHeader)));
}
