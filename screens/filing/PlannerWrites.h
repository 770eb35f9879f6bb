// The planner's changes that take several store calls: filing a product into a folder, taking it
// out, deleting a folder, saving a consumption row, removing products gone from the catalogue.
// Each runs in one transaction and reads back what it wrote, so a failure midway leaves nothing
// half done (no total raised without its consumption row, no membership left to a folder id
// that a new folder takes again). Totals change by integer values and are never written from a
// read that failed.
#pragma once

#include "nutrition/Consumption.h"
#include "store/PlannerStore.h"
#include "store/Rows.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class PlannerWrites {
public:
    explicit PlannerWrites(Database& db) : db_(db) {}

    enum class Filing { Filed, AlreadyFiled, Gone, Failed };
    // Membership, total plus the integer energy, and the row "100 of the unit" with the
    // product's values. Nothing for a product no longer in the catalogue (Gone): its row could
    // neither be shown nor taken out again.
    Filing fileProduct(const ProductRecord& product, FolderId folderId);
    // Total minus the item's integer calories, then membership and row deleted.
    bool unfileProduct(ProductId productId, FolderId folderId);
    // As unfileProduct, and the favourite mark cleared when no folder holds the product now.
    bool removeFromFolder(ProductId productId, FolderId folderId);
    // The folder row, its memberships and its consumption rows.
    bool deleteFolder(FolderId folderId);

    enum class Saving { Saved, NoRow, Failed };
    // Writes the row and corrects the total by the change in calories; nothing at all when the
    // row is gone (the product left the folder meanwhile).
    Saving saveConsumption(ProductId productId, FolderId folderId, const Consumption& values);

    // Takes a product out of every folder that holds it.
    bool cleanOrphanProduct(ProductId productId);

    // The folders that hold the product, and the calories its rows plan in them together (an
    // integer text).
    struct Filed {
        int folders = 0;
        std::string calories = "0";
    };
    Filed filedIn(ProductId productId);
    // A favourite is a product filed in a folder: taken out of every folder (totals corrected),
    // it loses its mark too.
    bool removeFavorite(ProductId productId);
    // Takes every filed product that is not among the catalogue ids out of its folders; returns
    // how many products were cleaned. An empty id list is a failed read, never an empty
    // catalogue (own products are in it too): then nothing is done and the answer is -1.
    int cleanOrphans();

    // Sort orders "0", "1", ... in the given order.
    bool writeFolderOrder(const std::vector<FolderId>& folderIds);
    bool writeFavoriteOrder(const std::vector<ProductId>& productIds);

private:
    // The stored total; "" when the folder exists with an empty total (counts as 0); nothing
    // when the folder cannot be found.
    std::optional<std::string> folderTotal(FolderId folderId);
    bool folderExists(FolderId folderId);
    bool writeTotal(FolderId folderId, const std::string& total);
    // Inside a transaction.
    bool takeOut(ProductId productId, FolderId folderId);

    Database& db_;
    PlannerStore planner_{db_};
};

} // namespace tolvane
