#include "app/Tolvane_AppDelegate.h"

#include "app/FocusInView.h"
#include "app/QuietFocus.h"
#include "app/Tab.h"
#include "app/TabShell.h"
#include "platform/AppDefaults.h"
#include "platform/BuildConfig.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"
#include "screens/settings/GDAInfoWidget.h"
#include "screens/settings/HelpBrowser.h"
#include "screens/settings/LanguageRule.h"
#include "store/Migration.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QShortcut>
#include <QStackedLayout>
#include <QSysInfo>
#include <QVBoxLayout>

#include <charconv>

namespace tolvane {
namespace {

class NoNavigation : public Navigation {
public:
    void push(std::shared_ptr<Screen>, const std::string&) override {}
    void pop() override {}
};

std::string deviceModel() {
    return (QSysInfo::productType() + " " + QSysInfo::currentCpuArchitecture()).toStdString();
}

// The system version as a number with six decimals ("12.000000"), whatever the locale.
std::string systemVersionNumber() {
    const std::string text = QSysInfo::productVersion().toStdString();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    char buffer[64];
    auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    return ec == std::errc() ? std::string(buffer, end) : "0.000000";
}

} // namespace

Tolvane_AppDelegate::Tolvane_AppDelegate(AppContext& context, const ScreenFactory& factory)
    : context_(context), factory_(factory),
      ratingPrompt_(*context.defaults, *context.alerts, *context.urls, config::rateUrl),
      noNavigation_(std::make_unique<NoNavigation>()) {
    ratingPrompt_.configure(config::storeId, false, key("Rate MyApp"),
                            key("If you like MyApp, please take the time, etc"), key("No, Thanks"),
                            key("Rate It Now"));
}

Tolvane_AppDelegate::~Tolvane_AppDelegate() {
    // The screens go before the database and services they use.
    window_.reset();
}

void Tolvane_AppDelegate::awakeFromNib() {
    // Before anything of this run touches the database file.
    if (!instance_) {
        instance_ = std::make_unique<SingleInstance>(context_.options.documentsDir);
        claim_ = instance_->claim();
        connect(instance_.get(), &SingleInstance::raiseRequested, this,
                &Tolvane_AppDelegate::raiseWindow);
    }
    window_ = std::make_unique<QWidget>();
    window_->setObjectName("window");
    window_->setWindowTitle("Tolvane");
    window_->setWindowIcon(context_.pictures->icon("tolvane"));
    window_->setFixedSize(portraitSize);
    windowLayout_ = new QStackedLayout(window_.get());
    windowLayout_->setContentsMargins(0, 0, 0, 0);
    tabBarVC_ = new TabShell(factory_, context_.platform(), *context_.pictures, *this);
    windowLayout_->addWidget(tabBarVC_);
    context_.alerts->setWindow(window_.get());

    keepFocusInView(this);
    quietFocusWithoutKeys(this);
    // Ctrl+arrows turn the "device" even where a text field would take them as word moves.
    qApp->installEventFilter(this);
    auto* quit = new QShortcut(QKeySequence::Quit, window_.get());
    quit->setContext(Qt::ApplicationShortcut);
    connect(quit, &QShortcut::activated, qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!folderClaimed()) return;

    std::string error;
    if (!copyDatabaseIfMissing(context_.locations(), &error)) {
        context_.log->warn(error);
        context_.alerts->show(AlertRequest{
            key("Error!!!"), key("Failed to create writable database"), {key("Cancel")}});
    }
}

void Tolvane_AppDelegate::applicationDidFinishLaunching() {
    auto& defaults = *context_.defaults;
    auto& log = *context_.log;
    if (!window_) awakeFromNib();
    if (claim_ == LockFile::Claim::Held) {
        refuseSecondCopy();
        return;
    }
    if (claim_ == LockFile::Claim::CannotTake) {
        refuseLockFile();
        return;
    }

    orientationChanged_ = false;
    language_.languageRow = 0;

    reportMigration(createEditableCopyOfDatabaseIfNeeded(context_.locations(), defaults, log));
    // A file the check refused is neither read nor written again in this run.
    if (stopping_) return;

    context_.analytics->startSession(config::analyticsKey);
    database_ = std::make_unique<Database>(context_.locations().databasePath(), log);
    database_->OpenDB();

    AppDefaults(defaults).setNewProductUpdated("NO");
    // A small catalogue's list is read here, before the window's first frame.
    catalogueService();

    tabBarVC_->setTabTitle(kSearchTab, qs(context_.strings->text("Suche")));
    tabBarVC_->setTabTitle(kMenuListTab, qs(context_.strings->text("Menu List")));
    tabBarVC_->setTabTitle(kCategoriesTab, qs(context_.strings->text("Kategorien")));
    tabBarVC_->setTabTitle(kSetupTab, qs(context_.strings->text("Setup")));

    // Without a settings row "Localization" stays as it is.
    if (const auto settings = SettingsStore(*database_).selectSettings())
        AppDefaults(defaults).setLocalization(settings->localization == "NO" ? "NO" : "YES");

    windowLayout_->setCurrentWidget(tabBarVC_);
    window_->show();
    window_->activateWindow();

    AppDefaults(defaults).registerFirstLaunchHints();
    // The tabs are built lazily, so the first tab's hint sees the registered flag.
    tabBarVC_->stack(tabBarVC_->currentIndex())->ensureRoot();

    const std::string model = deviceModel();
    log.write("Device-Hardware: " + model);
    auto preferred = preferredLanguages(defaults, context_.devicePreferred);
    context_.analytics->logEvent(
        "Device", {{"Device Type", model},
                   {"iOS-Version", systemVersionNumber()},
                   {"Locale", QLocale::system().name().toStdString()},
                   {"Language Preferred", preferred.empty() ? "" : preferred.front()}});
    defaults.synchronize();

    ratingPrompt_.applicationLaunched(QDate::currentDate().toString(Qt::ISODate).toStdString());
}

void Tolvane_AppDelegate::reportMigration(const MigrationResult& migration) {
    using Problem = MigrationResult::Problem;
    const std::string file = context_.locations().databasePath();
    auto filled = [this](const char* keyText, const std::string& value) {
        std::string text = context_.strings->text(keyText);
        if (auto at = text.find("%@"); at != std::string::npos) text.replace(at, 2, value);
        return text;
    };
    switch (migration.problem) {
    case Problem::None:
        break;
    case Problem::CopyFailed:
        context_.alerts->show(
            AlertRequest{key("Error!!!"),
                         filled(key("Failed to create writable database file with message '%@'."),
                                migration.detail),
                         {key("Cancel")}});
        break;
    case Problem::NoSpace:
        context_.alerts->show(AlertRequest{
            key("Error!!!"),
            key("Nicht genügend freier Speicherplatz: Tolvane kann seine Datenbank nicht anlegen. "
                "Bitte geben Sie Speicherplatz frei und starten Sie Tolvane erneut."),
            {key("Cancel")}});
        break;
    case Problem::SeedFailed:
        context_.alerts->show(AlertRequest{
            key("Error!!!"), key("Failed to create writable database"), {key("Cancel")}});
        break;
    case Problem::ReadOnly:
        // Everything stored can still be read; the screens' saves fail quietly.
        context_.alerts->show(AlertRequest{
            key("Error!!!"),
            filled(key("Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann "
                       "aber keine Änderungen speichern."),
                   context_.locations().documentsDir),
            {key("OK")}});
        break;
    case Problem::Corrupt:
    case Problem::JournalBlocked:
    case Problem::Locked: {
        // The file is left exactly as it is, and nothing is written to it: the run ends once
        // the user has read why. A blocked journal is no damage: the user must not be led to
        // delete a healthy file.
        const char* message =
            migration.problem == Problem::Corrupt
                ? key("Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die "
                      "Datei bleibt unverändert; Tolvane wird beendet.")
            : migration.problem == Problem::JournalBlocked
                ? key("Neben der Datenbank %@ liegt das Journal eines unterbrochenen "
                      "Schreibvorgangs, den Tolvane nur in einem beschreibbaren Ordner "
                      "abschließen kann. Bitte machen Sie den Ordner beschreibbar; die Datei "
                      "bleibt unverändert. Tolvane wird beendet.")
                : key("Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei "
                      "bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane "
                      "später erneut.");
        exitCode_ = 1;
        refuse(AlertRequest{key("Error!!!"), filled(message, file), {key("OK")}},
               [this](int) { quitRefused(); });
        break;
    }
    }
}

void Tolvane_AppDelegate::refuse(const AlertRequest& alert, AlertAnswer answer) {
    // The tabs stay unbuilt and hidden: their screens would read the store.
    stopping_ = true;
    auto* blank = new QWidget(window_.get());
    windowLayout_->addWidget(blank);
    windowLayout_->setCurrentWidget(blank);
    window_->show();
    window_->activateWindow();
    context_.alerts->show(alert, std::move(answer));
}

void Tolvane_AppDelegate::refuseSecondCopy() {
    // The first copy's window comes forward as this one goes, not under it.
    refuse(AlertRequest{"", alreadyRunningKey(), {key("OK")}}, [this](int) { quitRefused(); });
}

void Tolvane_AppDelegate::refuseLockFile() {
    exitCode_ = 1;
    std::string text = context_.strings->text(lockFileKey());
    if (auto at = text.find("%@"); at != std::string::npos)
        text.replace(at, 2, instance_->lockPath().toStdString());
    refuse(AlertRequest{key("Error!!!"), text, {key("OK")}}, [this](int) { quitRefused(); });
}

void Tolvane_AppDelegate::quitRefused() {
    if (claim_ == LockFile::Claim::Held) instance_->raiseHolder();
    QCoreApplication::exit(exitCode_);
}

bool Tolvane_AppDelegate::folderClaimed() const {
    return claim_ == LockFile::Claim::Taken || claim_ == LockFile::Claim::Unavailable;
}

void Tolvane_AppDelegate::raiseWindow() {
    if (!window_) return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void Tolvane_AppDelegate::applicationWillResignActive() {
    if (userDataUpdated_ || stopping_) return;
    AppDefaults defaults(*context_.defaults);
    for (const char* k : {AppDefaults::kUserBirthYear, AppDefaults::kUserGender,
                          AppDefaults::kLanguageRow, AppDefaults::kLanguageUsed})
        defaults.writeBack(k);
    context_.defaults->synchronize();
    userDataUpdated_ = true;
}

void Tolvane_AppDelegate::applicationWillTerminate() {
    // A refused start keeps nothing of its run.
    if (stopping_) return;
    // A run going stops at once and keeps how far it got; nothing waits for the file.
    if (catalogue_) catalogue_->stop();
    AppDefaults defaults(*context_.defaults);
    if (!userDataUpdated_) {
        defaults.writeBack(AppDefaults::kLanguageRow);
        defaults.writeBack(AppDefaults::kLanguageUsed);
    }
    defaults.setIsFirstLaunch(false);
    context_.defaults->synchronize();
}

Database& Tolvane_AppDelegate::getDBObj() {
    if (!database_)
        database_ = std::make_unique<Database>(context_.locations().databasePath(), *context_.log);
    return *database_;
}

CatalogueService& Tolvane_AppDelegate::catalogueService() {
    if (!catalogue_) {
        const std::string server = context_.options.serverUrl.toStdString();
        catalogue_ = std::make_unique<CatalogueService>(context_.platform(), getDBObj(),
                                                        server.empty() ? serverBaseUrl() : server);
    }
    return *catalogue_;
}

ScreenContext Tolvane_AppDelegate::landscapeContext() {
    return {context_.platform(), *noNavigation_, *context_.pictures, *this};
}

void Tolvane_AppDelegate::showLandscapeView(const ProductRecord& product,
                                            DeviceOrientation orientation) {
    if (!isLandscape(orientation) || !window_) return;
    removeInfoView();
    if (landscape_) {
        windowLayout_->removeWidget(landscape_);
        landscape_->deleteLater();
    }
    auto context = landscapeContext();
    QWidget* view =
        factory_.landscape() ? factory_.landscape()(product, orientation, context) : nullptr;
    if (!view) {
        // Until a calculator is registered: the product's name on a plain page.
        auto* label = new QLabel;
        label->setText(QString::fromStdString(product.name));
        label->setAlignment(Qt::AlignCenter);
        view = label;
    }
    view->setObjectName(view->objectName().isEmpty() ? "landscapeView" : view->objectName());
    landscape_ = view;
    deviceOrientation_ = orientation;
    window_->setFixedSize(portraitSize.transposed());
    windowLayout_->addWidget(view);
    windowLayout_->setCurrentWidget(view);
}

void Tolvane_AppDelegate::nextView() {
    if (!window_) return;
    removeInfoView();
    if (landscape_) {
        windowLayout_->removeWidget(landscape_);
        landscape_->hide();
        landscape_->deleteLater();
        landscape_ = nullptr;
    }
    deviceOrientation_ = DeviceOrientation::Portrait;
    window_->setFixedSize(portraitSize);
    windowLayout_->setCurrentWidget(tabBarVC_);
    window_->show();
    window_->activateWindow();
}

void Tolvane_AppDelegate::showInfoView(const ProductRecord&, DeviceOrientation orientation) {
    if (!window_) return;
    removeInfoView();
    auto model = std::make_shared<GDAInfoVC>(context_.platform(), context_.links(), orientation,
                                             [this] { removeInfoView(); });
    auto* view = new GDAInfoWidget(model, *context_.pictures);
    describe(view->browser(), context_.platform().strings, key("Accessible Help Page Description"),
             key("Accessible Help Page"));
    connect(this, &Tolvane_AppDelegate::deviceOrientationChanged, view,
            [model](DeviceOrientation o) { model->deviceOrientationChanged(o); });
    // A page of its own: the calculator's buttons are out of reach while it is shown.
    windowLayout_->addWidget(view);
    windowLayout_->setCurrentWidget(view);
    info_ = view;
}

void Tolvane_AppDelegate::removeInfoView() {
    if (!info_) return;
    windowLayout_->removeWidget(info_);
    info_->hide();
    info_->deleteLater();
    info_ = nullptr;
    if (landscape_) windowLayout_->setCurrentWidget(landscape_);
}

bool Tolvane_AppDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return QObject::eventFilter(watched, event);
    // A refused start ends at Ctrl+Q too, though its alert keeps the window's shortcut away.
    if (stopping_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Quit)) {
        quitRefused();
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !window_ || widget->window() != window_.get())
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool backKey = (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) ||
                         (key->key() == Qt::Key_Left && key->modifiers() == Qt::AltModifier);
    // A control with a step pending (a delete button shown) undoes it on Escape first.
    if (backKey && escapeHeld(widget)) return QObject::eventFilter(watched, event);
    // Then the screen may use the key itself (undo a step, ask before typed values are lost).
    if (backKey && event->type() == QEvent::KeyPress && !info_ && !landscape_ && tabBarVC_) {
        const auto screen = tabBarVC_->stack(tabBarVC_->currentIndex())->topModel();
        if (screen && screen->backKeyPressed()) return true;
    }
    // Escape and Alt+Left go back wherever the focus is, but only when there is a way back.
    if (backKey && canGoBack()) {
        event->accept();
        if (event->type() == QEvent::KeyPress) goBack();
        return true;
    }
    if (event->type() == QEvent::KeyPress && pressByKeyboard(widget, *key)) return true;
    if (key->modifiers() != Qt::ControlModifier) return QObject::eventFilter(watched, event);
    DeviceOrientation orientation = DeviceOrientation::Unknown;
    switch (key->key()) {
    case Qt::Key_Left:
        orientation = DeviceOrientation::LandscapeLeft;
        break;
    case Qt::Key_Right:
        orientation = DeviceOrientation::LandscapeRight;
        break;
    case Qt::Key_Up:
        orientation = DeviceOrientation::Portrait;
        break;
    default:
        return QObject::eventFilter(watched, event);
    }
    // Claim the keys from text fields first, then act once on the key press itself.
    event->accept();
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
        setDeviceOrientation(orientation);
    return true;
}

bool Tolvane_AppDelegate::canGoBack() const {
    if (info_ || landscape_) return true;
    auto* stack = tabBarVC_ ? tabBarVC_->stack(tabBarVC_->currentIndex()) : nullptr;
    return stack && stack->canGoBack();
}

void Tolvane_AppDelegate::goBack() {
    if (info_)
        removeInfoView();
    else if (landscape_)
        setDeviceOrientation(DeviceOrientation::Portrait);
    else if (tabBarVC_)
        tabBarVC_->stack(tabBarVC_->currentIndex())->goBack();
}

void Tolvane_AppDelegate::setDeviceOrientation(DeviceOrientation orientation) {
    deviceOrientation_ = orientation;
    emit deviceOrientationChanged(orientation);
    // A landscape page without its own handling still goes back when the device stands up.
    if (orientation == DeviceOrientation::Portrait && landscape_ && !factory_.landscape())
        nextView();
}

} // namespace tolvane
