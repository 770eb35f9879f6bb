// Whole roads through the application on the offscreen platform, each start on fresh
// temporary documents and resource directories.
#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/StyleSheet.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/platform/AlertBox.h"
#include "platform/BuildConfig.h"
#include "screens/common/PlaceholderScreen.h"
#include "screens/settings/HelpBrowser.h"
#include "screens/settings/LocalizationWidget.h"
#include "screens/settings/SetupWidget.h"
#include "screens/settings/ShowInfoWidget.h"
#include "store/Database.h"
#include "store/SettingsStore.h"
#include "tests/support/ShellRun.h"
#include "tests/support/ShippedSchema.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WidgetTaps.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QStringList alertTexts() {
    QStringList texts;
    for (auto* box : Run::alerts())
        texts << box->message();
    return texts;
}

// The stored switches, "LiveSuche Lokalisierung Metrisch".
std::string settingsOf(const QString& documents) {
    MemoryLog log;
    Database db((documents + "/Tolvane.db").toStdString(), log);
    const auto s = SettingsStore(db).selectSettings();
    return s ? s->liveSearch + " " + s->localization + " " + s->metricUnits : std::string();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> documents_;
    std::unique_ptr<QTemporaryDir> resources_;

    void makeResources(const char* settings) {
        resources_ = std::make_unique<QTemporaryDir>();
        createShippedFile(resources_->filePath("Tolvane.db").toStdString(), {.settings = settings});
        QVERIFY(shipInto(*resources_));
    }

private slots:
    void init() {
        NavigationStack::setAnimated(false);
        documents_ = std::make_unique<QTemporaryDir>();
        QVERIFY(documents_->isValid());
    }
    void cleanup() { Run::closeAlerts(); }

    void firstStartCopiesSeedsAndTitlesTabs() {
        makeResources("'YES','YES','YES'");
        Run run(documents_->path(), resources_->path(), {.device = {"en"}, .shellOnly = true});
        auto& defaults = *run.context->defaults;

        MemoryLog log;
        Database db(documents_->filePath("Tolvane.db").toStdString(), log);
        QVERIFY(SettingsStore(db).selectPersonalProfileData() ==
                (ProfileRow{"F", "30", "165", "57", "20.9", "59.9", "2", "2000", "5.4", "126",
                            "metric"}));

        QVERIFY(defaults.boolForKey("copiedNewDatabase"));
        QVERIFY(defaults.boolForKey("copiedNewFolderDatabase"));
        QCOMPARE(defaults.stringForKey("NewProductUpdated"), std::string("NO"));
        QCOMPARE(defaults.stringForKey("Localization"), std::string("YES"));
        for (const char* flag : {"isfirstLaunchSearch", "isfirstLaunchGDA", "isfirstLaunchMenuList",
                                 "isfirstLaunchSetup"}) {
            QVERIFY2(defaults.boolForKey(flag), flag);
            QVERIFY2(!defaults.stored(flag), flag); // registered, not stored
        }

        // English table loaded: the tab titles are texts, not the German keys.
        QCOMPARE(run.context->language, QString("en"));
        const char* titles[] = {"Suche", "Menu List", "Kategorien", "Setup"};
        for (int tab = 0; tab < 4; ++tab)
            QCOMPARE(run.tabs().tabTitle(tab), run.text(titles[tab]));
        QVERIFY(run.tabs().tabTitle(0) != "Suche");

        QFile analytics(documents_->filePath("analytics.jsonl"));
        QVERIFY(analytics.open(QIODevice::ReadOnly));
        const QByteArray lines = analytics.readAll();
        QVERIFY(lines.contains("\"session\":"));
        QVERIFY(lines.contains("\"event\":\"Device\""));
        QVERIFY(lines.contains("\"Language Preferred\":\"en\""));
    }

    void migrationCopyFailureNamesTheCause() {
        makeResources("'YES','YES','YES'");
        QVERIFY(QFile::remove(resources_->filePath("Tolvane.db")));
        Run run(documents_->path(), resources_->path(), {.device = {"en"}, .shellOnly = true});
        QStringList texts = alertTexts();
        QCOMPARE(texts.size(), 2);
        // The first copy's own message, then the migration's with the cause.
        QVERIFY(texts.removeOne(run.text("Failed to create writable database")));
        const QString prefix =
            run.text("Failed to create writable database file with message '%@'.").remove("%@");
        QVERIFY2(texts[0].startsWith(prefix) && texts[0].contains("does not exist"),
                 qPrintable(texts[0]));
        QVERIFY(!run.delegate->stopping());
    }

    void secondStartKeepsDataAndFlags() {
        makeResources("'YES','NO','YES'");
        {
            Run first(documents_->path(), resources_->path(),
                      {.device = {"de"}, .shellOnly = true});
            QCOMPARE(first.context->language, QString("de"));
            // The stored option reaches the user defaults for the next start.
            QCOMPARE(first.context->defaults->stringForKey("Localization"), std::string("NO"));
            first.context->defaults->setBool("isfirstLaunchSetup", false);
            MemoryLog log;
            Database db(documents_->filePath("Tolvane.db").toStdString(), log);
            SettingsStore(db).updateSettings("NO", "NO", "NO");
        }
        Run second(documents_->path(), resources_->path(), {.device = {"de"}, .shellOnly = true});
        // "Localization" was "NO": English from now on, whatever the device says.
        QCOMPARE(second.context->language, QString("en"));
        QCOMPARE(settingsOf(documents_->path()), std::string("NO NO NO"));
        QVERIFY(!second.context->defaults->boolForKey("isfirstLaunchSetup"));
        QVERIFY(second.context->defaults->stored("isFirstLaunch").has_value());

        // Opening the settings tab: no hint this time.
        second.tabs().setCurrentIndex(3);
        QCoreApplication::processEvents();
        QVERIFY(Run::alerts().isEmpty());
    }

    void oneCopyPerDocumentsFolderAndAKilledCopyDoesNotBlock() {
        makeResources("'YES','YES','YES'");
        const QString documents = documents_->path();
        const RunOptions options{.device = {"en"}, .shellOnly = true};
        {
            Run first(documents, resources_->path(), options);
            const QStringList before = alertTexts();
            Run second(documents, resources_->path(), options);
            QCOMPARE(alertTexts(),
                     before + QStringList{second.text(Tolvane_AppDelegate::alreadyRunningKey())});
            QVERIFY(second.delegate->stopping());
            QVERIFY(!first.delegate->stopping());
            // Closing the alert brings the first copy's window to the front.
            QVERIFY(second.answer("OK"));
            QTRY_VERIFY(first.delegate->window()->isActiveWindow());
        }
        // The program itself holds the folder, then is killed with its lock left behind.
        QProcess other;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("TOLVANE_RESOURCE_DIR", resources_->path());
        other.setProcessEnvironment(env);
        other.start(TOLVANE_PROGRAM, {"--data-dir", documents, "--lang", "en"});
        QVERIFY(other.waitForStarted());
        const QString lock = documents_->filePath("Tolvane.lock");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lock), 30000);
        {
            Run refused(documents, resources_->path(), options);
            QVERIFY(refused.delegate->stopping());
            Run::closeAlerts();
        }
        // Its diagnostics (which may name the profile's values) went to its log, not the terminal.
        QFile log(documents_->filePath("Tolvane.log"));
        QTRY_VERIFY_WITH_TIMEOUT(log.size() > 0, 30000);
        ::kill(static_cast<pid_t>(other.processId()), SIGKILL);
        QVERIFY(other.waitForFinished());
        QVERIFY(QFile::exists(lock));
        const QByteArray terminal = other.readAllStandardError();
        QVERIFY(log.open(QIODevice::ReadOnly));
        for (const QByteArray& line : log.readAll().split('\n'))
            QVERIFY2(line.isEmpty() || !terminal.contains(line), line.constData());
        Run again(documents, resources_->path(), options);
        QVERIFY(!again.delegate->stopping());
    }

    // A start that refuses its database file shows that alert alone over an empty window: the
    // tabs are not built, so no update prompt offers to write to the file, and nothing reads or
    // writes it afterwards.
    void refusedFileShowsOnlyItsAlertAndIsLeftAsItIs() {
        makeResources("'YES','YES','YES'");
        const QString file = documents_->filePath("Tolvane.db");
        const auto refusedAlone = [&](const QString& language, const char* message) {
            Run run(documents_->path(), resources_->path(), {.device = {language.toStdString()}});
            QTest::qWait(200); // what the screens would ask on their first turn
            QCOMPARE(alertTexts(), QStringList{run.text(message).replace("%@", file)});
            QVERIFY(run.delegate->stopping());
            QCOMPARE(run.delegate->exitCode(), 1);
            QVERIFY(run.delegate->window()->isVisible());
            QVERIFY(!run.tabs().isVisible());
            QVERIFY(run.answer("OK"));
            QTest::qWait(100);
        };

        // A copy with 40 blocks in its middle overwritten.
        {
            TestCatalogue catalogue;
            catalogue.addMany(6000, 1);
            QVERIFY(QFile::copy(QString::fromStdString(catalogue.path()), file));
        }
        QByteArray damaged = fileBytes(file);
        constexpr qsizetype block = 4096;
        QVERIFY(damaged.size() > 100 * block);
        damaged.replace(damaged.size() / block / 2 * block - 20 * block, 40 * block,
                        QByteArray(40 * block, 'Z'));
        QVERIFY(writeBytes(file, damaged));
        refusedAlone("de", "Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die "
                           "Datei bleibt unverändert; Tolvane wird beendet.");
        if (QTest::currentTestFailed()) return;
        QCOMPARE(fileBytes(file), damaged);

        // A healthy file that another program keeps locked through the whole wait.
        QVERIFY(QFile::remove(file));
        QVERIFY(QFile::copy(resources_->filePath("Tolvane.db"), file));
        const QByteArray healthy = fileBytes(file);
        OtherConnection other(file.toStdString(), "BEGIN EXCLUSIVE");
        QVERIFY(other.holding());
        refusedAlone("ru", "Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei "
                           "bleibt unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane "
                           "später erneut.");
        if (QTest::currentTestFailed()) return;
        other.release();
        QCOMPARE(fileBytes(file), healthy);
        for (const char* beside : {"-journal", "-wal", "-shm"})
            QVERIFY2(!QFile::exists(file + beside), beside);
    }

    // What a copy that did not end well left as its lock file holds no start up: an empty file
    // (a power cut at start), other bytes, the number of a process that runs another program,
    // another user's file. Only a running copy does. A lock file that can be neither taken
    // over nor removed is named for the user to remove.
    void leftLockFilesAreTakenOverAndOneThatCannotBeIsNamed() {
        makeResources("'YES','YES','YES'");
        const QString lock = documents_->filePath("Tolvane.lock");
        const RunOptions options{.device = {"en"}, .shellOnly = true};
        const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
        const QList<QByteArray> leftBehind{
            {}, QByteArray("\0\x17\xff garbage", 11), pid + "\napp_shell_tests\n\n", "12345\n"};
        for (const QByteArray& left : leftBehind) {
            QVERIFY(writeBytes(lock, left));
            // Another user's (as root: the file is not made unreadable to the test itself).
            if (::geteuid() == 0) QVERIFY(::chown(qPrintable(lock), 65534, 65534) == 0);
            ::chmod(qPrintable(lock), 0600);
            {
                Run run(documents_->path(), resources_->path(), options);
                QVERIFY2(!run.delegate->stopping(), left.toHex().constData());
                QVERIFY(fileBytes(lock).startsWith(pid + "\n"));
                QVERIFY(!alertTexts().contains(run.text(Tolvane_AppDelegate::alreadyRunningKey())));
            }
            // Given back at the end of the run.
            QVERIFY(!QFile::exists(lock));
        }

        const QString database = documents_->filePath("Tolvane.db");
        QVERIFY(QFile::remove(database));
        QVERIFY(QDir(documents_->path()).mkpath("Tolvane.lock/kept"));
        Run run(documents_->path(), resources_->path(), options);
        QCOMPARE(alertTexts(),
                 QStringList{run.text(Tolvane_AppDelegate::lockFileKey()).replace("%@", lock)});
        QVERIFY(run.delegate->stopping());
        QCOMPARE(run.delegate->exitCode(), 1);
        QVERIFY(!QFile::exists(database));
        QVERIFY(QFileInfo(lock + "/kept").isDir());
    }

    void settingsTabRoad() {
        makeResources("'YES','YES','YES'");
        {
            Run run(documents_->path(), resources_->path(), {.device = {"en"}, .shellOnly = true});
            tap(run.tabs().tabButton(3));
            auto* stack = run.tabs().stack(3);
            TOP_SCREEN(setup, SetupWidget, *stack);
            QTRY_COMPARE(setup->model().caloriesValue(), std::string("2,000\u00A0kcal"));

            // First visit: the hint, once.
            QCOMPARE(Run::alerts().size(), 1);
            QCOMPARE(Run::alerts().front()->windowTitle(), run.text("Setup-Info"));
            Run::closeAlerts();

            // Metric units are written at once, live search when the screen is left.
            tap(setup->metricSwitch());
            QCOMPARE(settingsOf(documents_->path()), std::string("YES YES NO"));
            tap(setup->liveSearchSwitch());
            QCOMPARE(settingsOf(documents_->path()), std::string("YES YES NO"));
            tap(run.tabs().tabButton(0));
            QCOMPARE(settingsOf(documents_->path()), std::string("NO YES NO"));
            tap(run.tabs().tabButton(3));

            // Information button 1006: the profile help without a title.
            tap(setup->infoButton(SetupRowId::PersonalProfile));
            TOP_SCREEN(info, ShowInfoWidget, *stack);
            QCOMPARE(stack->title(), QString());
            QVERIFY(!info->browser()->toPlainText().isEmpty());
            QCOMPARE(stack->backButton()->text(), run.text("Zurück"));
            // A tapped support link opens a mail instead of following it.
            const std::string support = config::supportMail, update = config::updateMail;
            for (const std::string& link :
                 {support + ".", update + ".", std::string(config::foodLabelPage)})
                info->browser()->tap(QUrl(QString::fromStdString(link)));
            QVERIFY(run.urls->opened ==
                    (std::vector<std::string>{
                        "mailto:" + support + "?subject=@",
                        "mailto:" + update + "?subject=", config::foodLabelPage}));
            tap(stack->backButton());
            QCOMPARE(stack->depth(), 1);

            // "E-mail senden" without a mail program says so and shows the address to copy.
            run.urls->canOpen = false;
            const auto scrolledTo = [&](const char* name) {
                auto* button = setup->findChild<QPushButton*>(name);
                setup->findChild<QScrollArea*>()->ensureWidgetVisible(button);
                return button;
            };
            tap(scrolledTo("primaryButton"));
            QTRY_VERIFY(setup->findChild<QWidget*>("noMailProgram")->isVisible());
            QCOMPARE(setup->findChild<QLabel*>("mailAddress")->text(),
                     QString::fromStdString(support));
            tap(scrolledTo("copyAddressButton"));
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(support));
            setup->findChild<QScrollArea*>()->ensureWidgetVisible(
                setup->row(SetupRowId::Localization));

            // The language screen: choosing English moves the check mark.
            tap(setup->row(SetupRowId::Localization));
            TOP_SCREEN(languages, LocalizationWidget, *stack);
            QVERIFY(languages->checkShown(0));
            tap(languages->row(2));
            QVERIFY(languages->checkShown(2));
            QVERIFY(!languages->checkShown(0));
            // A screen reader hears the rows as radio buttons, the chosen one checked.
            const auto heardChecked = [&](int row) {
                QAccessibleInterface* heard =
                    QAccessible::queryAccessibleInterface(languages->row(row));
                return heard->role() == QAccessible::RadioButton && heard->state().checked;
            };
            QVERIFY(heardChecked(2));
            QVERIFY(!heardChecked(0));
            QCOMPARE(run.delegate->languageRow(), 2);
            // Alt+Left goes back whatever holds the focus.
            QTest::keyClick(run.delegate->window(), Qt::Key_Left, Qt::AltModifier);
            QCOMPARE(stack->depth(), 1);
            // A switch toggled just before quitting on the screen is kept all the same.
            tap(setup->liveSearchSwitch());
        }
        QCOMPARE(settingsOf(documents_->path()), std::string("YES YES NO"));
    }

    // Screens switch their bar buttons on and off as their content changes, also from the
    // button's own handler.
    void barButtonsFollowTheirActions() {
        makeResources("'YES','YES','YES'");
        Run run(documents_->path(), resources_->path(), {.device = {"en"}, .shellOnly = true});
        auto* stack = run.tabs().stack(0);
        stack->ensureRoot();
        stack->push(std::make_shared<PlaceholderScreen>("Placeholder"));
        QWidget* top = stack->topWidget();
        QVERIFY(top);
        // An icon-only refresh button whose handler switches it off, as a sync does.
        auto* save = new QAction(QIcon(TOLVANE_PICTURES_DIR "/info.svg"), QString(), top);
        save->setProperty("navigationBarSide", "right");
        auto* edit = new QAction("Edit", top);
        edit->setProperty("navigationBarSide", "left");
        top->addAction(save);
        top->addAction(edit);
        // The bar's buttons as they are now: replaced ones are gone once deletions have run.
        auto button = [&](const char* name) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return stack->findChild<QToolButton*>(name);
        };
        connect(save, &QAction::triggered, save, [save] { save->setEnabled(false); });
        QVERIFY(reachable(button("rightBarButton")));
        tap(button("rightBarButton"));
        QVERIFY(!button("rightBarButton")->isEnabled());
        save->setEnabled(true);
        QVERIFY(button("rightBarButton")->isEnabled());
        save->setIcon(QIcon());
        save->setText("Done");
        QCOMPARE(button("rightBarButton")->text(), QString("Done"));
        QTRY_COMPARE(button("rightBarButton")->toolButtonStyle(), Qt::ToolButtonTextOnly);
        QVERIFY(button("leftBarButton"));
        QVERIFY(!stack->backButton()->isVisible());

        // A hidden left action gives the back button its place again.
        edit->setVisible(false);
        QVERIFY(button("leftBarButton")->isHidden());
        QVERIFY(!stack->backButton()->isHidden());
        edit->setVisible(true);
        QVERIFY(!button("leftBarButton")->isHidden());
        QVERIFY(stack->backButton()->isHidden());

        // The handler drops its own action.
        connect(edit, &QAction::triggered, top, [top, edit] { top->removeAction(edit); });
        QVERIFY(reachable(button("leftBarButton")));
        tap(button("leftBarButton"));
        auto* gone = button("leftBarButton"); // at most still waiting for its deletion
        QVERIFY(!gone || gone->isHidden());
        QVERIFY(!stack->backButton()->isHidden());
    }

    // A bar button that the focus reaches while the mouse is used (the control that had it
    // hidden by a tap) looks as without the focus; the next key shows its frame.
    void focusMovedWhileTheMouseIsUsedShowsNoFrame() {
        qApp->setStyleSheet(styleSheet()); // the program's focus frames
        const auto plainStyle = qScopeGuard([] { qApp->setStyleSheet({}); });
        makeResources("'YES','YES','YES'");
        Run run(documents_->path(), resources_->path(), {.device = {"en"}, .shellOnly = true});
        QVERIFY(run.activate());
        auto* stack = run.tabs().stack(0);
        stack->ensureRoot();
        stack->push(std::make_shared<PlaceholderScreen>("Placeholder"));
        QWidget* top = stack->topWidget();
        auto* field = new QLineEdit(top);
        field->show();
        // Editing hides the control that had the keyboard, as a list turned to editing does.
        auto* edit = new QAction("Edit", top);
        edit->setProperty("navigationBarSide", "right");
        top->addAction(edit);
        connect(edit, &QAction::triggered, field, &QWidget::hide);
        field->setFocus(Qt::OtherFocusReason);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        tap(stack->findChild<QToolButton*>("rightBarButton"));
        auto* focused = qobject_cast<QToolButton*>(QApplication::focusWidget());
        QVERIFY2(focused, "the focus went to a bar button");
        const QImage quiet = focused->grab().toImage();
        focused->clearFocus();
        const QImage plain = focused->grab().toImage();
        QCOMPARE(quiet, plain);
        focused->setFocus(Qt::TabFocusReason);
        QTest::keyClick(focused, Qt::Key_Shift);
        QVERIFY(focused->grab().toImage() != plain);
    }

    void landscapeSlotTurnsTheWindow() {
        makeResources("'YES','YES','YES'");
        Run run(documents_->path(), resources_->path(), {.device = {"en"}, .shellOnly = true});
        run.tabs().setCurrentIndex(2);
        const ProductRecord apfelmus{
            "Apfelmus", "1", "Migros", "2", "0", {"0.1", "0", "12", "0", "60"}, "g", "250"};
        run.delegate->showLandscapeView(apfelmus, DeviceOrientation::LandscapeRight);
        QCOMPARE(run.delegate->window()->size(), QSize(480, 320));
        QVERIFY(run.delegate->landscapeView());
        run.delegate->showInfoView({}, DeviceOrientation::LandscapeRight);
        QVERIFY(run.delegate->infoView());
        // Back in portrait: the tabs as they were. Ctrl+Up is the desktop's turn, and a text
        // field with the focus does not swallow it.
        auto* field = new QLineEdit("portion", run.delegate->infoView());
        field->show();
        field->setFocus();
        field->setCursorPosition(3);
        QTest::keyClick(field, Qt::Key_Left, Qt::ControlModifier);
        QCOMPARE(run.delegate->deviceOrientation(), DeviceOrientation::LandscapeLeft);
        QCOMPARE(field->cursorPosition(), 3);
        QTest::keyClick(field, Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(run.delegate->deviceOrientation(), DeviceOrientation::Portrait);
        QCOMPARE(run.delegate->window()->size(), QSize(320, 480));
        QCOMPARE(run.tabs().currentIndex(), 2);
        QVERIFY(run.tabs().isVisible());
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
