// The language screen: seven rows ("Auto" and the six string-table languages), a check mark
// on the stored choice. A choice is stored at once and used from the next start on.
#pragma once

#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/settings/LanguageChoice.h"

#include <functional>
#include <string>
#include <vector>

namespace tolvane {

class Localization : public Screen {
public:
    Localization(Platform platform, LanguageChoice& shell);

    // Row labels (string-table keys; the stored "languageUsed" is the label itself).
    static const std::vector<std::string>& languagesArray();
    // Language code of a row; empty for "Auto" (row 0) and rows out of range.
    static std::string languageCode(int row);

    static const char* headerKey() { return key("Localization Screen Text 1"); }
    const Strings& strings() const { return platform_.strings; }
    static const char* checkPicture() { return "checkmark2.png"; }

    void viewWillAppear();
    bool isChecked(int row) const;
    void select(int row);

    std::function<void()> onChanged;

private:
    void changed();

    Platform platform_;
    LanguageChoice& shell_;
};

} // namespace tolvane
