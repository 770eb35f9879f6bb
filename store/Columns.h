// The current row of a stepped statement, read column by column; for the store's own sources.
#pragma once

#include "store/Database.h"

#include <sqlite3.h>

#include <string>
#include <string_view>

namespace tolvane {

class Database::Columns {
public:
    explicit Columns(sqlite3_stmt* statement) : statement_(statement) {}

    // The column's text, NULL as the empty text; valid until the next step.
    std::string_view view(int column) const {
        const auto* text = sqlite3_column_text(statement_, column);
        if (text == nullptr) return {};
        return {reinterpret_cast<const char*>(text),
                static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
    }
    std::string text(int column) const { return std::string(view(column)); }
    // The column read as an integer, in decimal digits (NULL as 0).
    std::string integer(int column) const {
        return formatInt(sqlite3_column_int64(statement_, column));
    }

private:
    sqlite3_stmt* statement_;
};

} // namespace tolvane
