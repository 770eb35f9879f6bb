// Where every screen's widget and every tab's root screen is registered (see ScreenFactory.h).
#pragma once

#include "app/ScreenFactory.h"

namespace tolvane {

void registerScreens(ScreenFactory& factory);

} // namespace tolvane
