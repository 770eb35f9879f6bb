// The own-products list and the entry form, opened from the settings.
#include "app/registration/AreaScreens.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"

namespace tolvane {

void registerOwnProductsScreens(ScreenFactory& factory) {
    factory.registerWidget(
        "ManageProductsVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new ManageProductsWidget(std::static_pointer_cast<ManageProductsVC>(s),
                                            c.platform.strings);
        });
    factory.registerWidget("AddProductVC",
                           [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
                               return new AddProductWidget(
                                   std::static_pointer_cast<AddProductVC>(s), c.platform.strings);
                           });
}

} // namespace tolvane
