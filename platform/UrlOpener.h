// Hands mail ("mailto:") and web addresses to the system's own programs.
#pragma once

#include <string>
#include <vector>

namespace tolvane {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // False when the system has no program for the address.
    virtual bool open(const std::string& url) = 0;
};

class FakeUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override {
        opened.push_back(url);
        return canOpen;
    }
    std::vector<std::string> opened;
    bool canOpen = true;
};

} // namespace tolvane
