// Writing what was eaten: an entry made from a catalogue product (its values per 100 copied as
// they are now) and a whole menu folder logged at once with each item's planned amount.
#pragma once

#include "nutrition/DiaryDay.h"
#include "screens/diary/DiaryHost.h"
#include "store/DiaryStore.h"
#include "store/Ids.h"

#include <optional>
#include <string>

namespace tolvane {

class Database;

// The product's values now; the amount, day, time and meal are left for the caller.
DiaryEntryRow diarySnapshot(const ProductRecord& product,
                            const std::optional<NutritionFactsRow>& facts);
// Reads the product and its nutrition table; nothing when it is not in the catalogue.
std::optional<DiaryEntryRow> diarySnapshotOf(Database& database, ProductId productId);

// "150", "37.5": an amount as an entry stores it.
std::string diaryAmountText(double amount);
// The stored amount read back; 0 for a text without a number.
double diaryAmount(const DiaryEntryRow& entry);
// "07:05".
std::string diaryTimeText(int hour, int minute);
// The food as the day's arithmetic takes it.
DiaryFood diaryFood(const DiaryEntryRow& entry);

struct FolderLogResult {
    bool written = false; // all items logged in one transaction
    int logged = 0;
    int skipped = 0; // items no longer in the catalogue
};
// Logs every product of the folder with its planned amount, all or nothing.
FolderLogResult logFolder(Database& database, FolderId folderId, const DiaryNow& when);

} // namespace tolvane
