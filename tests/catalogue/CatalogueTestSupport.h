#pragma once

#include "format/FoldedSort.h"
#include "tests/support/TempDir.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tolvane::test {

// Minimal SQLite access for checking files.
class Db {
public:
    explicit Db(const std::filesystem::path& path, bool writable = false) {
        sqlite3* raw = nullptr;
        const int flags = writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
        if (sqlite3_open_v2(path.string().c_str(), &raw, flags, nullptr) != SQLITE_OK) {
            sqlite3_close(raw);
            throw std::runtime_error("cannot open " + path.string());
        }
        db_.reset(raw);
    }

    // All rows, each column as text (NULL as "<null>"), joined with "|".
    std::vector<std::string> rows(const std::string& sql) const {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_.get(), sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_.get())) + ": " + sql);
        std::vector<std::string> result;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            std::string row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                if (i) row += '|';
                const auto* text = sqlite3_column_text(statement, i);
                row += text ? reinterpret_cast<const char*>(text) : "<null>";
            }
            result.push_back(row);
        }
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            throw std::runtime_error(std::string(sqlite3_errmsg(db_.get())) + ": " + sql);
        return result;
    }

    std::string text(const std::string& sql) const {
        const auto all = rows(sql);
        return all.empty() ? "<none>" : all.front();
    }

    long long number(const std::string& sql) const { return std::stoll(text(sql)); }

    void exec(const std::string& sql) const {
        char* error = nullptr;
        if (sqlite3_exec(db_.get(), sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = error ? error : "error";
            sqlite3_free(error);
            throw std::runtime_error(message + ": " + sql);
        }
    }

    long long lastInsertId() const { return sqlite3_last_insert_rowid(db_.get()); }

private:
    struct Closer {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Closer> db_;
};

// The product list, a search and a category list, as the store runs them.
inline std::vector<std::string> foldedListStatements() {
    return {
        "select field01, field02, recordId from ProductsTable ORDER BY " TOLVANE_FOLDED_SORT,
        "select field01, recordId, field02 from ProductsTable where field01 like '%Milch%' or "
        "field02 like '%Milch%' ORDER BY " TOLVANE_FOLDED_SORT,
        "select field01, recordId, field02, field03,'0',field13, field14, field12, field15, "
        "field10, field08 from ProductsTable where field03 like 4 ORDER BY " TOLVANE_FOLDED_SORT};
}

// True when the plan is one pass over the folded index: no sort step, no table lookups.
inline bool readsFoldedIndexOnly(const Db& db, const std::string& statement) {
    const auto plan = db.rows("EXPLAIN QUERY PLAN " + statement);
    return plan.size() == 1 &&
           plan[0].ends_with("SCAN ProductsTable USING COVERING INDEX ProductsTable_folded");
}

inline std::string fieldName(int i) {
    return std::string("field") + (i < 10 ? "0" : "") + std::to_string(i);
}

} // namespace tolvane::test
