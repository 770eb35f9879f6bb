// The products of one category, with its own index and a search inside the category.
#pragma once

#include "screens/browse/ProductListVC.h"
#include "screens/detail/DetailHost.h"

namespace tolvane {

class ProductsForCategoriesVC : public ProductListVC {
public:
    ProductsForCategoriesVC(Platform platform, Database& shared, Navigation& navigation,
                            std::string categoryId, std::string myTitle, DetailHost host = {});

    const std::string& categoryId() const { return categoryId_; }
    const std::string& myTitle() const { return myTitle_; }

    void viewDidLoad();
    void viewWillAppear();
    void viewWillDisappear();
    void didSelectRow(int section, int row) override;

protected:
    int catalogueCount() override;
    std::vector<std::uint32_t> searchRecords(const std::string& pattern) override;
    BlankKeys blankKeys() const override { return BlankKeys::UnderHash; }
    const char* searchEventName() const override { return "Category Search Terms"; }
    void restoreAfterCancel() override;

private:
    Navigation& navigation_;
    std::string categoryId_;
    std::string myTitle_;
    DetailHost host_;
    bool loaded_ = false;
};

} // namespace tolvane
