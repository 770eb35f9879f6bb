// The guideline-daily-amount help laid over the landscape calculator.
#pragma once

#include "platform/DeviceOrientation.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/settings/LinkRule.h"

#include <functional>
#include <string>

namespace tolvane {

class GDAInfoVC : public Screen {
public:
    // close: removes the page and uncovers the calculator.
    GDAInfoVC(Platform platform, LinkTargets links, DeviceOrientation orientation,
              std::function<void()> close);

    void viewDidLoad();
    void viewWillAppear();

    std::string title() const;
    // Two leading blanks before the back text, beside the back arrow.
    std::string backButtonTitle() const;
    static const char* backPicture() { return "back.png"; }
    const std::string& html() const { return html_; }
    const std::string& baseDirectory() const { return links_.resourceDir; }

    // Only the two landscape orientations turn the page; everything else leaves it.
    void deviceOrientationChanged(DeviceOrientation orientation);

    LinkAction linkRequested(const std::string& url, bool tapped);
    void prevButtonClick();
    // A web or mail link that no rule took.
    void openExternal(const std::string& url) { platform_.urls.open(url); }

private:
    Platform platform_;
    LinkTargets links_;
    DeviceOrientation orientation_;
    std::function<void()> close_;
    std::string html_;
};

} // namespace tolvane
