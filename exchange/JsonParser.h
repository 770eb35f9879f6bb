// Reads JSON text into nlohmann::json values: objects, arrays, strings, numbers, booleans
// and a null that is distinct from a missing member.
#pragma once

#include "text/IntegerValue.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace tolvane {

using JsonValue = nlohmann::json;

// Bounds on the work a text may cause; 0 means no bound.
struct JsonLimits {
    int maxDepth = 0;          // containers inside containers; the outermost value is 0
    std::size_t maxValues = 0; // every value, member and element counted
};

class JsonParser {
public:
    // Nothing, with error set to a description, when the text is not JSON.
    std::optional<JsonValue> objectWithString(std::string_view text, std::string* error) const;
    // As above; a text beyond the limits is refused as soon as the parse reaches them.
    std::optional<JsonValue> objectWithString(std::string_view text, std::string* error,
                                              JsonLimits limits) const;

    // A string as it stands, a number as its decimal text, anything else as the empty text.
    static std::string textOf(const JsonValue& value);
    // The leading decimal integer of textOf(value); 0 when there is none.
    static int intOf(const JsonValue& value);
};

// The catalogue update's name for integerValue(); that file reads records with it.
inline int leadingInt(std::string_view text) {
    return integerValue(text);
}

} // namespace tolvane
