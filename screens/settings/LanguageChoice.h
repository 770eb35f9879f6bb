// The language choice of the running process, kept by the application delegate and
// changed by the language screen (the stored copy takes effect at the next start).
#pragma once

#include <string>

namespace tolvane {

struct LanguageChoice {
    int languageRow = 0;
    std::string languageUsed;
};

} // namespace tolvane
