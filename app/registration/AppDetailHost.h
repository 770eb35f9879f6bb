// What the detail screens may ask of the application (the landscape calculator and its help
// page), bound to the delegate. Shared by the areas that open a product.
#pragma once

#include "screens/detail/DetailHost.h"

namespace tolvane {

class Tolvane_AppDelegate;

DetailHost detailHost(Tolvane_AppDelegate& delegate);

} // namespace tolvane
