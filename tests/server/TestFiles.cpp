#include "TestFiles.h"

#include <fstream>
#include <stdexcept>

namespace tolvane::server::test {

std::string catalogueHeader() {
    std::string header;
    for (std::size_t i = 0; i < catalogueRecordKeys.size(); ++i) {
        if (i) header += '\t';
        header += catalogueRecordKeys[i];
    }
    return header + "\n";
}

ServerProduct product(long long id, const std::string& name, const std::string& timestamp) {
    ServerProduct record;
    for (std::size_t i = 0; i < catalogueFieldCount; ++i)
        record.fields[i] = std::string(catalogueRecordKeys[i]) + " of " + std::to_string(id);
    record[CatalogueField::Name] = name;
    record.timestamp() = timestamp;
    record.id = id;
    return record;
}

std::string catalogueLine(long long id, const std::string& name, const std::string& timestamp,
                          const std::string& maker) {
    ServerProduct record = product(id, name, timestamp);
    record[CatalogueField::Maker] = maker;
    std::string line;
    for (const std::string& field : record.fields)
        line += field + "\t";
    return line + std::to_string(id) + "\n";
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    if (!out) throw std::runtime_error("cannot write " + path);
}

} // namespace tolvane::server::test
