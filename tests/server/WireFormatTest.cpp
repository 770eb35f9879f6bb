#include "format/PercentEncoding.h"
#include "server/FormData.h"
#include "server/Gzip.h"
#include "server/Timestamp.h"

#include <gtest/gtest.h>

using namespace tolvane::server;

TEST(FormData, DecodesEscapesBlanksAndLeavesMalformedEscapes) {
    EXPECT_EQ(tolvane::percentDecode("2021-01-01%2010:00:00"), "2021-01-01 10:00:00");
    EXPECT_EQ(tolvane::percentDecode("a+b%2Bc"), "a b+c");
    EXPECT_EQ(tolvane::percentDecode("M%C3%BCsli"), "Müsli");
    EXPECT_EQ(tolvane::percentDecode("100%"), "100%");
    EXPECT_EQ(tolvane::percentDecode("%zz%4"), "%zz%4");
}

TEST(FormData, ParsesFieldsAndQueries) {
    auto fields =
        parseFormFields("username=a%40b.ch&password=p%26w%3D&empty=&flag&username=second");
    EXPECT_EQ(fields["username"], "a@b.ch");
    EXPECT_EQ(fields["password"], "p&w=");
    EXPECT_EQ(fields.at("empty"), "");
    EXPECT_EQ(fields.at("flag"), "");
    EXPECT_TRUE(parseFormFields("").empty());

    EXPECT_EQ(queryOf("/getUpdatedProducts.php?timestamp=&pageNo=1"), "timestamp=&pageNo=1");
    EXPECT_EQ(queryOf("/x.php"), "");
    auto query = parseFormFields(queryOf("/x?timestamp=&pageNo=2&records=250"));
    EXPECT_EQ(query.at("timestamp"), "");
    EXPECT_EQ(query.at("pageNo"), "2");
}

TEST(FormData, ReadsBasicCredentials) {
    // "tolvane:upl0ad-8" and a password holding a colon
    auto plain = basicCredentials("Basic dG9sdmFuZTp1cGwwYWQtOA==");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->first, "tolvane");
    EXPECT_EQ(plain->second, "upl0ad-8");
    auto colon = basicCredentials("basic dXNlcjpwYTpzcw");
    ASSERT_TRUE(colon);
    EXPECT_EQ(colon->second, "pa:ss");
    EXPECT_FALSE(basicCredentials(""));
    EXPECT_FALSE(basicCredentials("Bearer dG9sdmFuZTp1cGwwYWQtOA=="));
    EXPECT_FALSE(basicCredentials("Basic !!!"));
    EXPECT_FALSE(basicCredentials("Basic bm9jb2xvbg==")); // "nocolon"

    EXPECT_TRUE(sameSecret("secret", "secret"));
    EXPECT_FALSE(sameSecret("secret", "secre"));
    EXPECT_FALSE(sameSecret("", "x"));
    EXPECT_FALSE(sameSecret("secret\x01", "secret"));
}

TEST(Gzip, RoundTripsAndRefusesDamagedData) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "{\"Produktname\":\"Müsli " + std::to_string(i) + "\"},";
    std::string packed = gzipCompress(text);
    ASSERT_GE(packed.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(packed[0]), 0x1f);
    EXPECT_EQ(static_cast<unsigned char>(packed[1]), 0x8b);
    EXPECT_LT(packed.size(), text.size() / 4);
    EXPECT_EQ(gzipDecompress(packed), text);
    EXPECT_EQ(gzipDecompress(gzipCompress("")), "");

    EXPECT_FALSE(gzipDecompress("not gzip at all"));
    EXPECT_FALSE(gzipDecompress(packed.substr(0, packed.size() / 2)));
}

TEST(Gzip, RecognisesWhenTheClientAcceptsIt) {
    EXPECT_TRUE(acceptsGzip("gzip"));
    EXPECT_TRUE(acceptsGzip("deflate, GZIP"));
    EXPECT_TRUE(acceptsGzip("br;q=1.0, gzip;q=0.5"));
    EXPECT_FALSE(acceptsGzip(""));
    EXPECT_FALSE(acceptsGzip("identity"));
    EXPECT_FALSE(acceptsGzip("gzip;q=0"));
    EXPECT_FALSE(acceptsGzip("gzip; q=0.000"));
    EXPECT_FALSE(acceptsGzip("gzipped"));
}

TEST(Timestamp, AcceptsOnlyTheFullForm) {
    EXPECT_TRUE(isValidTimestamp("2024-02-29 23:59:59"));
    for (const char* bad : {"2024-02-29", "2024-13-01 00:00:00", "2024-02-29T23:59:59",
                            "2024-02-29 24:00:00", "2024-2-29 23:59:59", "2024-02-29 23:59:59 "})
        EXPECT_FALSE(isValidTimestamp(bad)) << bad;
    EXPECT_TRUE(isValidTimestamp(currentTimestamp())) << currentTimestamp();
}
