// A product's traffic lights and, when the device turns, its landscape GDA calculator.
#include "app/Tolvane_AppDelegate.h"
#include "app/registration/AppDetailHost.h"
#include "app/registration/AreaScreens.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/detail/ProductDetailsLandscapeWidget.h"

namespace tolvane {

void registerDetailScreens(ScreenFactory& factory) {
    factory.registerWidget<ProductDetail>(
        [](std::shared_ptr<ProductDetail> s, ScreenContext& c) -> QWidget* {
            // Its better choices open on the stack it lives on.
            s->setNavigation(&c.navigation);
            auto* widget = new ProductDetailWidget(s, c.platform.strings);
            QObject::connect(&c.delegate, &Tolvane_AppDelegate::deviceOrientationChanged, widget,
                             &ProductDetailWidget::deviceOrientationChanged);
            return widget;
        });
    factory.setLandscape([](const ProductRecord& product, DeviceOrientation orientation,
                            ScreenContext& c) -> QWidget* {
        auto model = std::make_shared<ProductDetailsLandscapeVC>(
            c.platform, c.delegate.getDBObj(), orientation, detailHost(c.delegate));
        model->viewDidLoad();
        model->drawData(product);
        auto* widget = new ProductDetailsLandscapeWidget(model, c.platform.strings);
        QObject::connect(&c.delegate, &Tolvane_AppDelegate::deviceOrientationChanged, widget,
                         &ProductDetailsLandscapeWidget::deviceOrientationChanged);
        return widget;
    });
}

} // namespace tolvane
