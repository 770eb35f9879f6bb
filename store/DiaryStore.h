// The food diary's entries and the version of its tables. A view on a Database: construct one
// where needed; it runs on the Database's connection and thread rules.
//
// An entry keeps the product's values per 100 as they were when it was logged: nothing else
// writes them, so a later catalogue update, an own-product edit or a deleted product leaves the
// diary as it was. Every read tells a failure from an empty result (nothing instead of a list).
#pragma once

#include "store/Database.h"

#include <optional>
#include <string>
#include <vector>

namespace tolvane {

// A Diary_Entry row. Texts as stored; day "YYYY-MM-DD", time "HH:MM", meal "0"-"3"
// (breakfast, lunch, dinner, snack), amount a number in the unit ("g" or "ml").
struct DiaryEntryRow {
    long long id = 0;
    std::string uid; // the same entry in every file it is copied to (backups merge by it)
    std::string day;
    std::string time;
    std::string meal;
    std::string amount;
    std::string productId; // the catalogue product it was logged from, "" when none
    std::string name;
    std::string maker;
    std::string unit;
    std::string portion; // the product's sales portion then, "" when none
    // Per 100 of the unit, as the catalogue held them.
    std::string energyKj;
    std::string energyKcal;
    std::string fat;
    std::string saturatedFat;
    std::string sugar;
    std::string salt;
    std::string protein;
    std::string carbohydrates;
    std::string fibre;
    friend bool operator==(const DiaryEntryRow&, const DiaryEntryRow&) = default;
};

class DiaryStore {
public:
    // The version of the diary's tables that createTables makes.
    static constexpr int kSchemaVersion = 1;

    explicit DiaryStore(Database& database) : db_(database) {}

    // The version the file holds (0 when it has no diary tables); nothing when it cannot be read.
    std::optional<int> schemaVersion();
    // Creates the diary's tables and records their version, in one checked transaction; true
    // when the file holds them at the current version afterwards.
    bool createTables();

    // The new entry's id; nothing when it was not written. An empty uid gets a new one.
    std::optional<long long> insertEntry(DiaryEntryRow entry);
    // Moves or changes an entry: day, time, meal and amount. False when nothing was changed
    // (also for an entry that is no longer there).
    bool updateEntry(long long id, const std::string& day, const std::string& time,
                     const std::string& meal, const std::string& amount);
    bool deleteEntry(long long id);

    // A day's entries by time; nothing when the read failed.
    std::optional<std::vector<DiaryEntryRow>> entriesOn(const std::string& day);
    // Every entry from one day to another (both included) by day and time.
    std::optional<std::vector<DiaryEntryRow>> entriesBetween(const std::string& from,
                                                             const std::string& to);
    // The amount of the newest entry of that product ("" when there is none).
    std::optional<std::string> lastAmount(const std::string& productId, const std::string& name);
    // Whether an entry with that uid exists; nothing when the read failed.
    std::optional<bool> hasUid(const std::string& uid);

private:
    Database& db_;
};

} // namespace tolvane
