// Times the diary holding a year (365 days of 15 entries, on a synthetic catalogue of 10,000
// products): a day opened, a month's chart read, and the whole backup written and read into a
// fresh documents folder, each as the median of repeated runs.
#include "backup/Backup.h"
#include "backup/BackupFile.h"
#include "bench/common/BenchFigures.h"
#include "platform/Platform.h"
#include "screens/diary/DiaryChartVC.h"
#include "screens/diary/DiaryDayVC.h"
#include "screens/diary/DiaryLog.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/DiaryStore.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

#include <filesystem>
#include <iostream>
#include <string>

#include <unistd.h>

using namespace tolvane;
namespace fs = std::filesystem;

namespace {

constexpr int kDays = 365;
constexpr int kEntriesPerDay = 15;

void seedAppTables(Database& db) {
    SettingsStore(db).createPersonalProfileTable();
    SettingsStore(db).InsertIntoPersonalProfileTable();
    PlannerStore(db).createMenu_FolderTable();
    PlannerStore(db).createFavorite_MenufolderTable();
    PlannerStore(db).createEdit_ConsumptionTable();
    if (!DiaryStore(db).createTables()) {
        std::cerr << "could not make the diary's tables\n";
        std::exit(1);
    }
}

} // namespace

int main() {
    const fs::path dir =
        fs::temp_directory_path() / ("tolvane-diary-bench-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path base = dir / "catalogue.db";
    bench::makeSyntheticCatalogue(TOLVANE_CATALOGUE_TOOL, base.string(), 10000);
    NullLog log;
    {
        Database fresh(base.string(), log);
        seedAppTables(fresh);
    }
    const fs::path file = dir / "Tolvane.db";
    fs::copy_file(base, file);
    Database shared(file.string(), log);
    const auto ids = CatalogueStore(shared).selectAllRecordIDFromProductsTable();
    const DiaryDate first{2026, 1, 1};
    const bool filled = shared.runInCheckedTransaction([&] {
        std::size_t next = 0;
        for (int d = 0; d < kDays; ++d)
            for (int e = 0; e < kEntriesPerDay; ++e) {
                auto entry = diarySnapshotOf(shared, ProductId::of(ids[next++ % ids.size()]));
                if (!entry) return false;
                entry->day = first.plusDays(d).text();
                entry->time = diaryTimeText(6 + e, 15);
                entry->meal = formatInt(static_cast<int>(mealAt(6 + e, 15)));
                entry->amount = diaryAmountText(50 + 10 * e);
                if (!DiaryStore(shared).insertEntry(*entry)) return false;
            }
        return true;
    });
    if (!filled) {
        std::cerr << "could not fill the diary\n";
        return 1;
    }

    FakePlatform fake;
    Platform platform = fake.platform();
    FakeNavigation navigation;
    DiaryHost host{[] { return DiaryNow{{2026, 7, 1}, 12, 0}; }};
    const double day = bench::medianMs(50, [&] {
        DiaryDayVC screen(platform, shared, navigation, host, "2026-07-01");
        screen.viewWillAppear();
    });
    bench::figure("diary_day_open_ms", day, "ms", 16, "a frame");
    const double month = bench::medianMs(20, [&] {
        DiaryChartVC chart(platform, shared, navigation, host, DiaryChartVC::Span::Month,
                           "2026-07-01");
        chart.viewWillAppear();
    });
    bench::figure("diary_month_chart_ms", month, "ms", 50, "the target");

    const fs::path backup = dir / "backup.json";
    const double exported = bench::medianMs(5, [&] {
        if (!exportBackupFile(shared, backup.string())) std::exit(1);
    });
    bench::figure("backup_export_ms", exported, "ms", 1000, "the target");

    // Each run reads the year into a fresh documents folder.
    const fs::path target = dir / "fresh.db";
    fs::copy_file(base, target, fs::copy_options::overwrite_existing);
    const double imported = bench::medianMs(
        5,
        [&] {
            Database fresh(target.string(), log);
            if (importBackupFile(fresh, backup.string()).outcome != BackupImport::Outcome::Imported)
                std::exit(1);
        },
        [&] { fs::copy_file(base, target, fs::copy_options::overwrite_existing); });
    bench::figure("backup_import_ms", imported, "ms", 1000, "the target");
    fs::remove_all(dir);
    return 0;
}
