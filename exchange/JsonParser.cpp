#include "exchange/JsonParser.h"

#include <charconv>
#include <climits>

namespace tolvane {

std::optional<JsonValue> JsonParser::objectWithString(std::string_view text,
                                                      std::string* error) const {
    try {
        return JsonValue::parse(text.begin(), text.end());
    } catch (const JsonValue::exception& e) {
        if (error) *error = e.what();
        return std::nullopt;
    }
}

namespace {

struct LimitExceeded {
    std::string what;
};

} // namespace

std::optional<JsonValue> JsonParser::objectWithString(std::string_view text, std::string* error,
                                                      JsonLimits limits) const {
    std::size_t values = 0;
    auto bound = [&](int depth, JsonValue::parse_event_t event, JsonValue&) {
        using Event = JsonValue::parse_event_t;
        if (limits.maxDepth > 0 && depth > limits.maxDepth)
            throw LimitExceeded{"nested deeper than " + std::to_string(limits.maxDepth)};
        if (limits.maxValues > 0 &&
            (event == Event::value || event == Event::object_start ||
             event == Event::array_start) &&
            ++values > limits.maxValues)
            throw LimitExceeded{"more than " + std::to_string(limits.maxValues) + " values"};
        return true;
    };
    try {
        return JsonValue::parse(text.begin(), text.end(), bound);
    } catch (const JsonValue::exception& e) {
        if (error) *error = e.what();
    } catch (const LimitExceeded& e) {
        if (error) *error = e.what;
    }
    return std::nullopt;
}

std::string JsonParser::textOf(const JsonValue& value) {
    if (value.is_string()) return value.get_ref<const std::string&>();
    char buffer[64];
    std::to_chars_result result{};
    if (value.is_number_integer() && value.is_number_unsigned())
        result = std::to_chars(buffer, buffer + sizeof buffer, value.get<std::uint64_t>());
    else if (value.is_number_integer())
        result = std::to_chars(buffer, buffer + sizeof buffer, value.get<std::int64_t>());
    else if (value.is_number_float())
        result = std::to_chars(buffer, buffer + sizeof buffer, value.get<double>());
    else
        return {};
    if (result.ec != std::errc()) return {};
    return std::string(buffer, result.ptr);
}

int JsonParser::intOf(const JsonValue& value) {
    return leadingInt(textOf(value));
}

int leadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace tolvane
