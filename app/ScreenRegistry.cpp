#include "app/ScreenRegistry.h"

#include "app/registration/AreaScreens.h"

namespace tolvane {

void registerScreens(ScreenFactory& factory) {
    registerOwnProductsScreens(factory);
    registerProfileScreens(factory);
    registerSettingsScreens(factory);
    registerDetailScreens(factory);
    registerBrowseScreens(factory);
    registerPlannerScreens(factory);
    registerDiaryScreens(factory);
}

} // namespace tolvane
