#include "server/Sqlite.h"

namespace tolvane::server {

SqliteConnection::SqliteConnection(const std::string& path) {
    int rc = sqlite3_open_v2(path.c_str(), &db_,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                             nullptr);
    if (rc != SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        db_ = nullptr;
        throw SqliteError("cannot open database " + path + ": " + message);
    }
    sqlite3_busy_timeout(db_, 5000);
}

SqliteConnection::~SqliteConnection() {
    sqlite3_close(db_);
}

void SqliteConnection::fail(const std::string& what) const {
    throw SqliteError(what + ": " + sqlite3_errmsg(db_));
}

void SqliteConnection::exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw SqliteError("SQL failed (" + sql.substr(0, 60) + "): " + message);
    }
}

Statement SqliteConnection::prepare(const std::string& sql) {
    return Statement(*this, sql);
}

Statement::Statement(SqliteConnection& connection, const std::string& sql)
    : connection_(&connection) {
    if (sqlite3_prepare_v2(connection.handle(), sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
        connection.fail("cannot prepare (" + sql.substr(0, 60) + ")");
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement&& other) noexcept
    : connection_(other.connection_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

void Statement::bind(int index, std::string_view text) {
    if (sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        connection_->fail("cannot bind");
}

void Statement::bind(int index, long long value) {
    if (sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK) connection_->fail("cannot bind");
}

bool Statement::step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(stmt_);
    connection_->fail("statement failed");
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

std::string Statement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    if (!data) return {};
    return std::string(data, static_cast<size_t>(sqlite3_column_bytes(stmt_, column)));
}

long long Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

Transaction::Transaction(SqliteConnection& connection) : connection_(connection) {
    connection_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            connection_.exec("ROLLBACK");
        } catch (const SqliteError&) {
            // Nothing more can be done while unwinding.
        }
    }
}

void Transaction::commit() {
    connection_.exec("COMMIT");
    done_ = true;
}

} // namespace tolvane::server
