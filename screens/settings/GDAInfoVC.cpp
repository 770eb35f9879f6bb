#include "screens/settings/GDAInfoVC.h"

#include <utility>

namespace tolvane {

GDAInfoVC::GDAInfoVC(Platform platform, LinkTargets links, DeviceOrientation orientation,
                     std::function<void()> close)
    : platform_(platform), links_(std::move(links)), orientation_(orientation),
      close_(std::move(close)) {}

void GDAInfoVC::viewDidLoad() {
    platform_.log.write("GDA-Screen");
}

void GDAInfoVC::viewWillAppear() {
    html_ = platform_.strings.text("GDAInfoText");
}

std::string GDAInfoVC::title() const {
    return platform_.strings.text("GDA Info");
}

std::string GDAInfoVC::backButtonTitle() const {
    return "  " + platform_.strings.text("Zurück");
}

void GDAInfoVC::deviceOrientationChanged(DeviceOrientation orientation) {
    if (!isLandscape(orientation)) return;
    orientation_ = orientation;
}

LinkAction GDAInfoVC::linkRequested(const std::string& url, bool tapped) {
    auto action = classifyLink(url, tapped, links_);
    if (action != LinkAction::Follow) platform_.urls.open(externalAddress(action, links_));
    return action;
}

void GDAInfoVC::prevButtonClick() {
    if (close_) close_();
}

} // namespace tolvane
