// A catalogue product whose name and maker hold "|", served by the reference server and stored
// by the catalogue update into a fresh data file, shows intact on every screen that shows it:
// its list row, a search hit, its detail with values and lights, the GDA calculator and a
// folder it was filed into through the folder picker.
#include "TestCatalogue.h"
#include "format/CatalogueRecord.h"
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/detail/ProductDetailsLandscapeWidget.h"
#include "screens/planner/CheckPickerView.h"
#include "screens/planner/FavoriteVCFolderNew.h"
#include "screens/planner/MenuFolderVC.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/ShellRun.h"
#include "tests/support/WidgetTaps.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

using namespace tolvane;
using namespace tolvane::test;

namespace {

const std::string kName = "PIPE A|B|C Schoko";
const std::string kMaker = "pipe|maker";

// Fat and salt red, saturates yellow, sugar green per 100 g; alone in its category, so no light
// is "top".
CatalogueRecord pipeProduct() {
    CatalogueRecord r;
    r[CatalogueField::Name] = kName;
    r[CatalogueField::Maker] = kMaker;
    r[CatalogueField::Category] = "1";
    r[CatalogueField::SalesPortion] = "45";
    r[CatalogueField::InclusionDate] = "2026-01-05 10:00:00";
    r[CatalogueField::Unit] = "g";
    r[CatalogueField::EnergyKcal] = "480";
    r[CatalogueField::Sugar] = "4.0";
    r[CatalogueField::Fat] = "25.0";
    r[CatalogueField::SaturatedFat] = "3.0";
    r[CatalogueField::Salt] = "1.6";
    r.id = 4711;
    return r;
}

// The catalogue source the reference server imports: its header line, then one product a line.
QByteArray sourceText(const std::vector<CatalogueRecord>& products) {
    QByteArray text;
    for (const char* key : catalogueRecordKeys)
        text += QByteArray(key) + (key == catalogueRecordKeys.back() ? "\n" : "\t");
    for (const auto& product : products) {
        for (const auto& field : product.fields)
            text += QByteArray::fromStdString(field) + "\t";
        text += QByteArray::number(product.id) + "\n";
    }
    return text;
}

QString shown(QTreeView* table, int section, int row, int role = Qt::DisplayRole) {
    auto* m = table->model();
    return m->index(row, 0, m->index(section, 0)).data(role).toString();
}

} // namespace

class PipeProductRoadTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Run::closeAlerts(); }

    void aProductWithBarsInItsTextsShowsIntactEverywhere() {
        NavigationStack::setAnimated(false);
        QTemporaryDir serverDir;
        const QString tsv = serverDir.filePath("products.tsv");
        CatalogueRecord water;
        water[CatalogueField::Name] = "Wasser";
        water[CatalogueField::Category] = "2";
        water[CatalogueField::InclusionDate] = "2026-01-05 10:00:00";
        water[CatalogueField::Unit] = "ml";
        water.id = 4712;
        {
            QFile f(tsv);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(sourceText({pipeProduct(), water}));
        }
        const std::string serverDb = serverDir.filePath("server.db").toStdString();
        QCOMPARE(runServerCommand({"import", "--db", serverDb, "--products", tsv.toStdString()})
                     .exitCode,
                 0);
        ServerProcess server(serverDb);

        // A fresh data file from a shipped file without the product; live search on.
        QTemporaryDir documents, resources;
        {
            TestCatalogue shipped;
            shipped.addCategory(1, "Snacks");
            shipped.addCategory(2, "Getränke");
            shipped.add({.id = 3, .name = "Apfelsaft", .maker = "Ramseier", .category = "2"});
            shipped.setSettings("YES", "YES");
            QVERIFY(QFile::copy(QString::fromStdString(shipped.path()),
                                resources.filePath("Tolvane.db")));
        }
        QVERIFY(QFile::link(TOLVANE_STRINGS_DIR, resources.filePath("strings")));
        QVERIFY(QFile::link(TOLVANE_PICTURES_DIR, resources.filePath("pictures")));

        Run run(documents.path(), resources.path(), QString::fromStdString(server.url()));
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Sync starten"));
        auto* list = qobject_cast<SearchWidget*>(run.stack(0).topWidget());
        QVERIFY(list);
        QTRY_VERIFY_WITH_TIMEOUT(run.alertSays("Verbindung wurde erfolgreich hergestellt und "
                                               "neue Einträge sind heruntergeladen."),
                                 120000);
        Run::closeAlerts();
        QTRY_VERIFY_WITH_TIMEOUT(!list->model()->rebuildPending(), 30000);

        // The list row: under "P", name and maker whole.
        const SearchVC& listModel = *list->model();
        QCOMPARE(listModel.rowCount(), std::size_t(3));
        QCOMPARE(list->sideIndex()->letters(), QStringList({"A", "P", "W"}));
        QCOMPARE(listModel.rowName(1, 0), kName);
        QCOMPARE(listModel.rowMaker(1, 0), kMaker);

        // A search hit for "PIPE", typed into the field.
        list->searchField()->setFocus();
        QTest::keyClicks(list->searchField(), "PIPE");
        QTRY_COMPARE(list->tableModel()->rowCount(), 1);
        QCOMPARE(shown(list->table(), 0, 0), QString::fromStdString(kName));
        QCOMPARE(shown(list->table(), 0, 0, ProductSectionModel::MakerRole),
                 QString::fromStdString(kMaker));

        // Its detail: name, maker, the five values and the four lights.
        tapRow(list->table(), 0, 0);
        auto* detail = qobject_cast<ProductDetailWidget*>(run.stack(0).topWidget());
        QVERIFY(detail);
        QCOMPARE(detail->nameLabel()->text(), QString::fromStdString(kName));
        QCOMPARE(detail->makerLabel()->text(), QString::fromStdString(kMaker));
        ProductDetail& product = *detail->model();
        QCOMPARE(product.numberOfRows(), 7);
        const char* values[] = {"25.0", "3.0", "4.0", "1.6", "480"};
        const char* lights[] = {"ampel_red", "ampel_yellow", "ampel_green", "ampel_red"};
        for (int n = 0; n < kNutrientCount; ++n) {
            QCOMPARE(product.row(1 + n).value, std::string(values[n]));
            if (n < 4) QCOMPARE(product.row(1 + n).picture, std::string(lights[n]));
        }

        // The GDA calculator for it: a portion of 100 g against the daily amounts.
        tap(detail->turnButton());
        auto* gda = qobject_cast<ProductDetailsLandscapeWidget*>(run.delegate->landscapeView());
        QVERIFY(gda);
        QTRY_VERIFY(gda->isVisible());
        Run::closeAlerts(); // the first-launch hint
        QCOMPARE(gda->findChild<QLabel*>("landscapeName")->text(), QString::fromStdString(kName));
        const char* percents[] = {"35%", "15%", "4%", "26%", "24%"};
        for (int bar = 0; bar < kNutrientCount; ++bar)
            QCOMPARE(gda->model()->bars()[bar].percentLabel, std::string(percents[bar]));
        tap(gda->turnBackButton());
        QTRY_VERIFY(detail->isVisible());

        // Filed into the first folder through the picker.
        tap(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QTRY_VERIFY(picker->isVisible());
        tapAt(picker, picker->rowCentre(2));
        QTRY_VERIFY(!picker->isScrolling());
        QVERIFY(product.pickerViewSelectionStateForRow(0));

        FakeNavigation navigation;
        Database& db = run.delegate->getDBObj();
        FavoriteVCFolderNew contents(run.context->platform(), db, navigation, "1", "Ordner");
        contents.viewWillAppear();
        QCOMPARE(contents.numberOfRows(), 1);
        QCOMPARE(contents.row(0).name, kName);
        QCOMPARE(contents.row(0).maker, kMaker);
        QCOMPARE(contents.row(0).amount, std::string("100g"));
        QVERIFY(contents.row(0).calories.find("480") != std::string::npos);
        MenuFolderVC folders(run.context->platform(), db, navigation);
        folders.viewWillAppear();
        bool totalShown = false;
        for (int row = 0; row < folders.numberOfRows(); ++row)
            if (folders.folderId(row) == "1")
                totalShown = folders.rowCalories(row).find("480") != std::string::npos;
        QVERIFY(totalShown);
    }
};

QTEST_MAIN(PipeProductRoadTest)
#include "PipeProductRoadTest.moc"
