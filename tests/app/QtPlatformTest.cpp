// The Qt side of the platform interfaces and the navigation stack, offscreen.
#include "app/AppContext.h"
#include "app/AppOptions.h"
#include "app/NavigationStack.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/platform/QtDispatcher.h"
#include "app/platform/QtUserDefaults.h"
#include "screens/common/Pictures.h"
#include "screens/common/PlaceholderScreen.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <atomic>
#include <thread>

using namespace tolvane;

namespace {

using Page = PlaceholderScreen; // its title key names it

// Which label was shown or hidden, in order.
class ShowHideLog : public QObject {
public:
    QStringList events;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QString name = static_cast<QLabel*>(watched)->text();
        if (event->type() == QEvent::Show) events << "show " + name;
        if (event->type() == QEvent::Hide) events << "hide " + name;
        return false;
    }
};

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void userDefaultsKeepTypesAcrossInstances() {
        QTemporaryDir dir;
        const QString file = dir.filePath("defaults.ini");
        {
            QtUserDefaults defaults(file);
            defaults.setList("AppleLanguages", {"it"}); // one element stays a list
            defaults.setList("Empty", {});
            defaults.setInteger("languageRow", 5);
            defaults.setBool("isfirstLaunchSetup", false);
            defaults.setString("languageUsed", "Italiano, 100% \"x\"");
            defaults.setString("a/b\\c", "slash key");
            defaults.setString("gone", "x");
            defaults.remove("gone");
            defaults.synchronize();
        }
        QtUserDefaults again(file);
        QCOMPARE(again.listForKey("AppleLanguages"), DefaultsList{"it"});
        QVERIFY(std::holds_alternative<DefaultsList>(*again.stored("Empty")));
        QCOMPARE(again.integerForKey("languageRow"), 5);
        QVERIFY(std::holds_alternative<bool>(*again.stored("isfirstLaunchSetup")));
        QVERIFY(!again.boolForKey("isfirstLaunchSetup"));
        QCOMPARE(again.stringForKey("languageUsed"), std::string("Italiano, 100% \"x\""));
        QCOMPARE(again.stringForKey("a/b\\c"), std::string("slash key"));
        QVERIFY(!again.stored("a").has_value());
        QVERIFY(!again.stored("gone").has_value());
        // A hand-edited or foreign value is ignored, not misread.
        QCOMPARE(QtUserDefaults::decode("true"), std::nullopt);
        QCOMPARE(QtUserDefaults::decode("int:x"), std::nullopt);
    }

    void missingOrBrokenPictureIsEmpty() {
        QTemporaryDir dir;
        QVERIFY(QDir().mkpath(dir.filePath("pictures")));
        for (const auto& [name, text] :
             {std::pair{"column", R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" )"
                                  R"(height="10"><rect width="10" height="10" fill="red"/></svg>)"},
              std::pair{"broken", "not a picture"}}) {
            QFile svg(dir.filePath(QString("pictures/%1.svg").arg(name)));
            QVERIFY(svg.open(QIODevice::WriteOnly) && svg.write(text) > 0);
        }

        MemoryLog log;
        Pictures pictures(dir.path(), log);
        QVERIFY(pictures.path("column.png").endsWith("/pictures/column.svg"));
        QVERIFY(!pictures.pixmap("column.png", QSize(20, 40)).isNull());
        QVERIFY(pictures.renderer("column"));
        QVERIFY(pictures.icon("ampel_green").isNull());
        QVERIFY(pictures.pixmap("ampel_green", QSize(10, 10)).isNull());
        QVERIFY(!pictures.renderer("broken"));
        QVERIFY(pictures.pixmap("", QSize(10, 10)).isNull());
        // Widgets of other areas reach the same folder by the search path.
        QVERIFY(QFile::exists("pictures:column.svg"));
    }

    void dispatcherRunsOnGuiThreadInOrder() {
        QtDispatcher dispatcher;
        std::vector<int> order;
        std::atomic<bool> offThread{false};
        std::thread worker([&] {
            dispatcher.runOnUiThread([&] {
                offThread = QThread::currentThread() != qApp->thread();
                order.push_back(1);
            });
        });
        worker.join();
        dispatcher.runLater(0.05, [&] { order.push_back(3); });
        dispatcher.runLater(0, [&] { order.push_back(2); });
        QTRY_COMPARE_WITH_TIMEOUT(order.size(), std::size_t(3), 10000);
        QCOMPARE(order, (std::vector<int>{1, 2, 3}));
        QVERIFY(!offThread);
    }

    void scaleAndResourceFolderFromTheCommandLine() {
        const char* good[] = {"tolvane", "--scale", "1.5"};
        QCOMPARE(AppOptions::scaleFromArguments(3, const_cast<char**>(good)), std::optional(1.5));
        const char* inline_[] = {"tolvane", "--scale=2"};
        QCOMPARE(AppOptions::scaleFromArguments(2, const_cast<char**>(inline_)),
                 std::optional(2.0));
        for (const char* bad : {"0", "abc", "2x", "100"}) {
            const char* argv[] = {"tolvane", "--scale", bad};
            QVERIFY2(!AppOptions::scaleFromArguments(3, const_cast<char**>(argv)), bad);
        }
        // The window grows only while it leaves room on the screen.
        QCOMPARE(AppOptions::fittingScale(1040), 1.75);
        QCOMPARE(AppOptions::fittingScale(2100), 2.0);
        QCOMPARE(AppOptions::fittingScale(600), 1.0);
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.filePath("bin")));
        QVERIFY(QDir().mkpath(prefix.filePath("share/tolvane/strings")));
        qunsetenv("TOLVANE_RESOURCE_DIR");
        QCOMPARE(AppOptions::findResourceDir(prefix.filePath("bin")),
                 QDir(prefix.filePath("share/tolvane")).canonicalPath());
    }

    void stackPushesPopsAndReleasesModels() {
        ScreenFactory factory;
        factory.registerWidget<Page>([](std::shared_ptr<Page> s, ScreenContext&) -> QWidget* {
            auto* label = new QLabel(QString::fromStdString(s->titleKey()));
            label->setWindowTitle(label->text());
            if (label->text() == "second") {
                auto* action = new QAction("Edit", label);
                action->setProperty("navigationBarSide", "right");
                label->addAction(action);
            }
            return label;
        });
        factory.setRoot(0, [](ScreenContext&) { return std::make_shared<Page>("root"); });
        FakePlatform fake;
        QTemporaryDir dir;
        Pictures pictures(dir.path(), fake.log);
        auto platform = fake.platform();
        AppOptions options;
        options.documentsDir = dir.filePath("documents");
        options.resourceDir = dir.path();
        options.defaultsFile = dir.filePath("defaults.ini");
        options.language = "en";
        auto context = AppContext::create(options, std::make_unique<NullLog>(), {});
        Tolvane_AppDelegate delegate(*context, factory); // no window: only handed on
        NavigationStack stack(factory, platform, pictures, delegate, 0);
        stack.resize(320, 431);
        NavigationStack::setAnimated(true);
        stack.show();
        QCOMPARE(stack.depth(), 1);
        QCOMPARE(stack.title(), QString("root"));
        QVERIFY(!stack.backButton()->isVisible());

        auto second = std::make_shared<Page>("second");
        std::weak_ptr<Screen> watch = second;
        stack.push(second, "Zurück");
        second.reset();
        QCOMPARE(stack.title(), QString("second"));
        QVERIFY(stack.backButton()->isVisible());
        QCOMPARE(stack.backButton()->text(), QString("Zurück"));
        QVERIFY(stack.findChild<QToolButton*>("rightBarButton"));
        // A push while the slide runs finishes the slide first.
        stack.push(std::make_shared<Page>("third"));
        QCOMPARE(stack.depth(), 3);
        QCOMPARE(stack.backButton()->text(), QString("second")); // the previous title
        // Back: the leaving screen hides (and saves) before the uncovered one shows, while a
        // picture of it still slides out.
        ShowHideLog log;
        stack.topWidget()->installEventFilter(&log);
        QWidget* uncovered = nullptr;
        for (auto* label : stack.findChildren<QLabel*>())
            if (label->text() == "second") uncovered = label;
        QVERIFY(uncovered);
        uncovered->installEventFilter(&log);
        stack.pop();
        QVERIFY(log.events.indexOf("hide third") >= 0);
        QVERIFY(log.events.indexOf("hide third") < log.events.lastIndexOf("show second"));
        QVERIFY(stack.isAnimating());
        stack.pop();
        stack.pop(); // the root stays
        QCOMPARE(stack.depth(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!stack.isAnimating(), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(watch.expired(), 10000);
        QCOMPARE(stack.topWidget()->geometry().topLeft(), QPoint(0, 0));
        NavigationStack::setAnimated(false);

        // Unknown screens still show something.
        stack.push(std::make_shared<Placeholderless>());
        QVERIFY(stack.topWidget());
    }

private:
    class Placeholderless : public Screen {};
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
