#include "exchange/Reachability.h"

#include <cctype>
#include <charconv>
#include <fstream>
#include <sstream>
#include <vector>

namespace tolvane {

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        std::size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])))
            ++i;
        if (i > start) out.push_back(line.substr(start, i - start));
    }
    return out;
}

template <typename F> void forEachLine(std::string_view text, F f) {
    while (!text.empty()) {
        auto end = text.find('\n');
        f(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

unsigned long hexValue(std::string_view text) {
    unsigned long value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return ~0ul;
    return value;
}

constexpr unsigned long routeUp = 0x1;

} // namespace

Reachability::Reachability(std::string routeTable, std::string ipv6RouteTable)
    : routeTable_(std::move(routeTable)), ipv6RouteTable_(std::move(ipv6RouteTable)) {}

void Reachability::setHostName(const std::string& hostOrUrl) {
    host_ = hostOf(hostOrUrl);
}

int Reachability::internetConnectionStatus() const {
    if (override_) return *override_;
    if (isLoopbackHost(host_)) return ReachableViaWiFiNetwork;
    if (hasDefaultRoute(readFile(routeTable_)) || hasDefaultIpv6Route(readFile(ipv6RouteTable_)))
        return ReachableViaWiFiNetwork;
    return NotReachable;
}

std::string Reachability::hostOf(std::string_view text) {
    auto scheme = text.find("://");
    if (scheme != std::string_view::npos) text.remove_prefix(scheme + 3);
    text = text.substr(0, text.find_first_of("/?#"));
    auto at = text.rfind('@');
    if (at != std::string_view::npos) text.remove_prefix(at + 1);
    if (text.starts_with('[')) {
        auto close = text.find(']');
        return std::string(text.substr(1, close == std::string_view::npos ? text.npos : close - 1));
    }
    // One colon: host:port. More than one: a bare IPv6 address.
    auto colon = text.find(':');
    if (colon != std::string_view::npos && text.find(':', colon + 1) == std::string_view::npos)
        text = text.substr(0, colon);
    std::string host(text);
    for (char& c : host)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return host;
}

bool Reachability::isLoopbackHost(std::string_view host) {
    if (host == "localhost" || host.ends_with(".localhost") || host == "::1") return true;
    // 127.0.0.0/8, written as a dotted address.
    if (!host.starts_with("127.")) return false;
    int dots = 0;
    char previous = '.';
    for (char c : host) {
        if (c == '.') {
            if (previous == '.') return false;
            ++dots;
        } else if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
        previous = c;
    }
    return dots == 3 && previous != '.';
}

bool Reachability::hasDefaultRoute(std::string_view table) {
    bool found = false;
    forEachLine(table, [&](std::string_view line) {
        auto w = words(line);
        // Iface Destination Gateway Flags ... Mask
        if (w.size() < 8 || w[1] == "Destination") return;
        if (hexValue(w[1]) == 0 && hexValue(w[7]) == 0 && (hexValue(w[3]) & routeUp) &&
            hexValue(w[3]) != ~0ul)
            found = true;
    });
    return found;
}

bool Reachability::hasDefaultIpv6Route(std::string_view table) {
    bool found = false;
    forEachLine(table, [&](std::string_view line) {
        auto w = words(line);
        // dest prefixlen src srcprefixlen nexthop metric refcnt use flags iface
        if (w.size() < 10) return;
        if (w[9] == "lo") return;
        if (w[0] == std::string(32, '0') && hexValue(w[1]) == 0 && hexValue(w[8]) != ~0ul &&
            (hexValue(w[8]) & routeUp))
            found = true;
    });
    return found;
}

} // namespace tolvane
