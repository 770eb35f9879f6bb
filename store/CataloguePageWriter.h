// The writes of one catalogue update page: read the favourites, delete, insert, re-mark a
// favourite. Made inside a
// checked transaction of the Database (Database::runInCheckedTransaction) and destroyed before
// it ends. Bound mode prepares each statement once and binds the values per row; Composed mode
// calls the Database's own operations, which write the values into their statement texts. Both
// store the same rows and report a failed write to the transaction; the bound statements have
// no length limit, as no statement text is composed, but refuse zero bytes just as well.
#pragma once

#include "format/CatalogueRecord.h"

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

    // As Database::selectProductFavoriteIds; a read that fails fails the transaction.
    std::vector<std::string> selectProductFavoriteIds();
    // As Database::deleteProductFromMainTable, insertIntoDatabase and setFavorite.
    void deleteProductFromMainTable(const std::string& productId);
    void insertIntoDatabase(const CatalogueRecord& record);
    // Whether the Bound insert takes the record.
    static bool storable(const CatalogueRecord& record);
    void setFavorite(const std::string& productId, int favorite, const std::string& sortOrder);

private:
    struct Statements;
    // True, failing the transaction, once the Database was interrupted.
    bool stopped();

    Database& database_;
    Mode mode_;
    std::unique_ptr<Statements> statements_;
};

} // namespace tolvane
