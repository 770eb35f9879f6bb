// The columns of the export that the import reads, found by their names in the header line
// (the export has about 200 and their order changes between releases), and the cutting of a
// line into its fields.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

enum class ExportColumn {
    Code,
    LocalName, // product_name_<language>
    ProductName,
    GenericName,
    Brands,
    Categories,
    Countries,
    Quantity,
    ServingSize,
    LastModified,
    EnergyKcal,
    EnergyKj,
    Energy, // kJ
    Fat,
    SaturatedFat,
    Monounsaturated,
    Polyunsaturated,
    TransFat,
    Cholesterol,
    Carbohydrates,
    Sugars,
    Starch,
    Polyols,
    Fiber,
    Proteins,
    Salt,
    Sodium,
};
inline constexpr std::size_t exportColumnCount = 27;

class ExportColumns {
public:
    // From the header line; language picks product_name_<language> (none when empty). Throws
    // ExportError when the line holds no "code" column.
    ExportColumns(std::string_view header, const std::string& language);

    // The number of columns the header names: every line must have as many fields.
    std::size_t width() const { return width_; }
    bool has(ExportColumn c) const { return at_[static_cast<std::size_t>(c)] >= 0; }
    // The field of that column in a line cut by splitTabs; empty when the header lacks it.
    std::string_view of(const std::vector<std::string_view>& fields, ExportColumn c) const {
        const int at = at_[static_cast<std::size_t>(c)];
        return at < 0 ? std::string_view() : fields[static_cast<std::size_t>(at)];
    }

private:
    std::array<int, exportColumnCount> at_;
    std::size_t width_ = 0;
};

// The tab-separated fields of a line, into fields (cleared first).
void splitTabs(std::string_view line, std::vector<std::string_view>& fields);

// A field's text with quoting undone: a field wholly in double quotes loses them, and doubled
// quotes inside become one. Any other quote is an ordinary character; a quote never reaches past
// its own field, since fields end at every tab and lines at every line end. unterminated is set
// when the field opens a quote it does not close (the text is then kept as it stands).
std::string_view unquoted(std::string_view field, std::string& scratch, bool& unterminated);

} // namespace tolvane
