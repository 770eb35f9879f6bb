#include "exchange/Reachability.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tolvane;

namespace {
const char* header =
    "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
} // namespace

TEST(Reachability, AnswersFromTheDefaultRouteForAHostFoundInTheAddress) {
    std::string withDefault = std::string(header) +
                              "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
                              "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n";
    std::string withoutDefault =
        std::string(header) + "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n";
    std::string defaultDown =
        std::string(header) + "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n";
    EXPECT_TRUE(Reachability::hasDefaultRoute(withDefault));
    for (const std::string& table :
         {withoutDefault, defaultDown, std::string(header), std::string("garbage\n\n\t")})
        EXPECT_FALSE(Reachability::hasDefaultRoute(table)) << table;

    test::TempDir dir;
    std::ofstream(dir.file("on")) << withDefault;
    std::ofstream(dir.file("off")) << withoutDefault;
    Reachability online(dir.file("on"), "/nonexistent");
    Reachability offline(dir.file("off"), "/nonexistent");
    // The host name does not change the answer, except that loopback is always there.
    online.setHostName("http://products.example.org/getUpdatedProducts.php");
    offline.setHostName("http://products.example.org/getUpdatedProducts.php");
    EXPECT_EQ(online.internetConnectionStatus(), 2);
    EXPECT_EQ(offline.internetConnectionStatus(), 0);
    offline.setHostName("http://127.0.0.1:8470/getUpdatedProducts.php");
    EXPECT_EQ(offline.internetConnectionStatus(), 2);
    Reachability unreadable("/nonexistent", "/nonexistent");
    EXPECT_EQ(unreadable.internetConnectionStatus(), 0);

    const std::pair<const char*, const char*> hosts[] = {
        {"http://127.0.0.1:8470/getUpdatedProducts.php?x=1", "127.0.0.1"},
        {"https://user:pw@Products.Example.ORG/a", "products.example.org"},
        {"http://[::1]:80/", "::1"},
        {"localhost", "localhost"}};
    for (const auto& [address, host] : hosts)
        EXPECT_EQ(Reachability::hostOf(address), host);
    for (const char* host : {"127.0.0.1", "127.1.2.3", "::1", "localhost"})
        EXPECT_TRUE(Reachability::isLoopbackHost(host)) << host;
    for (const char* host : {"127.0.0.1.evil.org", "127.example.org", "10.0.0.1"})
        EXPECT_FALSE(Reachability::isLoopbackHost(host)) << host;
}
