// The application delegate: puts the database in place, builds the window with its four
// tabs, runs the launch sequence, writes user defaults back, and swaps the tabs for the
// landscape GDA calculator and its help page.
//
// Landscape plug-in: a screen that sees the device turn (deviceOrientationChanged(3 or 4))
// calls showLandscapeView(details, orientation); the widget made by the LandscapeMaker of
// ScreenFactory replaces the tabs and the window turns to 480 x 320. The calculator calls
// showInfoView() for its help page and nextView() when the device is back in portrait
// (orientation 1). On a desktop Ctrl+Left, Ctrl+Right and Ctrl+Up turn the "device" to 3, 4, 1;
// the screens also have visible buttons that ask for the same turns.
//
// One copy per documents folder (app/SingleInstance.h): a second start shows only that the program
// already runs, touches nothing in the folder, and ends when the user closes the alert, which
// brings the first copy's window to the front. A start that refuses the folder or its database
// file (a lock file it cannot take, a damaged or locked file) shows only that alert over an empty
// window; nothing reads or writes the file after the refusal, and Ctrl+Q ends the run at once.
#pragma once

#include "app/AppContext.h"
#include "app/ScreenFactory.h"
#include "app/SingleInstance.h"
#include "app/platform/RatingPrompt.h"
#include "catalogue/CatalogueService.h"
#include "platform/Keys.h"
#include "screens/settings/LanguageChoice.h"
#include "store/Database.h"
#include "store/Migration.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class QStackedLayout;

namespace tolvane {

class TabShell;

class Tolvane_AppDelegate : public QObject {
    Q_OBJECT
public:
    static constexpr QSize portraitSize{320, 480};
    static const char* alreadyRunningKey() {
        return key("Tolvane läuft bereits mit diesem Datenordner. Bitte verwenden Sie das "
                   "geöffnete Fenster.");
    }
    static const char* lockFileKey() {
        return key("Tolvane kann seine Sperrdatei %@ nicht übernehmen. Bitte löschen Sie diese "
                   "Datei und starten Sie Tolvane erneut.");
    }

    Tolvane_AppDelegate(AppContext& context, const ScreenFactory& factory);
    ~Tolvane_AppDelegate() override;

    // Builds the window and its tabs, then makes sure the database file exists.
    void awakeFromNib();
    void applicationDidFinishLaunching();
    void applicationWillResignActive();
    void applicationWillTerminate();

    Database& getDBObj();
    // The one catalogue service, made at launch once the database file is checked; the screens'
    // registrations hand it to the screens that use it.
    CatalogueService& catalogueService();
    void showLandscapeView(const ProductRecord& product, DeviceOrientation orientation);
    void nextView();
    void showInfoView(const ProductRecord& product, DeviceOrientation orientation);

    // The device turned (1 portrait, 3 and 4 landscape).
    void setDeviceOrientation(DeviceOrientation orientation);
    DeviceOrientation deviceOrientation() const { return deviceOrientation_; }
    // Escape and Alt+Left: closes the help page, turns the calculator back, or pops the tab.
    bool canGoBack() const;
    void goBack();

    TabShell* tabBarVC() const { return tabBarVC_; }
    QWidget* window() const { return window_.get(); }
    QWidget* landscapeView() const { return landscape_; }
    QWidget* infoView() const { return info_; }
    LanguageChoice& languageChoice() { return language_; }
    int languageRow() const { return language_.languageRow; }
    const std::string& languageUsed() const { return language_.languageUsed; }
    bool orientationChanged() const { return orientationChanged_; }
    bool userDataUpdated() const { return userDataUpdated_; }
    // The start was refused: the database file could not be read, another copy runs on the
    // folder, or its lock file cannot be taken; the run ends when the user closes the alert.
    bool stopping() const { return stopping_; }
    // What the program returns: 1 when its database could not be read or its lock file taken, so
    // that a script starting it sees the failure.
    int exitCode() const { return exitCode_; }
    AppContext& context() { return context_; }
    RatingPrompt& ratingPrompt() { return ratingPrompt_; }

signals:
    void deviceOrientationChanged(DeviceOrientation orientation);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ScreenContext landscapeContext();
    void removeInfoView();
    // Tells the user what start-up found wrong with the database file.
    void reportMigration(const MigrationResult& migration);
    // Shows only this alert over an empty window, and ends the run.
    void refuse(const AlertRequest& alert, AlertAnswer answer);
    // Another copy holds the folder.
    void refuseSecondCopy();
    // A stale lock file that can be neither taken nor removed: the user is told which it is.
    void refuseLockFile();
    void quitRefused();
    // The folder's lock is this copy's, or no lock can be had there.
    bool folderClaimed() const;
    void raiseWindow();

    AppContext& context_;
    const ScreenFactory& factory_;
    RatingPrompt ratingPrompt_;
    std::unique_ptr<SingleInstance> instance_;
    LockFile::Claim claim_ = LockFile::Claim::Held;
    std::unique_ptr<QWidget> window_;
    QStackedLayout* windowLayout_ = nullptr;
    TabShell* tabBarVC_ = nullptr;
    QPointer<QWidget> landscape_;
    QPointer<QWidget> info_;
    std::unique_ptr<Navigation> noNavigation_;
    std::string returnString_;
    LanguageChoice language_;
    std::unique_ptr<Database> database_;
    // Goes before the shared Database it uses, after the screens that observe it.
    std::unique_ptr<CatalogueService> catalogue_;
    bool orientationChanged_ = false;
    bool userDataUpdated_ = false;
    bool stopping_ = false;
    int exitCode_ = 0;
    DeviceOrientation deviceOrientation_ = DeviceOrientation::Portrait;
};

} // namespace tolvane
