#include "screens/settings/SetupVC.h"

#include "backup/BackupFile.h"

#include "platform/Keys.h"
#include "screens/common/Nutrients.h"
#include "screens/common/PlaceholderScreen.h"
#include "screens/settings/Localization.h"
#include "screens/settings/ShowInfoVC.h"

#include <utility>

namespace tolvane {
namespace {

// The profile as the log line has always shown it: a list of the row's values joined by "|".
std::string loggedList(const std::optional<ProfileRow>& profile) {
    if (!profile) return "()";
    const ProfileRow& p = *profile;
    std::string joined;
    for (const std::string* value :
         {&p.gender, &p.age, &p.height, &p.weight, &p.bmi, &p.idealWeight, &p.activityLevel,
          &p.dailyCalories, &p.usHeight, &p.usWeight, &p.metricUsed})
        joined += (value == &p.gender ? "" : "|") + *value;
    return "(\"" + joined + "\")";
}

} // namespace

SetupVC::SetupVC(Dependencies dependencies) : deps_(std::move(dependencies)) {}

const char* SetupVC::infoNameKey(SetupRowId row) {
    switch (row) {
    case SetupRowId::Localization:
        return key("Accessible About Language");
    case SetupRowId::LiveSearch:
        return key("Accessible About Live Search");
    case SetupRowId::MetricUnits:
        return key("Accessible About Metric Units");
    case SetupRowId::PersonalProfile:
        return key("Accessible About Personal Profile");
    default:
        return "";
    }
}

const std::vector<SetupSection>& SetupVC::sections() {
    using A = SetupRow::Accessory;
    static const std::vector<SetupSection> table{
        {key("    Optionen"),
         {{SetupRowId::Localization, key("Lokalisierung"), A::Disclosure, 1001},
          {SetupRowId::LiveSearch, key("Live-Suche"), A::Switch, 1002},
          {SetupRowId::MetricUnits, key("Metrische Einheiten"), A::Switch, 1003},
          {SetupRowId::ManageProducts, key("Eigene Produkte verwalten"), A::Disclosure, 0},
          {SetupRowId::PersonalProfile, key("Persönliches Profil"), A::Disclosure, 1006}}},
        {key("    Nützliche Hinweise"),
         {{SetupRowId::TrafficLightInfo, key("Ampel-Infos"), A::Disclosure, 0},
          {SetupRowId::UsageTips, key("Benutzungstips"), A::Disclosure, 0}}},
        {key("    Datensicherung"),
         {{SetupRowId::BackupExport, key("Backup Export"), A::Disclosure, 0},
          {SetupRowId::BackupImport, key("Backup Import"), A::Disclosure, 0}}},
    };
    return table;
}

SetupStore* SetupVC::store() {
    if (!database_ && deps_.openStore) database_ = deps_.openStore();
    return database_.get();
}

void SetupVC::viewDidLoad() {
    auto& p = deps_.platform;
    p.log.write("Setup -Screen");
    calories_value_.clear();
    if (p.appDefaults().showsHint(FirstLaunchHint::Setup)) {
        p.analytics.logEvent("Show Setup Helper on Startup");
        p.alerts.show(AlertRequest{key("Setup-Info"), key("Hilfe zur Setupnutzung"), {key("OK")}});
        p.appDefaults().setShowsHint(FirstLaunchHint::Setup, false);
    } else {
        p.log.write("Setup Message wurde bereits angezeigt");
    }
}

void SetupVC::viewWillAppear() {
    deps_.platform.appDefaults().setSetUpInfoBtnTag(-1);
    auto* db = store();
    const auto settings = db ? db->selectSettings() : std::nullopt;
    if (settings) {
        liveSearchSwitchVal_ = settings->liveSearch;
        localizationSwitchVal_ = settings->localization;
        imperialUnitsSwitchVal_ = settings->metricUnits;
    }
    settingsRead_ = settings.has_value();
    changed();
}

void SetupVC::viewDidAppear() {
    auto* db = store();
    const auto profile = db ? db->selectPersonalProfileData() : std::nullopt;
    deps_.platform.log.write("databaseValuesArray=" + loggedList(profile));
    calories_value_.clear();
    if (profile) {
        const std::string& calories = profile->dailyCalories;
        if (!calories.empty()) {
            // Grouped and with the unit as the interface language writes them ("2 000 ккал").
            const NumberFormat format = numberFormat(deps_.platform.strings);
            calories_value_ = format.withUnit(format.number(calories), "kcal");
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
    auto* db = store();
    if (!db) return;
    if (!settingsRead_) {
        // Shown without the stored settings (their read failed): the switches not touched take
        // the stored values now, so that none is written over as blank; still unreadable, nothing
        // is written.
        const auto stored = db->selectSettings();
        if (!stored) {
            deps_.platform.log.write("Settings could not be read: not written");
            return;
        }
        if (!liveSearchSwitchValChanged_) liveSearchSwitchVal_ = stored->liveSearch;
        if (!localizationSwitchValChanged_) localizationSwitchVal_ = stored->localization;
        if (!imperialUnitsSwitchValChanged_) imperialUnitsSwitchVal_ = stored->metricUnits;
        settingsRead_ = true;
    }
    db->updateSettings(liveSearchSwitchVal_, localizationSwitchVal_, imperialUnitsSwitchVal_);
}

void SetupVC::didSelectRow(SetupRowId row) {
    auto& p = deps_.platform;
    // The cell is remembered by its place on the screen.
    const auto& all = sections();
    for (std::size_t s = 0; s < all.size(); ++s)
        for (std::size_t r = 0; r < all[s].rows.size(); ++r)
            if (all[s].rows[r].id == row) {
                p.appDefaults().setSetUpSection(static_cast<int>(s));
                p.appDefaults().setSetUpRow(static_cast<int>(r));
            }
    switch (row) {
    case SetupRowId::Localization:
        deps_.navigation.push(std::make_shared<Localization>(p, deps_.languageChoice));
        break;
    case SetupRowId::ManageProducts:
        deps_.navigation.push(deps_.makeManageProducts
                                  ? deps_.makeManageProducts()
                                  : std::make_shared<PlaceholderScreen>(
                                        key("Eigene Produkte verwalten"), "products.png"),
                              key("Zurück"));
        break;
    case SetupRowId::PersonalProfile:
        deps_.navigation.push(deps_.makePersonalProfile ? deps_.makePersonalProfile()
                                                        : std::make_shared<PlaceholderScreen>(
                                                              key("Persönliches Profil")));
        break;
    case SetupRowId::TrafficLightInfo:
        pushInfoPage(p.strings.text("Ampel-Infos"), {});
        break;
    case SetupRowId::UsageTips:
        pushInfoPage(p.strings.text("Benutzungstips"), {});
        break;
    case SetupRowId::BackupExport:
        exportBackupPressed();
        break;
    case SetupRowId::BackupImport:
        importBackupPressed();
        break;
    case SetupRowId::LiveSearch:
    case SetupRowId::MetricUnits:
        break; // their switches act, the row itself opens nothing
    }
}

void SetupVC::exportBackupPressed() {
    if (!deps_.chooseBackupFile || !deps_.database) return;
    std::weak_ptr<int> alive = alive_;
    deps_.chooseBackupFile(true, [this, alive](const std::string& path) {
        if (alive.expired() || path.empty()) return;
        auto& p = deps_.platform;
        std::string error;
        if (exportBackupFile(*deps_.database, path, &error)) {
            p.alerts.show({key("Datensicherung"), key("Backup Exported"), {key("OK")}});
        } else {
            p.log.write("Backup not written: " + error);
            p.alerts.show({key("Datensicherung"), key("Backup Export Failed"), {key("OK")}});
        }
    });
}

void SetupVC::importBackupPressed() {
    if (!deps_.chooseBackupFile || !deps_.database) return;
    std::weak_ptr<int> alive = alive_;
    deps_.chooseBackupFile(false, [this, alive](const std::string& path) {
        if (alive.expired() || path.empty()) return;
        // The profile and settings are replaced: the user says so first.
        deps_.platform.alerts.show({key("    Datensicherung"),
                                    importQuestionKey(),
                                    {key("Backup Import Confirm"), key("Cancel")},
                                    1},
                                   [this, alive, path](int button) {
                                       if (alive.expired() || button != 0) return;
                                       auto& p = deps_.platform;
                                       const BackupImport result =
                                           importBackupFile(*deps_.database, path);
                                       using Outcome = BackupImport::Outcome;
                                       if (result.outcome != Outcome::Imported)
                                           p.log.write("Backup not imported: " + result.detail);
                                       if (result.folderItemsSkipped > 0)
                                           p.log.write("Backup: folder items left out: " +
                                                       formatInt(result.folderItemsSkipped));
                                       const char* message = key("Backup Import Failed");
                                       switch (result.outcome) {
                                       case Outcome::Imported:
                                           message = key("Backup Imported");
                                           break;
                                       case Outcome::Damaged:
                                           message = key("Backup Refused Damaged");
                                           break;
                                       case Outcome::Foreign:
                                           message = key("Backup Refused Foreign");
                                           break;
                                       case Outcome::Newer:
                                           message = key("Backup Refused Newer");
                                           break;
                                       case Outcome::Failed:
                                           break;
                                       }
                                       if (result.outcome == Outcome::Imported) {
                                           if (deps_.backupImported) deps_.backupImported();
                                           viewWillAppear();
                                       }
                                       p.alerts.show({key("Datensicherung"), message, {key("OK")}});
                                   });
    });
}

void SetupVC::infoButtonTapped(SetupRowId row) {
    auto& p = deps_.platform;
    int tag = 0;
    for (const auto& section : sections())
        for (const auto& entry : section.rows)
            if (entry.id == row) tag = entry.infoTag;
    if (tag == 0) return;
    p.appDefaults().setSetUpInfoBtnTag(tag);
    switch (row) {
    case SetupRowId::Localization:
        pushInfoPage(p.strings.text("Lokalisierung"), {});
        break;
    case SetupRowId::LiveSearch:
        pushInfoPage(p.strings.text("Live-Suche"), {});
        break;
    case SetupRowId::MetricUnits:
        pushInfoPage(p.strings.text("Metrische Einheiten"), {});
        break;
    case SetupRowId::PersonalProfile:
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
    deps_.platform.appDefaults().setLocalization(localizationSwitchVal_);
    changed();
}

void SetupVC::sendMail() {
    auto& p = deps_.platform;
    const bool opened = p.urls.open(mailtoAddress(
        deps_.links.supportMail, p.strings.text("Email Subject"), p.strings.text("Missing Brand")));
    p.analytics.logEvent("Open Mail Window");
    if (!opened && !mailAddressShown_) {
        mailAddressShown_ = true;
        changed();
    }
}

void SetupVC::changed() {
    if (onChanged) onChanged();
}

} // namespace tolvane
