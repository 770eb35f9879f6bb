// The settings tab (tab 3): options, the language screen and the help pages.
#include "app/Tab.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/registration/AppDetailHost.h"
#include "app/registration/AreaScreens.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/PlaceholderWidget.h"
#include "screens/common/QtText.h"
#include "screens/ownproducts/ManageProductsVC.h"
#include "screens/profile/PersonalProfileVC.h"
#include "screens/settings/DatabaseSetupStore.h"
#include "screens/settings/HelpBrowser.h"
#include "screens/settings/LocalizationWidget.h"
#include "screens/settings/SetupWidget.h"
#include "screens/settings/ShowInfoWidget.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QTimer>

namespace tolvane {
namespace {

std::shared_ptr<Screen> makeSetup(ScreenContext& c) {
    Tolvane_AppDelegate& delegate = c.delegate;
    const Platform platform = c.platform;
    Navigation& navigation = c.navigation;
    const LinkTargets links = delegate.context().links();
    // The settings, once made; the profile tells them when it is gone.
    auto setup = std::make_shared<std::weak_ptr<SetupVC>>();
    auto manageProducts = [platform, &navigation, &delegate]() -> std::shared_ptr<Screen> {
        CatalogueService* catalogue = &delegate.catalogueService();
        return std::make_shared<ManageProductsVC>(platform, delegate.getDBObj(), navigation,
                                                  detailHost(delegate),
                                                  [catalogue] { catalogue->ownProductsChanged(); });
    };
    auto personalProfile = [platform, &navigation, &delegate, links,
                            setup]() -> std::shared_ptr<Screen> {
        auto infoPage = [platform, &navigation, links](const std::string& title,
                                                       const std::string& titleDisplay) {
            return std::make_shared<ShowInfoVC>(platform, navigation, links, title, titleDisplay);
        };
        // The profile is written when its screen has slid out, which is after the settings
        // reappeared: they read the daily calories again once the profile is gone.
        return std::shared_ptr<PersonalProfileVC>(
            new PersonalProfileVC(platform, delegate.getDBObj(), navigation, infoPage),
            [setup](PersonalProfileVC* gone) {
                delete gone;
                // On the next turn: when the program closes, the settings are gone by then.
                QTimer::singleShot(0, [setup] {
                    if (auto settings = setup->lock()) settings->viewDidAppear();
                });
            });
    };
    // The file dialog as a sheet of the window: it does not block, the answer comes later.
    auto chooseBackupFile = [platform, &delegate](bool save,
                                                  std::function<void(const std::string&)> chosen) {
        auto* dialog = new QFileDialog(delegate.window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setObjectName("backupFileDialog");
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog->setNameFilter(qs(platform.strings.text(key("Backup File Filter"))) + " (*.json)");
        dialog->setDefaultSuffix("json");
        dialog->setWindowTitle(
            qs(platform.strings.text(save ? key("Backup Export") : key("Backup Import"))));
        dialog->setDirectory(QDir::homePath());
        if (save)
            dialog->selectFile("Tolvane-" + QDate::currentDate().toString(Qt::ISODate) + ".json");
        // Over the handheld window, as wide as it: a list without the columns and places.
        dialog->setViewMode(QFileDialog::List);
        for (const char* spare :
             {"sidebar", "lookInLabel", "fileTypeLabel", "listModeButton", "detailModeButton"})
            if (auto* widget = dialog->findChild<QWidget*>(spare)) widget->hide();
        QWidget* window = delegate.window();
        dialog->setMinimumSize(0, 0);
        dialog->setGeometry(QRect(window->mapToGlobal(QPoint(0, 0)), window->size()));
        QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                         [chosen](const QString& file) { chosen(file.toStdString()); });
        dialog->open();
    };
    auto made = std::make_shared<SetupVC>(SetupVC::Dependencies{
        platform, navigation,
        [&delegate]() -> std::unique_ptr<SetupStore> {
            return std::make_unique<DatabaseSetupStore>(delegate.getDBObj().GetDatabasePath(),
                                                        *delegate.context().log);
        },
        delegate.languageChoice(), links, manageProducts, personalProfile, chooseBackupFile,
        &delegate.getDBObj(), [&delegate] { delegate.catalogueService().ownProductsChanged(); }});
    *setup = made;
    return made;
}

} // namespace

void registerSettingsScreens(ScreenFactory& factory) {
    factory.setRoot(kSetupTab, makeSetup);
    factory.registerWidget<SetupVC>([](std::shared_ptr<SetupVC> s, ScreenContext& c) -> QWidget* {
        return new SetupWidget(s, c.pictures);
    });
    factory.registerWidget<Localization>(
        [](std::shared_ptr<Localization> s, ScreenContext& c) -> QWidget* {
            return new LocalizationWidget(s, c.pictures);
        });
    factory.registerWidget<ShowInfoVC>(
        [](std::shared_ptr<ShowInfoVC> s, ScreenContext& c) -> QWidget* {
            auto* page = new ShowInfoWidget(s, c.pictures);
            describe(page->browser(), c.platform.strings, key("Accessible Help Page Description"),
                     key("Accessible Help Page"));
            if (!page->windowTitle().isEmpty())
                page->browser()->setAccessibleName(page->windowTitle());
            return page;
        });
    factory.registerWidget<PlaceholderScreen>(
        [](std::shared_ptr<PlaceholderScreen> s, ScreenContext& c) -> QWidget* {
            return new PlaceholderWidget(s, c.platform.strings, c.pictures);
        });
}

} // namespace tolvane
