// The planner's widgets pressed as a user presses them, on the offscreen platform. The stack of
// screens is played by hand: each pushed model gets its widget, shown in place of the last.
#include "PlannerTestStore.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/planner/AddMenuFolderWidget.h"
#include "screens/planner/CheckPickerView.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/NewEditConsumptionWidget.h"
#include "screens/planner/PlannerListView.h"
#include "screens/planner/ProductDetailPortraitWidget.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// A bar button for an action, as the navigation bar makes one.
std::unique_ptr<QToolButton> barButton(QAction* action) {
    auto button = std::make_unique<QToolButton>();
    button->setDefaultAction(action);
    button->resize(80, 32);
    button->show();
    return button;
}

void click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

void click(QWidget* widget) {
    click(widget, widget->rect().center());
}

// The middle of a row, away from the delete mark and the handle.
QPoint rowBody(PlannerListView* list, int row) {
    return list->rowRect(row).center();
}

// With TOLVANE_GRAB_DIR set, keeps a picture of the widget for a look by eye.
void grab(QWidget* widget, const char* name) {
    const QString dir = qEnvironmentVariable("TOLVANE_GRAB_DIR");
    if (dir.isEmpty()) return;
    QCoreApplication::processEvents();
    widget->grab().save(dir + "/" + name + ".png");
}

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
        fake_->strings.set("%@ kcal", "%@ kcal");
        store_->catalogue.add({.id = 10, .name = "Apfel", .fat = "3.4", .kcal = "52.5"});
        store_->catalogue.add({.id = 11, .name = "Brot", .kcal = "250"});
    }

    void fileTwoFoldersEditAnAmountAndSeeTheSummary() {
        // The product detail: favourites button, two folders checked in the picker, "Done".
        auto detailModel = std::make_shared<ProductDetail>(fake_->platform(), store_->db);
        detailModel->drawData(store_->db.selectProductDetail("10"));
        auto detail =
            showWidget(std::make_unique<ProductDetailWidget>(detailModel, fake_->strings));
        click(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QVERIFY(picker->isVisible());
        click(picker, picker->rowCentre(2)); // folder 1
        QTRY_VERIFY(!picker->isScrolling());
        click(picker, picker->rowCentre(4)); // folder 3
        QTRY_VERIFY(!picker->isScrolling());
        const auto done = barButton(detail->doneAction());
        QVERIFY(done->isVisible());
        click(done.get());
        QVERIFY(detail->favoriteButton()->isVisible());
        detail->hide();

        // The folder list shows both totals.
        auto listModel = std::make_shared<MenuFolderVC>(fake_->platform(), store_->db, navigation_);
        auto list = showWidget(std::make_unique<MenuFolderWidget>(listModel, fake_->strings));
        fake_->alerts.clear();
        QCOMPARE(listModel->rowCalories(0), std::string("52 kcal"));
        QCOMPARE(listModel->rowCalories(2), std::string("52 kcal"));
        QCOMPARE(list->list()->height(), 4 * MenuFolderWidget::kRowHeight);
        grab(list.get(), "planner-menu-list");

        // Editing mode; the first folder opens its contents.
        const auto edit = barButton(list->editAction());
        click(edit.get());
        QVERIFY(listModel->isEditing());
        QCOMPARE(edit->text(), QString("Fertig"));
        grab(list.get(), "planner-menu-list-editing");
        click(list->list(), rowBody(list->list(), 0));
        auto contentsModel = std::dynamic_pointer_cast<FavoriteVCFolderNew>(navigation_.top());
        QVERIFY(contentsModel);
        list->hide();
        auto contents =
            showWidget(std::make_unique<FavoriteVCFolderNewWidget>(contentsModel, fake_->strings));
        QCOMPARE(contentsModel->numberOfRows(), 1);
        QCOMPARE(contentsModel->row(0).amount, std::string("100g"));

        // The product opens in the editor; 150 typed into the amount, then back.
        click(contents->list(), rowBody(contents->list(), 0));
        auto editorModel = std::dynamic_pointer_cast<NewEditConsumptionVC>(navigation_.top());
        QVERIFY(editorModel);
        contents->hide();
        auto editor =
            showWidget(std::make_unique<NewEditConsumptionWidget>(editorModel, fake_->strings));
        QLineEdit* amount = editor->field(ConsumptionQuantity::Amount);
        QCOMPARE(amount->text(), QString("100"));
        QCOMPARE(editor->field(ConsumptionQuantity::Fat)->text(), QString("3,4"));
        click(amount);
        QTRY_VERIFY(amount->hasFocus());
        amount->selectAll();
        QTest::keyClicks(amount, "150");
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(editor->field(ConsumptionQuantity::Fat)->text(), QString("5,1"));
        QCOMPARE(editor->field(ConsumptionQuantity::Calories)->text(), QString("78"));
        QCOMPARE(editor->caloriesSlider()->value(), 78);
        grab(editor.get(), "planner-consumption");
        editor->hide(); // back
        QCOMPARE(store_->total(1), std::string("78"));
        QVERIFY(store_->row(10, 1) ==
                (ConsumptionRow{{"5.1", "0.8", "3.0", "0.2", "78"}, "150g", "1"}));

        contents->show();
        QCoreApplication::processEvents();
        QCOMPARE(contentsModel->row(0).amount, std::string("150 g"));
        grab(contents.get(), "planner-contents");
        contents->hide();
        list->show();
        QCoreApplication::processEvents();
        QCOMPARE(listModel->rowCalories(0), std::string("78 kcal"));

        // Out of editing, a tap opens the folder summary and its bars.
        click(edit.get());
        QVERIFY(!listModel->isEditing());
        click(list->list(), rowBody(list->list(), 0));
        auto summaryModel = std::dynamic_pointer_cast<ProductDetailPortraitVC>(navigation_.top());
        QVERIFY(summaryModel);
        list->hide();
        auto summary =
            showWidget(std::make_unique<ProductDetailPortraitWidget>(summaryModel, fake_->strings));
        QCOMPARE(summaryModel->bar(Nutrient::Fat).percentLabel, std::string("7%"));
        QVERIFY(!summary->fixedReferencesNote()->isVisible()); // the profile has 2000 kcal
        grab(summary.get(), "planner-summary");
        QCOMPARE(summary->barRect(0).height(), 28);
        QCOMPARE(summary->barRect(0).width(), 20); // 7.28 % at 2.84 points each
        // Without daily calories the general amounts stand, and the screen says so.
        store_->setDailyCalories("0");
        summary->hide();
        summary->show();
        QVERIFY(summary->fixedReferencesNote()->isVisible());
    }

    void addMoveAndDeleteFolders() {
        auto listModel = std::make_shared<MenuFolderVC>(fake_->platform(), store_->db, navigation_);
        auto list = showWidget(std::make_unique<MenuFolderWidget>(listModel, fake_->strings));
        const auto edit = barButton(list->editAction());
        click(edit.get());
        const auto add = barButton(list->addAction());
        QVERIFY(add->isVisible());
        click(add.get());
        auto addModel = std::dynamic_pointer_cast<AddMenuFolderVC>(navigation_.top());
        QVERIFY(addModel);
        list->hide();
        auto adding = showWidget(std::make_unique<AddMenuFolderWidget>(addModel, fake_->strings));
        QTRY_VERIFY(adding->nameField()->hasFocus());
        QTest::keyClicks(adding->nameField(), "Zvieri");
        QTest::keyClick(adding->nameField(), Qt::Key_Return);
        grab(adding.get(), "planner-add-folder");
        const auto fertig = barButton(adding->doneAction());
        click(fertig.get());
        QCOMPARE(navigation_.pops(), 1);
        adding->hide();
        list->show();
        QCoreApplication::processEvents();
        QCOMPARE(listModel->numberOfRows(), 5);
        QCOMPARE(listModel->rowTitle(4), std::string("Zvieri"));

        // The new folder dragged by its handle to the top.
        PlannerListView* rows = list->list();
        QTest::mousePress(rows, Qt::LeftButton, {}, rows->handleRect(4).center());
        QTest::mouseRelease(rows, Qt::LeftButton, {}, rows->rowRect(0).center());
        QCOMPARE(listModel->rowTitle(0), std::string("Zvieri"));

        // The delete mark shows the red button; the button deletes.
        store_->file(11, 2);
        click(rows, rows->deleteMarkRect(2).center()); // folder 2
        QCOMPARE(rows->pendingDelete(), 2);
        click(rows, rows->confirmRect(2).center());
        QCOMPARE(listModel->numberOfRows(), 4);
        QVERIFY(!store_->holds(2, 11));

        list->hide(); // the order is written on leaving
        QCOMPARE(store_->folderIds(), (std::vector<std::string>{"5", "1", "3", "4"}));
    }

    void thePickerComesToRestOnARowBoundary() {
        for (int id = 5; id <= 12; ++id)
            store_->addFolder(id, "Ordner " + std::to_string(id));
        auto detailModel = std::make_shared<ProductDetail>(fake_->platform(), store_->db);
        detailModel->drawData(store_->db.selectProductDetail("10"));
        auto detail =
            showWidget(std::make_unique<ProductDetailWidget>(detailModel, fake_->strings));
        click(detail->favoriteButton());
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
        const double h = picker->model().rowHeight();
        QCOMPARE(picker->shownOffset(), h * 2);
        QCOMPARE(picker->model().offset(), h * 2);
        // Dragging checked nothing.
        QVERIFY(store_->db.selectFoldersAccordingToProduct("10").empty());
        // A tap on the row now at the top of the wheel checks its folder.
        click(picker, picker->rowCentre(2));
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
        click(rows, rows->deleteMarkRect(0).center());
        click(rows, rows->rowRect(1).center()); // elsewhere: nothing deleted
        QCOMPARE(model->numberOfRows(), 2);
        click(rows, rows->deleteMarkRect(0).center());
        click(rows, rows->confirmRect(0).center());
        QCOMPARE(model->numberOfRows(), 1);
        QCOMPARE(store_->total(1), std::string("250"));
    }
};

QTEST_MAIN(PlannerWidgetsTest)
#include "PlannerWidgetsTest.moc"
