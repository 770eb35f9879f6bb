// Each screen area (a folder screens/<area>/) is plugged into the shell by one function of
// the application, defined in app/registration/<Area>Screens.cpp and called once from
// registerScreens() (app/ScreenRegistry.cpp). The screens themselves know nothing of the
// application: their models take the platform interfaces and store objects, their widgets
// take their model and plain Qt. The registration file is where the two meet: it builds a
// model from what the delegate holds, and names the widget for the model's screenName().
//
// A new area (planner, ownproducts, profile):
//   1. screens/<area>/CMakeLists.txt adds tolvane_<area>_models (no Qt) and, with the
//      application, tolvane_<area>_widgets;
//   2. app/registration/<Area>Screens.cpp defines register<Area>Screens(ScreenFactory&),
//      declared below;
//   3. app/CMakeLists.txt lists that file and links tolvane_<area>_widgets, and
//      registerScreens() calls the function.
#pragma once

#include "app/ScreenFactory.h"

namespace tolvane {

void registerSettingsScreens(ScreenFactory& factory);
void registerDetailScreens(ScreenFactory& factory);
void registerBrowseScreens(ScreenFactory& factory);

} // namespace tolvane
