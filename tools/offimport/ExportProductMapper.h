// One line of the export as a catalogue record: its names, maker, category, unit, pack size, every
// nutrient per 100 g or 100 ml, and its barcode.
#pragma once

#include "format/CatalogueRecord.h"
#include "tools/offimport/CategoryMapping.h"
#include "tools/offimport/ExportColumns.h"
#include "tools/offimport/ImportTally.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tolvane {

// A product of the export: known by its code's key, dated by last_modified_t.
struct ExportProduct {
    std::string key;
    long long modified = 0; // seconds since 1970, 0 when unknown
    CatalogueRecord record; // id not set
};

struct ExportImportOptions {
    std::string language;                  // picks product_name_<language>; empty for none
    std::optional<std::string> countryTag; // only products whose countries_tags hold it
};

class ExportProductMapper {
public:
    ExportProductMapper(const ExportColumns& columns, const CategoryMapping& mapping,
                        const ExportImportOptions& options);

    // The product of a line cut into its fields; nothing when the line is left out, counted in
    // tally. undated: the record date of a product without last_modified_t.
    std::optional<ExportProduct> map(const std::vector<std::string_view>& fields,
                                     ImportTally& tally, const std::string& undated);

private:
    std::string_view text(const std::vector<std::string_view>& fields, ExportColumn c,
                          ImportTally& tally);
    std::optional<double> amount(const std::vector<std::string_view>& fields, ExportColumn c,
                                 double limit, ImportTally& tally);

    const ExportColumns& columns_;
    const CategoryMapping& mapping_;
    const ExportImportOptions& options_;
    std::string scratch_;
};

} // namespace tolvane
