// The third tab: the categories that hold at least one product.
#pragma once

#include "catalogue/CatalogueService.h"
#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/detail/DetailHost.h"
#include "store/Rows.h"

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

class CategoryListener {
public:
    virtual ~CategoryListener() = default;
    virtual void categoriesChanged() = 0;
};

class CategoryVC : public Screen {
public:
    // catalogue: what a category's product list follows when the catalogue changes.
    CategoryVC(Platform platform, Database& shared, Navigation& navigation, DetailHost host = {},
               CatalogueService* catalogue = nullptr);
    ~CategoryVC() override;

    static const char* titleKey() { return key("Kategorien"); }
    static const char* backTitleKey() { return key("Zurück"); }

    void setListener(CategoryListener* listener) { listener_ = listener; }

    // Reads the categories again on the next turn of the event loop.
    void viewWillAppear();
    void reloadCategories();

    int numberOfRows() const { return static_cast<int>(categories_.size()); }
    // The category name looked up in the string table.
    std::string rowTitle(int row) const;
    static const char* rowBackground(int row) {
        return row % 2 == 0 ? "category_bg_light.png" : "category_bg_dark.png";
    }
    void didSelectRow(int row);

private:
    Platform platform_;
    Database& shared_;
    Navigation& navigation_;
    DetailHost host_;
    CatalogueService* catalogue_;
    CategoryListener* listener_ = nullptr;
    std::vector<CategoryRow> categories_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
