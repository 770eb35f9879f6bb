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
    return integerValue(textOf(value));
}

} // namespace tolvane
