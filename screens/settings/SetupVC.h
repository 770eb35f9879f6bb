// The settings screen (root of the "Setup" tab): the three stored options, the screens
// behind them, two help pages and the contact mail.
#pragma once

#include "platform/Keys.h"
#include "platform/Navigation.h"
#include "platform/Platform.h"
#include "screens/settings/LanguageChoice.h"
#include "screens/settings/LinkRule.h"
#include "screens/settings/SetupStore.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tolvane {

class Database;

// The rows of the screen; model and widget name them by these, never by position.
enum class SetupRowId {
    Localization,
    LiveSearch,
    MetricUnits,
    ManageProducts,
    PersonalProfile,
    TrafficLightInfo,
    UsageTips,
    BackupExport,
    BackupImport,
};

struct SetupRow {
    enum class Accessory { Disclosure, Switch, None };
    SetupRowId id;
    const char* labelKey;
    Accessory accessory;
    int infoTag; // stored under "SetUpInfoBtnTag" when tapped; 0: no information button
};

struct SetupSection {
    const char* headerKey;
    std::vector<SetupRow> rows;
};

class SetupVC : public Screen {
public:
    struct Dependencies {
        Platform platform;
        Navigation& navigation;
        // Opens a store on the shared file; called when the screen appears, released when it goes.
        std::function<std::unique_ptr<SetupStore>()> openStore;
        LanguageChoice& languageChoice;
        LinkTargets links;
        // Screens behind "Eigene Produkte verwalten" and "Persönliches Profil"; a placeholder
        // when not set.
        std::function<std::shared_ptr<Screen>()> makeManageProducts;
        std::function<std::shared_ptr<Screen>()> makePersonalProfile;
        // The backup rows: the file chosen to write (save) or read, "" when none was; the
        // database the backup is made of and merged into. Without them the rows do nothing.
        std::function<void(bool save, std::function<void(const std::string& path)>)>
            chooseBackupFile;
        Database* database = nullptr;
        // After an import changed what other screens show (own products, folders).
        std::function<void()> backupImported;
    };

    explicit SetupVC(Dependencies dependencies);

    static const std::vector<SetupSection>& sections();
    static const char* titleKey() { return key("Setup"); }
    const Strings& strings() const { return deps_.platform.strings; }
    static const char* infoPicture() { return "info.png"; }
    // The name a screen reader gives a row's information button.
    static const char* infoNameKey(SetupRowId row);

    void viewDidLoad();
    void viewWillAppear();
    void viewDidAppear();
    void viewDidDisappear();

    void didSelectRow(SetupRowId row);
    // Rows without an information button ignore it.
    void infoButtonTapped(SetupRowId row);
    void liveSearchSwtchChanged();
    void imperialUnitsSwtchChanged();
    void localizationSwtchChanged();
    void sendMail();
    // Writes everything to a file chosen; reads one back after a question.
    void exportBackupPressed();
    void importBackupPressed();
    static const char* importQuestionKey() { return key("Backup Import Question"); }

    bool liveSearchOn() const { return liveSearchSwitchVal_ == "YES"; }
    bool metricUnitsOn() const { return imperialUnitsSwitchVal_ == "YES"; }
    const std::string& caloriesValue() const { return calories_value_; }
    // Shown once "E-mail senden" found no mail program: the address, to copy.
    bool mailAddressShown() const { return mailAddressShown_; }
    const std::string& mailAddress() const { return deps_.links.supportMail; }

    std::function<void()> onChanged;

private:
    static std::string flipped(const std::string& value) { return value == "YES" ? "NO" : "YES"; }
    void writeSettings();
    void pushInfoPage(const std::string& title, const std::string& titleDisplay);
    void changed();
    SetupStore* store();

    Dependencies deps_;
    std::unique_ptr<SetupStore> database_;
    std::string liveSearchSwitchVal_;
    std::string localizationSwitchVal_;
    std::string imperialUnitsSwitchVal_;
    bool liveSearchSwitchValChanged_ = false;
    bool localizationSwitchValChanged_ = false;
    bool imperialUnitsSwitchValChanged_ = false;
    // The switches show the stored settings (their last read did not fail).
    bool settingsRead_ = false;
    std::string calories_value_;
    bool mailAddressShown_ = false;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

} // namespace tolvane
