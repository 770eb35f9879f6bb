#include "MenuFolderVC.h"

#include "AddMenuFolderVC.h"
#include "FavoriteVCFolderNew.h"
#include "ProductDetailPortraitVC.h"
#include "nutrition/FolderRules.h"
#include "nutrition/NumberText.h"
#include "screens/common/Nutrients.h"
#include "screens/diary/DiaryDayVC.h"
#include "screens/diary/DiaryLog.h"
#include "screens/filing/FolderName.h"
#include "screens/filing/PlannerWrites.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/DiaryStore.h"
#include "store/PlannerStore.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace tolvane {

namespace {
const std::string orphanCleanup = "orphan cleanup";
} // namespace

MenuFolderVC::MenuFolderVC(Platform platform, Database& shared, Navigation& navigation,
                           PlannerHost host)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)) {}

MenuFolderVC::~MenuFolderVC() = default;

namespace {
// The hint's buttons, in the order shown.
enum class HintAnswer { DeleteHint = 0, RemindLater = 1 };
} // namespace

void MenuFolderVC::viewDidLoad() {
    if (!platform_.appDefaults().showsHint(FirstLaunchHint::MenuList)) return;
    platform_.analytics.logEvent("Show Menu List Helper on Startup");
    // The answer concerns the flag only, so it counts even when the screen has gone.
    UserDefaults& defaults = platform_.defaults;
    platform_.alerts.show({key("Speiseplan-Info"),
                           key("Hilfe zur Speiseplannutzung"),
                           {key("Hinweis löschen"), key("Später erinnern")}},
                          [&defaults](int button) {
                              // "Später erinnern" shows the hint again on the next start.
                              AppDefaults(defaults).setShowsHint(FirstLaunchHint::MenuList,
                                                                 static_cast<HintAnswer>(button) ==
                                                                     HintAnswer::RemindLater);
                          });
    platform_.appDefaults().setShowsHint(FirstLaunchHint::MenuList, false);
}

void MenuFolderVC::viewWillAppear() {
    // Products leave the catalogue only when it changes, so the cleanup (which reads every
    // catalogue id) runs once per change: the generation it was done for is kept with the
    // store. A catalogue page being stored may hide products for a moment: none counts as gone
    // then, and the cleanup waits for the next appearance.
    const long generation = shared_.catalogueGeneration();
    if (!host_.isCatalogueBusy() && shared_.workDoneAt(orphanCleanup) != generation &&
        PlannerWrites(shared_).cleanOrphans() >= 0)
        shared_.keepWorkDoneAt(orphanCleanup, generation);
    reloadFolders();
}

void MenuFolderVC::reloadFolders() {
    dataArray_ = PlannerStore(shared_).selectMenuItemsSortByOrder();
    // Today's energy beside the diary's row; nothing when the diary cannot be read.
    diaryToday_.clear();
    if (const auto today = DiaryStore(shared_).entriesOn(DiaryHost{}.now().day.text())) {
        double kcal = 0.0;
        for (const DiaryEntryRow& entry : *today)
            kcal += foodValue(diaryFood(entry), DayNutrient::Energy).value_or(0.0);
        const NumberFormat format = numberFormat(platform_.strings);
        diaryToday_ = format.withUnit(format.fixed(kcal, 0), "kcal");
    }
    changed();
}

void MenuFolderVC::viewWillDisappear() {
    std::vector<FolderId> ids;
    for (const FolderRow& folder : dataArray_)
        ids.push_back(FolderId::of(folder.folderId));
    if (!ids.empty()) PlannerWrites(shared_).writeFolderOrder(ids);
}

std::string MenuFolderVC::rowTitle(int row) const {
    if (row < 0 || row >= numberOfRows()) return {};
    return folderDisplayName(dataArray_[static_cast<std::size_t>(row)], platform_.strings);
}

std::string MenuFolderVC::rowCalories(int row) const {
    if (row < 0 || row >= numberOfRows()) return {};
    return numberFormat(platform_.strings)
        .withUnit(dataArray_[static_cast<std::size_t>(row)].calories, "kcal");
}

std::string MenuFolderVC::folderId(int row) const {
    if (row < 0 || row >= numberOfRows()) return {};
    return dataArray_[static_cast<std::size_t>(row)].folderId;
}

void MenuFolderVC::rightButtonPressed() {
    editing_ = !editing_;
    if (listener_) listener_->editingChanged();
}

void MenuFolderVC::addPressed() {
    if (!editing_) return;
    navigation_.push(std::make_shared<AddMenuFolderVC>(platform_, shared_, navigation_));
}

void MenuFolderVC::openDiary() {
    navigation_.push(std::make_shared<DiaryDayVC>(platform_, shared_, navigation_));
}

void MenuFolderVC::didSelectRow(int row) {
    if (row < 0 || row >= numberOfRows()) return;
    if (editing_)
        openContents(row);
    else
        openSummary(row);
}

void MenuFolderVC::openContents(int row) {
    navigation_.push(std::make_shared<FavoriteVCFolderNew>(platform_, shared_, navigation_,
                                                           folderId(row), rowTitle(row)));
}

void MenuFolderVC::openSummary(int row) {
    const FolderRow& folder = dataArray_[static_cast<std::size_t>(row)];
    FolderSums sums;
    std::optional<std::unordered_set<long long>> catalogue;
    for (const auto& productId :
         PlannerStore(shared_).selectProductsAccordingToFolder(FolderId::of(folder.folderId))) {
        const auto rows = PlannerStore(shared_).selectProductDetailForEdit(
            ProductId::of(productId), FolderId::of(folder.folderId));
        if (!rows.empty()) {
            // The product's own values tell a nutrient it has none of from one it lacks data for;
            // an amount above zero has data, so only a row with a zero needs them read.
            const NutrientTexts amounts = nutrientTexts(rows.front().nutrients);
            const bool zero = std::any_of(amounts.begin(), amounts.end(), [](const auto& text) {
                return leadingFloat(text) <= 0.0f;
            });
            const auto product =
                zero ? CatalogueStore(shared_).selectProductDetail(ProductId::of(productId))
                     : std::nullopt;
            const NutrientTexts per100 =
                product ? nutrientTexts(product->nutrients) : NutrientTexts{};
            sums.add(amounts, product ? &per100 : nullptr);
            continue;
        }
        // No row: a product gone from the catalogue is taken out of its folders, unless the
        // catalogue cannot be read as a whole just now.
        if (host_.isCatalogueBusy()) continue;
        if (!catalogue) {
            catalogue.emplace();
            for (const auto& id : CatalogueStore(shared_).selectAllRecordIDFromProductsTable())
                catalogue->insert(integerValue64(id));
        }
        if (!catalogue->empty() && !catalogue->contains(integerValue64(productId)))
            PlannerWrites(shared_).cleanOrphanProduct(ProductId::of(productId));
    }
    auto summary = std::make_shared<ProductDetailPortraitVC>(platform_, shared_);
    summary->drawData(sums.totals());
    summary->setTitleName(folderDisplayName(folder, platform_.strings));
    summary->setFolderId(folder.folderId);
    navigation_.push(summary);
}

void MenuFolderVC::deleteRow(int row) {
    if (row < 0 || row >= numberOfRows()) return;
    const std::string id = folderId(row);
    dataArray_.erase(dataArray_.begin() + row);
    if (!PlannerWrites(shared_).deleteFolder(FolderId::of(id))) {
        platform_.log.write("Folder " + id + " not deleted");
        reloadFolders(); // show what is stored
        return;
    }
    changed();
}

void MenuFolderVC::moveRow(int from, int to) {
    const int n = numberOfRows();
    if (from < 0 || from >= n || to < 0 || to >= n || from == to) return;
    FolderRow folder = std::move(dataArray_[static_cast<std::size_t>(from)]);
    dataArray_.erase(dataArray_.begin() + from);
    dataArray_.insert(dataArray_.begin() + to, std::move(folder));
    changed();
}

void MenuFolderVC::changed() {
    if (listener_) listener_->foldersChanged();
}

} // namespace tolvane
