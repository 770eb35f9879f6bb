#include "exchange/ServerConfig.h"
#include "platform/BuildConfig.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace tolvane;

TEST(ServerConfig, TheEnvironmentOverridesTheBuiltInAddressAndEveryAddressEndsInOneSlash) {
    ::setenv("TOLVANE_SERVER_URL", "http://127.0.0.1:9999//", 1);
    EXPECT_EQ(serverBaseUrl(), "http://127.0.0.1:9999/");
    ::setenv("TOLVANE_SERVER_URL", "", 1);
    EXPECT_EQ(serverBaseUrl(), withTrailingSlash(config::serverUrl));
    ::unsetenv("TOLVANE_SERVER_URL");
    EXPECT_EQ(withTrailingSlash("https://products.example.org/api"),
              "https://products.example.org/api/");
}
