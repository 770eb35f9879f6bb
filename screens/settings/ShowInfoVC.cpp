#include "screens/settings/ShowInfoVC.h"

#include "platform/Keys.h"

#include <array>
#include <utility>

namespace tolvane {

ShowInfoVC::ShowInfoVC(Platform platform, Navigation& navigation, LinkTargets links,
                       std::string myTitle, std::string titleDisplay)
    : platform_(platform), navigation_(navigation), links_(std::move(links)),
      myTitle_(std::move(myTitle)), titleDisplay_(std::move(titleDisplay)) {}

void ShowInfoVC::viewDidLoad() {
    platform_.log.write("Show-Info -Screen = Blaupause für Infobuttons");
}

std::string ShowInfoVC::navigationTitle() const {
    return titleDisplay_ == "no" ? std::string() : myTitle_;
}

std::string ShowInfoVC::backButtonTitle() const {
    return platform_.strings.text("Zurück");
}

std::optional<std::string> ShowInfoVC::pageTextKey() const {
    struct Page {
        const char* title;
        const char* text;
    };
    static constexpr std::array<Page, 10> pages{{
        {key("Ampel-Infos"), key("AmpelInfosText")},
        {key("Benutzungstips"), key("BenutzungstipsText")},
        {key("Lokalisierung"), key("LocalizationInfoText")},
        {key("Live-Suche"), key("LiveSearchInfoText")},
        {key("Metrische Einheiten"), key("MetrisheInfoText")},
        {key("Infotext Profil Titel"), key("Infotext Profil")},
        {key("BMI Infotext Titel"), key("BMI Infotext")},
        // The profile's rows title their pages.
        {key("Ideal Body Weight"), key("Ideal Weight Infotext")},
        {key("Activity Level"), key("Activity Level Infotext")},
        {key("Daily Calories(kcal)"), key("Daily Calories Infotext")},
    }};
    for (const auto& page : pages)
        if (platform_.strings.text(page.title) == myTitle_) return std::string(page.text);
    return std::nullopt;
}

void ShowInfoVC::viewWillAppear() {
    auto textKey = pageTextKey();
    html_ = textKey ? platform_.strings.text(*textKey) : std::string();
}

LinkAction ShowInfoVC::linkRequested(const std::string& url, bool tapped) {
    auto action = classifyLink(url, tapped, links_);
    if (action != LinkAction::Follow) platform_.urls.open(externalAddress(action, links_));
    return action;
}

void ShowInfoVC::prevButtonClick() {
    navigation_.pop();
}

} // namespace tolvane
