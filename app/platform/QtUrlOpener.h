// Hands mail and web addresses to the desktop's own programs.
#pragma once

#include "platform/UrlOpener.h"

namespace tolvane {

class QtUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override;
};

} // namespace tolvane
