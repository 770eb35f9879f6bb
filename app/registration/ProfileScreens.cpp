// The personal profile, opened from the settings.
#include "app/registration/AreaScreens.h"
#include "screens/profile/PersonalProfileWidget.h"

namespace tolvane {

void registerProfileScreens(ScreenFactory& factory) {
    factory.registerWidget(
        "PersonalProfileVC", [](std::shared_ptr<Screen> s, ScreenContext& c) -> QWidget* {
            return new PersonalProfileWidget(std::static_pointer_cast<PersonalProfileVC>(s),
                                             c.platform.strings);
        });
}

} // namespace tolvane
