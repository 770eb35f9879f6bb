// tolvane-catalogue: builds the database file shipped with the application, or a synthetic
// catalogue of any size for benchmarks and tests; looks products up in a database file as the
// product list finds them.

#include "backup/DiaryCsv.h"
#include "format/TimestampText.h"
#include "platform/Log.h"
#include "store/Database.h"
#include "tools/FolderLock.h"
#include "tools/catalogue/CatalogueError.h"
#include "tools/catalogue/CatalogueLookup.h"
#include "tools/catalogue/CatalogueSourceReader.h"
#include "tools/catalogue/CatalogueTsvWriter.h"
#include "tools/catalogue/CatalogueWriter.h"
#include "tools/catalogue/SyntheticCatalogue.h"
#include "tools/offimport/CountryTag.h"
#include "tools/offimport/ExportError.h"
#include "tools/offimport/ExportImport.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage:\n"
    "  tolvane-catalogue build --products P.tsv --categories C.tsv --out Tolvane.db\n"
    "  tolvane-catalogue synthetic --count N --out F.db [--tsv F.tsv] [--seed S]\n"
    "                              [--categories C.tsv]\n"
    "  tolvane-catalogue import-off --csv EXPORT.csv[.gz] --out Tolvane.db [--country CODE]\n"
    "                              [--language CODE] [--mapping M.tsv] [--categories C.tsv]\n"
    "                              (the open food database's CSV export as the catalogue)\n"
    "  tolvane-catalogue search --db F.db TEXT     (hits in list order: recordId, name, maker)\n"
    "  tolvane-catalogue gtin --db F.db CODE       (the product with that barcode, or exit 1)\n"
    "  tolvane-catalogue scan --db F.db IMAGE      (the barcode in the picture and its product;\n"
    "                                              exit 1 when none, 2 for no regular file)\n"
    "  tolvane-catalogue export-diary --db F --from DATE --to DATE\n"
    "                              (the diary's entries of those days as CSV, DATE YYYY-MM-DD)\n";

struct UsageError {
    std::string message;
};

std::map<std::string, std::string> parseOptions(int argc, char** argv,
                                                std::initializer_list<std::string> known) {
    std::map<std::string, std::string> options;
    for (int i = 2; i < argc; ++i) {
        const std::string name = argv[i];
        bool isKnown = false;
        for (const auto& k : known)
            isKnown = isKnown || k == name;
        if (!isKnown) throw UsageError{"unknown option " + name};
        if (i + 1 >= argc) throw UsageError{"option " + name + " needs a value"};
        options[name] = argv[++i];
    }
    return options;
}

const std::string& required(const std::map<std::string, std::string>& options,
                            const std::string& name) {
    const auto it = options.find(name);
    if (it == options.end() || it->second.empty()) throw UsageError{"missing " + name};
    return it->second;
}

template <typename T> T number(const std::string& text, const std::string& name) {
    T value{};
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        throw UsageError{name + " must be a whole number, not \"" + text + "\""};
    return value;
}

int build(int argc, char** argv) {
    const auto options = parseOptions(argc, argv, {"--products", "--categories", "--out"});
    tolvane::CatalogueSource source;
    source.categories =
        tolvane::CatalogueSourceReader::readCategoriesFile(required(options, "--categories"));
    source.products =
        tolvane::CatalogueSourceReader::readProductsFile(required(options, "--products"));
    tolvane::CatalogueSourceReader::checkConsistency(source);
    tolvane::LockFile lock(tolvane::LockFile::forFolderOf(required(options, "--out")));
    if (!tolvane::claimFolderLock(lock, "tolvane-catalogue")) return 1;
    tolvane::CatalogueWriter::write(source, required(options, "--out"));
    std::cout << "tolvane-catalogue: " << source.products.size() << " products, "
              << source.categories.size() << " categories -> " << options.at("--out") << '\n';
    return 0;
}

int synthetic(int argc, char** argv) {
    const auto options =
        parseOptions(argc, argv, {"--count", "--out", "--tsv", "--seed", "--categories"});
    const int count = number<int>(required(options, "--count"), "--count");
    const auto seed = options.contains("--seed")
                          ? number<std::uint64_t>(options.at("--seed"), "--seed")
                          : std::uint64_t{1};
    tolvane::CatalogueSource source;
    source.categories =
        options.contains("--categories")
            ? tolvane::CatalogueSourceReader::readCategoriesFile(options.at("--categories"))
            : tolvane::SyntheticCatalogue::defaultCategories();
    source.products = tolvane::SyntheticCatalogue::generate(count, seed, source.categories);
    tolvane::LockFile lock(tolvane::LockFile::forFolderOf(required(options, "--out")));
    if (!tolvane::claimFolderLock(lock, "tolvane-catalogue")) return 1;
    tolvane::CatalogueWriter::write(source, required(options, "--out"));
    if (options.contains("--tsv"))
        tolvane::CatalogueTsvWriter::writeProductsFile(source.products, options.at("--tsv"));
    return 0;
}

int importOff(int argc, char** argv) {
    const auto options = parseOptions(
        argc, argv, {"--csv", "--out", "--country", "--language", "--mapping", "--categories"});
    tolvane::ExportImportOptions importOptions;
    if (options.contains("--country")) {
        importOptions.countryTag = tolvane::countryTag(options.at("--country"));
        if (!importOptions.countryTag)
            throw UsageError{"--country: unknown country \"" + options.at("--country") +
                             "\" (a two-letter code, an English name or a tag like en:france)"};
    }
    if (options.contains("--language")) importOptions.language = options.at("--language");
    const std::string& csv = required(options, "--csv");
    const std::filesystem::path out = required(options, "--out");
    const auto categories = tolvane::exportCategories(
        options.contains("--categories") ? options.at("--categories") : "");
    const auto mapping = tolvane::exportMapping(
        options.contains("--mapping") ? options.at("--mapping") : "", categories);
    // The scratch file goes beside the output, in a folder made first as the writer would.
    std::error_code ignored;
    if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ignored);
    tolvane::LockFile lock(tolvane::LockFile::forFolderOf(out));
    if (!tolvane::claimFolderLock(lock, "tolvane-catalogue")) return 1;

    tolvane::ImportTally tally;
    auto stagingFile = out;
    stagingFile += ".staging";
    tolvane::ExportStaging staging(stagingFile);
    tolvane::readExport(csv, importOptions, mapping,
                        tolvane::timestampText(std::chrono::system_clock::now()), staging, tally,
                        std::cerr);
    tally.print(std::cout);
    if (tally.distinct == 0) {
        std::cerr << "tolvane-catalogue: no product could be taken from " << csv
                  << "; nothing written\n";
        return 1;
    }
    tolvane::CatalogueWriter::write(
        categories,
        [&staging](const std::function<void(const tolvane::CatalogueRecord&)>& sink) {
            long long id = 0;
            tolvane::CatalogueRecord record;
            staging.forEach([&](const tolvane::ExportProduct& product) {
                record = product.record;
                record.id = ++id;
                sink(record);
            });
        },
        out);
    std::cout << "tolvane-catalogue: " << tally.distinct << " products, " << categories.size()
              << " categories -> " << out.string() << '\n';
    return 0;
}

// "--db FILE" and one text, in either order.
std::pair<std::string, std::string> dbAndText(int argc, char** argv) {
    std::string db;
    std::optional<std::string> text;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--db" && i + 1 < argc)
            db = argv[++i];
        else if (!text)
            text = argument;
        else
            throw UsageError{"unexpected " + argument};
    }
    if (db.empty()) throw UsageError{"missing --db"};
    if (!text) throw UsageError{"missing the text to look up"};
    return {db, *text};
}

int search(int argc, char** argv) {
    const auto [db, text] = dbAndText(argc, argv);
    tolvane::printSearch(db, text, std::cout);
    return 0;
}

int gtin(int argc, char** argv) {
    const auto [db, code] = dbAndText(argc, argv);
    return tolvane::printGtin(db, code, std::cout) ? 0 : 1;
}

int scan(int argc, char** argv) {
    const auto [db, picture] = dbAndText(argc, argv);
#ifdef TOLVANE_SCAN_PICTURES
    return tolvane::printScan(db, picture, std::cout);
#else
    throw UsageError{"this build reads no pictures (built without Qt)"};
#endif
}

int exportDiary(int argc, char** argv) {
    const auto options = parseOptions(argc, argv, {"--db", "--from", "--to"});
    const std::string& file = required(options, "--db");
    if (!std::filesystem::is_regular_file(file)) throw UsageError{"no database file " + file};
    tolvane::NullLog log;
    tolvane::Database database(file, log);
    std::string error;
    const auto csv =
        tolvane::diaryCsv(database, required(options, "--from"), required(options, "--to"), &error);
    if (!csv) {
        std::cerr << "tolvane-catalogue: " << error << '\n';
        return 1;
    }
    std::cout << *csv;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "build") return build(argc, argv);
        if (command == "synthetic") return synthetic(argc, argv);
        if (command == "import-off") return importOff(argc, argv);
        if (command == "search") return search(argc, argv);
        if (command == "gtin") return gtin(argc, argv);
        if (command == "scan") return scan(argc, argv);
        if (command == "export-diary") return exportDiary(argc, argv);
        if (command == "--help" || command == "-h") {
            std::cout << kUsage;
            return 0;
        }
        throw UsageError{command.empty() ? "no command" : "unknown command " + command};
    } catch (const UsageError& error) {
        std::cerr << "tolvane-catalogue: " << error.message << '\n' << kUsage;
        return 2;
    } catch (const tolvane::CatalogueError& error) {
        std::cerr << "tolvane-catalogue: " << error.what() << '\n';
        return 1;
    } catch (const tolvane::ExportError& error) {
        std::cerr << "tolvane-catalogue: " << error.what() << "\nnothing was written\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "tolvane-catalogue: " << error.what() << '\n';
        return 1;
    }
}
