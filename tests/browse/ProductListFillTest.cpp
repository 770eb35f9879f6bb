// The product list on screen: a small catalogue is in the table from its first painted frame;
// a large one paints the window first and fills the table right after, never showing the empty
// page or an alert meanwhile, and a search typed meanwhile finds its products.
#include "app/platform/QtDispatcher.h"
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetail.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WidgetTaps.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// At every paint of the table: how many rows (headings and products) it had.
struct PaintLog : QObject {
    explicit PaintLog(QListView* table) : table(table) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) rows.push_back(table->model()->rowCount());
        return false;
    }
    QListView* table;
    std::vector<int> rows;
};

} // namespace

class ProductListFillTest : public QObject {
    Q_OBJECT

private:
    FakePlatform fake_;
    std::unique_ptr<QtDispatcher> dispatcher_;
    std::unique_ptr<TestCatalogue> catalogue_;
    std::unique_ptr<Database> shared_;
    std::unique_ptr<CatalogueService> service_;
    // The screens it pushed; they go first, as the program's tabs do.
    std::unique_ptr<FakeNavigation> navigation_;

    Platform platform() {
        return {fake_.defaults, fake_.strings, fake_.alerts, fake_.analytics,
                fake_.log,      *dispatcher_,  fake_.urls};
    }

    // The catalogue service and the list screen as the shell builds them, with the given limit
    // for reading the list at once.
    std::unique_ptr<SearchWidget> open(int readAtOnceUpTo, std::unique_ptr<PaintLog>& paints) {
        service_ = std::make_unique<CatalogueService>(platform(), *shared_, serverBaseUrl(),
                                                      readAtOnceUpTo);
        auto model = std::make_shared<SearchVC>(platform(), *shared_, *service_, *navigation_);
        auto widget = std::make_unique<SearchWidget>(model, fake_.strings);
        paints = std::make_unique<PaintLog>(widget->table());
        widget->table()->viewport()->installEventFilter(paints.get());
        widget->resize(320, 436);
        return widget;
    }

private slots:
    void init() {
        dispatcher_ = std::make_unique<QtDispatcher>();
        navigation_ = std::make_unique<FakeNavigation>();
        fake_.defaults.registerDefaults({{"isfirstLaunchSearch", false}});
        fake_.alerts.clear();
        catalogue_ = std::make_unique<TestCatalogue>();
        catalogue_->setSettings("YES", "YES"); // live search
        catalogue_->add({.id = 1, .name = "Äpfel", .maker = "Bauer"});
        catalogue_->add({.id = 2, .name = "Brot", .maker = "Beck"});
        catalogue_->add({.id = 3, .name = "Brezel", .maker = "Beck"});
        catalogue_->addMany(300, 100);
        shared_ = std::make_unique<Database>(catalogue_->path(), fake_.log);
    }
    void cleanup() {
        navigation_.reset();
        service_.reset();
        shared_.reset();
        catalogue_.reset();
        dispatcher_.reset();
    }

    // A small catalogue is in the table from the first painted frame; a large one (303 products
    // count as many at 10) right after it.
    void theListFillsWithoutTheEmptyPageOrAnAlert() {
        for (const int readAtOnceUpTo : {CatalogueService::listReadAtOnceUpTo, 10}) {
            const bool small = readAtOnceUpTo > 303;
            std::unique_ptr<PaintLog> paints;
            auto widget = open(readAtOnceUpTo, paints);
            if (!small) QCOMPARE(widget->tableModel()->sectionCount(), 0);
            widget->show();
            QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
            QVERIFY(!widget->emptyText()->isVisible());
            QTRY_VERIFY(!widget->model()->listLoading());
            QTRY_VERIFY(!paints->rows.empty() && paints->rows.back() > 0);
            if (small) QVERIFY(paints->rows.front() > 0); // never painted empty
            QVERIFY(!widget->emptyText()->isVisible());
            QCOMPARE(widget->model()->rowCount(), std::size_t(303));
            QVERIFY(widget->sideIndex()->isVisible() &&
                    widget->sideIndex()->letters().contains("B"));
            QVERIFY(!fake_.alerts.hasPending());
        }
    }

    // Each section's heading, then its products, one flat list: a heading taps to nothing, and
    // every product row stands for its own product, the last one too.
    void headingsAndProductsInOneList() {
        std::unique_ptr<PaintLog> paints;
        auto widget = open(CatalogueService::listReadAtOnceUpTo, paints);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        QTRY_VERIFY(!widget->model()->listLoading());
        const ProductSectionModel& rows = *widget->tableModel();
        int products = 0;
        for (int section = 0; section < rows.sectionCount(); ++section) {
            const QModelIndex heading = rows.sectionIndex(section);
            QVERIFY(heading.data(ProductSectionModel::IsSectionRole).toBool());
            QVERIFY(!(rows.flags(heading) & Qt::ItemIsSelectable));
            for (int row = 0; row < rows.productCount(section); ++row, ++products) {
                const auto place = rows.placeOf(rows.productIndex(section, row));
                QVERIFY(place && place->section == section && place->row == row);
            }
        }
        QCOMPARE(products, 303);
        QCOMPARE(rows.rowCount(), products + rows.sectionCount());

        const int last = rows.sectionCount() - 1;
        const QModelIndex heading = rows.sectionIndex(last);
        widget->table()->scrollTo(heading);
        tapAt(widget->table()->viewport(), widget->table()->visualRect(heading).center());
        QVERIFY(navigation_->stack().empty());
        const QModelIndex product = rows.productIndex(last, rows.productCount(last) - 1);
        widget->table()->scrollTo(product);
        tapAt(widget->table()->viewport(), widget->table()->visualRect(product).center());
        QCOMPARE(navigation_->stack().size(), std::size_t(1));
        const auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation_->top());
        QVERIFY(detail);
        QCOMPARE(detail->productName(),
                 widget->model()->rowName(last, rows.productCount(last) - 1));
    }

    void aSearchTypedWhileTheListIsReadFindsItsProducts() {
        std::unique_ptr<PaintLog> paints;
        auto widget = open(10, paints);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        tap(widget->searchField());
        QTest::keyClicks(widget->searchField(), "Bre");
        QTRY_COMPARE(widget->model()->rowCount(), std::size_t(1));
        QVERIFY(!fake_.alerts.hasPending()); // no "no data in memory"
        QCOMPARE(widget->tableModel()->productIndex(0, 0).data().toString(), QString("Brezel"));
        QVERIFY(!widget->emptyText()->isVisible());
        tap(widget->cancelButton());
        QTRY_COMPARE(widget->model()->rowCount(), std::size_t(303));
    }

    // Without live search a search with no hits keeps the typed text, and the clear button
    // stays while the field holds text.
    void aSearchWithoutHitsKeepsTheText() {
        catalogue_->setSettings("NO", "YES");
        std::unique_ptr<PaintLog> paints;
        auto widget = open(CatalogueService::listReadAtOnceUpTo, paints);
        widget->show();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        QTRY_VERIFY(!widget->model()->listLoading());
        tap(widget->searchField());
        QTest::keyClicks(widget->searchField(), "zzz");
        tap(widget->searchButton());
        QTRY_VERIFY(fake_.alerts.hasPending());
        QVERIFY(fake_.alerts.answer(0));
        QCOMPARE(widget->searchField()->text(), QString("zzz"));
        QTRY_COMPARE(widget->model()->rowCount(), std::size_t(303));
        QVERIFY(!widget->searchField()->hasFocus());
        QVERIFY(widget->cancelButton()->isVisible());
        tap(widget->cancelButton());
        QCOMPARE(widget->searchField()->text(), QString());
        QVERIFY(!widget->cancelButton()->isVisible());
    }
};

QTEST_MAIN(ProductListFillTest)
#include "ProductListFillTest.moc"
