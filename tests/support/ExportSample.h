// Files in the layout of the open food database's CSV export, for the import's tests and bench:
// the header with the export's real column names (about 200, in its order), one product a line,
// tab-separated, plain or gzip-compressed.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tolvane::test {

// The export's column names in its order, product_name_<lang> for de, en, fr and it included.
const std::vector<std::string>& exportColumnNames();

// A product: its values by column name; every other column is empty.
using ExportRow = std::map<std::string, std::string>;

// The header line and the line of a row, each without its line end.
std::string exportHeader();
std::string exportLine(const ExportRow& row);

// Writes the header and the lines (each with "\n"), compressed when path ends in ".gz". extra
// text is written as it stands after them (for lines broken on purpose).
void writeExport(const std::string& path, const std::vector<ExportRow>& rows,
                 const std::string& extra = "");

} // namespace tolvane::test
