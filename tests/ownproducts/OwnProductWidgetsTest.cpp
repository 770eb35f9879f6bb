// Roads through the own-product widgets, pressed as a user does: the list, editing, "+", the
// form filled with the mouse, the keyboard and the input bar, and "Fertig".
#include "nutrition/OwnProductRules.h"
#include "platform/Platform.h"
#include "screens/common/WheelPicker.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <QAction>
#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using F = ProductField;

// Clicks where the widget is seen: the window's child at that point must be the widget (or
// inside it), so a covered or hidden control fails.
bool clickAt(QWidget* widget, QPoint at = {}) {
    QTest::qWait(20); // layouts and scrolling settle first, as before a finger lands
    if (!widget || !widget->isVisible()) return false;
    if (at.isNull()) at = widget->rect().center();
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, at);
    QWidget* hit = window->childAt(inWindow);
    if (!hit || (hit != widget && !widget->isAncestorOf(hit))) {
        qWarning() << "covered:" << widget << "by" << hit;
        return false;
    }
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, inWindow));
    return true;
}

bool clickWheelRow(WheelPicker* wheel, const QString& title) {
    const int row = int(wheel->rows().indexOf(title));
    if (row < 0) return false;
    // Turns the wheel two rows at a time until the row is in view, then touches it.
    for (int guard = 0; wheel->rowRect(row).isEmpty() && guard < 200; ++guard) {
        const int step = row > wheel->currentRow() ? 2 : -2;
        if (!clickAt(wheel, wheel->rowRect(wheel->currentRow() + step).center())) return false;
    }
    return clickAt(wheel, wheel->rowRect(row).center()) && wheel->currentRow() == row;
}

// Keys into the focused field; letters outside ASCII arrive as text, as from a keyboard layout.
// With TOLVANE_WIDGET_SHOTS set to a folder, keeps a picture of the widget there.
void shot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("TOLVANE_WIDGET_SHOTS");
    if (!dir.isEmpty()) widget->grab().save(dir + "/" + name + ".png");
}

void typeIntoFocus(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        if (c.unicode() < 128)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class OwnProductWidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        catalogue_ = std::make_unique<TestCatalogue>();
        catalogue_->addCategory(3, "Käse");
        catalogue_->addCategory(4, "Süßwaren");
        fake_ = std::make_unique<FakePlatform>();
        fake_->strings.set("Süßwaren", "Sweets");
        fake_->strings.set("Käse", "Cheese");
        shared_ = std::make_unique<Database>(catalogue_->path(), fake_->log);
        shared_->createMenu_FolderTable();
        shared_->createFavorite_MenufolderTable();
        shared_->createEdit_ConsumptionTable();
        navigation_ = std::make_unique<FakeNavigation>();
    }

    void cleanup() {
        navigation_.reset();
        shared_.reset();
        fake_.reset();
        catalogue_.reset();
    }

    void enteringAProductWithTheMouseAndTheInputBar() {
        auto list = std::make_shared<ManageProductsVC>(fake_->platform(), *shared_, *navigation_);
        ManageProductsWidget listWidget(list, fake_->strings);
        listWidget.resize(320, 440);
        listWidget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&listWidget));
        QVERIFY(listWidget.helpText()->isVisible());
        QVERIFY(!listWidget.addAction()->isVisible());
        listWidget.editAction()->trigger();
        QCOMPARE(listWidget.editAction()->text(), QString("Fertig"));
        QVERIFY(listWidget.addAction()->isVisible());
        listWidget.addAction()->trigger();
        auto formModel = std::dynamic_pointer_cast<AddProductVC>(navigation_->top());
        QVERIFY(formModel);
        listWidget.hide();

        auto form = std::make_unique<AddProductWidget>(formModel, fake_->strings);
        form->resize(320, 440);
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        fake_->dispatcher.advance(0.05);
        QCOMPARE(QApplication::focusWidget(), form->field(F::Name));
        QVERIFY(form->inputBar()->isVisible());
        QVERIFY(!form->dotKey()->isEnabled());

        typeIntoFocus("Mü|sli");
        QVERIFY(clickAt(form->nextKey()));
        QCOMPARE(QApplication::focusWidget(), form->field(F::Maker));
        typeIntoFocus("Mühle");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(form->wheel()->isVisible());
        QVERIFY(clickWheelRow(form->wheel(), "Sweets"));
        shot(form.get(), "add-product-category");
        QCOMPARE(form->field(F::Category)->text(), QString("Sweets"));

        QVERIFY(clickAt(form->nextKey()));
        QVERIFY(!form->wheel()->isVisible());
        QCOMPARE(QApplication::focusWidget(), form->field(F::Fat));
        typeIntoFocus("12");
        QVERIFY(clickAt(form->commaKey()));
        QVERIFY(clickAt(form->dotKey())); // a second separator is refused
        typeIntoFocus("3.x");             // so is one from the keyboard
        QCOMPARE(form->field(F::Fat)->text(), QString("12,3"));

        QVERIFY(clickAt(form->field(F::SaltUnit)));
        QVERIFY(form->wheel()->isVisible());
        QVERIFY(clickWheelRow(form->wheel(), "Natrium"));
        QCOMPARE(form->field(F::SaltUnit)->text(), QString("Natrium"));
        QVERIFY(clickAt(form->nextKey()));
        QCOMPARE(QApplication::focusWidget(), form->field(F::Salt));
        typeIntoFocus("1");
        QVERIFY(clickAt(form->commaKey()));
        typeIntoFocus("0");
        QVERIFY(clickAt(form->nextKey()));
        typeIntoFocus("380");
        QVERIFY(clickAt(form->nextKey()));
        typeIntoFocus("500 g");
        QVERIFY(clickAt(form->doneKey()));
        QVERIFY(!form->inputBar()->isVisible());
        QVERIFY(clickAt(form->segment(1)));
        shot(form.get(), "add-product-filled");
        QCOMPARE(formModel->unitSegment(), 1);

        form->saveAction()->trigger();
        QVERIFY(!fake_->alerts.hasPending());
        QCOMPARE(navigation_->pops(), 1);
        const auto records = shared_->selectProductsForCsv();
        QCOMPARE(records.size(), std::size_t(1));
        const UploadRow& saved = records.front();
        QVERIFY(saved == (UploadRow{saved.recordId,
                                    "Müsli",
                                    "Mühle",
                                    "4",
                                    {"12,3", "", "", "2,54", "380"},
                                    "ml",
                                    "500 g"}));
        form->hide();
        form.reset();

        // Back on the list, still in editing mode: the row opens the form again.
        listWidget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&listWidget));
        QCOMPARE(int(listWidget.rows().size()), 1);
        QCOMPARE(listWidget.rows()[0]->findChild<QLabel*>("rowName")->text(), QString("Müsli"));
        QVERIFY(clickAt(listWidget.rows()[0]->findChild<QLabel*>("rowMaker")));
        auto again = std::dynamic_pointer_cast<AddProductVC>(navigation_->top());
        QVERIFY(again);
        QCOMPARE(again->productId(), saved.recordId);
    }

    void validationKeepsTheFormOpen() {
        auto model = std::make_shared<AddProductVC>(fake_->platform(), *shared_, *navigation_,
                                                    std::string(), 0);
        AddProductWidget form(model, fake_->strings);
        form.resize(320, 440);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(clickAt(form.field(F::Fat)));
        typeIntoFocus("1,25");
        form.saveAction()->trigger();
        QCOMPARE(int(fake_->alerts.shown().size()), 2);
        QCOMPARE(navigation_->pops(), 0);
        QCOMPARE(form.field(F::Fat)->text(), QString("1,25"));
    }

    void listRowsMoveAndDelete() {
        for (const char* name : {"Brot", "Apfel"}) {
            auto model = std::make_shared<AddProductVC>(fake_->platform(), *shared_, *navigation_,
                                                        std::string(), 0);
            model->viewWillAppear();
            model->setText(F::Name, name);
            model->setText(F::Maker, "Ich");
            model->selectCategory(0);
            model->saveRecord();
        }
        auto list = std::make_shared<ManageProductsVC>(fake_->platform(), *shared_, *navigation_);
        ManageProductsWidget widget(list, fake_->strings);
        widget.resize(320, 440);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCOMPARE(int(widget.rows().size()), 2);
        QVERIFY(!widget.rows()[0]->findChild<QPushButton*>("deleteKey"));

        // Outside editing a row opens the product's detail.
        QVERIFY(clickAt(widget.rows()[1]->findChild<QLabel*>("rowName")));
        QCOMPARE(QString::fromStdString(navigation_->top()->screenName()),
                 QString("ProductDetail"));

        shot(&widget, "manage-products");
        widget.editAction()->trigger();
        QVERIFY(clickAt(widget.rows()[0]->findChild<QPushButton*>("moveDownKey")));
        shot(&widget, "manage-products-editing");
        QTRY_COMPARE(list->row(0).name, std::string("Brot"));
        QTRY_COMPARE(widget.rows()[0]->findChild<QLabel*>("rowName")->text(), QString("Brot"));
        // Dragged by its grip one row up, through the window as a mouse does.
        {
            const auto pushesBefore = navigation_->stack().size();
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
            QCOMPARE(navigation_->stack().size(), pushesBefore); // no row opened
        }
        QVERIFY(clickAt(widget.rows()[0]->findChild<QPushButton*>("deleteKey")));
        QTRY_COMPARE(int(widget.rows().size()), 1);
        QVERIFY(clickAt(widget.rows()[0]->findChild<QPushButton*>("deleteKey")));
        QTRY_VERIFY(widget.helpText()->isVisible());
        QVERIFY(!widget.table()->isVisible());
        QVERIFY(shared_->selectProductsSortByProductName().empty());
    }

private:
    std::unique_ptr<TestCatalogue> catalogue_;
    std::unique_ptr<FakePlatform> fake_;
    std::unique_ptr<Database> shared_;
    std::unique_ptr<FakeNavigation> navigation_;
};

QTEST_MAIN(OwnProductWidgetsTest)
#include "OwnProductWidgetsTest.moc"
