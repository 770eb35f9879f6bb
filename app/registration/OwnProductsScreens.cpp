// The own-products list and the entry form, opened from the settings.
#include "app/registration/AreaScreens.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"

namespace tolvane {

void registerOwnProductsScreens(ScreenFactory& factory) {
    factory.registerWidget<ManageProductsVC, ManageProductsWidget>();
    factory.registerWidget<AddProductVC, AddProductWidget>();
}

} // namespace tolvane
