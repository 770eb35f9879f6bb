#include "store/SqlText.h"

#include <climits>

namespace tolvane {

namespace {

void appendQuoted(std::string& out, std::string_view text) {
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
}

} // namespace

ComposedSql composeSql(std::string_view format, std::span<const SqlArg> args) {
    ComposedSql result;
    std::string& out = result.text;
    out.reserve(format.size() + 64);
    auto next = args.begin();
    bool inQuotes = false;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '\'') inQuotes = !inQuotes;
        const char conversion = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c != '%' || (conversion != 's' && conversion != '@' && conversion != 'd')) {
            out += c;
            continue;
        }
        ++i;
        if (next == args.end()) {
            result.error = "too few values";
            return result;
        }
        const SqlArg& arg = *next++;
        if (conversion == 'd') {
            if (!arg.isNumber()) {
                result.error = "text given for a number";
                return result;
            }
            out += formatInt(arg.number());
            continue;
        }
        if (arg.isNumber()) {
            result.error = "number given for a text";
            return result;
        }
        if (arg.text().find('\0') != std::string_view::npos) {
            result.error = "text holds a zero byte";
            return result;
        }
        if (inQuotes) {
            appendQuoted(out, arg.text());
        } else if (isDecimalDigits(arg.text())) {
            out += arg.text();
        } else {
            result.error = "identifier is not decimal digits";
            return result;
        }
    }
    if (next != args.end()) {
        result.error = "too many values";
        return result;
    }
    result.ok = true;
    return result;
}

bool isDecimalDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

} // namespace tolvane
