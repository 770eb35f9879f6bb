// The own-products list and the entry form, opened from the settings.
#include "app/registration/AreaScreens.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"

namespace tolvane {

void registerOwnProductsScreens(ScreenFactory& factory) {
    factory.registerWidget<ManageProductsVC>(
        [](std::shared_ptr<ManageProductsVC> s, ScreenContext& c) -> QWidget* {
            return new ManageProductsWidget(s, c.platform.strings);
        });
    factory.registerWidget<AddProductVC>(
        [](std::shared_ptr<AddProductVC> s, ScreenContext& c) -> QWidget* {
            return new AddProductWidget(s, c.platform.strings);
        });
}

} // namespace tolvane
