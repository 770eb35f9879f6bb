#include "tools/catalogue/CatalogueWriter.h"

#include "format/FoldedSort.h"
#include "tools/catalogue/CatalogueError.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <string>
#include <system_error>

namespace tolvane {
namespace {

struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw CatalogueError(what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

void exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : sqlite3_errmsg(db);
        sqlite3_free(error);
        throw CatalogueError("SQL failed (" + message + "): " + sql.substr(0, 80));
    }
}

Statement prepare(sqlite3* db, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
        fail(db, "cannot prepare \"" + sql.substr(0, 60) + "\"");
    return Statement(raw);
}

void bindText(sqlite3* db, sqlite3_stmt* statement, int index, const std::string& text) {
    if (sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        fail(db, "cannot bind a value");
}

void stepDone(sqlite3* db, sqlite3_stmt* statement, const std::string& what) {
    if (sqlite3_step(statement) != SQLITE_DONE) fail(db, what);
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
}

// Rows in the order of the list and search statements, holding every column those statements
// and the category list read: they then run as one pass over this index, with no sort step and
// no lookups in the table.
void createListIndex(sqlite3* db) {
    exec(db, "CREATE INDEX ProductsTable_folded ON ProductsTable (" TOLVANE_FOLDED_SORT
             ", field01, field02, recordId, field03, field13, field14, field12, field15, field10, "
             "field08)");
}

// The newest record date of the products written.
std::string insertProducts(sqlite3* db, const CatalogueWriter::ProductFeed& products) {
    std::string sql = "INSERT INTO ProductsTable VALUES ('', 0";
    for (std::size_t i = 1; i <= catalogueFieldCount + 1; ++i)
        sql += ", ?" + std::to_string(i);
    sql += ")";
    auto statement = prepare(db, sql);
    std::string newest;
    products([&](const CatalogueRecord& product) {
        int column = 1;
        for (const std::string& field : product.fields)
            bindText(db, statement.get(), column++, field);
        sqlite3_bind_int64(statement.get(), column, product.id);
        stepDone(db, statement.get(), "cannot insert product " + std::to_string(product.id));
        newest = std::max(newest, product[CatalogueField::InclusionDate]);
    });
    return newest;
}

void insertCategories(sqlite3* db, const std::vector<CatalogueCategory>& categories) {
    auto statement = prepare(db, "INSERT INTO Categories (Recordid, Category) VALUES (?1, ?2)");
    for (const auto& category : categories) {
        sqlite3_bind_int(statement.get(), 1, category.id);
        bindText(db, statement.get(), 2, category.name);
        stepDone(db, statement.get(), "cannot insert category " + category.name);
    }
}

void insertSingleRows(sqlite3* db, const std::string& newest) {
    auto statement =
        prepare(db, "INSERT INTO Timestamp (rows, dtimestamp, utimestamp) VALUES ('0', ?1, ?1)");
    if (!newest.empty()) bindText(db, statement.get(), 1, newest);
    stepDone(db, statement.get(), "cannot write the timestamp row");
    exec(db, "INSERT INTO Settings (LiveSuche, Lokalisierung, Metrisch) VALUES ('YES', 'YES', "
             "'YES')");
    // Own products are numbered from 900000001 on, clear of every catalogue identifier.
    exec(db, "INSERT INTO sqlite_sequence (name, seq) VALUES ('Products', " +
                 std::to_string(firstOwnProductId) + ")");
}

} // namespace

std::string shippedSchemaSql() {
    std::string sql = "CREATE TABLE ProductsTable (sortOrder TEXT, favFlag INTEGER";
    for (std::size_t i = 1; i <= catalogueFieldCount; ++i) {
        sql += ", field";
        if (i < 10) sql += '0';
        sql += std::to_string(i) + " TEXT";
    }
    sql += ", recordId INTEGER);"
           "CREATE INDEX ProductsTable_recordId ON ProductsTable (recordId);"
           "CREATE INDEX ProductsTable_field03 ON ProductsTable (field03);"
           // Each update page reads the favourites: this finds them without reading the
           // catalogue, in the table's own row order, and costs nothing for a product unmarked.
           "CREATE INDEX ProductsTable_favourites ON ProductsTable (favFlag) WHERE favFlag = 1;"
           // Sortorder is an integer so that own products order as 9, 10 rather than 10, 9.
           "CREATE TABLE Products (RecordId INTEGER PRIMARY KEY AUTOINCREMENT, "
           "Produktname TEXT, Hersteller TEXT, Kategorie TEXT, Fett TEXT, GesFette TEXT, "
           "Zucker TEXT, Natrium TEXT, Energiewert TEXT, Sentfield TEXT, Sortorder INTEGER, "
           "Einheit TEXT, SalzOrNatrium TEXT, Produktmenge TEXT, MainTableRecordId TEXT);"
           "CREATE TABLE Categories (Recordid INTEGER, Category TEXT);"
           "CREATE TABLE Timestamp (rows TEXT, dtimestamp TEXT, utimestamp TEXT);"
           "CREATE TABLE Settings (LiveSuche TEXT, Lokalisierung TEXT, Metrisch TEXT);";
    return sql;
}

void CatalogueWriter::write(const CatalogueSource& source, const std::filesystem::path& out) {
    write(
        source.categories,
        [&source](const std::function<void(const CatalogueRecord&)>& sink) {
            for (const auto& product : source.products)
                sink(product);
        },
        out);
}

void CatalogueWriter::write(const std::vector<CatalogueCategory>& categories,
                            const ProductFeed& products, const std::filesystem::path& out) {
    auto partial = out;
    partial += ".partial";
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    if (out.has_parent_path()) std::filesystem::create_directories(out.parent_path(), ignored);
    {
        sqlite3* raw = nullptr;
        const int rc = sqlite3_open_v2(partial.string().c_str(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        Connection db(raw);
        if (rc != SQLITE_OK) fail(raw, "cannot create " + partial.string());
        try {
            exec(db.get(), "PRAGMA journal_mode = DELETE");
            exec(db.get(), "BEGIN");
            exec(db.get(), shippedSchemaSql());
            const std::string newest = insertProducts(db.get(), products);
            createListIndex(db.get());
            insertCategories(db.get(), categories);
            insertSingleRows(db.get(), newest);
            exec(db.get(), "COMMIT");
            exec(db.get(), "VACUUM");
        } catch (...) {
            db.reset();
            std::filesystem::remove(partial, ignored);
            throw;
        }
    }
    std::error_code moveError;
    std::filesystem::rename(partial, out, moveError);
    if (moveError) {
        std::filesystem::remove(partial, ignored);
        throw CatalogueError("cannot move the finished file to " + out.string());
    }
}

} // namespace tolvane
