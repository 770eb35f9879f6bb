// Whole roads through the product list, the categories, the detail and the landscape calculator
// in the running shell, on the offscreen platform, each start on fresh temporary directories.
#include "TestCatalogue.h"
#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/ScreenRegistry.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "screens/browse/CategoryWidget.h"
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/detail/ProductDetailsLandscapeWidget.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct Run {
    std::unique_ptr<AppContext> context;
    ScreenFactory factory;
    std::unique_ptr<Tolvane_AppDelegate> delegate;

    Run(const QString& documents, const QString& resources, const QString& server = {}) {
        AppOptions options;
        options.documentsDir = documents;
        options.resourceDir = resources;
        options.defaultsFile = documents + "/defaults.ini";
        options.serverUrl = server;
        context = AppContext::create(options, std::make_unique<NullLog>(), {"de"});
        registerScreens(factory);
        delegate = std::make_unique<Tolvane_AppDelegate>(*context, factory);
        delegate->awakeFromNib();
        delegate->applicationDidFinishLaunching();
    }
    ~Run() {
        closeAlerts();
        delegate.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString text(const char* k) { return QString::fromStdString(context->strings->text(k)); }
    NavigationStack& stack(int tab) { return *delegate->tabBarVC()->stack(tab); }

    static QList<QMessageBox*> alerts() {
        QList<QMessageBox*> boxes;
        for (auto* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) boxes << box;
        return boxes;
    }
    // Clicks the button with that key's text on the open alert; false when there is none.
    bool answer(const char* buttonKey) {
        for (auto* box : alerts())
            for (auto* button : box->buttons())
                if (button->text() == text(buttonKey)) {
                    button->click();
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                    return true;
                }
        return false;
    }
    bool alertSays(const char* messageKey) {
        for (auto* box : alerts())
            if (box->informativeText() == text(messageKey)) return true;
        return false;
    }
    static void closeAlerts() {
        for (auto* box : alerts())
            box->buttons().front()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// With TOLVANE_GRAB_DIR set, keeps a picture of the window for a look by eye.
void grab(Run& run, const char* name) {
    const QString dir = qEnvironmentVariable("TOLVANE_GRAB_DIR");
    if (dir.isEmpty()) return;
    QCoreApplication::processEvents();
    run.delegate->window()->grab().save(dir + "/" + name + ".png");
}

QString rowName(QTreeView* table, int section, int row) {
    auto* m = table->model();
    return m->index(row, 0, m->index(section, 0)).data().toString();
}

// The grey line under the name, as the row delegate draws it.
QString rowMaker(QTreeView* table, int section, int row) {
    auto* m = table->model();
    return m->index(row, 0, m->index(section, 0)).data(ProductSectionModel::MakerRole).toString();
}

} // namespace

class BrowseRoadsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> documents_;
    std::unique_ptr<QTemporaryDir> resources_;
    std::unique_ptr<TestCatalogue> catalogue_;

    // Writes the catalogue built by the test as the shipped file.
    void ship() {
        QVERIFY(QFile::copy(QString::fromStdString(catalogue_->path()),
                            resources_->filePath("Tolvane.db")));
        QVERIFY(QFile::link(TOLVANE_STRINGS_DIR, resources_->filePath("strings")));
        QVERIFY(QFile::link(TOLVANE_PICTURES_DIR, resources_->filePath("pictures")));
    }

    // The start-up prompt of the first start, dismissed for good.
    void dismissPrompt(Run& run) {
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Hinweis löschen"));
    }

private slots:
    void init() {
        NavigationStack::setAnimated(false);
        documents_ = std::make_unique<QTemporaryDir>();
        resources_ = std::make_unique<QTemporaryDir>();
        catalogue_ = std::make_unique<TestCatalogue>();
        catalogue_->addCategory(1, "Snacks");
        catalogue_->addCategory(2, "Getränke");
        catalogue_->add({.id = 1,
                         .name = "Brezel",
                         .maker = "Beck",
                         .category = "1",
                         .fat = "4",
                         .satFat = "1",
                         .sugar = "2",
                         .salt = "2.1",
                         .kcal = "380",
                         .unit = "g",
                         .portion = "80"});
        catalogue_->add({.id = 2,
                         .name = "Chips",
                         .maker = "Zweifel",
                         .category = "1",
                         .fat = "20",
                         .satFat = "5",
                         .sugar = "1",
                         .salt = "1.5",
                         .kcal = "500",
                         .unit = "g",
                         .portion = "150"});
        catalogue_->add({.id = 3,
                         .name = "Apfelsaft",
                         .maker = "Ramseier",
                         .category = "2",
                         .fat = "0",
                         .satFat = "0",
                         .sugar = "10",
                         .salt = "0",
                         .kcal = "45",
                         .unit = "ml",
                         .portion = ""});
    }
    void cleanup() { Run::closeAlerts(); }

    void searchOpenTurnTypeAndTurnBack() {
        catalogue_->setSettings("YES", "YES");
        ship();
        Run run(documents_->path(), resources_->path());
        dismissPrompt(run);
        auto* list = qobject_cast<SearchWidget*>(run.stack(0).topWidget());
        QVERIFY(list);
        QTRY_COMPARE(list->sideIndex()->letters(), QStringList({"A", "B", "C"}));
        QCOMPARE(rowMaker(list->table(), 1, 0), QString("Beck"));
        QVERIFY(list->tableModel()->persistentIndexCount() <= list->tableModel()->rowCount());

        list->searchField()->setFocus();
        QTest::keyClicks(list->searchField(), "chi");
        QTRY_COMPARE(list->tableModel()->rowCount(), 1);
        QCOMPARE(rowName(list->table(), 0, 0), QString("Chips"));
        // Search records carry the maker in another column.
        QCOMPARE(rowMaker(list->table(), 0, 0), QString("Zweifel"));
        QVERIFY(list->sideIndex()->isHidden());
        grab(run, "search");

        list->chooseRow(0, 0);
        auto* detail = qobject_cast<ProductDetailWidget*>(run.stack(0).topWidget());
        QVERIFY(detail);
        QCOMPARE(detail->nameLabel()->text(), QString("Chips"));
        QCOMPARE(detail->model()->numberOfRows(), 7);
        // Fat 20 g is yellow, equal to nothing below it: Brezel (4) pulls the mean to 12.
        QCOMPARE(detail->model()->row(1).picture, std::string("ampel_yellow"));
        QCOMPARE(detail->model()->row(4).picture, std::string("ampel_yellow_top"));
        QVERIFY(detail->detailTable()->height() > 200);
        grab(run, "detail");

        run.delegate->setDeviceOrientation(3);
        auto* gda = qobject_cast<ProductDetailsLandscapeWidget*>(run.delegate->landscapeView());
        QVERIFY(gda);
        QTRY_VERIFY(gda->isVisible());
        if (run.context->defaults->boolForKey("isfirstLaunchGDA") || !Run::alerts().isEmpty())
            Run::closeAlerts();
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("28%"));
        gda->portionField()->setFocus();
        gda->portionField()->selectAll();
        QTest::keyClicks(gda->portionField(), "150");
        QTest::keyClick(gda->portionField(), Qt::Key_Return);
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("42%"));
        QTest::mousePress(gda, Qt::LeftButton, {}, gda->canvasOrigin() + QPoint(90, 150));
        QCOMPARE(gda->model()->touchLabel(), std::string("30g"));
        grab(run, "landscape-touch");
        QTest::mouseRelease(gda, Qt::LeftButton, {}, gda->canvasOrigin() + QPoint(90, 150));
        QTest::keyClicks(gda->portionField(), "123"); // a sixth character is refused
        QCOMPARE(gda->portionField()->text().size(), 5);
        QTRY_VERIFY(
            run.alertSays("Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe."));
        Run::closeAlerts();

        run.delegate->setDeviceOrientation(1);
        QTRY_VERIFY(!run.delegate->landscapeView());
        QCOMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(detail));
        QTRY_VERIFY(detail->isVisible());
    }

    void browseACategoryAndOpenAProduct() {
        ship();
        Run run(documents_->path(), resources_->path());
        dismissPrompt(run);
        run.delegate->tabBarVC()->setCurrentIndex(2);
        auto* categories = qobject_cast<CategoryWidget*>(run.stack(2).topWidget());
        QVERIFY(categories);
        QTRY_COMPARE(categories->tableModel()->rowCount(), 2);
        const QModelIndex snacks = categories->tableModel()->index(1, 0);
        QCOMPARE(snacks.data().toString(), run.text("Snacks"));
        emit categories->table()->clicked(snacks);

        auto* products = qobject_cast<ProductsForCategoriesWidget*>(run.stack(2).topWidget());
        QVERIFY(products);
        QCOMPARE(products->windowTitle(), run.text("Snacks"));
        QCOMPARE(products->tableModel()->rowCount(), 2);
        products->chooseRow(1, 0);
        auto* detail = qobject_cast<ProductDetailWidget*>(run.stack(2).topWidget());
        QVERIFY(detail);
        QCOMPARE(detail->nameLabel()->text(), QString("Chips"));
        QCOMPARE(detail->model()->fromScreen(), std::string("ProductsForCategory"));

        detail->favoriteButton()->click();
        QVERIFY(detail->model()->isFavorite());
        QCOMPARE(detail->favoriteButton()->text(), run.text("Aus Favoriten entfernen"));
    }

#ifdef TOLVANE_PRODUCT_SERVER
    void updateFromTheReferenceServerRebuildsTheList() {
        ship();
        // The server's catalogue: 600 products, so three pages.
        QTemporaryDir serverDir;
        const QString tsv = serverDir.filePath("products.tsv");
        {
            QFile f(tsv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QByteArray text = "Produktname\tHersteller\tKategorie\tAmpel-Flagge\tHersteller-Info\t"
                              "Aufnahmedatum\tAbendessen-Tauglich\tEinheit\tEnergiewert in KJ\t"
                              "Energiewert in kcal\tKohlenhydrate\tZucker\tFett\tges. Fette\t"
                              "Salz / Natrium\tBallaststoffe\tEiweis\tTransfettsauren\tStarke\t"
                              "mehrwertige Alkohole\teinfach ungesattigte Fettsauren\t"
                              "mehrfach ungesattigte Fettsauren\tCholesterin\tGTIN\tID\n";
            for (int i = 0; i < 600; ++i)
                text += "Neu " + QByteArray::number(1000 + i) +
                        "\tServer\t1\t0\t100\t2018-03-01 10:00:00\t0\tg\t800\t190\t20\t3\t5\t"
                        "1\t0.4\t2\t4\t0\t0\t0\t0\t0\t0\t7610000000000\t" +
                        QByteArray::number(5000 + i) + "\n";
            f.write(text);
        }
        const QString serverDb = serverDir.filePath("server.db");
        QProcess import;
        import.start(TOLVANE_PRODUCT_SERVER, {"import", "--db", serverDb, "--products", tsv});
        QVERIFY(import.waitForFinished(60000));
        QCOMPARE(import.exitCode(), 0);
        QProcess server;
        server.start(TOLVANE_PRODUCT_SERVER, {"serve", "--db", serverDb, "--port", "0"});
        QVERIFY(server.waitForStarted(30000));
        QString address;
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                const QString line = QString::fromUtf8(server.readAllStandardOutput());
                const int at = line.indexOf("http://");
                if (at >= 0) address = line.mid(at).trimmed();
                return !address.isEmpty();
            }(),
            30000);

        Run run(documents_->path(), resources_->path(), address);
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Sync starten")); // the prompt's own way to start a run
        auto* list = qobject_cast<SearchWidget*>(run.stack(0).topWidget());
        QVERIFY(list);
        QTRY_VERIFY_WITH_TIMEOUT(run.alertSays("Verbindung wurde erfolgreich hergestellt und "
                                               "neue Einträge sind heruntergeladen."),
                                 120000);
        QVERIFY(!list->progressPanel()->isVisible());
        QVERIFY(list->refreshAction()->isEnabled());
        // The bar counted the products of the total, not a busy animation.
        QCOMPARE(list->progressBar()->maximum(), 600);
        QCOMPARE(list->progressBar()->value(), 600);
        // "600 von 600 Produkten geladen", then "Seite 3 von 3", in whatever language the run uses.
        QVERIFY(list->progressLabel()->text().contains(QRegularExpression("^\\D*600\\D+600\\D")));
        QCOMPARE(list->model()->dataArray().size(), std::size_t(603));
        QCOMPARE(list->sideIndex()->letters(), QStringList({"A", "B", "C", "N"}));
        // Again: nothing newer, so no alert, and the panel says so for two seconds.
        Run::closeAlerts();
        QToolButton* refresh = nullptr;
        for (auto* button : run.stack(0).findChildren<QToolButton*>())
            if (button->defaultAction() == list->refreshAction()) refresh = button;
        QVERIFY(refresh && refresh->isVisible());
        QTest::mouseClick(refresh, Qt::LeftButton, {}, refresh->rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(list->progressLabel()->text() ==
                                     run.text("Der Katalog ist auf dem neuesten Stand."),
                                 30000);
        QVERIFY(list->progressPanel()->isVisible());
        QVERIFY(Run::alerts().isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!list->progressPanel()->isVisible(), 5000);
        QVERIFY(Run::alerts().isEmpty());
        server.kill();
        server.waitForFinished(10000);
    }
#endif
};

QTEST_MAIN(BrowseRoadsTest)
#include "BrowseRoadsTest.moc"
