// The product list (tab 0), the categories (tab 2) and the category's product list.
#include "app/Tab.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/registration/AppDetailHost.h"
#include "app/registration/AreaScreens.h"
#include "screens/browse/CategoryWidget.h"
#include "screens/browse/ProductsForCategoriesVC.h"
#include "screens/browse/ScanWidget.h"
#include "screens/browse/SearchWidget.h"

namespace tolvane {

void registerBrowseScreens(ScreenFactory& factory) {
    factory.setRoot(kSearchTab, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        return std::make_shared<SearchVC>(c.platform, c.delegate.getDBObj(),
                                          c.delegate.catalogueService(), c.navigation,
                                          detailHost(c.delegate));
    });
    factory.setRoot(kCategoriesTab, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        return std::make_shared<CategoryVC>(c.platform, c.delegate.getDBObj(), c.navigation,
                                            detailHost(c.delegate), &c.delegate.catalogueService());
    });
    factory.registerWidget<SearchVC, SearchWidget>();
    factory.registerWidget<CategoryVC, CategoryWidget>();
    factory.registerWidget<ProductsForCategoriesVC, ProductsForCategoriesWidget>();
    factory.registerWidget<ScanVC>([](std::shared_ptr<ScanVC> s, ScreenContext& c) -> QWidget* {
        return new ScanWidget(std::move(s), c.platform.strings, c.platform.dispatcher);
    });
}

} // namespace tolvane
