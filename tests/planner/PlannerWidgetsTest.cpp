// The planner's widgets pressed as a user presses them, on the offscreen platform: the folder
// picker's wheel and a folder's delete marks. The roads through the shell walk the rest.
#include "PlannerTestStore.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/planner/CheckPickerView.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/PlannerListView.h"
#include "tests/support/WidgetTaps.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

template <typename W> std::unique_ptr<W> showWidget(std::unique_ptr<W> widget) {
    widget->resize(320, 480);
    widget->show();
    QCoreApplication::processEvents();
    return widget;
}

} // namespace

class PlannerWidgetsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PlannerTestStore> store_;
    std::unique_ptr<FakePlatform> fake_;
    FakeNavigation navigation_;

private slots:
    void initTestCase() { QDir::addSearchPath("pictures", TOLVANE_PICTURES_DIR); }

    void init() {
        store_ = std::make_unique<PlannerTestStore>();
        fake_ = std::make_unique<FakePlatform>();
        store_->catalogue.add({.id = 10, .name = "Apfel", .fat = "3.4", .kcal = "52.5"});
        store_->catalogue.add({.id = 11, .name = "Brot", .kcal = "250"});
    }

    void thePickerComesToRestOnARowBoundary() {
        for (int id = 5; id <= 12; ++id)
            store_->addFolder(id, "Ordner " + std::to_string(id));
        auto detailModel = std::make_shared<ProductDetail>(fake_->platform(), store_->db);
        detailModel->drawData(store_->db.selectProductDetail("10"));
        auto detail =
            showWidget(std::make_unique<ProductDetailWidget>(detailModel, fake_->strings));
        tap(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QCOMPARE(picker->model().numberOfRows(), 16);
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
        QVERIFY(store_->db.selectFoldersAccordingToProduct("10").empty());
        // A tap on the row drawn at the top of the wheel checks its folder.
        tapAt(picker, picker->rowCentre(2));
        QCOMPARE(store_->db.selectFoldersAccordingToProduct("10"), (std::vector<std::string>{"1"}));
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
    }
};

QTEST_MAIN(PlannerWidgetsTest)
#include "PlannerWidgetsTest.moc"
