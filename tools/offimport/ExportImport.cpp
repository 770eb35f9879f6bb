#include "tools/offimport/ExportImport.h"

#include "tools/catalogue/CatalogueError.h"
#include "tools/catalogue/CatalogueSourceReader.h"
#include "tools/offimport/ExportError.h"
#include "tools/offimport/ExportLineReader.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

namespace tolvane {

std::vector<CatalogueCategory> exportCategories(const std::string& path) {
    try {
        if (!path.empty()) return CatalogueSourceReader::readCategoriesFile(path);
        std::istringstream in{std::string(builtInCategories())};
        return CatalogueSourceReader::readCategories(in, "categories.tsv (built in)");
    } catch (const CatalogueError& error) {
        throw ExportError(error.what());
    }
}

CategoryMapping exportMapping(const std::string& path,
                              const std::vector<CatalogueCategory>& categories) {
    if (path.empty())
        return CategoryMapping(builtInCategoryMapping(), categories, "off-categories.tsv");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ExportError(path + ": cannot be opened");
    const std::string table{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return CategoryMapping(table, categories, path);
}

void readExport(const std::string& path, const ExportImportOptions& options,
                const CategoryMapping& mapping, const std::string& undated, ExportStaging& staging,
                ImportTally& tally, std::ostream& notes) {
    ExportLineReader lines(path);
    std::string_view line;
    if (!lines.next(line)) throw ExportError(path + ": the file is empty (no header line)");
    const ExportColumns columns(line, options.language);
    if (!options.language.empty() && !columns.has(ExportColumn::LocalName))
        notes << "note: the export has no column product_name_" << options.language
              << "; names come from product_name\n";
    const std::pair<ExportColumn, const char*> expected[] = {
        {ExportColumn::ProductName, "product_name"},
        {ExportColumn::Categories, "categories_tags"},
        {ExportColumn::LastModified, "last_modified_t"},
        {ExportColumn::Fat, "fat_100g"}};
    for (const auto& [column, name] : expected)
        if (!columns.has(column))
            notes << "note: the export has no column " << name << "; its values stay empty\n";

    ExportProductMapper mapper(columns, mapping, options);
    std::vector<std::string_view> fields;
    fields.reserve(columns.width() + 8);
    while (lines.next(line)) {
        if (line.empty()) continue;
        ++tally.lines;
        if (std::memchr(line.data(), '\0', line.size())) {
            ++tally.nulByte;
            continue;
        }
        splitTabs(line, fields);
        if (fields.size() != columns.width()) {
            ++tally.wrongFieldCount;
            continue;
        }
        if (auto product = mapper.map(fields, tally, undated)) {
            staging.add(*product);
            ++tally.products;
        }
    }
    tally.tooLong = lines.linesTooLong();
    tally.lines += tally.tooLong;
    tally.distinct = staging.count();
}

} // namespace tolvane
