#include "app/settings/SetupVC.h"

#include "app/settings/Localization.h"
#include "app/settings/PlaceholderScreen.h"
#include "app/settings/RecordFields.h"
#include "app/settings/ShowInfoVC.h"
#include "platform/Keys.h"

#include <utility>

namespace tolvane {

SetupVC::SetupVC(Dependencies dependencies) : deps_(std::move(dependencies)) {}

const std::vector<SetupSection>& SetupVC::sections() {
    using A = SetupRow::Accessory;
    static const std::vector<SetupSection> table{
        {key("    Optionen"),
         {{key("Lokalisierung"), A::Disclosure, 1001},
          {key("Live-Suche"), A::Switch, 1002},
          {key("Metrische Einheiten"), A::Switch, 1003},
          {key("Eigene Produkte verwalten"), A::Disclosure, 0},
          {key("Persönliches Profil"), A::Disclosure, 1006}}},
        {key("    Nützliche Hinweise"),
         {{key("Ampel-Infos"), A::Disclosure, 0}, {key("Benutzungstips"), A::Disclosure, 0}}},
    };
    return table;
}

SettingsStore* SetupVC::store() {
    if (!database_ && deps_.openStore) database_ = deps_.openStore();
    return database_.get();
}

void SetupVC::viewDidLoad() {
    auto& p = deps_.platform;
    p.log.write("Setup -Screen");
    calories_value_.clear();
    if (p.defaults.boolForKey("isfirstLaunchSetup")) {
        p.analytics.logEvent("Show Setup Helper on Startup");
        p.alerts.show(AlertRequest{"Setup-Info", "Hilfe zur Setupnutzung", {"OK"}});
        p.defaults.setBool("isfirstLaunchSetup", false);
    } else {
        p.log.write("Setup Message wurde bereits angezeigt");
    }
}

void SetupVC::viewWillAppear() {
    deps_.platform.defaults.setInteger("SetUpInfoBtnTag", -1);
    auto* db = store();
    dataArray_ = db ? db->selectSettings() : std::vector<std::string>{};
    if (!dataArray_.empty()) {
        auto fields = splitRecord(dataArray_.front());
        fields.resize(3);
        liveSearchSwitchVal_ = fields[0];
        localizationSwitchVal_ = fields[1];
        imperialUnitsSwitchVal_ = fields[2];
    }
    changed();
}

void SetupVC::viewDidAppear() {
    auto* db = store();
    auto profile = db ? db->selectPersonalProfileData() : std::vector<std::string>{};
    std::string listText = "(";
    for (std::size_t i = 0; i < profile.size(); ++i)
        listText += (i ? ", \"" : "\"") + profile[i] + "\"";
    deps_.platform.log.write("databaseValuesArray=" + listText + ")");
    calories_value_.clear();
    if (!profile.empty()) {
        auto fields = splitRecord(profile.front());
        if (fields.size() > 7 && !fields[7].empty()) {
            // "%@ kcal" in the interface language ("2000 ккал" in Russian).
            calories_value_ = deps_.platform.strings.text("%@ kcal");
            const auto at = calories_value_.find("%@");
            if (at == std::string::npos)
                calories_value_ = fields[7] + " kcal";
            else
                calories_value_.replace(at, 2, fields[7]);
        }
    }
    changed();
}

void SetupVC::viewDidDisappear() {
    if (liveSearchSwitchValChanged_ || localizationSwitchValChanged_ ||
        imperialUnitsSwitchValChanged_)
        writeSettings();
    database_.reset();
}

void SetupVC::writeSettings() {
    if (auto* db = store())
        db->updateSettings(liveSearchSwitchVal_, localizationSwitchVal_, imperialUnitsSwitchVal_);
}

void SetupVC::didSelectRow(int section, int row) {
    auto& p = deps_.platform;
    p.defaults.setInteger("SetUpSection", section);
    p.defaults.setInteger("SetUpRow", row);
    if (section == 0) {
        switch (row) {
        case 0:
            deps_.navigation.push(std::make_shared<Localization>(p, deps_.languageChoice));
            break;
        case 3:
            deps_.navigation.push(deps_.makeManageProducts
                                      ? deps_.makeManageProducts()
                                      : std::make_shared<PlaceholderScreen>(
                                            key("Eigene Produkte verwalten"), "products.png"),
                                  key("Zurück"));
            break;
        case 4:
            deps_.navigation.push(deps_.makePersonalProfile ? deps_.makePersonalProfile()
                                                            : std::make_shared<PlaceholderScreen>(
                                                                  key("Persönliches Profil")));
            break;
        default:
            break;
        }
    } else if (section == 1) {
        if (row == 0) pushInfoPage(p.strings.text("Ampel-Infos"), {});
        if (row == 1) pushInfoPage(p.strings.text("Benutzungstips"), {});
    }
}

void SetupVC::infoButtonTapped(int tag) {
    auto& p = deps_.platform;
    p.defaults.setInteger("SetUpInfoBtnTag", tag);
    switch (tag) {
    case 1001:
        pushInfoPage(p.strings.text("Lokalisierung"), {});
        break;
    case 1002:
        pushInfoPage(p.strings.text("Live-Suche"), {});
        break;
    case 1003:
        pushInfoPage(p.strings.text("Metrische Einheiten"), {});
        break;
    case 1006:
        pushInfoPage(p.strings.text("Infotext Profil Titel"), "no");
        break;
    default:
        break;
    }
}

void SetupVC::pushInfoPage(const std::string& title, const std::string& titleDisplay) {
    deps_.navigation.push(std::make_shared<ShowInfoVC>(deps_.platform, deps_.navigation,
                                                       deps_.links, title, titleDisplay),
                          key("Zurück"));
}

void SetupVC::liveSearchSwtchChanged() {
    liveSearchSwitchValChanged_ = true;
    liveSearchSwitchVal_ = flipped(liveSearchSwitchVal_);
    changed();
}

void SetupVC::imperialUnitsSwtchChanged() {
    imperialUnitsSwitchValChanged_ = true;
    imperialUnitsSwitchVal_ = flipped(imperialUnitsSwitchVal_);
    // Other tabs read the unit choice while this screen is still open.
    writeSettings();
    changed();
}

void SetupVC::localizationSwtchChanged() {
    localizationSwitchValChanged_ = true;
    localizationSwitchVal_ = flipped(localizationSwitchVal_);
    deps_.platform.defaults.setString("Localization", localizationSwitchVal_);
    changed();
}

void SetupVC::sendMail() {
    auto& p = deps_.platform;
    p.urls.open(mailtoAddress(deps_.links.supportMail, p.strings.text("Email Subject"),
                              p.strings.text("Missing Brand")));
    p.analytics.logEvent("Open Mail Window");
}

void SetupVC::changed() {
    if (onChanged) onChanged();
}

} // namespace tolvane
