// The planner's widgets pressed as a user presses them, on the offscreen platform: the folder
// picker's wheel, amounts typed into the consumption editor and a folder's delete marks. The roads
// through the shell walk the rest.
#include "PlannerTestStore.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/filing/CheckPickerView.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/NewEditConsumptionWidget.h"
#include "screens/planner/PlannerListView.h"
#include "store/CatalogueStore.h"
#include "store/PlannerStore.h"
#include "tests/support/WidgetTaps.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

template <typename W> std::unique_ptr<W> showWidget(std::unique_ptr<W> widget) {
    widget->resize(320, 480);
    widget->show();
    widget->activateWindow(); // the fields take the focus only in the active window
    (void)QTest::qWaitForWindowActive(widget.get());
    return widget;
}

} // namespace

class PlannerWidgetsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PlannerTestStore> store_;
    std::unique_ptr<FakePlatform> fake_;
    FakeNavigation navigation_;

    // The consumption editor of product 12 in the folder; typed amounts, each into the amount
    // field clicked and emptied, ended with Return. What the six fields show at the end.
    QStringList typeAmounts(const char* folder, std::initializer_list<const char*> amounts) {
        auto model = std::make_shared<NewEditConsumptionVC>(
            fake_->platform(), store_->db, ConsumptionInputs{"Aprikose", "Hof", "", "12", folder});
        auto editor = showWidget(std::make_unique<NewEditConsumptionWidget>(model, fake_->strings));
        QLineEdit* amount = editor->field(ConsumptionQuantity::Amount);
        for (const char* typed : amounts) {
            tap(amount);
            if (!amount->hasFocus()) return {};
            QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(amount, typed);
            QTest::keyClick(amount, Qt::Key_Return);
        }
        QStringList shown;
        for (int q = 0; q < kConsumptionQuantityCount; ++q)
            shown << editor->field(static_cast<ConsumptionQuantity>(q))->text();
        editor->hide(); // leaving saves
        return shown;
    }

private slots:
    void initTestCase() { QDir::addSearchPath("pictures", TOLVANE_PICTURES_DIR); }

    void init() {
        store_ = std::make_unique<PlannerTestStore>();
        fake_ = std::make_unique<FakePlatform>();
        store_->catalogue.add({.id = 10, .name = "Apfel", .fat = "3.4", .kcal = "52.5"});
        store_->catalogue.add({.id = 11, .name = "Brot", .kcal = "250"});
    }

    void thePickerComesToRestOnARowBoundaryAndTurnsWithTheWheel() {
        for (int id = 5; id <= 12; ++id)
            store_->addFolder(id, "Ordner " + std::to_string(id));
        auto detailModel = std::make_shared<ProductDetail>(fake_->platform(), store_->db);
        detailModel->drawData(CatalogueStore(store_->db).selectProductDetail(ProductId{10}));
        auto detail =
            showWidget(std::make_unique<ProductDetailWidget>(detailModel, fake_->strings));
        tap(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QCOMPARE(picker->model().numberOfRows(), 16);
        QTRY_COMPARE(picker->geometry().bottom(), detail->rect().bottom()); // slid up
        // A slow drag upwards by 70 points, released: it settles on the nearest boundary.
        const QPoint start = picker->rowCentre(4);
        QTest::mousePress(picker, Qt::LeftButton, {}, start);
        for (int dy = 10; dy <= 70; dy += 10) {
            QTest::qWait(30);
            QTest::mouseMove(picker, start - QPoint(0, dy));
        }
        QTest::qWait(150);
        QTest::mouseRelease(picker, Qt::LeftButton, {}, start - QPoint(0, 70));
        QTRY_VERIFY(!picker->isScrolling());
        QCOMPARE(picker->model().offset(), picker->model().rowHeight() * 2);
        // Dragging checked nothing.
        QVERIFY(PlannerStore(store_->db).selectFoldersAccordingToProduct(ProductId{10}).empty());
        // A tap on the row drawn at the top of the wheel checks its folder, and brings it to
        // the middle.
        tapAt(picker, picker->rowCentre(2));
        QCOMPARE(PlannerStore(store_->db).selectFoldersAccordingToProduct(ProductId{10}),
                 (std::vector<std::string>{"1"}));
        QTRY_VERIFY(!picker->isScrolling());

        // Three notches of the mouse wheel, as the window receives them: three rows on.
        QWindow* window = detail->windowHandle();
        const QPointF at = picker->mapTo(detail.get(), picker->rowCentre(4));
        for (int notch = 0; notch < 3; ++notch) {
            QWheelEvent wheel(at, window->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(window, &wheel);
        }
        QTRY_VERIFY(!picker->isScrolling());
        QCOMPARE(picker->model().offset(), picker->model().rowHeight() * 3);
        tapAt(picker, picker->rowCentre(5)); // the fourth folder, in the middle now
        QCOMPARE(PlannerStore(store_->db).selectFoldersAccordingToProduct(ProductId{10}),
                 (std::vector<std::string>{"1", "4"}));
    }

    // The product deleted (in another tab) while its picker is up: the tap files nothing, an
    // alert says why, and the screen says the product is gone.
    void aDeletedProductIsNotFiledFromItsOpenDetail() {
        auto detailModel = std::make_shared<ProductDetail>(fake_->platform(), store_->db);
        detailModel->drawData(CatalogueStore(store_->db).selectProductDetail(ProductId{10}));
        auto detail =
            showWidget(std::make_unique<ProductDetailWidget>(detailModel, fake_->strings));
        tap(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QTRY_COMPARE(picker->geometry().bottom(), detail->rect().bottom());
        CatalogueStore(store_->db).deleteProductFromMainTable(ProductId{10});
        tapAt(picker, picker->rowCentre(2));
        QVERIFY(fake_->alerts.hasPending());
        QCOMPARE(QString::fromStdString(fake_->alerts.firstPending().message),
                 QString(ProductDetail::goneKey()));
        QVERIFY(PlannerStore(store_->db).selectFoldersAccordingToProduct(ProductId{10}).empty());
        QCOMPARE(QString::fromStdString(store_->total(1)), QString("0"));
        const auto gone = detail->findChild<QLabel*>("productGone");
        QVERIFY(gone && gone->isVisible());
        QVERIFY(!detail->favoriteButton()->isVisible());
    }

    void typedAmountsEndAtTheValuesOfTheLastOne() {
        store_->catalogue.add({12, "Aprikose", "Hof", "1", "2.7", "0.3", "9.6", "0.05", "108"});
        store_->file(12, 2);
        store_->file(12, 3);
        const QStringList direct = typeAmounts("3", {"150"});
        QCOMPARE(typeAmounts("2", {"1", "100", "9999", "150"}), direct);
        QCOMPARE(direct, (QStringList{"150", "4.1", "0.4", "14.4", "0.1", "162"}));
        QCOMPARE(store_->row(12, 2)->nutrients, store_->row(12, 3)->nutrients);
        QCOMPARE(QString::fromStdString(store_->row(12, 2)->gm), QString("150g"));
        QCOMPARE(QString::fromStdString(store_->total(2)), QString("162"));
    }

    // Tab through every field and slider of the editor, as a user looking at the values does:
    // the stored amount and its values stay as they were.
    void tabbingThroughTheEditorChangesNothing() {
        store_->catalogue.add({12, "Aprikose", "Hof", "1", "2.7", "0.3", "9.6", "0.05", "108"});
        store_->file(12, 2);
        typeAmounts("2", {"250"});
        const auto row = store_->row(12, 2);
        QCOMPARE(QString::fromStdString(row->gm), QString("250g"));
        auto model = std::make_shared<NewEditConsumptionVC>(
            fake_->platform(), store_->db, ConsumptionInputs{"Aprikose", "Hof", "", "12", "2"});
        auto editor = showWidget(std::make_unique<NewEditConsumptionWidget>(model, fake_->strings));
        QLineEdit* amount = editor->field(ConsumptionQuantity::Amount);
        tap(amount);
        QVERIFY(amount->hasFocus());
        // In reading order: each slider right after its field.
        QList<QWidget*> visited;
        for (int press = 0; press < 2 * (kConsumptionQuantityCount + 2); ++press) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            visited << focused;
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        const auto amountSlider = editor->findChild<QSlider*>("amountSlider");
        const auto caloriesSlider = editor->findChild<QSlider*>("caloriesSlider");
        QCOMPARE(visited.indexOf(amountSlider), visited.indexOf(amount) + 1);
        QCOMPARE(visited.indexOf(caloriesSlider),
                 visited.indexOf(editor->field(ConsumptionQuantity::Calories)) + 1);
        QCOMPARE(amount->text(), QString("250"));
        // Return applies the field and leaves the keyboard on its slider, not nowhere.
        tap(amount);
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(amountSlider));
        editor->hide(); // leaving saves what changed
        QVERIFY(store_->row(12, 2) == row);
        QCOMPARE(QString::fromStdString(store_->total(2)), QString("270"));
    }

    void removeAProductFromAFolder() {
        store_->file(10, 1);
        store_->file(11, 1);
        auto model = std::make_shared<FavoriteVCFolderNew>(fake_->platform(), store_->db,
                                                           navigation_, "1", "Mittag");
        auto contents =
            showWidget(std::make_unique<FavoriteVCFolderNewWidget>(model, fake_->strings));
        QCOMPARE(contents->windowTitle(), QString("Mittag"));
        PlannerListView* rows = contents->list();
        tapAt(rows, rows->deleteMarkRect(0).center());
        tapAt(rows, rows->rowRect(1).center()); // elsewhere: nothing deleted
        QCOMPARE(model->numberOfRows(), 2);
        tapAt(rows, rows->deleteMarkRect(0).center());
        tapAt(rows, rows->confirmRect(0).center());
        QCOMPARE(model->numberOfRows(), 1);
        QCOMPARE(store_->total(1), std::string("250"));
        // The last product taken out: a hint in the place of the empty list.
        const auto hint = contents->findChild<QLabel*>("emptyFolderHint");
        QVERIFY(!hint->isVisible());
        tapAt(rows, rows->deleteMarkRect(0).center());
        tapAt(rows, rows->confirmRect(0).center());
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), QString(FavoriteVCFolderNew::emptyHintKey()));
    }
};

QTEST_MAIN(PlannerWidgetsTest)
#include "PlannerWidgetsTest.moc"
