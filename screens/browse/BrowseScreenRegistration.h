// Plugs the product list, the categories, the product detail and the landscape calculator into
// the shell. Included only by the shell's registration file, which calls
// registerBrowseScreens(factory) once.
#pragma once

#include "app/ScreenFactory.h"
#include "app/Tolvane_AppDelegate.h"
#include "screens/browse/CategoryWidget.h"
#include "screens/browse/ProductsForCategoriesVC.h"
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/detail/ProductDetailsLandscapeWidget.h"

namespace tolvane {

inline DetailHost detailHost(Tolvane_AppDelegate& delegate) {
    Tolvane_AppDelegate* d = &delegate; // lives as long as the process
    return {
        [d](const std::vector<std::string>& details, int o) { d->showLandscapeView(details, o); },
        [d] { d->nextView(); },
        [d](const std::vector<std::string>& details, int o) { d->showInfoView(details, o); },
        delegate.context().devicePreferred};
}

inline void registerBrowseScreens(ScreenFactory& factory) {
    factory.setRoot(0, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        return std::make_shared<SearchVC>(c.platform, c.delegate.getDBObj(), c.navigation,
                                          detailHost(c.delegate),
                                          c.delegate.serverUrl().toStdString());
    });
    factory.setRoot(2, [](ScreenContext& c) -> std::shared_ptr<Screen> {
        return std::make_shared<CategoryVC>(c.platform, c.delegate.getDBObj(), c.navigation,
                                            detailHost(c.delegate));
    });
    factory.registerWidget("SearchVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
        return new SearchWidget(std::static_pointer_cast<SearchVC>(s), c.platform.strings);
    });
    factory.registerWidget(
        "CategoryVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new CategoryWidget(std::static_pointer_cast<CategoryVC>(s), c.platform.strings);
        });
    factory.registerWidget(
        "ProductsForCategoriesVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new ProductsForCategoriesWidget(
                std::static_pointer_cast<ProductsForCategoriesVC>(s), c.platform.strings);
        });
    factory.registerWidget(
        "ProductDetail", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            auto* widget = new ProductDetailWidget(std::static_pointer_cast<ProductDetail>(s),
                                                   c.platform.strings);
            QObject::connect(&c.delegate, &Tolvane_AppDelegate::deviceOrientationChanged, widget,
                             &ProductDetailWidget::deviceOrientationChanged);
            return widget;
        });
    factory.setLandscape(
        [](const std::vector<std::string>& details, int orientation, ScreenContext& c) -> QWidget* {
            auto model = std::make_shared<ProductDetailsLandscapeVC>(
                c.platform, c.delegate.getDBObj(), orientation, detailHost(c.delegate));
            model->viewDidLoad();
            model->drawData(details);
            auto* widget = new ProductDetailsLandscapeWidget(model, c.platform.strings);
            QObject::connect(&c.delegate, &Tolvane_AppDelegate::deviceOrientationChanged, widget,
                             &ProductDetailsLandscapeWidget::deviceOrientationChanged);
            return widget;
        });
}

} // namespace tolvane
