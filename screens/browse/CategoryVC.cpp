#include "CategoryVC.h"

#include "catalogue/IndexGrouping.h"
#include "screens/browse/ProductsForCategoriesVC.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"

#include <algorithm>
#include <utility>

namespace tolvane {

CategoryVC::CategoryVC(Platform platform, Database& shared, Navigation& navigation, DetailHost host,
                       CatalogueService* catalogue)
    : platform_(platform), shared_(shared), navigation_(navigation), host_(std::move(host)),
      catalogue_(catalogue) {}

CategoryVC::~CategoryVC() = default;

void CategoryVC::viewWillAppear() {
    std::weak_ptr<int> alive = alive_;
    platform_.dispatcher.runLater(0, [this, alive] {
        if (alive.lock()) reloadCategories();
    });
}

void CategoryVC::reloadCategories() {
    categories_ = CatalogueStore(shared_).selectCategoriesForCategoryScreen();
    // In the order of the names the reader sees, not of the German keys.
    std::vector<std::pair<std::string, CategoryRow>> named;
    for (auto& category : categories_)
        named.emplace_back(sortKeyOf(platform_.strings.text(category.name)), std::move(category));
    std::stable_sort(named.begin(), named.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    categories_.clear();
    for (auto& [sortKey, category] : named)
        categories_.push_back(std::move(category));
    if (listener_) listener_->categoriesChanged();
}

std::string CategoryVC::rowTitle(int row) const {
    if (row < 0 || row >= numberOfRows()) return {};
    return platform_.strings.text(categories_[static_cast<std::size_t>(row)].name);
}

void CategoryVC::didSelectRow(int row) {
    if (row < 0 || row >= numberOfRows()) return;
    const CategoryRow& category = categories_[static_cast<std::size_t>(row)];
    platform_.analytics.logEvent("Category Selected", {{"Categories Screen", category.name}});
    auto products = std::make_shared<ProductsForCategoriesVC>(
        platform_, shared_, navigation_, category.recordId, rowTitle(row), host_, catalogue_);
    navigation_.push(products, backTitleKey());
}

} // namespace tolvane
