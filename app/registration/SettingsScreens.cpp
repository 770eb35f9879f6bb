// The settings tab (tab 3): options, the language screen and the help pages.
#include "app/Tolvane_AppDelegate.h"
#include "app/registration/AreaScreens.h"
#include "screens/common/PlaceholderWidget.h"
#include "screens/settings/DatabaseSettingsStore.h"
#include "screens/settings/LocalizationWidget.h"
#include "screens/settings/SetupWidget.h"
#include "screens/settings/ShowInfoWidget.h"

namespace tolvane {
namespace {

template <typename Model> std::shared_ptr<Model> as(const std::shared_ptr<Screen>& screen) {
    return std::static_pointer_cast<Model>(screen);
}

std::shared_ptr<Screen> makeSetup(ScreenContext& c) {
    Tolvane_AppDelegate& delegate = c.delegate;
    return std::make_shared<SetupVC>(SetupVC::Dependencies{
        c.platform,
        c.navigation,
        [&delegate]() -> std::unique_ptr<SettingsStore> {
            return std::make_unique<DatabaseSettingsStore>(delegate.getDBObj().GetDatabasePath(),
                                                           *delegate.context().log);
        },
        delegate.languageChoice(),
        delegate.context().links(),
        {},
        {}});
}

} // namespace

void registerSettingsScreens(ScreenFactory& factory) {
    factory.setRoot(3, makeSetup);
    factory.registerWidget("SetupVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
        return new SetupWidget(as<SetupVC>(s), c.pictures);
    });
    factory.registerWidget("Localization",
                           [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
                               return new LocalizationWidget(as<Localization>(s), c.pictures);
                           });
    factory.registerWidget("ShowInfoVC",
                           [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
                               return new ShowInfoWidget(as<ShowInfoVC>(s), c.pictures);
                           });
    factory.registerWidget(
        "Placeholder", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new PlaceholderWidget(as<PlaceholderScreen>(s), c.platform.strings, c.pictures);
        });
}

} // namespace tolvane
