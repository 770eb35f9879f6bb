#include "server/FormData.h"

#include "format/PercentEncoding.h"

namespace tolvane::server {

namespace {

int base64Value(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

} // namespace

FormFields parseFormFields(std::string_view text) {
    FormFields fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('&', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view pair = text.substr(start, end - start);
        if (!pair.empty()) {
            std::size_t equals = pair.find('=');
            std::string name = percentDecode(pair.substr(0, equals));
            std::string value = equals == std::string_view::npos
                                    ? std::string()
                                    : percentDecode(pair.substr(equals + 1));
            fields.emplace(std::move(name), std::move(value));
        }
        start = end + 1;
    }
    return fields;
}

std::string_view queryOf(std::string_view target) {
    std::size_t question = target.find('?');
    if (question == std::string_view::npos) return {};
    std::string_view query = target.substr(question + 1);
    std::size_t hash = query.find('#');
    return hash == std::string_view::npos ? query : query.substr(0, hash);
}

std::optional<std::string> base64Decode(std::string_view text) {
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    std::string out;
    unsigned buffer = 0;
    int bits = 0;
    for (char c : text) {
        int value = base64Value(c);
        if (value < 0) return std::nullopt;
        buffer = (buffer << 6) | static_cast<unsigned>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    if (bits >= 6) return std::nullopt; // a single leftover character cannot be base64
    return out;
}

std::optional<std::pair<std::string, std::string>> basicCredentials(std::string_view header) {
    while (!header.empty() && header.front() == ' ')
        header.remove_prefix(1);
    constexpr std::string_view scheme = "basic ";
    if (header.size() < scheme.size()) return std::nullopt;
    for (std::size_t i = 0; i < scheme.size(); ++i)
        if (static_cast<char>(header[i] | 0x20) != scheme[i]) return std::nullopt;
    std::string_view encoded = header.substr(scheme.size());
    while (!encoded.empty() && encoded.front() == ' ')
        encoded.remove_prefix(1);
    while (!encoded.empty() && encoded.back() == ' ')
        encoded.remove_suffix(1);
    auto decoded = base64Decode(encoded);
    if (!decoded) return std::nullopt;
    std::size_t colon = decoded->find(':');
    if (colon == std::string::npos) return std::nullopt;
    return std::pair{decoded->substr(0, colon), decoded->substr(colon + 1)};
}

bool sameSecret(std::string_view a, std::string_view b) {
    unsigned char difference = a.size() == b.size() ? 0 : 1;
    for (std::size_t i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ (i < b.size() ? b[i] : 0));
    return difference == 0;
}

} // namespace tolvane::server
