// The personal profile, opened from the settings.
#include "app/registration/AreaScreens.h"
#include "screens/profile/PersonalProfileWidget.h"

namespace tolvane {

void registerProfileScreens(ScreenFactory& factory) {
    factory.registerWidget<PersonalProfileVC, PersonalProfileWidget>();
}

} // namespace tolvane
