#include "format/PercentEncoding.h"
#include "server/FormData.h"
#include "server/Gzip.h"
#include "server/Timestamp.h"

#include <gtest/gtest.h>

using namespace tolvane::server;

TEST(FormData, DecodesEscapesFieldsQueriesAndBasicCredentials) {
    const std::pair<const char*, const char*> cases[] = {
        {"2021-01-01%2010:00:00", "2021-01-01 10:00:00"},
        {"a+b%2Bc", "a b+c"},
        {"M%C3%BCsli", "Müsli"},
        {"100%", "100%"},
        {"%zz%4", "%zz%4"}};
    for (const auto& [text, decoded] : cases)
        EXPECT_EQ(tolvane::percentDecode(text), decoded) << text;

    EXPECT_EQ(
        parseFormFields("username=a%40b.ch&password=p%26w%3D&empty=&flag&username=second"),
        (FormFields{{"username", "a@b.ch"}, {"password", "p&w="}, {"empty", ""}, {"flag", ""}}));
    EXPECT_TRUE(parseFormFields("").empty());

    EXPECT_EQ(queryOf("/getUpdatedProducts.php?timestamp=&pageNo=1"), "timestamp=&pageNo=1");
    EXPECT_EQ(queryOf("/x.php"), "");

    // "tolvane:upl0ad-8" and a password holding a colon
    using Pair = std::pair<std::string, std::string>;
    EXPECT_EQ(basicCredentials("Basic dG9sdmFuZTp1cGwwYWQtOA=="), (Pair{"tolvane", "upl0ad-8"}));
    EXPECT_EQ(basicCredentials("basic dXNlcjpwYTpzcw"), (Pair{"user", "pa:ss"}));
    for (const char* bad :
         {"", "Bearer dG9sdmFuZTp1cGwwYWQtOA==", "Basic !!!", "Basic bm9jb2xvbg==" /* "nocolon" */})
        EXPECT_FALSE(basicCredentials(bad)) << bad;

    EXPECT_TRUE(sameSecret("secret", "secret"));
    for (const char* other : {"secre", "", "secret\x01"})
        EXPECT_FALSE(sameSecret(other, "secret")) << other;
}

TEST(Gzip, RoundTripsRefusesDamagedDataAndRecognisesWhenTheClientAcceptsIt) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "{\"Produktname\":\"Müsli " + std::to_string(i) + "\"},";
    std::string packed = gzipCompress(text);
    EXPECT_TRUE(packed.starts_with("\x1f\x8b"));
    EXPECT_LT(packed.size(), text.size() / 4);
    EXPECT_EQ(gzipDecompress(packed), text);
    EXPECT_EQ(gzipDecompress(gzipCompress("")), "");

    EXPECT_FALSE(gzipDecompress("not gzip at all"));
    EXPECT_FALSE(gzipDecompress(packed.substr(0, packed.size() / 2)));

    for (const char* yes : {"gzip", "deflate, GZIP", "br;q=1.0, gzip;q=0.5"})
        EXPECT_TRUE(acceptsGzip(yes)) << yes;
    for (const char* no : {"", "identity", "gzip;q=0", "gzip; q=0.000", "gzipped"})
        EXPECT_FALSE(acceptsGzip(no)) << no;
}

TEST(Timestamp, AcceptsOnlyTheFullForm) {
    EXPECT_TRUE(isValidTimestamp("2024-02-29 23:59:59"));
    for (const char* bad : {"2024-02-29", "2024-13-01 00:00:00", "2024-02-29T23:59:59",
                            "2024-02-29 24:00:00", "2024-2-29 23:59:59", "2024-02-29 23:59:59 "})
        EXPECT_FALSE(isValidTimestamp(bad)) << bad;
    EXPECT_TRUE(isValidTimestamp(currentTimestamp())) << currentTimestamp();
}
