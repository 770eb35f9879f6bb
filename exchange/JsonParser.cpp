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

// A first pass that builds nothing: it counts values and nesting and stops at a limit, so that
// a hostile text costs no more than the limits allow. (The library's own parse callback is
// quadratic in the length of an array, so it cannot serve as this bound.)
class BoundCheck : public nlohmann::json_sax<JsonValue> {
public:
    explicit BoundCheck(JsonLimits limits) : limits_(limits) {}
    std::string error;

    bool null() override { return value(); }
    bool boolean(bool) override { return value(); }
    bool number_integer(number_integer_t) override { return value(); }
    bool number_unsigned(number_unsigned_t) override { return value(); }
    bool number_float(number_float_t, const string_t&) override { return value(); }
    bool string(string_t&) override { return value(); }
    bool binary(binary_t&) override { return value(); }
    bool start_object(std::size_t) override { return open(); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return close(); }
    bool start_array(std::size_t) override { return open(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t, const std::string&,
                     const nlohmann::detail::exception& e) override {
        error = e.what();
        return false;
    }

private:
    bool value() {
        if (limits_.maxDepth > 0 && depth_ > limits_.maxDepth)
            return fail("nested deeper than " + std::to_string(limits_.maxDepth));
        if (limits_.maxValues > 0 && ++values_ > limits_.maxValues)
            return fail("more than " + std::to_string(limits_.maxValues) + " values");
        return true;
    }
    bool open() {
        if (!value()) return false;
        ++depth_;
        return true;
    }
    bool close() {
        --depth_;
        return true;
    }
    bool fail(std::string why) {
        error = std::move(why);
        return false;
    }

    JsonLimits limits_;
    int depth_ = 0;
    std::size_t values_ = 0;
};

} // namespace

std::optional<JsonValue> JsonParser::objectWithString(std::string_view text, std::string* error,
                                                      JsonLimits limits) const {
    BoundCheck check(limits);
    if (!JsonValue::sax_parse(text.begin(), text.end(), &check)) {
        if (error) *error = check.error;
        return std::nullopt;
    }
    return objectWithString(text, error);
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
