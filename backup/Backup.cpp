#include "backup/Backup.h"

#include "nutrition/DiaryDate.h"
#include "nutrition/DiaryDay.h"
#include "nutrition/NumberText.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/DiaryStore.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <utility>

namespace tolvane {

using json = nlohmann::json;

namespace {

// The text members of each part, in the order of its row struct.
constexpr std::array kEntryKeys = {
    "uid",   "day",  "time",    "meal",          "amount",     "productId", "name",
    "maker", "unit", "portion", "energyKj",      "energyKcal", "fat",       "saturatedFat",
    "sugar", "salt", "protein", "carbohydrates", "fibre"};
constexpr std::array kOwnKeys = {"name", "maker", "category", "fat",  "saturatedFat", "sugar",
                                 "salt", "kcal",  "sent",     "unit", "saltOrSodium", "portion"};
constexpr std::array kItemKeys = {"productId", "amount", "fat", "saturatedFat",
                                  "sugar",     "salt",   "kcal"};
constexpr std::array kProfileKeys = {"gender",   "age",         "height",        "weight",
                                     "bmi",      "idealWeight", "activityLevel", "dailyCalories",
                                     "usHeight", "usWeight",    "metricUsed"};
constexpr std::array kSettingsKeys = {"liveSearch", "localization", "metricUnits"};

std::array<std::string*, kEntryKeys.size()> entryFields(DiaryEntryRow& e) {
    return {&e.uid,       &e.day,        &e.time,          &e.meal,         &e.amount,
            &e.productId, &e.name,       &e.maker,         &e.unit,         &e.portion,
            &e.energyKj,  &e.energyKcal, &e.fat,           &e.saturatedFat, &e.sugar,
            &e.salt,      &e.protein,    &e.carbohydrates, &e.fibre};
}
std::array<std::string*, kOwnKeys.size()> ownFields(OwnProductRecord& o) {
    return {&o.name,
            &o.maker,
            &o.categoryId,
            &o.nutrients.fat,
            &o.nutrients.saturatedFat,
            &o.nutrients.sugar,
            &o.nutrients.salt,
            &o.nutrients.kcal,
            &o.sent,
            &o.unit,
            &o.saltOrSodium,
            &o.portion};
}
std::array<std::string*, kProfileKeys.size()> profileFields(ProfileRow& p) {
    return {&p.gender,   &p.age,         &p.height,        &p.weight,
            &p.bmi,      &p.idealWeight, &p.activityLevel, &p.dailyCalories,
            &p.usHeight, &p.usWeight,    &p.metricUsed};
}
std::array<std::string*, kSettingsKeys.size()> settingsFields(SettingsRow& s) {
    return {&s.liveSearch, &s.localization, &s.metricUnits};
}

template <std::size_t N>
json object(const std::array<const char*, N>& keys, const std::array<std::string*, N>& values) {
    json o = json::object();
    for (std::size_t i = 0; i < N; ++i)
        o[keys[i]] = *values[i];
    return o;
}

// A document part that is not as the layout says.
struct Damage {
    std::string what;
};

template <std::size_t N>
void readObject(const json& o, const std::string& where, const std::array<const char*, N>& keys,
                const std::array<std::string*, N>& values) {
    if (!o.is_object()) throw Damage{where + " is not an object"};
    for (std::size_t i = 0; i < N; ++i) {
        const auto it = o.find(keys[i]);
        if (it == o.end() || !it->is_string())
            throw Damage{where + "." + keys[i] + " is missing or not a text"};
        *values[i] = it->template get<std::string>();
    }
}

const json& member(const json& o, const char* name, json::value_t type) {
    const auto it = o.find(name);
    if (it == o.end() || it->type() != type)
        throw Damage{std::string(name) + " is missing or of the wrong kind"};
    return *it;
}

struct BackupItem {
    std::string productId, amount, fat, saturatedFat, sugar, salt, kcal;
    bool ownProduct = false;
};
struct BackupFolder {
    std::string name, localized, calories;
    std::vector<BackupItem> items;
};
struct OwnProduct {
    OwnProductRecord record;
    std::string catalogueId; // the mirror row's id in the file it came from
};
struct Document {
    std::vector<DiaryEntryRow> entries;
    std::vector<OwnProduct> ownProducts;
    std::vector<BackupFolder> folders;
    ProfileRow profile;
    SettingsRow settings;
};

Document readDocument(const json& root) {
    Document d;
    const json& entries = member(root, "diary", json::value_t::array);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        DiaryEntryRow e;
        const std::string where = "diary[" + std::to_string(i) + "]";
        readObject(entries[i], where, kEntryKeys, entryFields(e));
        const int meal = integerValue(e.meal);
        if (e.uid.empty() || !DiaryDate::parse(e.day) || !minutesOfDay(e.time) ||
            e.meal != formatInt(meal) || meal < 0 || meal >= kMealCount ||
            !(leadingDouble(e.amount) > 0.0))
            throw Damage{where + " holds no valid uid, day, time, meal or amount"};
        d.entries.push_back(std::move(e));
    }
    const json& own = member(root, "ownProducts", json::value_t::array);
    for (std::size_t i = 0; i < own.size(); ++i) {
        OwnProduct o;
        const std::string where = "ownProducts[" + std::to_string(i) + "]";
        readObject(own[i], where, kOwnKeys, ownFields(o.record));
        o.catalogueId = member(own[i], "catalogueId", json::value_t::string).get<std::string>();
        d.ownProducts.push_back(std::move(o));
    }
    const json& folders = member(root, "folders", json::value_t::array);
    for (std::size_t i = 0; i < folders.size(); ++i) {
        const json& f = folders[i];
        if (!f.is_object()) throw Damage{"folders[" + std::to_string(i) + "] is not an object"};
        BackupFolder folder;
        folder.name = member(f, "name", json::value_t::string).get<std::string>();
        folder.localized = member(f, "localized", json::value_t::string).get<std::string>();
        folder.calories = member(f, "calories", json::value_t::string).get<std::string>();
        const json& items = member(f, "items", json::value_t::array);
        for (std::size_t k = 0; k < items.size(); ++k) {
            BackupItem item;
            const std::string where =
                "folders[" + std::to_string(i) + "].items[" + std::to_string(k) + "]";
            readObject(items[k], where, kItemKeys,
                       std::array<std::string*, kItemKeys.size()>{
                           &item.productId, &item.amount, &item.fat, &item.saturatedFat,
                           &item.sugar, &item.salt, &item.kcal});
            item.ownProduct = member(items[k], "ownProduct", json::value_t::boolean).get<bool>();
            folder.items.push_back(std::move(item));
        }
        d.folders.push_back(std::move(folder));
    }
    readObject(member(root, "profile", json::value_t::object), "profile", kProfileKeys,
               profileFields(d.profile));
    readObject(member(root, "settings", json::value_t::object), "settings", kSettingsKeys,
               settingsFields(d.settings));
    return d;
}

bool sameOwnProduct(const OwnProductRecord& a, const OwnProductRecord& b) {
    // What the user typed; whether it was uploaded does not make another product.
    return a.name == b.name && a.maker == b.maker && a.categoryId == b.categoryId &&
           a.nutrients == b.nutrients && a.unit == b.unit && a.saltOrSodium == b.saltOrSodium &&
           a.portion == b.portion;
}

// Merges the document; false as soon as something is refused (the transaction then rolls back).
bool merge(Database& db, const Document& d, BackupImport& result) {
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
    for (const OwnProduct& o : d.ownProducts) {
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
            const auto product = catalogue.selectProductDetail(productId);
            if (!product) {
                if (db.lastReadFailed()) return false;
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
            entries.push_back(object(kEntryKeys, entryFields(e)));
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
        json o = object(kOwnKeys, ownFields(*record));
        o["catalogueId"] = mirror->text();
        products.push_back(std::move(o));
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
            items.push_back({{"productId", productId.text()},
                             {"ownProduct", ownIds.count(productId.text()) > 0},
                             {"amount", row.gm},
                             {"fat", row.nutrients.fat},
                             {"saturatedFat", row.nutrients.saturatedFat},
                             {"sugar", row.nutrients.sugar},
                             {"salt", row.nutrients.salt},
                             {"kcal", row.nutrients.kcal}});
        }
        folder["items"] = std::move(items);
        folders.push_back(std::move(folder));
    }
    root["folders"] = std::move(folders);

    SettingsStore settings(db);
    auto profile = settings.selectPersonalProfileData();
    if (!profile) return failed("the profile");
    root["profile"] = object(kProfileKeys, profileFields(*profile));
    auto options = settings.selectSettings();
    if (!options) return failed("the settings");
    root["settings"] = object(kSettingsKeys, settingsFields(*options));
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
    Document parsed;
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
