// The device's orientation, numbered as the platform reports it.
#pragma once

namespace tolvane {

enum class DeviceOrientation {
    Unknown = 0,
    Portrait = 1,
    LandscapeLeft = 3, // turned to the left: the landscape screens rotate +90°, flip from the left
    LandscapeRight = 4,
};

constexpr bool isLandscape(DeviceOrientation orientation) {
    return orientation == DeviceOrientation::LandscapeLeft ||
           orientation == DeviceOrientation::LandscapeRight;
}

} // namespace tolvane
