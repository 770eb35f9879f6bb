// Composing statement texts from a format and values, so that no value changes a statement's
// meaning: texts between quotes get their quotes doubled, values outside quotes must be
// decimal digits, numbers are written as decimal digits.
#pragma once

#include "text/IntegerValue.h"

#include <concepts>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace tolvane {

// One value for a placeholder: a text for "%s" / "%@", a number for "%d".
class SqlArg {
public:
    SqlArg(const std::string& text) : text_(text) {}
    SqlArg(const char* text) : text_(text) {}
    SqlArg(std::string_view text) : text_(text) {}
    template <std::integral Number>
    SqlArg(Number number) : number_(static_cast<long long>(number)), isNumber_(true) {}

    bool isNumber() const { return isNumber_; }
    std::string_view text() const { return text_; }
    long long number() const { return number_; }

private:
    std::string_view text_;
    long long number_ = 0;
    bool isNumber_ = false;
};

struct ComposedSql {
    bool ok = false;
    std::string text;  // the statement when ok
    std::string error; // why it was refused otherwise
};

// Fills the placeholders of format in order. A placeholder inside a quoted literal of the format
// takes the text with every ' doubled; one outside quotes takes only decimal digits. Texts
// holding a zero byte, a wrong kind or count of values are refused.
ComposedSql composeSql(std::string_view format, std::span<const SqlArg> args);
inline ComposedSql composeSql(std::string_view format, std::initializer_list<SqlArg> args) {
    return composeSql(format, std::span<const SqlArg>(args.begin(), args.size()));
}

// True when text is one or more decimal digits.
bool isDecimalDigits(std::string_view text);

} // namespace tolvane
