// The connection to the data store's file; the operations themselves are in the stores by
// area over it (CatalogueStore, OwnProductStore, PlannerStore, SettingsStore), which a caller
// constructs on the Database it uses whenever it needs one.
//
// Each operation composes its statement, opens the database file on a connection of its own,
// runs the statement and closes the file again (during bulk writes or a transaction: on the one
// kept connection). Operations on one object run one at a time, whichever thread calls them,
// through whichever store. Failures are not raised: reads give an empty list, the empty text or
// 0, changes change nothing. lastReadFailed() tells a read that failed from one that found
// nothing.
//
// Which object a caller uses: screens use the shared object (the delegate's getDBObj) on the UI
// thread, and nothing else; each thread other than the UI thread uses a Database object of its
// own (the catalogue service's page store and list reader, store/DatabaseWorker.h), so that no
// UI-thread read waits behind a worker's transaction. A worker tells the shared object when it
// changed the catalogue (catalogueChanged, safe from any thread).
//
// Rows: one typed struct per row shape (store/Rows.h). Values written into statements: texts
// between quotes have every single quote doubled; identifiers are numbers (store/Ids.h). A
// statement longer than its operation's limit is not run (one log line).
//
// The file is never created by an operation: it must exist (copied from the shipped file). A file
// that cannot be written, or whose folder cannot, is only read.
#pragma once

#include "format/CatalogueRecord.h"
#include "platform/Log.h"
#include "store/CatalogueFigures.h"
#include "store/Ids.h"
#include "store/Rows.h"
#include "store/SqlText.h"

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

struct sqlite3;

namespace tolvane {

class Database {
public:
    Database(std::string databasePath, Log& log);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // --- File and connections ---

    std::string GetDatabasePath() const;
    // Opens a connection that is held until CloseDB or destruction (not used by the queries).
    bool OpenDB();
    void CloseDB();
    bool NameDBConnect() const;
    // Scratch list refilled by PlannerStore::searchFavNameExist.
    std::vector<std::string> namesArr() const;

    // Runs work with all of this object's operations on one connection inside
    // BEGIN IMMEDIATE ... COMMIT. Work returning false rolls back; an exception thrown by work
    // rolls back and is passed on. Other threads' operations on this object wait meanwhile.
    // Returns whether the transaction committed; work is not run when it cannot begin.
    // Nested calls join the outer transaction.
    bool runInTransaction(const std::function<bool()>& work);
    // As runInTransaction, but any change inside it that fails (or is refused), and any read that
    // fails, rolls the whole transaction back, so that a caller whose changes return nothing
    // still loses nothing, nor writes what it worked out from a read that failed.
    bool runInCheckedTransaction(const std::function<bool()>& work);

    // Why a change failed, as far as SQLite tells: what the user can do about it differs.
    enum class WriteFailure { None, DiskFull, ReadOnly, Other };
    // The cause of the last change of this object that failed; after a transaction that did not
    // commit, the cause of that (None while nothing has failed since it began).
    WriteFailure lastWriteFailure() const;

    // Whether this object's last read could not be done (its statement refused or not run, the
    // file not opened, a step failed), as against one that found nothing. For the thread that
    // uses the object: another thread's read in between replaces it.
    bool lastReadFailed() const;

    // Until endBulkWrites, every operation of this object runs on one kept connection with the
    // write-ahead journal and normal synchronisation, so that a commit does not wait for the
    // disk: a power cut can lose the last commits (in order, never a part of one), never
    // corrupt the file. False, with one log line, when the file cannot be opened so; the
    // operations then go on as before. Meant for a catalogue update and its many small commits.
    bool beginBulkWrites();
    // Puts the file back to the rollback journal (which a read-only folder and the start-up
    // checks rely on) and closes the kept connection. Gives other connections' reads a second
    // to finish; if they do not, the file stays in write-ahead mode (one log line) until the
    // next start-up check (DatabaseFileCheck). Safe from any thread.
    void endBulkWrites();
    bool bulkWrites() const;
    // Closes the kept connection at once without putting the file back, and without copying the
    // journal into it (which can take seconds): the file stays in write-ahead mode, nothing
    // committed lost, until the next start-up check (DatabaseFileCheck). For a program quitting.
    void abandonBulkWrites();

    // From another thread: stops what this object runs now. The statement running is
    // interrupted, a wait for another connection's lock gives up, and every operation after it
    // fails (a transaction under way rolls back whole) until clearInterrupt().
    void interrupt();
    void clearInterrupt();

    // Whether the file holds a table of that name.
    bool tableExists(const std::string& tableName);

    // The category figures kept on this object until the catalogue changes (CatalogueFigures).
    long catalogueGeneration() const { return figures_.catalogueGeneration(); }
    std::optional<std::vector<double>> categoryFigures(const std::string& categoryId) const {
        return figures_.categoryFigures(categoryId);
    }
    std::shared_ptr<const std::vector<double>>
    keptCategoryFigures(const std::string& categoryId) const {
        return figures_.keptCategoryFigures(categoryId);
    }
    void keepCategoryFigures(const std::string& categoryId, std::vector<double> figures,
                             long generation) {
        figures_.keepCategoryFigures(categoryId, std::move(figures), generation);
    }
    // Said by whoever changed the catalogue (an update page, an own product saved or deleted),
    // through this object or another on the same file.
    void catalogueChanged() { figures_.catalogueChanged(); }
    // Kept here as the screens come and go.
    long workDoneAt(const std::string& work) const { return figures_.workDoneAt(work); }
    void keepWorkDoneAt(const std::string& work, long generation) {
        figures_.keepWorkDoneAt(work, generation);
    }

private:
    // The stores run their statements through the helpers below; nothing else does.
    friend class CatalogueStore;
    friend class OwnProductStore;
    friend class PlannerStore;
    friend class DiaryStore;
    friend class SettingsStore;
    friend class CataloguePageWriter;
    class Connection;
    class Columns; // store/Columns.h

    Connection connect();
    // Whether interrupt() has stopped this object's operations.
    bool interrupted() const { return interrupted_; }
    // Whether SQLite itself rolled the running transaction back (as it does on a full disk or an
    // I/O error): every operation then fails until it ends, rather than write on its own outside
    // it and leave half of the work behind.
    bool transactionLost() const;
    // Composes a statement; nullopt (and one log line) when a value is unfit or the text would
    // exceed limit bytes including the terminating zero (0: no limit).
    std::optional<std::string> compose(const char* operation, std::size_t limit,
                                       std::string_view format, std::span<const SqlArg> args);
    std::optional<std::string> compose(const char* operation, std::size_t limit,
                                       std::string_view format,
                                       std::initializer_list<SqlArg> args = {}) {
        return compose(operation, limit, format,
                       std::span<const SqlArg>(args.begin(), args.size()));
    }
    // Steps the statement, handing each row to visit while it is current. False when the
    // statement is not run or a step fails (rows visited before stay visited).
    bool queryEach(const std::optional<std::string>& sql,
                   const std::function<void(const Columns&)>& visit);
    // Every row as read(columns) makes it; empty when the query fails.
    template <class Read> auto queryRows(const std::optional<std::string>& sql, Read read) {
        std::vector<std::invoke_result_t<Read&, const Columns&>> rows;
        if (!queryEach(sql, [&](const Columns& columns) { rows.push_back(read(columns)); }))
            rows.clear();
        return rows;
    }
    // The first row; nothing when there is none or the query fails.
    template <class Read> auto queryFirst(const std::optional<std::string>& sql, Read read) {
        auto rows = queryRows(sql, read);
        using Row = typename decltype(rows)::value_type;
        return rows.empty() ? std::optional<Row>() : std::optional<Row>(std::move(rows.front()));
    }
    // The first column of each row, read as text.
    std::vector<std::string> queryTexts(const std::optional<std::string>& sql);
    // The first column of the last row returned ("" when none), read as text or, with
    // asInteger, as an integer in decimal digits.
    std::string queryLast(const std::optional<std::string>& sql, bool asInteger = false);
    int queryCount(const std::optional<std::string>& sql);
    // Steps once; with bindFirst the value is bound to parameter 1 as an integer.
    bool execute(const std::optional<std::string>& sql, std::optional<int> bindFirst = {});
    // execute that writes trace + "1" once the file is open and trace + "2" once prepared.
    bool executeTraced(const std::optional<std::string>& sql, const std::string& trace);
    // A change that did not happen, with SQLite's result code when there is one: fails the
    // running checked transaction and is kept as the last failure.
    void noteFailedWrite(int resultCode = -1);
    // Keeps whether a read was done; one that was not also fails the running checked transaction.
    void noteRead(bool done);
    // Steps once; the connection's last inserted row id, or -1.
    long long executeInsert(const std::optional<std::string>& sql);

    std::string databasePath_;
    Log& log_;
    mutable std::recursive_mutex mutex_;
    sqlite3* heldConnection_ = nullptr;
    bool nameDBConnect_ = false;
    std::vector<std::string> namesArr_;
    sqlite3* transaction_ = nullptr;
    sqlite3* bulk_ = nullptr;
    CatalogueFigures figures_;
    std::atomic<bool> interrupted_{false};
    // Whether the file or its folder could not be written when the object was made: then every
    // connection refuses changes (SQLITE_READONLY) and no bulk writes begin, as the start tells
    // the user; a file left in write-ahead mode there would otherwise take them through the
    // journal files left beside it.
    const bool writesRefused_;
    // The connection an operation of this object runs on just now, for interrupt().
    std::mutex inUseMutex_;
    sqlite3* inUse_ = nullptr;
    // Set by a failed change or read while a checked transaction runs.
    bool checkWrites_ = false;
    bool writeFailed_ = false;
    WriteFailure lastWriteFailure_ = WriteFailure::None;
    bool readFailed_ = false;
};

} // namespace tolvane
