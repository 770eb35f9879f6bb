// What the detail screens need from the application: the landscape switching of its delegate
// and the device's own language list.
#pragma once

#include "platform/DeviceOrientation.h"
#include "store/Rows.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvane {

struct DetailHost {
    // The device turned to landscape (either landscape orientation) while a product is shown.
    std::function<void(const ProductRecord& product, DeviceOrientation orientation)>
        showLandscapeView;
    // Back to the tabs when the device is upright again.
    std::function<void()> nextView;
    // The GDA information page over the calculator.
    std::function<void(const ProductRecord& product, DeviceOrientation orientation)> showInfoView;
    // The device's preferred languages, for when no list is stored under "AppleLanguages".
    std::vector<std::string> devicePreferredLanguages;
    // The language this run was started in (--lang), which every text follows; empty when none.
    std::string runLanguage;
};

} // namespace tolvane
