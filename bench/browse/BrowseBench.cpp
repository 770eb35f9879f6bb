// Times the product list on synthetic catalogues: opening the list, a live-search keystroke and
// opening a product detail, each as the median of repeated runs.
#include "bench/common/BenchFigures.h"
#include "catalogue/CatalogueService.h"
#include "catalogue/HeldListSearch.h"
#include "catalogue/HeldMemory.h"
#include "catalogue/IndexGrouping.h"
#include "catalogue/PackedRows.h"
#include "catalogue/SearchIndex.h"
#include "format/Gtin.h"
#include "nutrition/NumberText.h"
#include "platform/Platform.h"
#include "screens/browse/SearchVC.h"
#include "screens/detail/ProductDetail.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/SettingsStore.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <malloc.h>
#include <unistd.h>

using namespace tolvane;
using bench::figure;
using bench::medianMs;

namespace {

// The catalogue service with its held list and the list screen on it, as the program makes them
// at launch; made, it waits until the list is there (a large one is read on the list reader).
struct OpenList {
    OpenList(FakePlatform& fake, Database& shared, Navigation& navigation)
        : catalogue(fake.platform(), shared),
          screen(fake.platform(), shared, catalogue, navigation) {
        screen.viewDidLoad();
        fake.dispatcher.runUntil([&] { return !screen.listLoading(); });
    }
    CatalogueService catalogue;
    SearchVC screen;
};

void line(const std::string& what, double ms) {
    std::cout << "  " << what << std::string(what.size() < 44 ? 44 - what.size() : 1, ' ')
              << formatFixed(ms, 2) << " ms\n";
}

// The barcode number of the product with this identifier.
std::string barcodeOf(const std::string& file, int recordId) {
    sqlite3* db = nullptr;
    std::string code;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        const std::string sql =
            "select field24 from ProductsTable where recordId = " + std::to_string(recordId);
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int, char** values, char**) {
                *static_cast<std::string*>(out) = values[0] ? values[0] : "";
                return 0;
            },
            &code, nullptr);
    }
    sqlite3_close(db);
    return code;
}

void benchCatalogue(const std::string& generator, const std::filesystem::path& dir, int count) {
    const auto file = dir / ("synthetic-" + std::to_string(count) + ".db");
    bench::makeSyntheticCatalogue(generator, file.string(), count);
    NullLog log;
    FakePlatform fake;
    fake.defaults.registerDefaults({{AppDefaults::kFirstLaunchSearch, false}});
    Database shared(file.string(), log);
    Database db(file.string(), log);
    FakeNavigation navigation;
    const int runs = count > 50000 ? 7 : 15;

    std::cout << "\n" << count << " products (median of " << runs << " runs)\n";

    line("list query (selectProduct)", medianMs(runs, [&] { CatalogueStore(db).selectProduct(); }));
    // As the list screen reads it: the rows visited and packed straight from the statement.
    PackedRows packed;
    line("list query and packing (rows visited)", medianMs(runs, [&] {
             packed.clear();
             CatalogueStore(db).selectProduct(
                 [&](const ListRowView& row) { packed.push_back(row); });
         }));
    packed.shrink_to_fit();
    line("list grouping",
         medianMs(runs, [&] { groupUnderIndexLetters(packed, BlankKeys::Hidden); }));
    line("list folding for search", medianMs(runs, [&] { SearchIndex folded(packed); }));
    line("list barcode index (on the list reader)",
         medianMs(runs, [&] { BarcodeIndex(db, packed); }));
    const double open = medianMs(runs, [&] { OpenList list(fake, shared, navigation); });
    line("list opening (service and SearchVC built, list there)", open);
    figure("list_open", count, open, "ms", 50, "target");

    {
        // The list screen's own heap: what the allocator holds more once the list is loaded,
        // less what SQLite holds more (its page cache). Large blocks mapped on their own count.
        // Measured once the barcode index, read after the list, is there too (nothing is being
        // read then), and given without it as well, as it was before there was one.
        fake.dispatcher.runPending(); // lists handed on to screens gone meanwhile are dropped
        const auto heapBefore = bench::allocatedInUse();
        const auto sqliteBefore = sqlite3_memory_used();
        OpenList list(fake, shared, navigation);
        fake.dispatcher.runUntil(
            [&] { return list.catalogue.heldList().barcodes->heapBytes() > 0; });
        const HeldList& held = list.catalogue.heldList();
        const auto barcodes = static_cast<double>(held.barcodes->heapBytes());
        const double withBarcodes = static_cast<double>(bench::allocatedInUse() - heapBefore) -
                                    static_cast<double>(sqlite3_memory_used() - sqliteBefore);
        const double heap = withBarcodes - barcodes;
        const double text = static_cast<double>(packed.textBytes()); // names and makers
        const auto mib = [](double bytes) { return bench::fixed(bytes / 1048576.0, 1) + " MiB"; };
        std::cout << "  list heap " << mib(heap) << " (" << mib(withBarcodes)
                  << " with the barcode index, " << bench::fixed(withBarcodes / text, 2)
                  << " x), names and makers " << mib(text) << "\n";
        std::size_t sections = 0;
        for (const ProductSection& section : *held.sections)
            sections += section.rows.capacity() * sizeof(std::uint32_t);
        std::cout << "  memory: rows text " << mib(static_cast<double>(held.rows->textBytes()))
                  << ", row table "
                  << mib(static_cast<double>(held.rows->heapBytes() - held.rows->textBytes()))
                  << ", folded copies " << mib(static_cast<double>(held.search->heapBytes()))
                  << ", barcode index " << mib(barcodes) << ", sections "
                  << mib(static_cast<double>(sections)) << ", SQLite "
                  << mib(static_cast<double>(sqlite3_memory_used()))
                  << "; the resident set also holds this program's own copy of the rows ("
                  << mib(static_cast<double>(packed.heapBytes())) << ")\n";
        figure("list_heap_ratio", count, heap / text, "x", 2.5, "target");
        // The resident set as the program has it: without this program's own copy of the rows.
        std::cout << "  resident set with that copy " << bench::fixed(bench::rssMiB(), 1)
                  << " MiB\n";
        packed = PackedRows{};
        ::malloc_trim(0); // the copy's pages go back, as the program never had them
        figure("rss", count, bench::rssMiB(), "MiB", 0, "", 1);
    }

    SettingsStore(db).updateSettings("YES", "YES", "YES");
    OpenList list(fake, shared, navigation);
    SearchVC& screen = list.screen;
    // A keystroke as typed: the field holds the text but its last character (typed untimed
    // from an empty field), so that a longer text may narrow the hits of the shorter.
    const auto typeAllButLast = [&](const std::string& text) {
        screen.searchBarCancelButtonClicked();
        fake.dispatcher.runPending();
        for (std::size_t end = 1; end < text.size(); ++end)
            if ((text[end] & 0xC0) != 0x80) {
                screen.textDidChange(text.substr(0, end));
                fake.dispatcher.runPending();
            }
    };
    const auto keystroke = [&](const std::string& text) {
        typeAllButLast(text);
        const double ms = medianMs(
            runs,
            [&] {
                screen.textDidChange(text);
                fake.dispatcher.runPending();
            },
            [&] { typeAllButLast(text); });
        // The screen left with the text's own hits, for the lines that count them.
        screen.textDidChange(text);
        fake.dispatcher.runPending();
        return ms;
    };
    for (const std::string text : {"b", "sch"}) {
        const std::string pattern = "%" + text + "%";
        std::vector<ListRow> hits;
        line("keystroke \"" + text + "\": count",
             medianMs(runs, [&] { CatalogueStore(db).selectSearchCount(pattern, pattern); }));
        line("keystroke \"" + text + "\": query",
             medianMs(runs, [&] { hits = CatalogueStore(db).Search(pattern, pattern); }));
        const PackedRows packedHits(hits);
        line("keystroke \"" + text + "\": grouping",
             medianMs(runs, [&] { groupUnderIndexLetters(packedHits, BlankKeys::Hidden); }));
        const double whole = keystroke(text);
        line("keystroke \"" + text + "\" (" + std::to_string(hits.size()) + " hits), whole", whole);
        const double scan =
            medianMs(runs, [&] { CatalogueStore(db).selectSearchCount(pattern, pattern); });
        figure(text.size() == 1 ? "keystroke_1letter" : "keystroke_3letters", count, whole, "ms",
               scan, "one SQL LIKE scan without ORDER BY; target 16 ms");
    }
    // Folded: without accents, and with them (the store's rule is asked beside the folded one).
    for (const std::string text : {"kase", "käse"}) {
        const std::string pattern = "%" + text + "%";
        const double whole = keystroke(text);
        line("keystroke \"" + text + "\" (" + std::to_string(screen.rowCount()) + " hits), whole",
             whole);
        if (text == "käse")
            figure("keystroke_folded", count, whole, "ms",
                   medianMs(runs, [&] { CatalogueStore(db).selectSearchCount(pattern, pattern); }),
                   "one SQL LIKE scan without ORDER BY; target 16 ms");
    }
    // Wildcards typed keystroke by keystroke into an empty field: the slowest keystroke.
    double wildcardWorst = 0;
    for (const std::string text : {"sch%ko", "stra_e"}) {
        for (std::size_t end = 1; end <= text.size(); ++end) {
            const std::string typed = text.substr(0, end);
            const double whole = keystroke(typed);
            line("keystroke \"" + typed + "\" (" + std::to_string(screen.rowCount()) +
                     " hits), whole",
                 whole);
            wildcardWorst = std::max(wildcardWorst, whole);
        }
    }
    figure("keystroke_wildcard", count, wildcardWorst, "ms", 16,
           "\"sch%ko\" and \"stra_e\", the slowest keystroke; target");
    // The whole list searched at once, as a text pasted into an empty field is.
    const PackedRows& heldRows = *list.catalogue.heldList().rows;
    const SearchIndex& folded = *list.catalogue.heldList().search;
    for (const std::string text : {"b", "sc", "st", "str", "sch", "käse", "sch%k", "stra_e"})
        line("search \"" + text + "\" alone, whole list",
             medianMs(runs, [&] { findInHeldList(heldRows, folded, "%" + text + "%"); }));
    // What a keystroke does with its hits beside the search: grouped under their index letters.
    for (const std::string text : {"s", "st"}) {
        const auto hits = findInHeldList(heldRows, folded, "%" + text + "%");
        line("hits of \"" + text + "\" (" + std::to_string(hits.size()) + ") grouped",
             medianMs(runs, [&] { groupUnderIndexLetters(heldRows, hits, BlankKeys::Hidden); }));
    }
    // A typed barcode number: its last digit (the name search over the digits included), the
    // whole number pasted, and the index look-up alone.
    const std::string gtin = barcodeOf(file.string(), count / 2);
    const std::uint64_t value = readGtin(gtin)->value;
    fake.dispatcher.runUntil(
        [&] { return !list.catalogue.heldList().barcodes->rowsWith(value).empty(); });
    const double gtinWhole = keystroke(gtin);
    const BarcodeIndex& index = *list.catalogue.heldList().barcodes;
    line("barcode " + gtin + " (" + std::to_string(screen.rowCount()) + " hits), index alone",
         medianMs(runs, [&] { index.rowsWith(value); }));
    line("barcode pasted whole into an empty field", medianMs(
                                                         runs,
                                                         [&] {
                                                             screen.textDidChange(gtin);
                                                             fake.dispatcher.runPending();
                                                         },
                                                         [&] { typeAllButLast(""); }));
    line("barcode, last digit typed (whole keystroke)", gtinWhole);
    figure("gtin_lookup", count, gtinWhole, "ms", 5, "target");

    // The largest category and one of its products.
    std::string largest;
    int largestCount = -1;
    for (const CategoryRow& category : CatalogueStore(db).selectCategoriesForCategoryScreen()) {
        const int n =
            CatalogueStore(db).selectProductCountForCategory(CategoryId::of(category.recordId));
        if (n > largestCount) {
            largestCount = n;
            largest = category.recordId;
        }
    }
    const auto products = CatalogueStore(db).selectProductsForCategory(CategoryId::of(largest));
    if (products.empty()) return;
    const std::string productId = products[products.size() / 2].recordId;
    line("detail: record (selectProductDetail)",
         medianMs(runs, [&] { CatalogueStore(db).selectProductDetail(ProductId::of(productId)); }));
    line("detail: category records (" + std::to_string(largestCount) + ")", medianMs(runs, [&] {
             CatalogueStore(db).selectProductDetailForCategory(CategoryId::of(largest));
         }));
    const double detailMs = medianMs(runs, [&] {
        auto detail = std::make_shared<ProductDetail>(fake.platform(), shared);
        detail->drawData(CatalogueStore(db).selectProductDetail(ProductId::of(productId)));
        for (int row = 0; row < detail->numberOfRows(); ++row)
            detail->row(row);
    });
    line("detail opening (record, means, rows)", detailMs);
    line("detail opening, means not kept yet", medianMs(runs, [&] {
             shared.catalogueChanged();
             auto detail = std::make_shared<ProductDetail>(fake.platform(), shared);
             detail->drawData(CatalogueStore(db).selectProductDetail(ProductId::of(productId)));
             for (int row = 0; row < detail->numberOfRows(); ++row)
                 detail->row(row);
         }));
    const double rows = medianMs(runs, [&] {
        CatalogueStore(db).selectProductDetail(ProductId::of(productId));
        CatalogueStore(db).selectProductDetailForCategory(CategoryId::of(largest));
    });
    figure("detail_largest_category", count, detailMs, "ms", rows,
           "record and category rows read; target 10 ms");
}

} // namespace

int main(int argc, char** argv) {
    bench::oneAllocatorArena();   // the list may be read on a worker thread
    returnLargeBlocksWhenFreed(); // as the program does
    std::string generator = TOLVANE_CATALOGUE_TOOL;
    std::vector<int> counts = {10000, 100000};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--generator" && i + 1 < argc) {
            generator = argv[++i];
        } else if (arg == "--count" && i + 1 < argc) {
            counts = {integerValue(argv[++i])};
        } else {
            std::cout << "usage: tolvane-browse-bench [--count N] [--generator PATH]\n";
            return arg == "--help" ? 0 : 2;
        }
    }
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tolvane-browse-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::cout << "Product list, search and detail timings";
    for (int count : counts)
        benchCatalogue(generator, dir, count);
    std::filesystem::remove_all(dir);
    return 0;
}
