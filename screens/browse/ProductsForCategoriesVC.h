// The products of one category, with its own index and a search inside the category. With the
// catalogue service given it observes it from construction to destruction, and reads its rows
// again when the catalogue changed (an update page, an own product saved or deleted); it owns no
// thread.
#pragma once

#include "catalogue/CatalogueService.h"
#include "screens/browse/ProductListVC.h"
#include "screens/detail/DetailHost.h"

namespace tolvane {

class ProductsForCategoriesVC : public ProductListVC, public CatalogueListener {
public:
    ProductsForCategoriesVC(Platform platform, Database& shared, Navigation& navigation,
                            std::string categoryId, std::string myTitle, DetailHost host = {},
                            CatalogueService* catalogue = nullptr);
    ~ProductsForCategoriesVC() override;

    const std::string& categoryId() const { return categoryId_; }
    const std::string& myTitle() const { return myTitle_; }

    void viewDidLoad();
    void viewWillAppear();
    void viewWillDisappear();
    void didSelectRow(int section, int row) override;
    // The catalogue changed: the rows are read again, and a search shown is made again on them.
    void heldListChanged(ListChange why) override;

protected:
    int catalogueCount() override;
    std::vector<std::uint32_t> searchRecords(const std::string& pattern) override;
    BlankKeys blankKeys() const override { return BlankKeys::UnderHash; }
    const char* searchEventName() const override { return "Category Search Terms"; }
    void restoreAfterCancel() override;

private:
    void readRows();

    CatalogueService* catalogue_;
    std::string searchedPattern_;
    Navigation& navigation_;
    std::string categoryId_;
    std::string myTitle_;
    DetailHost host_;
    bool loaded_ = false;
};

} // namespace tolvane
