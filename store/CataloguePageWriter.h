// The writes of one catalogue update page: read the favourites, delete, insert, re-mark a
// favourite, work a filed product's consumption rows out anew. Made inside a
// checked transaction of the Database (Database::runInCheckedTransaction) and destroyed before
// it ends. Bound mode prepares each statement once and binds the values per row; Composed mode
// calls the stores' operations, which write the values into their statement texts. Both
// store the same rows and report a failed write to the transaction; the bound statements have
// no length limit, as no statement text is composed, but refuse zero bytes just as well.
#pragma once

#include "format/CatalogueRecord.h"
#include "store/Ids.h"
#include "store/Rows.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class CataloguePageWriter {
public:
    enum class Mode { Bound, Composed };

    explicit CataloguePageWriter(Database& database, Mode mode = Mode::Bound);
    ~CataloguePageWriter();
    CataloguePageWriter(const CataloguePageWriter&) = delete;
    CataloguePageWriter& operator=(const CataloguePageWriter&) = delete;

    // As PlannerStore::selectProductFavoriteIds; a read that fails fails the transaction.
    std::vector<std::string> selectProductFavoriteIds();
    // As CatalogueStore::deleteProductFromMainTable, insertIntoDatabase and
    // PlannerStore::setFavorite.
    void deleteProductFromMainTable(ProductId productId);
    void insertIntoDatabase(const CatalogueRecord& record);
    // Whether the Bound insert takes the record.
    static bool storable(const CatalogueRecord& record);
    void setFavorite(ProductId productId, int favorite, const std::string& sortOrder);

    // The values per 100 and the unit of those of the records' products that are filed in a
    // folder, as the file holds them before the page replaces them.
    struct FiledValues {
        NutrientColumns per100;
        std::string unit;
    };
    std::map<long long, FiledValues> filedValues(const std::vector<CatalogueRecord>& records);
    // When the record changes a filed product's values: each of its consumption rows is worked
    // out anew from the new values for the row's amount, and the folder's calorie total moves by
    // the change in the row's calories.
    void refile(const CatalogueRecord& record, const FiledValues& before);

private:
    struct Statements;
    // True, failing the transaction, once the Database was interrupted.
    bool stopped();

    Database& database_;
    Mode mode_;
    std::unique_ptr<Statements> statements_;
};

} // namespace tolvane
