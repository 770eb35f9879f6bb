// An export file as the importing commands read it: whatever its bytes, the import ends with
// either an ExportError (a file that is no export) or products whose fields stay on one line and
// in one column, whose texts are UTF-8 and whose nutrients are numbers with a decimal point.
// Input without a header of its own gets one naming the columns the import reads.
#include "format/CatalogueRecord.h"
#include "text/Utf8.h"
#include "tools/offimport/ExportError.h"
#include "tools/offimport/ExportImport.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

using namespace tolvane;

namespace {

const char* const kHeader =
    "code\tproduct_name\tproduct_name_de\tgeneric_name\tbrands\tcategories_tags\tcountries_tags\t"
    "quantity\tserving_size\tlast_modified_t\tenergy-kcal_100g\tenergy_100g\tfat_100g\t"
    "saturated-fat_100g\tsugars_100g\tsalt_100g\tsodium_100g\tcholesterol_100g\n";

bool isNumberText(const std::string& text) {
    if (text.empty() || text == "keine Angaben") return true;
    for (const char c : text)
        if ((c < '0' || c > '9') && c != '.') return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto categories = exportCategories("");
    static const auto mapping = exportMapping("", categories);
    const std::string input(reinterpret_cast<const char*>(data), size);
    const auto dir = std::filesystem::temp_directory_path();
    const std::string pid = std::to_string(::getpid());
    const std::string csv = (dir / ("fuzz-export-" + pid + ".csv")).string();
    {
        std::ofstream out(csv, std::ios::binary);
        if (input.substr(0, input.find('\n')).find("code") == std::string::npos) out << kHeader;
        out << input;
    }
    ExportImportOptions options;
    options.language = "de";
    ImportTally tally;
    std::ostringstream notes;
    try {
        ExportStaging staging(dir / ("fuzz-export-" + pid + ".staging"));
        readExport(csv, options, mapping, "2026-01-01 00:00:00", staging, tally, notes);
        staging.forEach([](const ExportProduct& product) {
            const CatalogueRecord& r = product.record;
            for (const std::string& field : r.fields)
                if (field.find_first_of("\t\n\r") != std::string::npos || !isValidUtf8(field))
                    std::abort();
            if (r[CatalogueField::Name].empty()) std::abort();
            for (const auto f :
                 {CatalogueField::Fat, CatalogueField::SaturatedFat, CatalogueField::Sugar,
                  CatalogueField::Salt, CatalogueField::EnergyKcal, CatalogueField::EnergyKj,
                  CatalogueField::Cholesterol})
                if (!isNumberText(r[f])) std::abort();
        });
        if (tally.distinct > tally.products) std::abort();
    } catch (const ExportError&) {
    }
    std::filesystem::remove(csv);
    return 0;
}
