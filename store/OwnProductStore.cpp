#include "store/OwnProductStore.h"

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

int OwnProductStore::insertProduct(const std::string& Produktname, const std::string& Hersteller,
                                   const std::string& Kategorie, const std::string& Fett,
                                   const std::string& GesFette, const std::string& Zucker,
                                   const std::string& Natrium, const std::string& Energiewert,
                                   const std::string& Sent, const std::string& SortOrder,
                                   const std::string& Einheit, const std::string& SalzOrNatrium,
                                   const std::string& Produktmenge) {
    db_.log_.write("produktmenge " + Produktmenge);
    const long long id = db_.executeInsert(db_.compose(
        "insertProduct", 5000,
        "Insert into Products(Produktname, Hersteller, Kategorie,Fett,GesFette,Zucker, Natrium, "
        "Energiewert, Sentfield, Sortorder, Einheit, SalzOrNatrium, Produktmenge) values "
        "('%s','%s','%s','%s','%s','%s','%s','%s','%s','%s', '%s','%s','%s')",
        {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett, GesFette,
         Zucker, Natrium, Energiewert, Sent, SortOrder, Einheit, SalzOrNatrium, Produktmenge}));
    if (id < 0 || id > 0x7fffffffLL) return -1;
    return static_cast<int>(id);
}

long long OwnProductStore::insertProductToMainTable(
    const std::string& Produktname, const std::string& Hersteller, const std::string& Kategorie,
    const std::string& Fett, const std::string& GesFette, const std::string& Zucker,
    const std::string& Natrium, const std::string& Energiewert, const std::string& Einheit,
    ProductId productId, const std::string& Produktmenge) {
    // A failed first insert hands on -1; no catalogue row may appear under it.
    if (productId.value < 0) {
        db_.log_.write("insertProductToMainTable: refused product id " + productId.text());
        return -1;
    }
    const bool written = db_.execute(db_.compose(
        "insertProductToMainTable", 5000,
        "Insert into ProductsTable(sortOrder, favFlag, field01, field02, "
        "field03,field13,field14,field12, field15, field10, field08, recordId, field05) values "
        "('','0','%s','%s','%s','%s','%s','%s','%s','%s','%s','%s', '%s')",
        {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett, GesFette,
         Zucker, Natrium, Energiewert, Einheit, productId.text(), Produktmenge}));
    return written ? productId.value : -1;
}

void OwnProductStore::updateInsertedProductId(ProductId mainTableId, OwnProductId productId) {
    if (productId.value < 0 || mainTableId.value < 0) {
        db_.log_.write("updateInsertedProductId: refused ids " + mainTableId.text() + ", " +
                       productId.text());
        return;
    }
    db_.execute(db_.compose("updateInsertedProductId", 5000,
                            "UPDATE Products SET MainTableRecordId  = '%s' where RecordId = %d",
                            {mainTableId.text(), productId.value}));
}

void OwnProductStore::updateProductForId(
    const std::string& Produktname, const std::string& Hersteller, const std::string& Kategorie,
    const std::string& Fett, const std::string& GesFette, const std::string& Zucker,
    const std::string& Natrium, const std::string& Energiewert, const std::string& Einheit,
    const std::string& SalzOrNatrium, OwnProductId productId, const std::string& Produktmenge) {
    db_.execute(db_.compose(
        "updateProductForId", 5000,
        "UPDATE Products SET Produktname  = '%s'  , Hersteller  = '%s'  , "
        "Kategorie  = '%s' ,Fett  = '%s' ,GesFette  = '%s' ,Zucker  = '%s' , "
        "Natrium  = '%s' , Energiewert  = '%s', Einheit = '%s', SalzOrNatrium = "
        "'%s', Produktmenge = '%s' where RecordId = '%s'",
        {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett, GesFette,
         Zucker, Natrium, Energiewert, Einheit, SalzOrNatrium, Produktmenge, productId.text()}));
}

void OwnProductStore::updateProductForIdInMainTable(
    const std::string& Produktname, const std::string& Hersteller, const std::string& Kategorie,
    const std::string& Fett, const std::string& GesFette, const std::string& Zucker,
    const std::string& Natrium, const std::string& Energiewert, const std::string& Einheit,
    OwnProductId productId, const std::string& Produktmenge) {
    db_.execute(db_.compose(
        "updateProductForIdInMainTable", 5000,
        "UPDATE ProductsTable SET field01  = '%s'  , field02  = '%s'  , field03  = "
        "'%s' ,field13  = '%s' ,field14  = '%s' ,field12  = '%s' , field15  = '%s' "
        ", field10  = '%s', field08 = '%s', field05 = '%s' where recordId = (Select "
        "MainTableRecordId from Products where RecordId = '%s') ",
        {withoutSeparators(Produktname), withoutSeparators(Hersteller), Kategorie, Fett, GesFette,
         Zucker, Natrium, Energiewert, Einheit, Produktmenge, productId.text()}));
}

std::optional<OwnProductRecord> OwnProductStore::selectProductForId(OwnProductId recordId) {
    return db_.queryFirst(
        db_.compose("selectProductForId", 0,
                    "SELECT Produktname, Hersteller, Kategorie,Fett,GesFette,Zucker, "
                    "Natrium, Energiewert, Sentfield, Einheit, SalzOrNatrium, "
                    "Produktmenge FROM Products WHERE RecordId = %s",
                    {recordId.text()}),
        [](const Database::Columns& row) {
            return OwnProductRecord{
                row.text(0),  row.text(1),
                row.text(2),  {row.text(3), row.text(4), row.text(5), row.text(6), row.text(7)},
                row.text(8),  row.text(9),
                row.text(10), row.text(11)};
        });
}

std::vector<ListRow> OwnProductStore::selectProductsSortByProductName() {
    return db_.queryRows(
        db_.compose("selectProductsSortByProductName", 0,
                    "Select RecordId, Produktname, Hersteller from Products ORDER BY "
                    "Produktname"),
        [](const Database::Columns& row) { return idNameMaker(row); });
}

std::vector<ListRow> OwnProductStore::selectProductsBySortOrder() {
    return db_.queryRows(
        db_.compose("selectProductsBySortOrder", 0,
                    "Select RecordId, Produktname, Hersteller,Sortorder from Products "
                    "ORDER BY Sortorder"),
        [](const Database::Columns& row) { return idNameMaker(row); });
}

void OwnProductStore::updateProductOrderForId(const std::string& sortOrder, OwnProductId recordId) {
    db_.execute(db_.compose("updateProductOrderForId", 5000,
                            "UPDATE Products SET Sortorder  = '%s' where RecordId = '%s'",
                            {sortOrder, recordId.text()}));
}

std::optional<ProductId> OwnProductStore::selectMainTableProductIdForId(OwnProductId recordId) {
    const std::string link = db_.queryLast(db_.compose("selectMainTableProductIdForId", 0,
                                                       "select MainTableRecordId from Products "
                                                       "where RecordId = %d",
                                                       {recordId.value}),
                                           true);
    if (link.empty()) return std::nullopt;
    return ProductId::of(link);
}

void OwnProductStore::deleteProduct(OwnProductId recordId) {
    db_.execute(db_.compose("deleteProduct", 100, "Delete from Products where RecordId = %d",
                            {recordId.value}));
}

std::vector<UploadRow> OwnProductStore::selectProductsForCsv() {
    return db_.queryRows(
        db_.compose("selectProductsForCsv", 0,
                    "Select RecordId, Produktname, Hersteller, "
                    "Kategorie,Fett,GesFette,Zucker, Natrium, Energiewert, Einheit, "
                    "Produktmenge from Products where Sentfield ='0'"),
        [](const Database::Columns& row) {
            return UploadRow{row.integer(0),
                             row.text(1),
                             row.text(2),
                             row.text(3),
                             {row.text(4), row.text(5), row.text(6), row.text(7), row.text(8)},
                             row.text(9),
                             row.text(10)};
        });
}

void OwnProductStore::updateProductSentFieldForId(OwnProductId recordId) {
    db_.execute(db_.compose("updateProductSentFieldForId", 5000,
                            "UPDATE Products SET Sentfield  = '1' where RecordId = '%s'",
                            {recordId.text()}));
}

void OwnProductStore::updateProductGtinForId(const std::string& gtin, OwnProductId productId) {
    db_.execute(db_.compose("updateProductGtinForId", 5000,
                            "UPDATE ProductsTable SET field24 = NULLIF('%s', '') where recordId = "
                            "(Select MainTableRecordId from Products where RecordId = '%s')",
                            {gtin, productId.text()}));
}

std::string OwnProductStore::selectProductGtinForId(OwnProductId productId) {
    return db_.queryLast(db_.compose("selectProductGtinForId", 0,
                                     "select field24 from ProductsTable where recordId = (Select "
                                     "MainTableRecordId from Products where RecordId = '%s')",
                                     {productId.text()}));
}

std::optional<OwnProductId> OwnProductStore::selectProductIdForMainTableId(ProductId mainTableId) {
    const std::string id =
        db_.queryLast(db_.compose("selectProductIdForMainTableId", 0,
                                  "select RecordId from Products where MainTableRecordId = '%s'",
                                  {mainTableId.text()}),
                      true);
    if (id.empty()) return std::nullopt;
    return OwnProductId::of(id);
}

} // namespace tolvane
