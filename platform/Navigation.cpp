#include "Navigation.h"

namespace tolvane {

void FakeNavigation::push(std::shared_ptr<Screen> screen, const std::string& backTitleKey) {
    stack_.push_back(std::move(screen));
    backTitles_.push_back(backTitleKey);
}

void FakeNavigation::pop() {
    ++pops_;
    if (!stack_.empty()) {
        stack_.pop_back();
        backTitles_.pop_back();
    }
}

} // namespace tolvane
