#pragma once

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace tolvane::server {

class SqliteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Statement;

// One open SQLite connection; closed when destroyed.
class SqliteConnection {
public:
    explicit SqliteConnection(const std::string& path);
    ~SqliteConnection();
    SqliteConnection(const SqliteConnection&) = delete;
    SqliteConnection& operator=(const SqliteConnection&) = delete;

    void exec(const std::string& sql);
    Statement prepare(const std::string& sql);
    sqlite3* handle() const { return db_; }
    [[noreturn]] void fail(const std::string& what) const;

private:
    sqlite3* db_ = nullptr;
};

// A prepared statement; parameters are numbered from 1, columns from 0.
class Statement {
public:
    Statement(SqliteConnection& connection, const std::string& sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, std::string_view text);
    void bind(int index, long long value);
    // True while a row is available.
    bool step();
    void reset();
    std::string text(int column) const;
    long long integer(int column) const;

private:
    SqliteConnection* connection_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Rolls back unless committed.
class Transaction {
public:
    explicit Transaction(SqliteConnection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    SqliteConnection& connection_;
    bool done_ = false;
};

} // namespace tolvane::server
