#include "store/DiaryStore.h"

#include "store/Columns.h"

#include <random>

namespace tolvane {

namespace {

constexpr const char* kEntryColumns =
    "id, uid, day, time, meal, amount, productId, name, maker, unit, portion, energyKj, "
    "energyKcal, fat, saturatedFat, sugar, salt, protein, carbohydrates, fibre";

// 128 random bits in hexadecimal: unique enough across every file a user will ever merge.
std::string newUid() {
    std::random_device device;
    std::mt19937_64 bits((static_cast<std::uint64_t>(device()) << 32) ^ device());
    static const char digits[] = "0123456789abcdef";
    std::string uid;
    for (int part = 0; part < 2; ++part) {
        std::uint64_t value = bits();
        for (int i = 0; i < 16; ++i, value >>= 4)
            uid += digits[value & 15];
    }
    return uid;
}

} // namespace

std::optional<int> DiaryStore::schemaVersion() {
    if (!db_.tableExists("Diary_Schema")) {
        if (db_.lastReadFailed()) return std::nullopt;
        return 0;
    }
    const std::string version = db_.queryLast(
        db_.compose("selectDiarySchema", 0, "SELECT version FROM Diary_Schema WHERE rowid = 1"),
        true);
    if (db_.lastReadFailed()) return std::nullopt;
    return integerValue(version);
}

bool DiaryStore::createTables() {
    const auto version = schemaVersion();
    if (!version) return false;
    if (*version >= kSchemaVersion) return true;
    return db_.runInCheckedTransaction([this] {
        db_.execute(db_.compose("createDiaryTables", 0,
                                "CREATE TABLE IF NOT EXISTS Diary_Entry (id INTEGER PRIMARY KEY "
                                "AUTOINCREMENT, uid TEXT NOT NULL UNIQUE, day TEXT NOT NULL, time "
                                "TEXT NOT NULL, meal TEXT NOT NULL, amount TEXT NOT NULL, "
                                "productId TEXT, name TEXT, maker TEXT, unit TEXT, portion TEXT, "
                                "energyKj TEXT, energyKcal TEXT, fat TEXT, saturatedFat TEXT, "
                                "sugar TEXT, salt TEXT, protein TEXT, carbohydrates TEXT, fibre "
                                "TEXT)"));
        db_.execute(db_.compose("createDiaryTables", 0,
                                "CREATE INDEX IF NOT EXISTS Diary_Entry_Day ON Diary_Entry (day, "
                                "time)"));
        db_.execute(db_.compose("createDiaryTables", 0,
                                "CREATE TABLE IF NOT EXISTS Diary_Schema (version INTEGER)"));
        db_.execute(db_.compose("createDiaryTables", 0, "DELETE FROM Diary_Schema"));
        db_.execute(db_.compose("createDiaryTables", 0,
                                "INSERT INTO Diary_Schema (version) VALUES (%d)",
                                {kSchemaVersion}));
        return true;
    });
}

std::optional<long long> DiaryStore::insertEntry(DiaryEntryRow e) {
    if (e.uid.empty()) e.uid = newUid();
    const long long id = db_.executeInsert(db_.compose(
        "insertDiaryEntry", 0,
        "INSERT INTO Diary_Entry (uid, day, time, meal, amount, productId, name, maker, unit, "
        "portion, energyKj, energyKcal, fat, saturatedFat, sugar, salt, protein, carbohydrates, "
        "fibre) VALUES ('%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', "
        "'%s', '%s', '%s', '%s', '%s', '%s', '%s')",
        {e.uid, e.day, e.time, e.meal, e.amount, e.productId, e.name, e.maker, e.unit, e.portion,
         e.energyKj, e.energyKcal, e.fat, e.saturatedFat, e.sugar, e.salt, e.protein,
         e.carbohydrates, e.fibre}));
    if (id < 0) return std::nullopt;
    return id;
}

bool DiaryStore::updateEntry(long long id, const std::string& day, const std::string& time,
                             const std::string& meal, const std::string& amount) {
    bool changed = false;
    const bool committed = db_.runInCheckedTransaction([&] {
        if (db_.queryCount(db_.compose("updateDiaryEntry", 0,
                                       "SELECT count(*) FROM Diary_Entry WHERE id = %d", {id})) !=
            1)
            return false;
        changed = db_.execute(db_.compose(
            "updateDiaryEntry", 0,
            "UPDATE Diary_Entry SET day = '%s', time = '%s', meal = '%s', amount = '%s' WHERE id "
            "= %d",
            {day, time, meal, amount, id}));
        return changed;
    });
    return committed && changed;
}

bool DiaryStore::deleteEntry(long long id) {
    bool found = false;
    const bool committed = db_.runInCheckedTransaction([&] {
        found = db_.queryCount(db_.compose("deleteDiaryEntry", 0,
                                           "SELECT count(*) FROM Diary_Entry WHERE id = %d",
                                           {id})) == 1;
        return found && db_.execute(db_.compose("deleteDiaryEntry", 0,
                                                "DELETE FROM Diary_Entry WHERE id = %d", {id}));
    });
    return committed && found;
}

std::optional<std::vector<DiaryEntryRow>> DiaryStore::entriesOn(const std::string& day) {
    return entriesBetween(day, day);
}

std::optional<std::vector<DiaryEntryRow>> DiaryStore::entriesBetween(const std::string& from,
                                                                     const std::string& to) {
    auto rows = db_.queryRows(
        db_.compose("selectDiaryEntries", 0,
                    std::string("SELECT ") + kEntryColumns +
                        " FROM Diary_Entry WHERE day >= '%s' AND day <= '%s' ORDER BY day, "
                        "time, id",
                    {from, to}),
        [](const Database::Columns& row) {
            DiaryEntryRow e;
            e.id = integerValue64(row.integer(0));
            std::string* texts[] = {&e.uid,     &e.day,           &e.time,     &e.meal,
                                    &e.amount,  &e.productId,     &e.name,     &e.maker,
                                    &e.unit,    &e.portion,       &e.energyKj, &e.energyKcal,
                                    &e.fat,     &e.saturatedFat,  &e.sugar,    &e.salt,
                                    &e.protein, &e.carbohydrates, &e.fibre};
            int column = 1;
            for (std::string* text : texts)
                *text = row.text(column++);
            return e;
        });
    if (db_.lastReadFailed()) return std::nullopt;
    return rows;
}

std::optional<std::string> DiaryStore::lastAmount(const std::string& productId,
                                                  const std::string& name) {
    const std::string amount = db_.queryLast(db_.compose(
        "selectDiaryLastAmount", 0,
        "SELECT amount FROM Diary_Entry WHERE productId = '%s' AND name = '%s' ORDER BY day "
        "DESC, time DESC, id DESC LIMIT 1",
        {productId, name}));
    if (db_.lastReadFailed()) return std::nullopt;
    return amount;
}

std::optional<bool> DiaryStore::hasUid(const std::string& uid) {
    const int count = db_.queryCount(db_.compose(
        "selectDiaryUid", 0, "SELECT count(*) FROM Diary_Entry WHERE uid = '%s'", {uid}));
    if (db_.lastReadFailed()) return std::nullopt;
    return count > 0;
}

} // namespace tolvane
