// Each screen area (a folder screens/<area>/) is plugged into the shell by one function of
// the application, defined in app/registration/<Area>Screens.cpp and called once from
// registerScreens() (app/ScreenRegistry.cpp). The screens themselves know nothing of the
// application: their models take the platform interfaces and store objects, their widgets
// take their model and plain Qt. The registration file is where the two meet: it builds a
// model from what the delegate holds, and names the widget for the model's class.
//
// A new area (planner, ownproducts, profile):
//   1. screens/<area>/CMakeLists.txt adds tolvane_<area>_models (no Qt) and, with the
//      application, tolvane_<area>_widgets;
//   2. app/registration/<Area>Screens.cpp defines register<Area>Screens(ScreenFactory&),
//      declared below;
//   3. app/CMakeLists.txt lists that file and links tolvane_<area>_widgets, and
//      registerScreens() calls the function;
//   4. its tests go to tests/<area>/.
// Screens take the store's typed rows (store/Rows.h: ProductRecord, ListRow, ProfileRow, ...);
// the rows of a table are named by an id or kind the model and widget share. A screen
// that another area opens is handed over as a maker where that area is registered (the
// settings rows "Eigene Produkte verwalten" and "Persönliches Profil": SetupVC::Dependencies
// in SettingsScreens.cpp).
#pragma once

#include "app/ScreenFactory.h"

namespace tolvane {

void registerOwnProductsScreens(ScreenFactory& factory);
void registerProfileScreens(ScreenFactory& factory);
void registerSettingsScreens(ScreenFactory& factory);
void registerDetailScreens(ScreenFactory& factory);
void registerBrowseScreens(ScreenFactory& factory);
void registerPlannerScreens(ScreenFactory& factory);
void registerDiaryScreens(ScreenFactory& factory);

} // namespace tolvane
