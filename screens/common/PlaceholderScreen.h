// Stands in for a screen that a later version adds; shows only its title.
#pragma once

#include "platform/Navigation.h"

#include <string>
#include <utility>

namespace tolvane {

class PlaceholderScreen : public Screen {
public:
    explicit PlaceholderScreen(std::string titleKey, std::string picture = {})
        : titleKey_(std::move(titleKey)), picture_(std::move(picture)) {}
    const std::string& titleKey() const { return titleKey_; }
    const std::string& picture() const { return picture_; }

private:
    std::string titleKey_;
    std::string picture_;
};

} // namespace tolvane
