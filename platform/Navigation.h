// Navigation stacks. Each tab has one; a screen model pushes the model of the next screen
// and the host shows the matching widget.
#pragma once

#include <memory>
#include <string>
#include <vector>

namespace tolvane {

// Base of every screen model, so a stack can hold any of them; the host finds a model's
// widget by its class.
class Screen {
public:
    virtual ~Screen() = default;
    // The back key (Escape) on this screen, before its stack goes back: true when the screen
    // used the key itself (a pending step undone, a question asked) and stays.
    virtual bool backKeyPressed() { return false; }
};

class Navigation {
public:
    virtual ~Navigation() = default;
    // backTitleKey: string-table key of the back button shown on the pushed screen ("" = default).
    virtual void push(std::shared_ptr<Screen> screen, const std::string& backTitleKey = {}) = 0;
    virtual void pop() = 0;
};

class FakeNavigation : public Navigation {
public:
    void push(std::shared_ptr<Screen> screen, const std::string& backTitleKey = {}) override;
    void pop() override;
    const std::vector<std::shared_ptr<Screen>>& stack() const { return stack_; }
    std::shared_ptr<Screen> top() const { return stack_.empty() ? nullptr : stack_.back(); }
    const std::vector<std::string>& backTitles() const { return backTitles_; }
    int pops() const { return pops_; }

private:
    std::vector<std::shared_ptr<Screen>> stack_;
    std::vector<std::string> backTitles_;
    int pops_ = 0;
};

} // namespace tolvane
