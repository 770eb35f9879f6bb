#include "FavoriteVCFolderNew.h"

#include "NewEditConsumptionVC.h"
#include "nutrition/Consumption.h"
#include "nutrition/NumberText.h"
#include "nutrition/Nutrient.h"
#include "screens/common/Nutrients.h"
#include "screens/filing/PlannerWrites.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"

namespace tolvane {

FavoriteVCFolderNew::FavoriteVCFolderNew(Platform platform, Database& shared,
                                         Navigation& navigation, std::string folderNumber,
                                         std::string title)
    : platform_(platform), shared_(shared), navigation_(navigation),
      folderNumberString_(std::move(folderNumber)), titleString_(std::move(title)) {}

FavoriteVCFolderNew::~FavoriteVCFolderNew() = default;

void FavoriteVCFolderNew::viewDidLoad() {
    // Nothing to read yet: the lists are built when the screen appears, which always follows.
}

void FavoriteVCFolderNew::viewWillAppear() {
    buildLists();
}

void FavoriteVCFolderNew::buildLists() {
    dataArray_.clear();
    kcalArray_.clear();
    gmArray_.clear();
    for (const auto& productId :
         PlannerStore(shared_).selectProductsAccordingToFolder(FolderId::of(folderNumberString_))) {
        auto products =
            PlannerStore(shared_).selectProductFavoriteFolderWise(ProductId::of(productId));
        // Gone from the catalogue: the folder list takes it out on its next appearance.
        if (products.empty()) continue;
        dataArray_.push_back(std::move(products.front()));
        // Calories and amount of the same (last) consumption row, read in one query.
        const auto rows = PlannerStore(shared_).selectProductDetailForEdit(
            ProductId::of(dataArray_.back().recordId), FolderId::of(folderNumberString_));
        kcalArray_.push_back(rows.empty() ? std::string() : rows.back().nutrients.kcal);
        gmArray_.push_back(shownAmount(rows.empty() ? std::string() : rows.back().gm,
                                       numberFormat(platform_.strings)));
    }
    changed();
}

FolderItemRow FavoriteVCFolderNew::row(int row) const {
    if (row < 0 || row >= numberOfRows()) return {};
    const auto i = static_cast<std::size_t>(row);
    const NumberFormat format = numberFormat(platform_.strings);
    // Energy is shown whole, as on every other screen, whatever the stored text carries.
    const std::string calories =
        format.withUnit(format.amount(kcalArray_[i], shownDecimals(Nutrient::Energy)), "kcal");
    return {dataArray_[i].name, dataArray_[i].maker, calories, gmArray_[i]};
}

std::string FavoriteVCFolderNew::productId(int row) const {
    if (row < 0 || row >= numberOfRows()) return {};
    return dataArray_[static_cast<std::size_t>(row)].recordId;
}

void FavoriteVCFolderNew::didSelectRow(int row) {
    if (row < 0 || row >= numberOfRows()) return;
    const FavoriteRow& item = dataArray_[static_cast<std::size_t>(row)];
    const std::string category =
        CatalogueStore(shared_).selectCategoryForId(CategoryId::of(item.categoryId));
    ConsumptionInputs inputs{item.name, item.maker,
                             category.empty() ? std::string() : platform_.strings.text(category),
                             item.recordId, folderNumberString_};
    auto editor = std::make_shared<NewEditConsumptionVC>(platform_, shared_, std::move(inputs));
    navigation_.push(editor, backTitleKey());
}

void FavoriteVCFolderNew::deleteRow(int row) {
    if (row < 0 || row >= numberOfRows()) return;
    const auto i = static_cast<std::size_t>(row);
    PlannerWrites writes(shared_);
    if (!writes.removeFromFolder(ProductId::of(dataArray_[i].recordId),
                                 FolderId::of(folderNumberString_))) {
        platform_.log.write("Product " + dataArray_[i].recordId + " not removed from folder " +
                            folderNumberString_);
        buildLists(); // show what is stored
        return;
    }
    dataArray_.erase(dataArray_.begin() + row);
    kcalArray_.erase(kcalArray_.begin() + row);
    gmArray_.erase(gmArray_.begin() + row);
    changed();
}

void FavoriteVCFolderNew::viewWillDisappear() {
    std::vector<ProductId> ids;
    for (const FavoriteRow& item : dataArray_)
        ids.push_back(ProductId::of(item.recordId));
    if (!ids.empty()) PlannerWrites(shared_).writeFavoriteOrder(ids);
}

void FavoriteVCFolderNew::changed() {
    if (listener_) listener_->itemsChanged();
}

} // namespace tolvane
