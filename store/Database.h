// The data store: every query the screens and the exchange use, as methods of one class.
//
// Each operation composes its statement, opens the database file on a connection of its own,
// runs the statement and closes the file again (during bulk writes: on the one kept connection).
// Operations on one object run one at a time, whichever thread calls them. Failures are not raised:
// reads give an empty list, the empty text or 0, changes change nothing. lastReadFailed() tells a
// read that failed from one that found nothing.
//
// Which object a caller uses: screens use the shared object (the delegate's getDBObj) on the UI
// thread, and nothing else; each thread other than the UI thread uses a Database object of its
// own (the catalogue service's page store and list reader, store/DatabaseWorker.h), so that no
// UI-thread read waits behind a worker's transaction. A worker tells the shared object when it
// changed the catalogue (catalogueChanged, safe from any thread).
//
// Rows: one typed struct per row shape (store/Rows.h), its members the statement's columns
// (NULL as the empty text, integer-read columns as decimal digits). Lists are in row order.
//
// Values written into statements: texts between quotes have every single quote doubled; a
// value placed without quotes (marked "digits" below) must be decimal digits, otherwise the
// statement is not run and the operation gives its empty result. Parameters described as
// "read as integer" take the leading integer of the text (0 when not numeric). A statement
// longer than its operation's limit is not run either (one log line).
//
// The file is never created by an operation: it must exist (copied from the shipped file).
#pragma once

#include "format/CatalogueRecord.h"
#include "platform/Log.h"
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

    // --- File, connection, schema and seeding ---

    std::string GetDatabasePath() const;
    // Opens a connection that is held until CloseDB or destruction (not used by the queries).
    bool OpenDB();
    void CloseDB();
    bool NameDBConnect() const;
    // Scratch list refilled by searchFavNameExist.
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

    void createPersonalProfileTable();
    void InsertIntoPersonalProfileTable();
    void createMenu_FolderTable();
    void insertIntoMenu_FolderTableStarted(const std::string& sortOrder, const std::string& name,
                                           const std::string& calory, int recordId,
                                           const std::string& localized);
    void createFavorite_MenufolderTable();
    void createEdit_ConsumptionTable();

    // --- Catalogue ---

    // In folded order (umlauts folded, upper case; name, then maker).
    std::vector<ListRow> selectProduct();
    // The same rows handed to visit one by one as they are read, without copying them (the
    // held product list packs them). False, with nothing more visited, when the query fails.
    bool selectProduct(const std::function<void(const ListRowView&)>& visit);
    // Every product's identifier and barcode number (field24) where it has one, in no order.
    bool selectProductGtins(
        const std::function<void(std::string_view recordId, std::string_view gtin)>& visit);
    // Patterns get "%" appended; the caller supplies any leading "%".
    std::vector<ListRow> Search(const std::string& name, const std::string& maker);
    std::vector<ListRow> Search(const std::string& name, const std::string& maker,
                                const std::string& categoryId);
    int selectSearchCount(const std::string& name, const std::string& maker);
    int selectProductCount();
    int selectSearchCountForCategory(const std::string& name, const std::string& maker,
                                     const std::string& categoryId);
    int selectProductCountForCategory(const std::string& categoryId);
    // categoryId: digits.
    std::vector<CategoryProductRow> selectProductsForCategory(const std::string& categoryId);
    // productId: digits. The first row; nothing when the product is not in the catalogue.
    std::optional<ProductRecord> selectProductDetail(const std::string& productId);
    // categoryId: digits.
    std::vector<CategoryValuesRow> selectProductDetailForCategory(const std::string& categoryId);
    // productId: digits. Nothing when the product is not in the catalogue.
    std::optional<NutritionFactsRow> selectNutritionFacts(const std::string& productId);
    // The category's products handed to visit one by one as they are read,
    // in no order; false, with nothing more visited, when the query fails.
    bool selectChoiceValuesForCategory(const std::string& categoryId,
                                       const std::function<void(const ChoiceValuesView&)>& visit);

    // Figures worked out from a category's products (the detail's category means, and the
    // lights its better choices are ranked by), kept on this object until the catalogue changes.
    // The generation is read before the figures are worked out; figures of an older generation are
    // not kept.
    long catalogueGeneration() const;
    std::optional<std::vector<double>> categoryFigures(const std::string& categoryId) const;
    // The same without a copy, for figures too many to copy on the UI thread; they never change.
    std::shared_ptr<const std::vector<double>>
    keptCategoryFigures(const std::string& categoryId) const;
    void keepCategoryFigures(const std::string& categoryId, std::vector<double> figures,
                             long generation);
    // Said by whoever changed the catalogue (an update page, an own product saved or deleted),
    // through this object or another on the same file.
    void catalogueChanged();
    // The generation at which some work that only a catalogue change makes necessary again was
    // last done (the planner's orphan cleanup), kept here as the screens come and go; -1 before.
    long workDoneAt(const std::string& work) const;
    void keepWorkDoneAt(const std::string& work, long generation);
    std::vector<std::string> selectAllRecordIDFromProductsTable();
    std::vector<CategoryRow> selectCategories();
    std::vector<CategoryRow> selectCategoriesForCategoryScreen();
    // categoryId read as integer; the name, or "" when none.
    std::string selectCategoryForId(const std::string& categoryId);

    // Row 1; nothing when the table has no row or cannot be read.
    std::optional<TimestampRow> selectTimestamp();
    void updateDTimestamp(const std::string& timestamp, const std::string& rows);
    void updateDTimestampRows(const std::string& rows);
    std::string selectMaxTimestamp();
    // The largest field06 of the form "YYYY-MM-DD HH:MM:SS" not after latest; "" when none.
    std::string selectMaxTimestampUpTo(const std::string& latest);
    // The record's 24 fields and its identifier; the first parameter is not used.
    static constexpr std::string_view insertIntoDatabaseFormat =
        "Insert into ProductsTable values ('','0', '%s', "
        "'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s', "
        "'%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s','%d')";
    static constexpr std::size_t insertIntoDatabaseLimit = 1000;
    void insertIntoDatabase(const std::string& ignored, const CatalogueRecord& record);
    // productId read as integer.
    void deleteProductFromMainTable(const std::string& productId);

    // --- Own products ---

    // The new RecordId, or -1 on failure. "|" is removed from name and maker.
    int insertProduct(const std::string& Produktname, const std::string& Hersteller,
                      const std::string& Kategorie, const std::string& Fett,
                      const std::string& GesFette, const std::string& Zucker,
                      const std::string& Natrium, const std::string& Energiewert,
                      const std::string& Sent, const std::string& SortOrder,
                      const std::string& Einheit, const std::string& SalzOrNatrium,
                      const std::string& Produktmenge);
    // Writes the catalogue mirror row. ProductId must be decimal digits; returns its value, or
    // -1 when nothing was written.
    int insertProductToMainTable(const std::string& Produktname, const std::string& Hersteller,
                                 const std::string& Kategorie, const std::string& Fett,
                                 const std::string& GesFette, const std::string& Zucker,
                                 const std::string& Natrium, const std::string& Energiewert,
                                 const std::string& Einheit, const std::string& ProductId,
                                 const std::string& Produktmenge);
    // Refused (nothing written) when either identifier is negative or mainTableId not digits.
    void updateInsertedProductId(const std::string& mainTableId, int productId);
    void updateProductForId(const std::string& Produktname, const std::string& Hersteller,
                            const std::string& Kategorie, const std::string& Fett,
                            const std::string& GesFette, const std::string& Zucker,
                            const std::string& Natrium, const std::string& Energiewert,
                            const std::string& Einheit, const std::string& SalzOrNatrium,
                            const std::string& productId, const std::string& Produktmenge);
    void updateProductForIdInMainTable(const std::string& Produktname,
                                       const std::string& Hersteller, const std::string& Kategorie,
                                       const std::string& Fett, const std::string& GesFette,
                                       const std::string& Zucker, const std::string& Natrium,
                                       const std::string& Energiewert, const std::string& Einheit,
                                       const std::string& productId,
                                       const std::string& Produktmenge);
    // recordId: digits. The first row; nothing when there is none.
    std::optional<OwnProductRecord> selectProductForId(const std::string& recordId);
    std::vector<ListRow> selectProductsSortByProductName();
    std::vector<ListRow> selectProductsBySortOrder();
    void updateProductOrderForId(const std::string& sortOrder, const std::string& recordId);
    // recordId read as integer; "" when none.
    std::string selectMainTableProductIdForId(const std::string& recordId);
    // recordId read as integer.
    void deleteProduct(const std::string& recordId);
    // The own products not yet uploaded.
    std::vector<UploadRow> selectProductsForCsv();
    void updateProductSentFieldForId(const std::string& recordId);

    // --- Favourites ---

    std::vector<FavoriteRow> selectProductFavorite();
    static constexpr std::string_view selectProductFavoriteIdsSql =
        "select recordId from ProductsTable where favFlag = 1";
    std::vector<std::string> selectProductFavoriteIds();
    // productId: digits. Non-empty exactly when the product is a favourite.
    std::vector<ListRow> selectProductFavoriteId(const std::string& productId);
    std::vector<FavoriteRow> selectProductFavoriteCategorywise();
    std::vector<FavoriteRow> selectProductFavoriteByCategoryid(const std::string& categoryId);
    std::vector<FavoriteRow> selectProductFavoriteFolderWise(int productId);
    // Refills namesArr with the favFlag of each row of that product.
    void searchFavNameExist(const std::string& productId);
    // The flag is bound as an integer.
    static constexpr std::string_view setFavoriteFormat =
        "UPDATE ProductsTable SET FavFlag = ?, sortOrder ='%s' where recordId ='%s'";
    static constexpr std::size_t setFavoriteLimit = 3000;
    void setFavorite(const std::string& productId, int favorite, const std::string& sortOrder);
    void updateMainProductOrderForId(const std::string& sortOrder, const std::string& productId);

    // --- Menu folders ---

    // Numerically by position.
    std::vector<FolderRow> selectMenuItemsSortByOrder();
    std::vector<FolderRow> selectMenuItemsSortByRecordID();
    void insertIntoMenuFolder(const std::string& sortOrder, const std::string& name,
                              const std::string& calory, int recordId,
                              const std::string& localized);
    void updateMenuItemsSortByOrder(const std::string& sortOrder, const std::string& folderId);
    // folderId read as integer (also for the two below).
    void deleteMenuItemsSortByOrder(const std::string& folderId);
    std::string selectCaloryValueForUpdation(const std::string& folderId);
    void updateCaloryValueForUpdation(const std::string& calory, const std::string& folderId);

    // --- Folder membership ---

    void insertIntoFavorite_Menulistfolder(const std::string& productId,
                                           const std::string& folderId);
    std::vector<std::string> selectProductsFavoriteExistToFolder(const std::string& folderId,
                                                                 const std::string& productId);
    std::vector<std::string> selectProductsAccordingToFolder(const std::string& folderId);
    std::vector<std::string> selectFoldersAccordingToProduct(const std::string& productId);
    std::vector<std::string> selectAllRecordIDFromFavoriteTable();
    void deleteFavoriteFromMenuFolder(const std::string& productId, const std::string& folderId);
    void deleteMenuFolderFavoriteItems(const std::string& folderId);
    void deleteProductFromFavoriteMenuFolder(const std::string& productId);

    // --- Consumption rows ---

    void newUpdateIntoEditConsumptionTable(
        const std::string& recordId, const std::string& product_name,
        const std::string& manufactor_name, const std::string& category, const std::string& gm,
        const std::string& fat, const std::string& saturated, const std::string& sugar,
        const std::string& salt, const std::string& calory, const std::string& menufolderid);
    void updateIntoEditConsumptionTable(const std::string& gm, const std::string& fat,
                                        const std::string& saturated, const std::string& sugar,
                                        const std::string& salt, const std::string& calory,
                                        const std::string& recordId, const std::string& folderid);
    std::vector<ConsumptionRow> selectProductDetailForEdit(const std::string& productId,
                                                           const std::string& folderid);
    // productId: digits (also for selectEinheitForId).
    std::string selectCaloryForId(const std::string& productId, const std::string& folderid);
    std::string selectEinheitForId(const std::string& productId, const std::string& folderid);
    std::string selectCaloryValueFromEditConsumptionForUpdation(const std::string& productId,
                                                                const std::string& folderid);
    std::vector<std::string> selectFolderIdFromProductID(const std::string& productId);
    void deleteFavoriteFromEditConsumptionAccordingtoItems(const std::string& productId,
                                                           const std::string& folderid);
    void deleteFavoriteFromEditConsumptionAccordingtoFolder(const std::string& folderId);
    void deleteProductFromEditConsumption(const std::string& productId);

    // --- Settings and personal profile ---

    // Row 1; nothing when the table has no row or cannot be read.
    std::optional<SettingsRow> selectSettings();
    void updateSettings(const std::string& liveSearch, const std::string& localizationVal,
                        const std::string& imperialUnitsVal);
    // The first row; nothing when there is none (the profile table may be missing).
    std::optional<ProfileRow> selectPersonalProfileData();
    void updatePersonalSettings(const std::string& gender, const std::string& age,
                                const std::string& height, const std::string& weight,
                                const std::string& bmi, const std::string& ideal_weight,
                                const std::string& activity_level, const std::string& daily_cal,
                                const std::string& usheight, const std::string& usweight,
                                const std::string& metricused);
    std::string selectCaloryValueFromPersonalProfileTable();

private:
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
    mutable std::mutex figuresMutex_;
    long catalogueGeneration_ = 0;
    std::map<std::string, std::shared_ptr<const std::vector<double>>> categoryFigures_;
    std::map<std::string, long> workDoneAt_;
    std::atomic<bool> interrupted_{false};
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
