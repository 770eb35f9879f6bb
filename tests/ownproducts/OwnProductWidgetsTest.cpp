// The own-product list pressed as a user does: a row opening its detail, the move keys, the
// grip dragged through the window, and the delete keys. The form is walked in the shell's road.
#include "platform/Platform.h"
#include "screens/detail/ProductDetail.h"
#include "screens/ownproducts/AddProductVC.h"
#include "screens/ownproducts/ManageProductsWidget.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WidgetTaps.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// A tap where the widget is seen; a covered or hidden control fails.
bool press(QWidget* widget) {
    QTest::qWait(20); // layouts and scrolling settle first, as before a finger lands
    if (!widget || !reachable(widget)) return false;
    tap(widget);
    return true;
}

} // namespace

class OwnProductWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void listRowsMoveAndDelete() {
        TestCatalogue catalogue;
        catalogue.addCategory(3, "Käse");
        catalogue.addCategory(4, "Süßwaren");
        FakePlatform fake;
        fake.strings.set("Süßwaren", "Sweets");
        fake.strings.set("Käse", "Cheese");
        Database shared(catalogue.path(), fake.log);
        PlannerStore(shared).createMenu_FolderTable();
        PlannerStore(shared).createFavorite_MenufolderTable();
        PlannerStore(shared).createEdit_ConsumptionTable();
        FakeNavigation navigation;
        for (const char* name : {"Brot", "Apfel"}) {
            auto model = std::make_shared<AddProductVC>(fake.platform(), shared, navigation,
                                                        std::string(), 0);
            model->viewWillAppear();
            model->setText(ProductField::Name, name);
            model->setText(ProductField::Maker, "Ich");
            model->selectCategory(0);
            model->saveRecord();
        }
        auto list = std::make_shared<ManageProductsVC>(fake.platform(), shared, navigation);
        ManageProductsWidget widget(list, fake.strings);
        widget.resize(320, 440);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCOMPARE(int(widget.rows().size()), 2);
        QVERIFY(!widget.rows()[0]->findChild<QPushButton*>("deleteKey"));

        // Outside editing a row opens the product's detail.
        QVERIFY(press(widget.rows()[1]->findChild<QLabel*>("rowName")));
        QVERIFY(std::dynamic_pointer_cast<ProductDetail>(navigation.top()));

        widget.editAction()->trigger();
        QVERIFY(press(widget.rows()[0]->findChild<QPushButton*>("moveDownKey")));
        QTRY_COMPARE(list->row(0).name, std::string("Brot"));
        QTRY_COMPARE(widget.rows()[0]->findChild<QLabel*>("rowName")->text(), QString("Brot"));
        // Dragged by its grip one row up, through the window as a mouse does.
        {
            const auto pushesBefore = navigation.stack().size();
            QLabel* grip = widget.rows()[1]->findChild<QLabel*>("moveGrip");
            QVERIFY(grip && grip->isVisible());
            QWindow* window = widget.windowHandle();
            const QPoint from = grip->mapTo(&widget, grip->rect().center());
            const int rowHeight = widget.rows()[1]->height();
            QTest::mousePress(window, Qt::LeftButton, {}, from);
            const int restY = widget.rows()[1]->y();
            for (int step = 1; step <= 4; ++step)
                QTest::mouseMove(window, from - QPoint(0, rowHeight * step / 4));
            // While it is dragged, the row it passed makes room below it.
            QCOMPARE(widget.rows()[0]->y(), restY);
            QTest::mouseRelease(window, Qt::LeftButton, {}, from - QPoint(0, rowHeight));
            QTRY_COMPARE(list->row(0).name, std::string("Apfel"));
            QTRY_COMPARE(widget.rows()[0]->findChild<QLabel*>("rowName")->text(), QString("Apfel"));
            // A short pull puts it back where it was.
            grip = widget.rows()[0]->findChild<QLabel*>("moveGrip");
            const QPoint again = grip->mapTo(&widget, grip->rect().center());
            QTest::mousePress(window, Qt::LeftButton, {}, again);
            QTest::mouseMove(window, again + QPoint(0, rowHeight / 4));
            QTest::mouseRelease(window, Qt::LeftButton, {}, again + QPoint(0, rowHeight / 4));
            QTest::qWait(20);
            QCOMPARE(list->row(0).name, std::string("Apfel"));
            QCOMPARE(navigation.stack().size(), pushesBefore); // no row opened
        }
        // The delete key only reveals the row's Delete button; a tap on the row takes it away.
        const auto reveal = [&] {
            QVERIFY(press(widget.rows()[0]->findChild<QPushButton*>("deleteKey")));
            QTRY_VERIFY(widget.rows()[0]->findChild<QPushButton*>("deleteButton"));
        };
        reveal();
        QCOMPARE(int(widget.rows().size()), 2);
        QVERIFY(press(widget.rows()[0]->findChild<QLabel*>("rowName")));
        QTRY_VERIFY(!widget.rows()[0]->findChild<QPushButton*>("deleteButton"));
        QCOMPARE(int(widget.rows().size()), 2);
        reveal();
        QCOMPARE(widget.rows()[0]->findChild<QPushButton*>("deleteButton")->text(), "Löschen");
        QVERIFY(press(widget.rows()[0]->findChild<QPushButton*>("deleteButton")));
        QTRY_COMPARE(int(widget.rows().size()), 1);
        reveal();
        QVERIFY(press(widget.rows()[0]->findChild<QPushButton*>("deleteButton")));
        QTRY_VERIFY(widget.findChild<QLabel*>("helpText")->isVisible());
        QVERIFY(!widget.table()->isVisible());
        QVERIFY(OwnProductStore(shared).selectProductsSortByProductName().empty());
    }
};

QTEST_MAIN(OwnProductWidgetsTest)
#include "OwnProductWidgetsTest.moc"
