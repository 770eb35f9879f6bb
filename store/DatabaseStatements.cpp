// The statement helpers the stores run their operations through.
#include "store/Columns.h"
#include "store/Connection.h"

namespace tolvane {

std::optional<std::string> Database::compose(const char* operation, std::size_t limit,
                                             std::string_view format,
                                             std::span<const SqlArg> args) {
    ComposedSql composed = composeSql(format, args);
    if (!composed.ok) {
        log_.warn(std::string(operation) + ": statement not run, " + composed.error);
        return std::nullopt;
    }
    if (limit != 0 && composed.text.size() + 1 > limit) {
        log_.warn(std::string(operation) + ": statement of " +
                   formatInt(static_cast<long long>(composed.text.size())) +
                   " bytes exceeds its limit of " + formatInt(static_cast<long long>(limit)) +
                   ", not run");
        return std::nullopt;
    }
    return std::move(composed.text);
}

bool Database::queryEach(const std::optional<std::string>& sql,
                         const std::function<void(const Columns&)>& visit) {
    std::lock_guard lock(mutex_);
    const bool done = [&] {
        if (!sql) return false;
        Connection connection = connect();
        if (!connection) return false;
        Prepared statement;
        if (!prepare(connection.get(), *sql, statement)) return false;
        const Columns columns(statement.handle);
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(statement.handle)) == SQLITE_ROW)
            visit(columns);
        return rc == SQLITE_DONE;
    }();
    noteRead(done);
    return done;
}

std::vector<std::string> Database::queryTexts(const std::optional<std::string>& sql) {
    return queryRows(sql, [](const Columns& row) { return row.text(0); });
}

std::string Database::queryLast(const std::optional<std::string>& sql, bool asInteger) {
    std::string last;
    const bool read = queryEach(
        sql, [&](const Columns& row) { last = asInteger ? row.integer(0) : row.text(0); });
    return read ? last : std::string();
}

int Database::queryCount(const std::optional<std::string>& sql) {
    std::lock_guard lock(mutex_);
    std::optional<int> count;
    if (sql) {
        Connection connection = connect();
        Prepared statement;
        if (connection && prepare(connection.get(), *sql, statement) &&
            sqlite3_step(statement.handle) == SQLITE_ROW)
            count = sqlite3_column_int(statement.handle, 0);
    }
    noteRead(count.has_value());
    return count.value_or(0);
}

bool Database::execute(const std::optional<std::string>& sql, std::optional<int> bindFirst) {
    std::lock_guard lock(mutex_);
    const int result = [&] {
        if (!sql) return -1;
        Connection connection = connect();
        if (!connection) return -1;
        Prepared statement;
        if (!prepare(connection.get(), *sql, statement)) return sqlite3_errcode(connection.get());
        if (bindFirst && sqlite3_bind_int(statement.handle, 1, *bindFirst) != SQLITE_OK) return -1;
        return sqlite3_step(statement.handle);
    }();
    if (result != SQLITE_DONE) noteFailedWrite(result);
    return result == SQLITE_DONE;
}

bool Database::executeTraced(const std::optional<std::string>& sql, const std::string& trace) {
    if (!sql) return false;
    std::lock_guard lock(mutex_);
    Connection connection = connect();
    if (!connection) return false;
    log_.write(trace + "1");
    Prepared statement;
    if (!prepare(connection.get(), *sql, statement)) return false;
    log_.write(trace + "2");
    return sqlite3_step(statement.handle) == SQLITE_DONE;
}

long long Database::executeInsert(const std::optional<std::string>& sql) {
    std::lock_guard lock(mutex_);
    long long id = -1;
    if (sql) {
        Connection connection = connect();
        Prepared statement;
        if (connection && prepare(connection.get(), *sql, statement) &&
            sqlite3_step(statement.handle) == SQLITE_DONE)
            id = sqlite3_last_insert_rowid(connection.get());
    }
    if (id < 0) noteFailedWrite();
    return id;
}

bool Database::tableExists(const std::string& tableName) {
    return queryCount(compose("tableExists", 0,
                              "select count(*) from sqlite_master where type = 'table' and "
                              "name = '%s'",
                              {tableName})) > 0;
}

} // namespace tolvane
