#include "store/CataloguePageWriter.h"

#include "store/CatalogueStore.h"
#include "store/Columns.h"
#include "store/Database.h"
#include "store/PlannerStore.h"
#include "text/IntegerValue.h"

#include "nutrition/Consumption.h"
#include "nutrition/FolderRules.h"

#include <sqlite3.h>

#include <array>
#include <set>
#include <string>

namespace tolvane {

namespace {

// The same statements as the Database's composed ones, with parameters where the values were.
constexpr const char* deleteSql = "Delete from ProductsTable where recordId = ?1";
constexpr const char* insertSql =
    "Insert into ProductsTable values ('','0', ?1, ?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13, "
    "?14,?15,?16,?17,?18,?19,?20,?21,?22,?23,?24,?25)";
constexpr const char* favoriteSql =
    "UPDATE ProductsTable SET FavFlag = ?1, sortOrder = ?2 where recordId = ?3";

bool bindText(sqlite3_stmt* statement, int index, const std::string& text) {
    return sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()),
                             SQLITE_STATIC) == SQLITE_OK;
}

// Texts with a zero byte are refused as the composed statements refuse them.
bool holdsZero(const std::string& text) {
    return text.find('\0') != std::string::npos;
}

NutrientColumns nutrientsOf(const CatalogueRecord& record) {
    return {record[CatalogueField::Fat], record[CatalogueField::SaturatedFat],
            record[CatalogueField::Sugar], record[CatalogueField::Salt],
            record[CatalogueField::EnergyKcal]};
}

} // namespace

struct CataloguePageWriter::Statements {
    std::array<sqlite3_stmt*, 3> handles{};
    sqlite3_stmt* remove() const { return handles[0]; }
    sqlite3_stmt* insert() const { return handles[1]; }
    sqlite3_stmt* favorite() const { return handles[2]; }

    explicit Statements(sqlite3* db) {
        const std::array<const char*, 3> texts{deleteSql, insertSql, favoriteSql};
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (sqlite3_prepare_v3(db, texts[i], -1, SQLITE_PREPARE_PERSISTENT, &handles[i],
                                   nullptr) != SQLITE_OK)
                handles[i] = nullptr;
    }
    ~Statements() {
        for (auto* handle : handles)
            sqlite3_finalize(handle);
    }
    Statements(const Statements&) = delete;
    Statements& operator=(const Statements&) = delete;

    // Steps a bound statement once and makes it ready for the next row. SQLite's result; -1
    // when there is no statement or it is not bound.
    static int run(sqlite3_stmt* statement, bool bound) {
        if (statement == nullptr) return -1;
        const int result = bound ? sqlite3_step(statement) : -1;
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return result;
    }
};

CataloguePageWriter::CataloguePageWriter(Database& database, Mode mode)
    : database_(database), mode_(mode) {
    std::lock_guard lock(database_.mutex_);
    // Statements live on the transaction's connection; outside one every write opens its own.
    if (mode_ == Mode::Bound && database_.transaction_ != nullptr)
        statements_ = std::make_unique<Statements>(database_.transaction_);
    else
        mode_ = Mode::Composed;
}

CataloguePageWriter::~CataloguePageWriter() = default;

bool CataloguePageWriter::stopped() {
    // Interrupted between two rows, or the transaction lost: the rest of the page is not
    // written either.
    if (!database_.interrupted() && !database_.transactionLost()) return false;
    database_.noteFailedWrite();
    return true;
}

std::vector<std::string> CataloguePageWriter::selectProductFavoriteIds() {
    std::lock_guard lock(database_.mutex_);
    std::vector<std::string> ids;
    if (stopped()) return ids;
    // On the transaction's connection in either mode; a read that fails fails the transaction.
    database_.queryEach(std::string(PlannerStore::selectProductFavoriteIdsSql),
                        [&](const Database::Columns& row) { ids.push_back(row.text(0)); });
    return ids;
}

void CataloguePageWriter::deleteProductFromMainTable(ProductId productId) {
    if (mode_ == Mode::Composed)
        return CatalogueStore(database_).deleteProductFromMainTable(productId);
    std::lock_guard lock(database_.mutex_);
    if (stopped()) return;
    sqlite3_stmt* statement = statements_->remove();
    const int result = Statements::run(
        statement,
        statement != nullptr && sqlite3_bind_int64(statement, 1, productId.value) == SQLITE_OK);
    if (result != SQLITE_DONE) database_.noteFailedWrite(result);
}

bool CataloguePageWriter::storable(const CatalogueRecord& record) {
    for (const std::string& field : record.fields)
        if (holdsZero(field)) return false;
    return true;
}

void CataloguePageWriter::insertIntoDatabase(const CatalogueRecord& record) {
    if (mode_ == Mode::Composed) return CatalogueStore(database_).insertIntoDatabase("", record);
    std::lock_guard lock(database_.mutex_);
    if (stopped()) return;
    sqlite3_stmt* statement = statements_->insert();
    bool bound = statement != nullptr && storable(record);
    int index = 1;
    for (const std::string& field : record.fields)
        bound = bound && bindText(statement, index++, field);
    bound = bound && sqlite3_bind_int64(statement, index, record.id) == SQLITE_OK;
    const int result = Statements::run(statement, bound);
    if (result != SQLITE_DONE) database_.noteFailedWrite(result);
}

void CataloguePageWriter::setFavorite(ProductId productId, int favorite,
                                      const std::string& sortOrder) {
    if (mode_ == Mode::Composed)
        return PlannerStore(database_).setFavorite(productId, favorite, sortOrder);
    std::lock_guard lock(database_.mutex_);
    if (stopped()) return;
    sqlite3_stmt* statement = statements_->favorite();
    const bool bound = statement != nullptr && !holdsZero(sortOrder) &&
                       sqlite3_bind_int(statement, 1, favorite) == SQLITE_OK &&
                       bindText(statement, 2, sortOrder) &&
                       bindText(statement, 3, productId.text());
    const int result = Statements::run(statement, bound);
    if (result != SQLITE_DONE) database_.noteFailedWrite(result);
}

std::map<long long, CataloguePageWriter::FiledValues>
CataloguePageWriter::filedValues(const std::vector<CatalogueRecord>& records) {
    std::map<long long, FiledValues> filed;
    // A file without the planner's tables (one the update tool fills) has nothing filed.
    if (stopped() || records.empty() || !database_.tableExists("Favorite_Menufolder")) return filed;
    // The filed products are few; a page's products many.
    std::set<long long> inFolders;
    PlannerStore planner(database_);
    for (const std::string& id : planner.selectAllRecordIDFromFavoriteTable())
        inFolders.insert(integerValue64(id));
    for (const CatalogueRecord& record : records) {
        if (!inFolders.contains(record.id) || filed.contains(record.id)) continue;
        // One filed while it was missing from the catalogue is worked out anew all the same.
        const auto old = CatalogueStore(database_).selectProductDetail(ProductId{record.id});
        filed.emplace(record.id, old ? FiledValues{old->nutrients, old->unit} : FiledValues{});
    }
    return filed;
}

void CataloguePageWriter::refile(const CatalogueRecord& record, const FiledValues& before) {
    const NutrientColumns now = nutrientsOf(record);
    const std::string& unit = record[CatalogueField::Unit];
    if (stopped() || (now == before.per100 && unit == before.unit)) return;
    const NutrientTexts per100{now.fat, now.saturatedFat, now.sugar, now.salt, now.kcal};
    const ProductId productId{record.id};
    PlannerStore planner(database_);
    std::set<std::string> done; // a folder named twice is worked out once
    for (const std::string& folderText : planner.selectFoldersAccordingToProduct(productId)) {
        if (!done.insert(folderText).second) continue;
        const FolderId folderId = FolderId::of(folderText);
        const auto rows = planner.selectProductDetailForEdit(productId, folderId);
        if (rows.empty()) continue;
        const ConsumptionRowValues row = consumptionRowValues(per100, unit, rows.back().gm);
        const auto& v = row.values;
        planner.updateIntoEditConsumptionTable(row.gm, v[0], v[1], v[2], v[3], v[4], productId,
                                               folderId);
        const std::string total = planner.selectCaloryValueForUpdation(folderId);
        planner.updateCaloryValueForUpdation(
            adjustedCalorieTotal(total, rows.back().nutrients.kcal, v[4]), folderId);
    }
}

} // namespace tolvane
