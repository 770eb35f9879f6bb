// The diary's entries as CSV for a spreadsheet: one line an entry, figures for the amount eaten
// with "." as the decimal point, an empty field where the product gave no value.
#pragma once

#include <optional>
#include <string>

namespace tolvane {

class Database;

// Days "YYYY-MM-DD", both included. Nothing, with error set, for a bad day or a failed read.
std::optional<std::string> diaryCsv(Database& database, const std::string& from,
                                    const std::string& to, std::string* error = nullptr);

} // namespace tolvane
