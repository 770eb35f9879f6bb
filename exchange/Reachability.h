// Connection test: 0 when the machine has no default route, otherwise 2.
// A loopback host (a development server on this machine) always counts as reachable.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

class Reachability {
public:
    enum Status {
        NotReachable = 0,
        ReachableViaCarrierDataNetwork = 1,
        ReachableViaWiFiNetwork = 2
    };

    explicit Reachability(std::string routeTable = "/proc/net/route",
                          std::string ipv6RouteTable = "/proc/net/ipv6_route");

    // Takes a host name or a whole address ("http://127.0.0.1:8470/x.php").
    void setHostName(const std::string& hostOrUrl);
    const std::string& hostName() const { return host_; }
    int internetConnectionStatus() const;
    // Tests fix the answer with a value; nothing returns to reading the route tables.
    void setOverride(std::optional<int> status) { override_ = status; }

    static std::string hostOf(std::string_view hostOrUrl);
    static bool isLoopbackHost(std::string_view host);
    // Whether a /proc/net/route text has an up route to 0.0.0.0/0.
    static bool hasDefaultRoute(std::string_view routeTable);
    static bool hasDefaultIpv6Route(std::string_view ipv6RouteTable);

private:
    std::string routeTable_;
    std::string ipv6RouteTable_;
    std::string host_;
    std::optional<int> override_;
};

} // namespace tolvane
