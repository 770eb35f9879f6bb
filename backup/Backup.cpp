#include "backup/Backup.h"

#include "backup/BackupDocument.h"
#include "nutrition/NumberText.h"
#include "store/CataloguePageWriter.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/DiaryStore.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace tolvane {

namespace {

bool sameOwnProduct(const OwnProductRecord& a, const OwnProductRecord& b) {
    // What the user typed; whether it was uploaded does not make another product.
    return a.name == b.name && a.maker == b.maker && a.categoryId == b.categoryId &&
           a.nutrients == b.nutrients && a.unit == b.unit && a.saltOrSodium == b.saltOrSodium &&
           a.portion == b.portion;
}

// A folder's catalogue product this catalogue lacks (one older than the backup's), stored from
// the backup's record as an update would store it. Its inclusion date is left empty: the next
// update resumes from the newest date the catalogue holds, which a product taken from a newer
// catalogue must not move past products this one never received.
bool restoreProduct(Database& db, CatalogueRecord record) {
    record[CatalogueField::InclusionDate].clear();
    if (!CataloguePageWriter::storable(record)) return false;
    // A write that fails fails the checked transaction around it.
    CataloguePageWriter(db).insertIntoDatabase(record);
    return true;
}

// Merges the document; false as soon as something is refused (the transaction then rolls back).
bool merge(Database& db, const BackupDocument& d, BackupImport& result) {
    DiaryStore diary(db);
    OwnProductStore own(db);
    PlannerStore planner(db);
    CatalogueStore catalogue(db);
    SettingsStore settings(db);

    if (!diary.createTables()) return false;
    std::set<std::string> seen;
    for (const DiaryEntryRow& e : d.entries) {
        if (!seen.insert(e.uid).second) continue;
        const auto there = diary.hasUid(e.uid);
        if (!there) return false;
        if (*there) continue;
        if (!diary.insertEntry(e)) return false;
        ++result.entriesAdded;
    }

    // Own products: the same product already there is used, not added again. Old mirror id ->
    // the id in this file, for the folders.
    std::map<std::string, ProductId> mirrors;
    std::vector<std::pair<OwnProductRecord, ProductId>> present;
    for (const ListRow& row : own.selectProductsBySortOrder()) {
        const OwnProductId id = OwnProductId::of(row.recordId);
        const auto record = own.selectProductForId(id);
        const auto mirror = own.selectMainTableProductIdForId(id);
        if (!record || !mirror) return false;
        present.emplace_back(*record, *mirror);
    }
    int sortOrder = static_cast<int>(present.size());
    for (const BackupOwnProduct& o : d.ownProducts) {
        const auto match = std::find_if(present.begin(), present.end(), [&](const auto& p) {
            return sameOwnProduct(p.first, o.record);
        });
        if (match != present.end()) {
            mirrors[o.catalogueId] = match->second;
            continue;
        }
        const OwnProductRecord& r = o.record;
        const NutrientColumns& n = r.nutrients;
        const int id = own.insertProduct(r.name, r.maker, r.categoryId, n.fat, n.saturatedFat,
                                         n.sugar, n.salt, n.kcal, r.sent, formatInt(sortOrder++),
                                         r.unit, r.saltOrSodium, r.portion);
        if (id < 0) return false;
        const long long mirror =
            own.insertProductToMainTable(r.name, r.maker, r.categoryId, n.fat, n.saturatedFat,
                                         n.sugar, n.salt, n.kcal, r.unit, ProductId{id}, r.portion);
        if (mirror <= 0) return false;
        own.updateInsertedProductId(ProductId{mirror}, OwnProductId{id});
        mirrors[o.catalogueId] = ProductId{mirror};
        present.emplace_back(r, ProductId{mirror});
        ++result.ownProductsAdded;
    }
    if (result.ownProductsAdded > 0) db.catalogueChanged();

    // Folders: one of the same name takes the items it lacks.
    std::vector<FolderRow> folders = planner.selectMenuItemsSortByOrder();
    long long nextId = 1;
    for (const FolderRow& f : folders)
        nextId = std::max(nextId, integerValue64(f.folderId) + 1);
    int favourites = static_cast<int>(planner.selectProductFavoriteCategorywise().size());
    for (const BackupFolder& f : d.folders) {
        const auto match = std::find_if(folders.begin(), folders.end(), [&](const FolderRow& r) {
            return r.name == f.name && r.isLocalized() == (f.localized == "1");
        });
        FolderId folderId{nextId};
        double calories = 0.0;
        if (match != folders.end()) {
            folderId = FolderId::of(match->folderId);
            calories = leadingDouble(match->calories);
        } else {
            planner.insertIntoMenuFolder(formatInt(static_cast<long long>(folders.size())), f.name,
                                         "0", folderId, f.localized == "1" ? "1" : "0");
            folders.push_back({f.name, "0", formatInt(static_cast<long long>(folders.size())),
                               folderId.text(), f.localized == "1" ? "1" : "0"});
            ++nextId;
            ++result.foldersAdded;
        }
        for (const BackupItem& item : f.items) {
            ProductId productId = ProductId::of(item.productId);
            if (item.ownProduct) {
                const auto mapped = mirrors.find(item.productId);
                if (mapped == mirrors.end()) {
                    ++result.folderItemsSkipped;
                    continue;
                }
                productId = mapped->second;
            }
            auto product = catalogue.selectProductDetail(productId);
            if (!product && db.lastReadFailed()) return false;
            if (!product && item.product) {
                if (!restoreProduct(db, *item.product)) return false;
                product = catalogue.selectProductDetail(productId);
                if (!product) return false;
                ++result.productsRestored;
            }
            if (!product) {
                ++result.folderItemsSkipped;
                continue;
            }
            if (!planner.selectProductsFavoriteExistToFolder(folderId, productId).empty()) continue;
            planner.insertIntoFavorite_Menulistfolder(productId, folderId);
            planner.deleteFavoriteFromEditConsumptionAccordingtoItems(productId, folderId);
            planner.newUpdateIntoEditConsumptionTable(
                productId, product->name, product->maker, product->categoryId, item.amount,
                item.fat, item.saturatedFat, item.sugar, item.salt, item.kcal, folderId);
            if (!product->favourite()) planner.setFavorite(productId, 1, formatInt(favourites++));
            calories += leadingDouble(item.kcal);
            ++result.folderItemsAdded;
        }
        planner.updateCaloryValueForUpdation(formatWhole(calories), folderId);
    }
    if (result.productsRestored > 0) db.catalogueChanged();

    const ProfileRow& p = d.profile;
    settings.updatePersonalSettings(p.gender, p.age, p.height, p.weight, p.bmi, p.idealWeight,
                                    p.activityLevel, p.dailyCalories, p.usHeight, p.usWeight,
                                    p.metricUsed);
    settings.updateSettings(d.settings.liveSearch, d.settings.localization, d.settings.metricUnits);
    return true;
}

} // namespace

std::optional<std::string> exportBackup(Database& db, std::string* error) {
    auto failed = [&](const std::string& what) -> std::optional<std::string> {
        if (error) *error = what + " could not be read";
        return std::nullopt;
    };
    json root = json::object();
    root["format"] = kBackupFormat;
    root["version"] = kBackupVersion;

    DiaryStore diary(db);
    const auto version = diary.schemaVersion();
    if (!version) return failed("the diary");
    json entries = json::array();
    if (*version > 0) {
        auto rows = diary.entriesBetween("0000-01-01", "9999-12-31");
        if (!rows) return failed("the diary");
        for (DiaryEntryRow& e : *rows)
            entries.push_back(entryObject(std::move(e)));
    }
    root["diary"] = std::move(entries);

    OwnProductStore own(db);
    json products = json::array();
    const auto list = own.selectProductsBySortOrder();
    if (db.lastReadFailed()) return failed("the own products");
    for (const ListRow& row : list) {
        const OwnProductId id = OwnProductId::of(row.recordId);
        auto record = own.selectProductForId(id);
        const auto mirror = own.selectMainTableProductIdForId(id);
        if (!record || !mirror) return failed("an own product");
        products.push_back(ownProductObject(std::move(*record), mirror->text()));
    }
    root["ownProducts"] = std::move(products);

    // Which catalogue ids are own products, so that an import can find them under their new ids.
    std::set<std::string> ownIds;
    for (const json& o : root["ownProducts"])
        ownIds.insert(o["catalogueId"].get<std::string>());
    PlannerStore planner(db);
    json folders = json::array();
    const auto folderRows = planner.selectMenuItemsSortByOrder();
    if (db.lastReadFailed()) return failed("the menu folders");
    for (const FolderRow& f : folderRows) {
        json folder = {{"name", f.name}, {"localized", f.localized}, {"calories", f.calories}};
        json items = json::array();
        const FolderId folderId = FolderId::of(f.folderId);
        const auto ids = planner.selectProductsAccordingToFolder(folderId);
        if (db.lastReadFailed()) return failed("a menu folder");
        for (const std::string& id : ids) {
            const auto rows = planner.selectProductDetailForEdit(ProductId::of(id), folderId);
            if (db.lastReadFailed()) return failed("a menu folder");
            ConsumptionRow row = rows.empty() ? ConsumptionRow{} : rows.front();
            const ProductId productId = ProductId::of(id);
            BackupItem item{productId.text(),    row.gm,
                            row.nutrients.fat,   row.nutrients.saturatedFat,
                            row.nutrients.sugar, row.nutrients.salt,
                            row.nutrients.kcal,  ownIds.count(productId.text()) > 0,
                            std::nullopt};
            // A catalogue product goes whole, for a catalogue that lacks it.
            if (!item.ownProduct) {
                item.product = CatalogueStore(db).selectRecord(productId);
                if (db.lastReadFailed()) return failed("a menu folder");
            }
            items.push_back(itemObject(item));
        }
        folder["items"] = std::move(items);
        folders.push_back(std::move(folder));
    }
    root["folders"] = std::move(folders);

    SettingsStore settings(db);
    auto profile = settings.selectPersonalProfileData();
    if (!profile) return failed("the profile");
    root["profile"] = profileObject(std::move(*profile));
    auto options = settings.selectSettings();
    if (!options) return failed("the settings");
    root["settings"] = settingsObject(std::move(*options));
    // Texts the file holds that are not UTF-8 are written replaced rather than refused.
    return root.dump(1, ' ', false, json::error_handler_t::replace);
}

BackupImport importBackup(Database& db, const std::string& document) {
    BackupImport result;
    const json root = json::parse(document, nullptr, false);
    if (root.is_discarded()) {
        result.outcome = BackupImport::Outcome::Damaged;
        result.detail = "the file is not JSON";
        return result;
    }
    const auto format = root.is_object() ? root.find("format") : root.end();
    if (!root.is_object() || format == root.end() || *format != kBackupFormat) {
        result.outcome = BackupImport::Outcome::Foreign;
        result.detail = "the file is not a Tolvane backup";
        return result;
    }
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer() || *version < 1) {
        result.outcome = BackupImport::Outcome::Damaged;
        result.detail = "the backup has no valid version";
        return result;
    }
    if (*version > kBackupVersion) {
        result.outcome = BackupImport::Outcome::Newer;
        result.detail = "the backup was written by a later version of Tolvane";
        return result;
    }
    BackupDocument parsed;
    try {
        parsed = readDocument(root);
    } catch (const Damage& damage) {
        result.outcome = BackupImport::Outcome::Damaged;
        result.detail = damage.what;
        return result;
    }
    BackupImport counted;
    if (!db.runInCheckedTransaction([&] {
            counted = BackupImport{};
            return merge(db, parsed, counted);
        })) {
        result.outcome = BackupImport::Outcome::Failed;
        result.detail = "the backup could not be written; nothing was changed";
        return result;
    }
    counted.outcome = BackupImport::Outcome::Imported;
    return counted;
}

} // namespace tolvane
