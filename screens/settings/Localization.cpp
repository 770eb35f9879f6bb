#include "screens/settings/Localization.h"

#include "platform/Keys.h"

namespace tolvane {

Localization::Localization(Platform platform, LanguageChoice& shell)
    : platform_(platform), shell_(shell) {}

const std::vector<std::string>& Localization::languagesArray() {
    static const std::vector<std::string> labels{"Auto",      "Deutsch",  "English", "Español",
                                                 "Française", "Italiano", "Pусский"};
    return labels;
}

std::string Localization::languageCode(int row) {
    static const char* const codes[] = {"", "de", "en", "es", "fr", "it", "ru"};
    return row >= 0 && row < 7 ? codes[row] : "";
}

void Localization::viewWillAppear() {
    changed();
}

bool Localization::isChecked(int row) const {
    const auto& labels = languagesArray();
    if (row < 0 || row >= int(labels.size())) return false;
    const AppDefaults defaults = platform_.appDefaults();
    return row == defaults.languageRow() || labels[row] == defaults.languageUsed();
}

void Localization::select(int row) {
    const auto& labels = languagesArray();
    if (row < 0 || row >= int(labels.size())) return;
    AppDefaults defaults = platform_.appDefaults();
    shell_.languageRow = row;
    defaults.setLanguageRow(row);
    shell_.languageUsed = labels[row];
    defaults.setLanguageUsed(labels[row]);
    if (row == 0)
        defaults.removeAppleLanguages();
    else
        defaults.setAppleLanguages({languageCode(row)});
    changed();
    defaults.synchronize();
}

void Localization::changed() {
    if (onChanged) onChanged();
}

} // namespace tolvane
