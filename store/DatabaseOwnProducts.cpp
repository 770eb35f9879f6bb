// Products the user enters: the Products table and their mirror rows in the catalogue.
#include "store/Database.h"

#include "store/Columns.h"

#include <algorithm>

namespace tolvane {

namespace {

// An own product's name and maker are stored without "|", whichever screen saves them, as they
// always have been.
std::string withoutSeparators(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '|'), text.end());
    return text;
}

// RecordId read as integer, name, maker.
ListRow idNameMaker(const auto& row) {
    return {row.text(1), row.text(2), row.integer(0)};
}

} // namespace

int Database::insertProduct(const std::string& Produktname, const std::string& Hersteller,
                            const std::string& Kategorie, const std::string& Fett,
                            const std::string& GesFette, const std::string& Zucker,
                            const std::string& Natrium, const std::string& Energiewert,
                            const std::string& Sent, const std::string& SortOrder,
                            const std::string& Einheit, const std::string& SalzOrNatrium,
                            const std::string& Produktmenge) {
    log_.write("produktmenge " + Produktmenge);
    const long long id = executeInsert(compose(
        "insertProduct", 5000,
        "Insert into Products(Produktname, Hersteller, Kategorie,Fett,GesFette,Zucker, Natrium, "
        "Energiewert, Sentfield, Sortorder, Einheit, SalzOrNatrium, Produktmenge) values "
        "('%s','%s','%s','%s','%s','%s','%s','%s','%s','%s', '%s','%s','%s')",
        {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett, GesFette,
         Zucker, Natrium, Energiewert, Sent, SortOrder, Einheit, SalzOrNatrium, Produktmenge}));
    if (id < 0 || id > 0x7fffffffLL) return -1;
    return static_cast<int>(id);
}

int Database::insertProductToMainTable(const std::string& Produktname,
                                       const std::string& Hersteller, const std::string& Kategorie,
                                       const std::string& Fett, const std::string& GesFette,
                                       const std::string& Zucker, const std::string& Natrium,
                                       const std::string& Energiewert, const std::string& Einheit,
                                       const std::string& ProductId,
                                       const std::string& Produktmenge) {
    // A failed first insert hands on -1; no catalogue row may appear under it.
    if (!isDecimalDigits(ProductId)) {
        log_.write("insertProductToMainTable: refused product id '" + ProductId + "'");
        return -1;
    }
    const bool written = execute(compose(
        "insertProductToMainTable", 5000,
        "Insert into ProductsTable(sortOrder, favFlag, field01, field02, "
        "field03,field13,field14,field12, field15, field10, field08, recordId, field05) values "
        "('','0','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s', '%s')",
        {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett, GesFette,
         Zucker, Natrium, Energiewert, Einheit, ProductId, Produktmenge}));
    return written ? integerValue(ProductId) : -1;
}

void Database::updateInsertedProductId(const std::string& mainTableId, int productId) {
    if (productId < 0 || !isDecimalDigits(mainTableId)) {
        log_.write("updateInsertedProductId: refused ids '" + mainTableId + "', " +
                   formatInt(productId));
        return;
    }
    execute(compose("updateInsertedProductId", 5000,
                    "UPDATE Products SET MainTableRecordId  = '%s' where RecordId = %d",
                    {mainTableId, productId}));
}

void Database::updateProductForId(const std::string& Produktname, const std::string& Hersteller,
                                  const std::string& Kategorie, const std::string& Fett,
                                  const std::string& GesFette, const std::string& Zucker,
                                  const std::string& Natrium, const std::string& Energiewert,
                                  const std::string& Einheit, const std::string& SalzOrNatrium,
                                  const std::string& productId, const std::string& Produktmenge) {
    execute(compose("updateProductForId", 5000,
                    "UPDATE Products SET Produktname  = '%s'  , Hersteller  = '%s'  , "
                    "Kategorie  = '%s' ,Fett  = '%s' ,GesFette  = '%s' ,Zucker  = '%s' , "
                    "Natrium  = '%s' , Energiewert  = '%s', Einheit = '%s', SalzOrNatrium = "
                    "'%s', Produktmenge = '%s' where RecordId = '%s'",
                    {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett,
                     GesFette, Zucker, Natrium, Energiewert, Einheit, SalzOrNatrium, Produktmenge,
                     productId}));
}

void Database::updateProductForIdInMainTable(
    const std::string& Produktname, const std::string& Hersteller, const std::string& Kategorie,
    const std::string& Fett, const std::string& GesFette, const std::string& Zucker,
    const std::string& Natrium, const std::string& Energiewert, const std::string& Einheit,
    const std::string& productId, const std::string& Produktmenge) {
    execute(compose("updateProductForIdInMainTable", 5000,
                    "UPDATE ProductsTable SET field01  = '%s'  , field02  = '%s'  , field03  = "
                    "'%s' ,field13  = '%s' ,field14  = '%s' ,field12  = '%s' , field15  = '%s' "
                    ", field10  = '%s', field08 = '%s', field05 = '%s' where recordId = (Select "
                    "MainTableRecordId from Products where RecordId = '%s') ",
                    {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett,
                     GesFette, Zucker, Natrium, Energiewert, Einheit, Produktmenge, productId}));
}

std::optional<OwnProductRecord> Database::selectProductForId(const std::string& recordId) {
    return queryFirst(
        compose("selectProductForId", 0,
                "SELECT Produktname, Hersteller, Kategorie,Fett,GesFette,Zucker, "
                "Natrium, Energiewert, Sentfield, Einheit, SalzOrNatrium, "
                "Produktmenge FROM Products WHERE RecordId = %s",
                {recordId}),
        [](const Columns& row) {
            return OwnProductRecord{
                row.text(0),  row.text(1),
                row.text(2),  {row.text(3), row.text(4), row.text(5), row.text(6), row.text(7)},
                row.text(8),  row.text(9),
                row.text(10), row.text(11)};
        });
}

std::vector<ListRow> Database::selectProductsSortByProductName() {
    return queryRows(compose("selectProductsSortByProductName", 0,
                             "Select RecordId, Produktname, Hersteller from Products ORDER BY "
                             "Produktname"),
                     [](const Columns& row) { return idNameMaker(row); });
}

std::vector<ListRow> Database::selectProductsBySortOrder() {
    return queryRows(compose("selectProductsBySortOrder", 0,
                             "Select RecordId, Produktname, Hersteller,Sortorder from Products "
                             "ORDER BY Sortorder"),
                     [](const Columns& row) { return idNameMaker(row); });
}

void Database::updateProductOrderForId(const std::string& sortOrder, const std::string& recordId) {
    execute(compose("updateProductOrderForId", 5000,
                    "UPDATE Products SET Sortorder  = '%s' where RecordId = '%s'",
                    {sortOrder, recordId}));
}

std::string Database::selectMainTableProductIdForId(const std::string& recordId) {
    return queryLast(compose("selectMainTableProductIdForId", 0,
                             "select MainTableRecordId from Products where RecordId = %d",
                             {integerValue(recordId)}),
                     true);
}

void Database::deleteProduct(const std::string& recordId) {
    execute(compose("deleteProduct", 100, "Delete from Products where RecordId = %d",
                    {integerValue(recordId)}));
}

std::vector<UploadRow> Database::selectProductsForCsv() {
    return queryRows(compose("selectProductsForCsv", 0,
                             "Select RecordId, Produktname, Hersteller, "
                             "Kategorie,Fett,GesFette,Zucker, Natrium, Energiewert, Einheit, "
                             "Produktmenge from Products where Sentfield ='0'"),
                     [](const Columns& row) {
                         return UploadRow{
                             row.integer(0),
                             row.text(1),
                             row.text(2),
                             row.text(3),
                             {row.text(4), row.text(5), row.text(6), row.text(7), row.text(8)},
                             row.text(9),
                             row.text(10)};
                     });
}

void Database::updateProductSentFieldForId(const std::string& recordId) {
    execute(compose("updateProductSentFieldForId", 5000,
                    "UPDATE Products SET Sentfield  = '1' where RecordId = '%s'", {recordId}));
}

} // namespace tolvane
