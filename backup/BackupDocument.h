// The backup's JSON layout read and written member by member: the text members of each part,
// and the whole document checked into rows before anything is stored.
#pragma once

#include "format/CatalogueRecord.h"
#include "store/DiaryStore.h"
#include "store/Rows.h"

#include <nlohmann/json.hpp>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tolvane {

using json = nlohmann::json;

// A document part that is not as the layout says.
struct Damage {
    std::string what;
};

struct BackupItem {
    std::string productId, amount, fat, saturatedFat, sugar, salt, kcal;
    bool ownProduct = false;
    // A catalogue product's whole record, to rebuild it where the catalogue lacks it.
    std::optional<CatalogueRecord> product;
};
struct BackupFolder {
    std::string name, localized, calories;
    std::vector<BackupItem> items;
};
struct BackupOwnProduct {
    OwnProductRecord record;
    std::string catalogueId; // the mirror row's id in the file it came from
};
struct BackupDocument {
    std::vector<DiaryEntryRow> entries;
    std::vector<BackupOwnProduct> ownProducts;
    std::vector<BackupFolder> folders;
    ProfileRow profile;
    SettingsRow settings;
};

// The parts as the layout writes them.
json entryObject(DiaryEntryRow entry);
json ownProductObject(OwnProductRecord record, const std::string& catalogueId);
json itemObject(const BackupItem& item);
json profileObject(ProfileRow profile);
json settingsObject(SettingsRow settings);

// The document's parts; throws Damage for the first one that is not as the layout says.
BackupDocument readDocument(const json& root);

} // namespace tolvane
