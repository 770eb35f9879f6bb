// Products the user enters: the Products table and their mirror rows in the catalogue. A view on
// a Database: construct one where needed; it runs on the Database's connection and thread rules.
#pragma once

#include "store/Database.h"

namespace tolvane {

class OwnProductStore {
public:
    explicit OwnProductStore(Database& database) : db_(database) {}

    // The new RecordId, or -1 on failure. "|" is removed from name and maker.
    int insertProduct(const std::string& Produktname, const std::string& Hersteller,
                      const std::string& Kategorie, const std::string& Fett,
                      const std::string& GesFette, const std::string& Zucker,
                      const std::string& Natrium, const std::string& Energiewert,
                      const std::string& Sent, const std::string& SortOrder,
                      const std::string& Einheit, const std::string& SalzOrNatrium,
                      const std::string& Produktmenge);
    // Writes the catalogue mirror row; returns its identifier, or -1 when nothing was written
    // (also for a negative ProductId, which a failed first insert hands on).
    long long insertProductToMainTable(const std::string& Produktname,
                                       const std::string& Hersteller, const std::string& Kategorie,
                                       const std::string& Fett, const std::string& GesFette,
                                       const std::string& Zucker, const std::string& Natrium,
                                       const std::string& Energiewert, const std::string& Einheit,
                                       ProductId productId, const std::string& Produktmenge);
    // Refused (nothing written) when either identifier is negative.
    void updateInsertedProductId(ProductId mainTableId, OwnProductId productId);
    void updateProductForId(const std::string& Produktname, const std::string& Hersteller,
                            const std::string& Kategorie, const std::string& Fett,
                            const std::string& GesFette, const std::string& Zucker,
                            const std::string& Natrium, const std::string& Energiewert,
                            const std::string& Einheit, const std::string& SalzOrNatrium,
                            OwnProductId productId, const std::string& Produktmenge);
    void updateProductForIdInMainTable(const std::string& Produktname,
                                       const std::string& Hersteller, const std::string& Kategorie,
                                       const std::string& Fett, const std::string& GesFette,
                                       const std::string& Zucker, const std::string& Natrium,
                                       const std::string& Energiewert, const std::string& Einheit,
                                       OwnProductId productId, const std::string& Produktmenge);
    // The first row; nothing when there is none.
    std::optional<OwnProductRecord> selectProductForId(OwnProductId recordId);
    std::vector<ListRow> selectProductsSortByProductName();
    std::vector<ListRow> selectProductsBySortOrder();
    void updateProductOrderForId(const std::string& sortOrder, OwnProductId recordId);
    // The stored link (NULL read as 0); nothing when the product has no row.
    std::optional<ProductId> selectMainTableProductIdForId(OwnProductId recordId);
    void deleteProduct(OwnProductId recordId);
    // The own products not yet uploaded.
    std::vector<UploadRow> selectProductsForCsv();
    void updateProductSentFieldForId(OwnProductId recordId);

    // An own product's barcode lives in its catalogue row's article number (field24), where the
    // barcode index reads every product's; empty text clears it.
    void updateProductGtinForId(const std::string& gtin, OwnProductId productId);
    // Empty when none was entered or the product has no catalogue row.
    std::string selectProductGtinForId(OwnProductId productId);
    // The own product a catalogue row belongs to; nothing for a catalogue product.
    std::optional<OwnProductId> selectProductIdForMainTableId(ProductId mainTableId);

private:
    Database& db_;
};

} // namespace tolvane
