#include "tools/offimport/ExportStaging.h"

#include "tools/offimport/ExportError.h"

#include <sqlite3.h>

namespace tolvane {

namespace {

// The 24 fields in one text: none holds a tab (names are cleaned of control characters).
std::string joined(const CatalogueRecord& record) {
    std::string out;
    for (std::size_t i = 0; i < catalogueFieldCount; ++i) {
        if (i) out += '\t';
        out += record.fields[i];
    }
    return out;
}

void split(std::string_view text, CatalogueRecord& record) {
    for (std::size_t i = 0; i < catalogueFieldCount; ++i) {
        const std::size_t tab = text.find('\t');
        record.fields[i].assign(text.substr(0, tab));
        text.remove_prefix(tab == std::string_view::npos ? text.size() : tab + 1);
    }
}

} // namespace

ExportStaging::ExportStaging(std::filesystem::path file) : file_(std::move(file)) {
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
    if (sqlite3_open_v2(file_.string().c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK)
        fail("cannot make the scratch file " + file_.string());
    // A scratch file: nothing to keep if the run stops, and a page cache of 32 MiB.
    exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -32768;"
         "PRAGMA temp_store = FILE;"
         "CREATE TABLE staged (key TEXT NOT NULL UNIQUE, modified INTEGER NOT NULL,"
         " record TEXT NOT NULL);"
         "BEGIN");
    if (sqlite3_prepare_v2(db_,
                           "INSERT INTO staged (key, modified, record) VALUES (?1, ?2, ?3) "
                           "ON CONFLICT (key) DO UPDATE SET modified = excluded.modified, "
                           "record = excluded.record WHERE excluded.modified >= staged.modified",
                           -1, &insert_, nullptr) != SQLITE_OK)
        fail("cannot prepare the scratch file");
}

ExportStaging::~ExportStaging() {
    sqlite3_finalize(insert_);
    sqlite3_close(db_);
    std::error_code ignored;
    std::filesystem::remove(file_, ignored);
}

void ExportStaging::exec(const char* sql) {
    if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        fail("scratch file " + file_.string());
}

void ExportStaging::fail(const std::string& what) {
    throw ExportError(what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory"));
}

void ExportStaging::add(const ExportProduct& product) {
    const std::string record = joined(product.record);
    sqlite3_bind_text(insert_, 1, product.key.data(), static_cast<int>(product.key.size()),
                      SQLITE_STATIC);
    sqlite3_bind_int64(insert_, 2, product.modified);
    sqlite3_bind_text(insert_, 3, record.data(), static_cast<int>(record.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(insert_);
    sqlite3_reset(insert_);
    if (rc != SQLITE_DONE) fail("cannot keep a product in the scratch file " + file_.string());
}

long long ExportStaging::count() {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db_, "SELECT COUNT(*) FROM staged", -1, &statement, nullptr);
    const long long n =
        sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : 0;
    sqlite3_finalize(statement);
    return n;
}

void ExportStaging::forEach(const std::function<void(const ExportProduct&)>& visit) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, "SELECT key, modified, record FROM staged ORDER BY rowid", -1,
                           &statement, nullptr) != SQLITE_OK)
        fail("cannot read the scratch file");
    ExportProduct product;
    int rc = SQLITE_ROW;
    try {
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            product.key.assign(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            product.modified = sqlite3_column_int64(statement, 1);
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 2));
            split(std::string_view(text,
                                   static_cast<std::size_t>(sqlite3_column_bytes(statement, 2))),
                  product.record);
            visit(product);
        }
    } catch (...) {
        sqlite3_finalize(statement);
        throw;
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) fail("cannot read the scratch file");
}

} // namespace tolvane
