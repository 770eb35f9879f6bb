#include "server/Commands.h"

#include "format/Csv.h"
#include "server/ServerCatalogue.h"
#include "server/Timestamp.h"
#include "server/Tsv.h"
#include "tools/offimport/CountryTag.h"
#include "tools/offimport/ExportError.h"
#include "tools/offimport/ExportImport.h"

#include <fstream>

namespace tolvane::server {

namespace {

// Reads the whole source before the catalogue is touched, so a bad line changes nothing.
std::vector<ServerProduct> readSource(const std::string& path, bool checkTimestamps) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CatalogueSourceError(path + ": cannot open the file");
    return readCatalogueSource(in, path, checkTimestamps);
}

void warnIfNotNewer(ServerCatalogue& catalogue, const std::string& timestamp, std::ostream& err) {
    std::string newest = catalogue.newestTimestamp();
    if (!newest.empty() && timestamp <= newest)
        err << "warning: " << timestamp << " is not after the newest timestamp in the catalogue ("
            << newest << "); devices that synchronised since then will not receive this change\n";
}

} // namespace

int runImport(const Options& options, std::ostream& out, std::ostream& err) {
    std::vector<ServerProduct> products;
    try {
        products = readSource(options.products, !options.timestamp.has_value());
    } catch (const CatalogueSourceError& e) {
        err << "error: " << e.what() << "\nnothing was imported\n";
        return 1;
    }
    ServerCatalogue catalogue(options.db);
    catalogue.importProducts(products, options.timestamp);
    out << "imported " << std::to_string(products.size()) << " products; the catalogue holds "
        << std::to_string(catalogue.productCount()) << "\n";
    return 0;
}

int runImportOff(const Options& options, std::ostream& out, std::ostream& err) {
    ExportImportOptions importOptions;
    importOptions.language = options.language;
    if (!options.country.empty()) {
        importOptions.countryTag = countryTag(options.country);
        if (!importOptions.countryTag)
            throw UsageError("--country: unknown country \"" + options.country +
                             "\" (a two-letter code, an English name or a tag like en:france)");
    }
    const std::string timestamp = options.timestamp.value_or(currentTimestamp());
    ImportTally tally;
    try {
        const auto mapping = exportMapping(options.mapping, exportCategories(""));
        ExportStaging staging(options.db + ".import-off");
        // Every product of the export is published at the one timestamp.
        readExport(options.csv, importOptions, mapping, timestamp, staging, tally, err);
        tally.print(out);
        // An export that yields nothing would withdraw the whole catalogue: more likely a
        // wrong file than an empty database.
        if (tally.distinct == 0) {
            err << "error: no product could be taken from " << options.csv
                << "\nnothing was imported\n";
            return 1;
        }
        ServerCatalogue catalogue(options.db);
        warnIfNotNewer(catalogue, timestamp, err);
        const ExportChanges changes = catalogue.replaceExport(
            [&staging](const ExportSink& sink) {
                staging.forEach([&sink](const ExportProduct& product) {
                    sink(product.key, product.modified, product.record);
                });
            },
            timestamp);
        out << "published at " << timestamp << ": " << changes.added << " new, " << changes.changed
            << " changed, " << changes.removed << " removed; " << changes.unchanged << " unchanged";
        if (changes.older > 0) out << ", " << changes.older << " older than held (kept as held)";
        out << "; the catalogue holds " << catalogue.productCount() << "\n";
    } catch (const ExportError& e) {
        err << "error: " << e.what() << "\nnothing was imported\n";
        return 1;
    }
    return 0;
}

int runPublish(const Options& options, std::ostream& out, std::ostream& err) {
    const std::string& timestamp = *options.timestamp;
    if (!options.deleteIds.empty()) {
        std::vector<long long> ids = parseIdList(options.deleteIds);
        ServerCatalogue catalogue(options.db);
        warnIfNotNewer(catalogue, timestamp, err);
        std::vector<long long> unknown = catalogue.markDeleted(ids, timestamp);
        for (long long id : unknown)
            err << "note: product " << std::to_string(id)
                << " was not in the catalogue; it is published as deleted all the same\n";
        out << "published " << std::to_string(ids.size()) << " deletions at " << timestamp << "\n";
        return 0;
    }
    std::vector<ServerProduct> products;
    try {
        products = readSource(options.products, false);
    } catch (const CatalogueSourceError& e) {
        err << "error: " << e.what() << "\nnothing was published\n";
        return 1;
    }
    ServerCatalogue catalogue(options.db);
    warnIfNotNewer(catalogue, timestamp, err);
    catalogue.importProducts(products, timestamp);
    out << "published " << std::to_string(products.size()) << " products at " << timestamp << "\n";
    return 0;
}

namespace {

// Uploaded texts come from devices: control characters (tabs and line breaks within a value
// too) are shown as "\xHH" rather than sent to the terminal, where they could move the cursor
// or change its state.
std::string shown(const std::string& text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7f) {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

} // namespace

int runOutbox(const Options& options, std::ostream& out) {
    ServerCatalogue catalogue(options.db);
    std::vector<Upload> uploads = catalogue.uploads();
    if (uploads.empty()) out << "the outbox is empty\n";
    for (const Upload& upload : uploads) {
        out << "#" << std::to_string(upload.number) << "  " << shown(upload.received) << "  "
            << shown(upload.email) << "  " << shown(upload.subject) << "\n";
        if (!upload.msg.empty()) out << shown(upload.msg) << "\n";
        // The CSV read back: a line per product, its values separated by tabs.
        for (const auto& line : csvLines(upload.data)) {
            for (std::size_t i = 0; i < line.size(); ++i)
                out << (i == 0 ? "" : "\t") << shown(line[i]);
            out << "\n";
        }
        out << "\n";
    }
    return 0;
}

} // namespace tolvane::server
