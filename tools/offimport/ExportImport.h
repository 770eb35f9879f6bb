// Reading a whole export into a staging file: the part both importing commands share
// (tolvane-catalogue import-off and tolvane-product-server import-off).
#pragma once

#include "tools/offimport/CategoryMapping.h"
#include "tools/offimport/ExportProductMapper.h"
#include "tools/offimport/ExportStaging.h"
#include "tools/offimport/ImportTally.h"

#include <ostream>
#include <string>
#include <vector>

namespace tolvane {

// The catalogue's categories from a categories.tsv file, or the built-in list when path is empty.
std::vector<CatalogueCategory> exportCategories(const std::string& path);
// The mapping table from a file, or the built-in one when path is empty. Throws ExportError.
CategoryMapping exportMapping(const std::string& path,
                              const std::vector<CatalogueCategory>& categories);

// Reads the export at path (plain or gzip) into staging, counting in tally; says on notes what
// the header lacks. undated: the record date of products without last_modified_t. Throws
// ExportError when the file cannot be opened or read to its end, or has no header; lines that
// cannot be used are counted and left out.
void readExport(const std::string& path, const ExportImportOptions& options,
                const CategoryMapping& mapping, const std::string& undated, ExportStaging& staging,
                ImportTally& tally, std::ostream& notes);

} // namespace tolvane
