// Times the meal planner on a synthetic catalogue with 20 folders of 50 products each: the folder
// list appearing (orphan cleanup and reading the folders), opening a folder summary, opening a
// folder's contents and one check in the folder picker, each as the median of repeated runs.
#include "bench/common/BenchFigures.h"
#include "nutrition/NumberText.h"
#include "platform/Platform.h"
#include "screens/detail/ProductDetail.h"
#include "screens/filing/PlannerWrites.h"
#include "screens/planner/FavoriteVCFolderNew.h"
#include "screens/planner/MenuFolderVC.h"
#include "screens/planner/ProductDetailPortraitVC.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

using namespace tolvane;

namespace {

constexpr int kFolders = 20;
constexpr int kProductsPerFolder = 50;

using bench::medianMs;

void figure(const std::string& name, int count, double ms) {
    std::cout << "figure " << name << "_" << count << " " << formatFixed(ms, 2) << " ms\n";
}

void benchPlanner(const std::string& generator, const std::filesystem::path& dir, int count) {
    const auto file = dir / ("synthetic-" + std::to_string(count) + ".db");
    bench::makeSyntheticCatalogue(generator, file.string(), count);
    NullLog log;
    FakePlatform fake;
    fake.defaults.registerDefaults({{AppDefaults::kFirstLaunchMenuList, false}});
    Database shared(file.string(), log);
    SettingsStore(shared).createPersonalProfileTable();
    SettingsStore(shared).InsertIntoPersonalProfileTable();
    PlannerStore(shared).createMenu_FolderTable();
    PlannerStore(shared).createFavorite_MenufolderTable();
    PlannerStore(shared).createEdit_ConsumptionTable();
    SettingsStore(shared).updatePersonalSettings("M", "30", "175", "75", "24.5", "70", "2", "2250",
                                                 "5.9", "165", "YES");

    // 1000 distinct products spread over the catalogue, 50 to a folder.
    const auto ids = CatalogueStore(shared).selectAllRecordIDFromProductsTable();
    if (ids.size() < static_cast<std::size_t>(kFolders * kProductsPerFolder)) {
        std::cerr << "catalogue too small\n";
        std::exit(1);
    }
    const std::size_t step = ids.size() / (kFolders * kProductsPerFolder);
    PlannerWrites writes(shared);
    for (int f = 0; f < kFolders; ++f) {
        const std::string folderId = std::to_string(f + 1);
        PlannerStore(shared).insertIntoMenuFolder(std::to_string(f), "Ordner " + folderId, "0",
                                                  FolderId{f + 1}, "0");
        for (int p = 0; p < kProductsPerFolder; ++p) {
            const std::string& id = ids[(f * kProductsPerFolder + p) * step];
            writes.fileProduct(
                CatalogueStore(shared).selectProductDetail(ProductId::of(id)).value(),
                FolderId{f + 1});
        }
    }
    const int runs = 15;
    std::cout << "\n"
              << count << " products, " << kFolders << " folders of " << kProductsPerFolder
              << " (median of " << runs << " runs)\n";

    FakeNavigation navigation;
    MenuFolderVC list(fake.platform(), shared, navigation);
    list.viewDidLoad();
    figure("planner_menu_list", count, medianMs(runs, [&] { list.viewWillAppear(); }));

    figure("planner_summary", count, medianMs(runs, [&] {
               list.didSelectRow(kFolders / 2);
               auto summary = std::dynamic_pointer_cast<ProductDetailPortraitVC>(navigation.top());
               summary->viewDidLoad();
               summary->viewWillAppear();
           }));

    figure("planner_contents", count, medianMs(runs, [&] {
               FavoriteVCFolderNew contents(fake.platform(), shared, navigation, "7", "Ordner 7");
               contents.viewDidLoad();
               contents.viewWillAppear();
           }));

    // A product filed nowhere yet, checked into one folder and unchecked again between runs.
    const std::string productId = ids[ids.size() / 2 + 1];
    ProductDetail detail(fake.platform(), shared);
    detail.viewDidLoad();
    detail.drawData(CatalogueStore(shared).selectProductDetail(ProductId::of(productId)));
    detail.viewWillAppear();
    figure("planner_check", count,
           medianMs(
               runs, [&] { detail.pickerViewDidCheckRow(kFolders / 2); },
               [&] { detail.pickerViewDidUncheckRow(kFolders / 2); }));
}

} // namespace

int main(int argc, char** argv) {
    std::string generator = TOLVANE_CATALOGUE_TOOL;
    int count = 100000;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--generator" && i + 1 < argc) {
            generator = argv[++i];
        } else if (arg == "--count" && i + 1 < argc) {
            count = integerValue(argv[++i]);
        } else {
            std::cout << "usage: tolvane-planner-bench [--count N] [--generator PATH]\n";
            return arg == "--help" ? 0 : 2;
        }
    }
    const auto dir = std::filesystem::temp_directory_path() /
                     ("tolvane-planner-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::cout << "Meal planner timings";
    benchPlanner(generator, dir, count);
    std::filesystem::remove_all(dir);
    return 0;
}
