// How the detail screens reach the application delegate's landscape switching.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tolvane {

struct LandscapeHooks {
    // The device turned to landscape (orientation 3 or 4) while a product is shown.
    std::function<void(const std::vector<std::string>& details, int orientation)> showLandscapeView;
    // Back to the tabs when the device is upright again.
    std::function<void()> nextView;
    // The GDA information page over the calculator.
    std::function<void(const std::vector<std::string>& details, int orientation)> showInfoView;
};

} // namespace tolvane
