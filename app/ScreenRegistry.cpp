#include "app/ScreenRegistry.h"

#include "app/registration/AreaScreens.h"
#include "platform/Keys.h"
#include "screens/common/PlaceholderScreen.h"

namespace tolvane {

void registerScreens(ScreenFactory& factory) {
    // Tab roots until an area takes its tab: product list, menu folders, categories.
    factory.setRoot(0, [](ScreenContext&) {
        return std::make_shared<PlaceholderScreen>(key("Suche"), "products.png");
    });
    factory.setRoot(1, [](ScreenContext&) {
        return std::make_shared<PlaceholderScreen>(key("Menu List"), "tab_menulist");
    });
    factory.setRoot(2, [](ScreenContext&) {
        return std::make_shared<PlaceholderScreen>(key("Kategorien"), "tab_kategorien");
    });
    registerSettingsScreens(factory);
    registerDetailScreens(factory);
    registerBrowseScreens(factory);
    registerPlannerScreens(factory);
}

} // namespace tolvane
