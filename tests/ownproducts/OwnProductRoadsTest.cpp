// An own product through the running shell, pressed as a user does: entered from the settings
// with the mouse, the keys and the input bar, found in the product list and its category,
// uploaded to the reference server at the next start, and deleted again.
#include "screens/browse/CategoryWidget.h"
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/filing/CheckPickerView.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"
#include "screens/settings/SetupWidget.h"
#include "store/Database.h"
#include "store/OwnProductStore.h"
#include "store/PlannerStore.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/ShellRun.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WheelTaps.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace tolvane;
using namespace tolvane::test;

namespace {

using F = ProductField;

// Keys into the focused field; letters outside ASCII arrive as text, as from a keyboard layout.
void typeIntoFocus(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = QApplication::focusWidget();
        if (c.unicode() < 128)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The section of the product list under that letter, -1 when there is none.
int sectionOf(SearchWidget* list, const QString& letter) {
    auto* m = list->tableModel();
    for (int s = 0; s < m->sectionCount(); ++s)
        if (m->sectionIndex(s).data().toString() == letter) return s;
    return -1;
}

QStringList rowNames(ProductListWidget* list, int section) {
    QStringList names;
    auto* m = list->tableModel();
    for (int r = 0; r < m->productCount(section); ++r)
        names << m->productIndex(section, r).data().toString();
    return names;
}

} // namespace

class OwnProductRoadsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> documents_;
    std::unique_ptr<QTemporaryDir> resources_;

    // Settings tab, "Eigene Produkte verwalten": the list of own products.
    ManageProductsWidget* openOwnProducts(Run& run) {
        tap(run.delegate->tabBarVC()->tabButton(3));
        Run::closeAlerts();
        if (!run.activate()) return nullptr;
        auto* setup = qobject_cast<SetupWidget*>(run.stack(3).topWidget());
        if (!setup) return nullptr;
        tap(setup->row(SetupRowId::ManageProducts));
        return qobject_cast<ManageProductsWidget*>(run.stack(3).topWidget());
    }

private slots:
    void init() {
        NavigationStack::setAnimated(false);
        documents_ = std::make_unique<QTemporaryDir>();
        resources_ = std::make_unique<QTemporaryDir>();
        TestCatalogue catalogue;
        catalogue.addCategory(1, "Snacks");
        catalogue.addCategory(2, "Getränke");
        catalogue.add(brezel());
        catalogue.add({.id = 2, .name = "Apfelsaft", .category = "2", .unit = "ml"});
        QVERIFY(shipInto(*resources_, catalogue.path()));
    }
    void cleanup() { Run::closeAlerts(); }

    void enteredFoundUploadedAndDeleted() {
        QTemporaryDir serverDir;
        const std::string serverDb = serverDir.filePath("server.db").toStdString();
        ServerProcess server(serverDb);
        const QString url = QString::fromStdString(server.url());
        {
            // The first start, with the server down for the moment: nothing to send yet.
            Run run(documents_->path(), resources_->path(), {.server = "http://127.0.0.1:9/"});
            QTRY_VERIFY(!Run::alerts().isEmpty());
            QVERIFY(run.answer("Hinweis löschen"));
            TOP_SCREEN(list, SearchWidget, run.stack(0));
            QTRY_COMPARE(list->sideIndex()->letters(), QStringList({"A", "B"}));

            ManageProductsWidget* own = openOwnProducts(run);
            QVERIFY(own);
            QVERIFY(own->findChild<QLabel*>("helpText")->isVisible());
            QVERIFY(!barButton(run.stack(3), own->addAction())); // "+" only while editing
            // The bar's buttons are made again for each state: looked up each time.
            const auto edit = [&] { return barButton(run.stack(3), own->editAction()); };
            QVERIFY(edit());
            tap(edit());
            QCOMPARE(edit()->text(), run.text("Fertig"));
            tap(barButton(run.stack(3), own->addAction()));
            TOP_SCREEN(form, AddProductWidget, run.stack(3));
            const auto barKey = [&](const char* name) {
                return form->findChild<QPushButton*>(name);
            };
            QToolButton* save = barButton(run.stack(3), form->findChild<QAction*>("saveButton"));
            QVERIFY(save);
            QTRY_COMPARE(QApplication::focusWidget(), form->field(F::Name));
            QVERIFY(!barKey("dotKey")->isEnabled());
            QVERIFY(!barKey("previousKey")->isEnabled());
            typeIntoFocus("Zwie|back");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), form->field(F::Maker));
            typeIntoFocus("Brandt");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(form->wheel()->isVisible());

            // Saved without a category: an alert, and the form keeps what was typed.
            tap(save);
            QVERIFY(run.alertSays(AddProductVC::requiredFieldsKey()));
            Run::closeAlerts();
            QVERIFY(run.activate());
            QCOMPARE(form->field(F::Name)->text(), QString("Zwie|back"));
            QCOMPARE(form->field(F::Maker)->text(), QString("Brandt"));
            // Done on the unturned wheel takes the category it highlights.
            const QString highlighted = form->wheel()->rows().value(form->wheel()->currentRow());
            tap(barKey("doneKey"));
            QCOMPARE(form->field(F::Category)->text(), highlighted);
            tap(form->field(F::Category));
            QVERIFY(tapWheelRow(form->wheel(), run.text("Snacks")));
            tap(barKey("nextKey"));
            QVERIFY(!form->wheel()->isVisible());
            QCOMPARE(QApplication::focusWidget(), form->field(F::Fat));
            typeIntoFocus("4");
            tap(barKey("commaKey"));
            typeIntoFocus("5");
            tap(barKey("dotKey")); // a second separator is refused
            typeIntoFocus(".x");   // so is one from the keyboard
            QCOMPARE(form->field(F::Fat)->text(), QString("4,5"));
            tap(barKey("nextKey"));
            typeIntoFocus("1");
            tap(barKey("nextKey"));
            typeIntoFocus("12");
            // Next goes on to the value, past the chooser, which starts at salt and names it.
            tap(barKey("nextKey"));
            QCOMPARE(QApplication::focusWidget(), form->field(F::Salt));
            QCOMPARE(form->field(F::SaltUnit)->text(), run.text("Salz"));
            QCOMPARE(form->field(F::Salt)->accessibleName(), run.text("Salz"));
            QVERIFY(!form->field(F::SaltUnit)->accessibleName().isEmpty());
            tap(form->field(F::SaltUnit));
            QVERIFY(form->wheel()->isVisible());
            QVERIFY(tapWheelRow(form->wheel(), run.text("Natrium")));
            tap(barKey("nextKey"));
            QCOMPARE(QApplication::focusWidget(), form->field(F::Salt));
            QCOMPARE(form->field(F::Salt)->accessibleName(), run.text("Natrium"));
            typeIntoFocus("0");
            tap(barKey("commaKey"));
            typeIntoFocus("8");
            tap(barKey("nextKey"));
            typeIntoFocus("410");
            tap(barKey("nextKey"));
            typeIntoFocus("225");
            tap(barKey("previousKey"));
            QCOMPARE(QApplication::focusWidget(), form->field(F::Energy));
            tap(barKey("doneKey"));
            QVERIFY(!form->inputBar()->isVisible());
            QPushButton* drink = form->findChild<QPushButton*>("drinkSegment");
            QVERIFY(!reachable(drink)); // the form scrolled down to the last field
            auto* page = form->findChild<QScrollArea*>("groupedTable");
            page->ensureWidgetVisible(drink);
            tap(drink);
            grab(run, "own-product-form");
            page->ensureWidgetVisible(form->field(F::Barcode));
            tap(form->field(F::Barcode));
            typeIntoFocus("4006381 333932"); // digits only, the last mistyped
            QVERIFY(!barKey("nextKey")->isEnabled());

            tap(save);
            QVERIFY(run.alertSays("this barcode's check digit is wrong"));
            Run::closeAlerts();
            QVERIFY(run.activate());
            QCOMPARE(form->field(F::Barcode)->text(), QString("4006381333932"));
            tap(form->field(F::Barcode));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            typeIntoFocus("1");
            tap(save);
            QVERIFY(Run::alerts().isEmpty());
            QCOMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(own));
            const auto saved = OwnProductStore(run.delegate->getDBObj()).selectProductsForCsv();
            QCOMPARE(int(saved.size()), 1);
            const UploadRow typed{saved[0].recordId,
                                  "Zwieback",
                                  "Brandt",
                                  "1",
                                  {"4,5", "1", "12", "2,03", "410"},
                                  "ml",
                                  "225"};
            QVERIFY(saved[0] == typed);
            QCOMPARE(int(own->rows().size()), 1);
            QCOMPARE(own->rows()[0]->findChild<QLabel*>("rowName")->text(), QString("Zwieback"));
            // Still in editing mode, the row opens the form again.
            tap(own->rows()[0]->findChild<QLabel*>("rowMaker"));
            form = qobject_cast<AddProductWidget*>(run.stack(3).topWidget());
            QVERIFY(form);
            QTRY_COMPARE(form->field(F::Name)->text(), QString("Zwieback"));
            QCOMPARE(form->field(F::Barcode)->text(), QString("4006381333931"));
            QCOMPARE(run.stack(3).title(), run.text("Produkt bearbeiten"));
            tap(run.stack(3).backButton());
            tap(edit()); // done editing

            // The product list took it up, under its letter.
            tap(run.delegate->tabBarVC()->tabButton(0));
            QTRY_COMPARE(list->sideIndex()->letters(), QStringList({"A", "B", "Z"}));
            const int z = sectionOf(list, "Z");
            QVERIFY(z >= 0);
            QCOMPARE(rowNames(list, z), QStringList({"Zwieback"}));

            // And in its category.
            tap(run.delegate->tabBarVC()->tabButton(2));
            TOP_SCREEN(categories, CategoryWidget, run.stack(2));
            QTRY_COMPARE(categories->tableModel()->rowCount(), 2);
            const QModelIndex snacks = categories->tableModel()->index(1, 0);
            QCOMPARE(snacks.data().toString(), run.text("Snacks"));
            tapAt(categories->table()->viewport(),
                  categories->table()->visualRect(snacks).center());
            TOP_SCREEN(products, ProductsForCategoriesWidget, run.stack(2));
            QStringList all;
            for (int s = 0; s < products->tableModel()->sectionCount(); ++s)
                all << rowNames(products, s);
            QCOMPARE(all, QStringList({"Brezel", "Zwieback"}));
        }
        {
            // The next start against the running server sends it and marks it sent.
            Run run(documents_->path(), resources_->path(), {.server = url});
            Database& db = run.delegate->getDBObj();
            QTRY_VERIFY_WITH_TIMEOUT(OwnProductStore(db).selectProductsForCsv().empty(), 30000);
            std::string outbox;
            QCOMPARE(runProgram({serverProgram(), "outbox", "--db", serverDb}, &outbox), 0);
            // The fat typed "4,5" arrives as 4.5, the barcode in the last column.
            QVERIFY2(outbox.find("\tEinheit\t Produktmenge\tGTIN\n") != std::string::npos &&
                         outbox.find("\tZwieback\tBrandt\t1\t4.5\t1\t12\t2.03\t410\tml\t225\t"
                                     "4006381333931\n") != std::string::npos,
                     outbox.c_str());
            Run::closeAlerts();

            // Filed into the first folder from its detail, left open in the product list's tab.
            TOP_SCREEN(list, SearchWidget, run.stack(0));
            QTRY_COMPARE(list->sideIndex()->letters(), QStringList({"A", "B", "Z"}));
            const QModelIndex zwieback = list->tableModel()->productIndex(sectionOf(list, "Z"), 0);
            list->table()->scrollTo(zwieback);
            tapAt(list->table()->viewport(), list->table()->visualRect(zwieback).center());
            TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
            tap(detail->favoriteButton());
            CheckPickerView* picker = detail->picker();
            QTRY_COMPARE(picker->geometry().bottom(), detail->rect().bottom());
            QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rowCentre(2));
            const std::string id = detail->model()->productIdForFolderAdd();
            QCOMPARE(PlannerStore(db).selectFoldersAccordingToProduct(ProductId::of(id)).size(),
                     std::size_t(1));

            // Deleted in editing mode, after the question its folder asks: gone from the list,
            // the folder and the detail.
            ManageProductsWidget* own = openOwnProducts(run);
            QVERIFY(own);
            QCOMPARE(int(own->rows().size()), 1);
            tap(barButton(run.stack(3), own->editAction()));
            tap(own->rows()[0]->findChild<QPushButton*>("deleteKey"));
            QTRY_VERIFY(own->rows()[0]->findChild<QPushButton*>("deleteButton"));
            tap(own->rows()[0]->findChild<QPushButton*>("deleteButton"));
            QTRY_COMPARE(Run::alerts().size(), 1);
            QVERIFY(run.answer("Ja"));
            QTRY_VERIFY(own->findChild<QLabel*>("helpText")->isVisible());
            QVERIFY(PlannerStore(db).selectFoldersAccordingToProduct(ProductId::of(id)).empty());
            QCOMPARE(PlannerStore(db).selectCaloryValueForUpdation(FolderId{1}), std::string("0"));
            tap(run.delegate->tabBarVC()->tabButton(0));
            QCOMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(detail));
            QTRY_VERIFY(detail->findChild<QLabel*>("productGone")->isVisible());
            QVERIFY(!detail->favoriteButton()->isVisible());
            tap(run.stack(0).backButton());
            QTRY_COMPARE(list->sideIndex()->letters(), QStringList({"A", "B"}));
        }
    }
    // Escape never loses what was typed without asking, and takes a revealed Delete button
    // away without deleting; all from the keyboard.
    void escapeAsksBeforeTypedValuesGoAndUndoesAPendingDelete() {
        Run run(documents_->path(), resources_->path(), {.server = "http://127.0.0.1:9/"});
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Hinweis löschen"));
        ManageProductsWidget* own = openOwnProducts(run);
        QVERIFY(own);
        tap(barButton(run.stack(3), own->editAction()));
        const auto openForm = [&] {
            tap(barButton(run.stack(3), own->addAction()));
            auto* form = qobject_cast<AddProductWidget*>(run.stack(3).topWidget());
            return form && QTest::qWaitFor([&] { return form->field(F::Name)->hasFocus(); })
                       ? form
                       : nullptr;
        };
        // Nothing typed: Escape simply goes back.
        QVERIFY(openForm());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(Run::alerts().isEmpty());
        QTRY_COMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(own));

        // Typed: Escape asks; Escape on the question keeps editing, from the bar's button too.
        AddProductWidget* form = openForm();
        QVERIFY(form);
        typeIntoFocus("Zwieback");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_COMPARE(Run::alerts().size(), 1);
        QVERIFY(run.alertSays(AddProductVC::discardQuestionKey()));
        QCOMPARE(Run::alerts()[0]->buttons()[1]->text(), run.text("Keep Editing"));
        QTest::keyClick(Run::alerts()[0], Qt::Key_Escape);
        QTRY_VERIFY(Run::alerts().isEmpty());
        QVERIFY(run.activate());
        QCOMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(form));
        QCOMPARE(form->field(F::Name)->text(), QString("Zwieback"));
        QToolButton* save = barButton(run.stack(3), form->findChild<QAction*>("saveButton"));
        save->setFocus();
        QTest::keyClick(save, Qt::Key_Escape);
        QTRY_COMPARE(Run::alerts().size(), 1);
        QVERIFY(run.answer("Discard"));
        QVERIFY(run.activate());
        QTRY_COMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(own));
        QVERIFY(OwnProductStore(run.delegate->getDBObj()).selectProductsForCsv().empty());

        // Entered with the keys alone: name, maker, the highlighted category, saved.
        QVERIFY((form = openForm()));
        typeIntoFocus("Zwieback");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        typeIntoFocus("Brandt");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        tap(form->findChild<QPushButton*>("doneKey"));
        tap(barButton(run.stack(3), form->findChild<QAction*>("saveButton")));
        QTRY_COMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(own));
        QCOMPARE(int(own->rows().size()), 1);

        // The delete key reveals the Delete button and the keyboard goes to it; Escape takes
        // it away, back to the key, and the product stays; Return on the button deletes.
        const auto reveal = [&] {
            auto* key = own->rows()[0]->findChild<QPushButton*>("deleteKey");
            key->setFocus();
            QTest::keyClick(key, Qt::Key_Space);
            return QTest::qWaitFor([&] {
                return QApplication::focusWidget() &&
                       QApplication::focusWidget()->objectName() == "deleteButton";
            });
        };
        QVERIFY(reveal());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!own->rows()[0]->findChild<QPushButton*>("deleteButton"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("deleteKey"));
        QCOMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(own));
        QCOMPARE(OwnProductStore(run.delegate->getDBObj()).selectProductsForCsv().size(), 1u);
        QVERIFY(reveal());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_VERIFY(own->findChild<QLabel*>("helpText")->isVisible());
        QVERIFY(OwnProductStore(run.delegate->getDBObj()).selectProductsForCsv().empty());
    }
};

QTEST_MAIN(OwnProductRoadsTest)
#include "OwnProductRoadsTest.moc"
