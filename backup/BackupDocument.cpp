#include "backup/BackupDocument.h"

#include "nutrition/DiaryDate.h"
#include "nutrition/DiaryDay.h"
#include "nutrition/NumberText.h"

namespace tolvane {

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
std::array<std::string*, kItemKeys.size()> itemFields(BackupItem& i) {
    return {&i.productId, &i.amount, &i.fat, &i.saturatedFat, &i.sugar, &i.salt, &i.kcal};
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

// The record under the update's own keys; its identifier is the item's productId.
json productObject(const CatalogueRecord& record) {
    json o = json::object();
    for (std::size_t i = 0; i < catalogueFieldCount; ++i)
        o[catalogueRecordKeys[i]] = record.fields[i];
    return o;
}

CatalogueRecord readProduct(const json& o, const std::string& where, const std::string& id) {
    if (!o.is_object()) throw Damage{where + " is not an object"};
    CatalogueRecord record;
    for (std::size_t i = 0; i < catalogueFieldCount; ++i) {
        const auto it = o.find(catalogueRecordKeys[i]);
        if (it == o.end() || !it->is_string())
            throw Damage{where + "." + catalogueRecordKeys[i] + " is missing or not a text"};
        record.fields[i] = it->get<std::string>();
        if (record.fields[i].find('\0') != std::string::npos)
            throw Damage{where + "." + catalogueRecordKeys[i] + " holds a zero byte"};
    }
    // Only a catalogue identifier: an own product travels in ownProducts.
    record.id = integerValue64(id);
    if (formatInt(record.id) != id || record.id <= 0 || record.id >= firstOwnProductId ||
        record[CatalogueField::Name].empty())
        throw Damage{where + " is no catalogue product"};
    return record;
}

} // namespace

json entryObject(DiaryEntryRow entry) {
    return object(kEntryKeys, entryFields(entry));
}

json ownProductObject(OwnProductRecord record, const std::string& catalogueId) {
    json o = object(kOwnKeys, ownFields(record));
    o["catalogueId"] = catalogueId;
    return o;
}

json itemObject(const BackupItem& item) {
    BackupItem copy = item;
    json o = object(kItemKeys, itemFields(copy));
    o["ownProduct"] = item.ownProduct;
    if (item.product) o["product"] = productObject(*item.product);
    return o;
}

json profileObject(ProfileRow profile) {
    return object(kProfileKeys, profileFields(profile));
}

json settingsObject(SettingsRow settings) {
    return object(kSettingsKeys, settingsFields(settings));
}

BackupDocument readDocument(const json& root) {
    BackupDocument d;
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
        BackupOwnProduct o;
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
            readObject(items[k], where, kItemKeys, itemFields(item));
            item.ownProduct = member(items[k], "ownProduct", json::value_t::boolean).get<bool>();
            // Older backups carry no product.
            if (const auto product = items[k].find("product"); product != items[k].end())
                item.product = readProduct(*product, where + ".product", item.productId);
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

} // namespace tolvane
