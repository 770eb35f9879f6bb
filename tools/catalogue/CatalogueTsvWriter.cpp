#include "tools/catalogue/CatalogueTsvWriter.h"

#include "tools/catalogue/CatalogueError.h"

#include <fstream>

namespace tolvane {
namespace {

// A value must stay on its line and in its column.
void writeValue(std::ostream& out, const std::string& value) {
    for (char c : value)
        out << ((c == '\t' || c == '\n' || c == '\r') ? ' ' : c);
}

} // namespace

void CatalogueTsvWriter::writeProducts(const std::vector<CatalogueRecord>& products,
                                       std::ostream& out) {
    for (std::size_t i = 0; i < catalogueRecordKeys.size(); ++i)
        out << (i ? "\t" : "") << catalogueRecordKeys[i];
    out << '\n';
    for (const auto& product : products) {
        for (const auto& value : product.fields) {
            writeValue(out, value);
            out << '\t';
        }
        out << product.id << '\n';
    }
}

void CatalogueTsvWriter::writeProductsFile(const std::vector<CatalogueRecord>& products,
                                           const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw CatalogueError(path.string() + ": cannot be written");
    writeProducts(products, out);
    out.close();
    if (!out) throw CatalogueError(path.string() + ": writing failed");
}

} // namespace tolvane
