// The personal profile, opened from the settings.
#include "app/registration/AreaScreens.h"
#include "screens/profile/PersonalProfileWidget.h"

namespace tolvane {

void registerProfileScreens(ScreenFactory& factory) {
    factory.registerWidget<PersonalProfileVC>(
        [](std::shared_ptr<PersonalProfileVC> s, ScreenContext& c) -> QWidget* {
            return new PersonalProfileWidget(s, c.platform.strings);
        });
}

} // namespace tolvane
