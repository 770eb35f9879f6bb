#include "ProductsForCategoriesVC.h"

#include "catalogue/HeldListSearch.h"
#include "platform/Keys.h"
#include "screens/detail/ProductDetail.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"

namespace tolvane {

ProductsForCategoriesVC::ProductsForCategoriesVC(Platform platform, Database& shared,
                                                 Navigation& navigation, std::string categoryId,
                                                 std::string myTitle, DetailHost host,
                                                 CatalogueService* catalogue)
    : ProductListVC(platform, shared), catalogue_(catalogue), navigation_(navigation),
      categoryId_(std::move(categoryId)), myTitle_(std::move(myTitle)), host_(std::move(host)) {
    if (catalogue_) catalogue_->addListener(*this);
}

ProductsForCategoriesVC::~ProductsForCategoriesVC() {
    if (catalogue_) catalogue_->removeListener(*this);
}

void ProductsForCategoriesVC::readRows() {
    // The list shows name and maker; the values of the rows are not held.
    PackedRows rows;
    for (const CategoryProductRow& product :
         CatalogueStore(shared_).selectProductsForCategory(CategoryId::of(categoryId_)))
        rows.push_back(product.name, product.maker, product.recordId);
    dataArray_ = hold(std::move(rows));
    folded_ = std::make_shared<const SearchIndex>(*dataArray_);
}

void ProductsForCategoriesVC::viewDidLoad() {
    if (loaded_) return;
    loaded_ = true;
    readLiveSearch();
    readRows();
    tableHidden_ = dataArray_->empty();
    setUpDisplayList(dataArray_);
    holdFullGrouping();
    notifyList();
    notifyState();
}

void ProductsForCategoriesVC::heldListChanged(ListChange why) {
    if (!loaded_ || why == ListChange::ReadFailed || why == ListChange::Indexed) return;
    readRows();
    if (search_ && !searchedPattern_.empty()) {
        searchHits_ = searchRecords(searchedPattern_);
        searchRows_ = dataArray_;
        setUpSearchList();
        tableHidden_ = searchHits_.empty();
    } else {
        tableHidden_ = dataArray_->empty();
        setUpDisplayList(dataArray_);
        holdFullGrouping();
    }
    notifyList();
    notifyState();
}

void ProductsForCategoriesVC::viewWillAppear() {
    readLiveSearch();
    notifyState();
}

void ProductsForCategoriesVC::viewWillDisappear() {
    if (listener_) listener_->closeKeyboard();
    platform_.appDefaults().setCategoryId(categoryId_);
    platform_.appDefaults().setProductsForCategoryTitle(myTitle_);
}

void ProductsForCategoriesVC::restoreAfterCancel() {
    setUpDisplayList(dataArray_);
    notifyList();
    notifyState();
}

void ProductsForCategoriesVC::didSelectRow(int section, int row) {
    const std::string productId = rowAt(section, row).recordId;
    if (productId.empty()) return;
    platform_.appDefaults().setProductsForCategoroesProductId(productId);
    const auto product = CatalogueStore(shared_).selectProductDetail(ProductId::of(productId));
    if (!product) {
        platform_.log.write("Product " + productId + " not found");
        return;
    }
    auto detail = std::make_shared<ProductDetail>(platform_, shared_, host_);
    detail->setFromScreen("ProductsForCategory");
    detail->drawData(*product);
    navigation_.push(detail, key("Zurück"));
}

int ProductsForCategoriesVC::catalogueCount() {
    return CatalogueStore(shared_).selectProductCountForCategory(CategoryId::of(categoryId_));
}

// The category's rows are held with their folded forms, so the search needs no store.
std::vector<std::uint32_t> ProductsForCategoriesVC::searchRecords(const std::string& pattern) {
    searchedPattern_ = pattern;
    return typedSearch_.find(dataArray_, folded_, pattern);
}

} // namespace tolvane
