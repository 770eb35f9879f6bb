// The meal planner walked in the running shell on the offscreen platform: products filed from
// their detail screen, folders edited, amounts changed, summaries opened, a catalogue product
// removed under the planner's feet.
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/filing/CheckPickerView.h"
#include "screens/planner/AddMenuFolderWidget.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/NewEditConsumptionWidget.h"
#include "screens/planner/PlannerListView.h"
#include "screens/planner/ProductDetailPortraitWidget.h"
#include "store/CatalogueStore.h"
#include "store/Database.h"
#include "store/PlannerStore.h"
#include "store/SettingsStore.h"
#include "tests/support/ShellRun.h"
#include "tests/support/TestCatalogue.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvane;
using namespace tolvane::test;

class PlannerRoadsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> documents_;
    std::unique_ptr<QTemporaryDir> resources_;
    std::unique_ptr<TestCatalogue> catalogue_;

    void ship() { QVERIFY(shipInto(*resources_, catalogue_->path())); }

    // Started past the start-up prompt, on the product list.
    void start(std::unique_ptr<Run>& run) {
        ship();
        run = std::make_unique<Run>(documents_->path(), resources_->path());
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run->answer("Hinweis löschen"));
    }

    // Searches "chi", opens Chips, checks the picker rows given and presses "Done"; then back
    // to the list.
    void fileChips(Run& run, std::initializer_list<int> pickerRows) {
        tap(run.delegate->tabBarVC()->tabButton(0));
        TOP_SCREEN(list, SearchWidget, run.stack(0));
        list->searchField()->setFocus();
        list->searchField()->selectAll();
        QTest::keyClicks(list->searchField(), "chi");
        QTRY_COMPARE(list->tableModel()->sectionCount(), 1);
        tapRow(list, 0, 0);
        TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
        tap(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QTRY_VERIFY(picker->isVisible());
        for (int row : pickerRows) {
            QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rowCentre(row));
            QTRY_VERIFY(!picker->isScrolling());
        }
        QToolButton* done = barButton(run.stack(0), detail->doneAction());
        QVERIFY(done);
        tap(done);
        QTRY_VERIFY(!picker->isVisible());
        tap(run.stack(0).backButton());
        QCOMPARE(run.stack(0).depth(), 1);
    }

    // The Menu List tab shown, its first-launch hint put away.
    MenuFolderWidget* menuList(Run& run) {
        tap(run.delegate->tabBarVC()->tabButton(1));
        if (!Run::alerts().isEmpty()) run.answer("Hinweis löschen");
        if (!run.activate()) return nullptr; // the fields check where the focus goes
        return qobject_cast<MenuFolderWidget*>(run.stack(1).topWidget());
    }

private slots:
    void init() {
        NavigationStack::setAnimated(false);
        documents_ = std::make_unique<QTemporaryDir>();
        resources_ = std::make_unique<QTemporaryDir>();
        catalogue_ = std::make_unique<TestCatalogue>();
        catalogue_->addCategory(1, "Snacks");
        catalogue_->setSettings("YES", "YES");
        catalogue_->add(brezel());
        catalogue_->add(chips());
    }
    void cleanup() { Run::closeAlerts(); }

    void fileEditAndSummarise() {
        std::unique_ptr<Run> run;
        start(run);
        fileChips(*run, {2, 4}); // the first and the third seed folder

        MenuFolderWidget* folders = menuList(*run);
        QVERIFY(folders);
        auto model = folders->model();
        QCOMPARE(model->numberOfRows(), 4);
        QCOMPARE(folders->list()->height(), 4 * MenuFolderWidget::kRowHeight);
        QCOMPARE(model->rowCalories(1), std::string("0\u00A0kcal"));
        QCOMPARE(model->rowCalories(2), std::string("500\u00A0kcal"));
        grab(*run, "planner-menu-list");

        // Editing mode: the folder opens its contents, the product its editor.
        QToolButton* edit = barButton(run->stack(1), folders->editAction());
        QVERIFY(edit);
        tap(edit);
        QVERIFY(model->isEditing());
        QCOMPARE(barButton(run->stack(1), folders->editAction())->text(), run->text("Fertig"));
        PlannerListView* rows = folders->list();
        tapAt(rows, rows->rowRect(0).center());
        TOP_SCREEN(contents, FavoriteVCFolderNewWidget, run->stack(1));
        tapAt(contents->list(), contents->list()->rowRect(0).center());
        TOP_SCREEN(editor, NewEditConsumptionWidget, run->stack(1));
        QLineEdit* amount = editor->field(ConsumptionQuantity::Amount);
        QCOMPARE(amount->text(), QString("100"));
        tap(amount);
        QTRY_VERIFY(amount->hasFocus());
        amount->selectAll();
        QTest::keyClicks(amount, "150");
        QTest::keyClick(amount, Qt::Key_Return);
        QCOMPARE(editor->field(ConsumptionQuantity::Fat)->text(), QString("30,0"));
        QCOMPARE(editor->caloriesSlider()->value(), 750);
        grab(*run, "planner-consumption");
        tap(run->stack(1).backButton());
        QCOMPARE(contents->model()->row(0).amount, std::string("150\u00A0g"));
        Database& db = run->delegate->getDBObj();
        QVERIFY(PlannerStore(db).selectProductDetailForEdit(ProductId{2}, FolderId{1}).at(0) ==
                (ConsumptionRow{{"30.0", "7.5", "1.5", "2.2", "750"}, "150g", "1"}));
        // Delete shows the red button; Escape takes it away and stays, so Return then opens
        // the row instead of deleting it. The same in the folder list while editing.
        const auto escapeADelete = [&](PlannerListView* list, QWidget* screen) {
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Delete);
            QTest::keyClick(list, Qt::Key_Escape);
            QCOMPARE(run->stack(1).topWidget(), screen);
            QTest::keyClick(list, Qt::Key_Return);
            QVERIFY(run->stack(1).topWidget() != screen);
            tap(run->stack(1).backButton());
            QTRY_COMPARE(run->stack(1).topWidget(), screen);
        };
        escapeADelete(contents->list(), contents);
        QCOMPARE(contents->model()->numberOfRows(), 1);
        tap(run->stack(1).backButton());
        escapeADelete(rows, folders);
        QCOMPARE(model->numberOfRows(), 4);
        QCOMPARE(PlannerStore(db).selectFoldersAccordingToProduct(ProductId{2}).size(), 2u);
        QCOMPARE(run->stack(1).depth(), 1);
        // 500 kcal for 100 g became 750 kcal for 150 g; the other folder keeps its 500.
        QCOMPARE(model->rowCalories(0), std::string("750\u00A0kcal"));
        QCOMPARE(model->rowCalories(2), std::string("500\u00A0kcal"));

        // Out of editing a tap opens the summary, over the whole window.
        edit = barButton(run->stack(1), folders->editAction());
        tap(edit);
        QVERIFY(!model->isEditing());
        tapAt(rows, rows->rowRect(0).center());
        TOP_SCREEN(summary, ProductDetailPortraitWidget, run->stack(1));
        QTRY_VERIFY(summary->isVisible());
        QWidget* tabBar = run->delegate->tabBarVC()->findChild<QWidget*>("tabBar");
        QVERIFY(tabBar && !tabBar->isVisible());
        // Fat 30 g of 150 g Chips against the references; every bar has its length.
        const auto& bars = summary->model()->bars();
        for (Nutrient n : kNutrients)
            QVERIFY(summary->barRect(index(n)).width() > 0);
        QCOMPARE(bars[index(Nutrient::Fat)].percentLabel, std::string("42\u00A0%"));
        QCOMPARE(bars[index(Nutrient::Energy)].valueLabel, std::string("750\u00A0kcal"));
        QLabel* note = summary->findChild<QLabel*>("fixedReferencesNote");
        QVERIFY(!note->isVisible()); // the profile has 2000 kcal
        grab(*run, "planner-summary");
        tap(run->stack(1).backButton());
        QVERIFY(tabBar->isVisible());

        // Without daily calories the general amounts stand, and the summary says so.
        SettingsStore(db).updatePersonalSettings("F", "30", "165", "57", "20.9", "59.9", "2", "0",
                                                 "5.4", "126", "metric");
        tapAt(rows, rows->rowRect(0).center());
        summary = qobject_cast<ProductDetailPortraitWidget*>(run->stack(1).topWidget());
        QTRY_VERIFY(summary && summary->findChild<QLabel*>("fixedReferencesNote")->isVisible());
    }

    void addMoveAndDeleteAFolder() {
        std::unique_ptr<Run> run;
        start(run);
        MenuFolderWidget* folders = menuList(*run);
        QVERIFY(folders);
        auto model = folders->model();
        QVERIFY(!barButton(run->stack(1), folders->addAction())); // "+" only while editing
        tap(barButton(run->stack(1), folders->editAction()));
        QToolButton* add = barButton(run->stack(1), folders->addAction());
        QVERIFY(add);
        tap(add);
        TOP_SCREEN(adding, AddMenuFolderWidget, run->stack(1));
        QTRY_VERIFY(adding->nameField()->hasFocus());
        // A refused name is noted as it is typed and kept open by "Fertig"; so is a shown name
        // until its second folder is confirmed; "Cancel" leaves without a folder.
        const QString shown = QString::fromStdString(model->rowTitle(0));
        for (const QString& name : {QString("Полдник|"), shown}) {
            QTest::keyClick(adding->nameField(), Qt::Key_A, Qt::ControlModifier);
            typeText(adding->nameField(), name);
            QTRY_VERIFY(adding->note()->isVisible());
            tap(barButton(run->stack(1), adding->doneAction()));
            QVERIFY(run->answer(name == shown ? "Cancel" : "Ok"));
            QVERIFY(run->stack(1).topWidget() == adding);
            QCOMPARE(adding->nameField()->text(), name);
        }
        tap(barButton(run->stack(1), adding->cancelAction()));
        QVERIFY(run->stack(1).topWidget() == folders);
        QCOMPARE(model->numberOfRows(), 4);
        // This time by the keyboard, which comes back to "+" once the folder is saved.
        QVERIFY(run->activate());
        QVERIFY(barButton(run->stack(1), folders->addAction()));
        barButton(run->stack(1), folders->addAction())->setFocus(Qt::TabFocusReason);
        QTest::keyClick(barButton(run->stack(1), folders->addAction()), Qt::Key_Space);
        QVERIFY((adding = qobject_cast<AddMenuFolderWidget*>(run->stack(1).topWidget())));
        QTRY_VERIFY(adding->nameField()->hasFocus());
        QTest::keyClicks(adding->nameField(), "Zvieri");
        grab(*run, "planner-add-folder");
        // Return saves the folder as "Fertig" does.
        QTest::keyClick(adding->nameField(), Qt::Key_Return);
        QVERIFY(Run::alerts().isEmpty());
        QTRY_VERIFY(run->stack(1).topWidget() == folders);
        QCOMPARE(model->rowTitle(4), std::string("Zvieri"));
        QTRY_VERIFY(barButton(run->stack(1), folders->addAction())->hasFocus());

        // Dragged by its handle to the top, then deleted by its mark and the red button.
        PlannerListView* rows = folders->list();
        QWidget* window = run->delegate->window();
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {},
                          rows->mapTo(window, rows->handleRect(4).center()));
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {},
                            rows->mapTo(window, rows->rowRect(0).center()));
        QCOMPARE(model->rowTitle(0), std::string("Zvieri"));
        tapAt(rows, rows->deleteMarkRect(1).center());
        tapAt(rows, rows->confirmRect(1).center());
        QCOMPARE(model->numberOfRows(), 4);

        // The order is kept when the tab is left and read again on the way back.
        tap(run->delegate->tabBarVC()->tabButton(0));
        tap(run->delegate->tabBarVC()->tabButton(1));
        QCOMPARE(model->numberOfRows(), 4);
        QCOMPARE(model->rowTitle(0), std::string("Zvieri"));
        tapAt(rows, rows->deleteMarkRect(0).center());
        tapAt(rows, rows->confirmRect(0).center());
        QCOMPARE(model->numberOfRows(), 3);
        for (int row = 0; row < model->numberOfRows(); ++row)
            QVERIFY(model->rowTitle(row) != "Zvieri");
    }

    void aProductGoneFromTheCatalogueLeavesEveryFolder() {
        std::unique_ptr<Run> run;
        start(run);
        fileChips(*run, {2, 3});
        MenuFolderWidget* folders = menuList(*run);
        QVERIFY(folders);
        auto model = folders->model();
        QCOMPARE(model->rowCalories(1), std::string("500\u00A0kcal"));

        // An update page took Chips out of the catalogue (and said so, as the catalogue service
        // does): on the next visit Chips leaves both folders.
        CatalogueStore(run->delegate->getDBObj()).deleteProductFromMainTable(ProductId{2});
        run->delegate->getDBObj().catalogueChanged();
        tap(run->delegate->tabBarVC()->tabButton(0));
        tap(run->delegate->tabBarVC()->tabButton(1));
        QCOMPARE(model->rowCalories(0), std::string("0\u00A0kcal"));
        QCOMPARE(model->rowCalories(1), std::string("0\u00A0kcal"));
        tap(barButton(run->stack(1), folders->editAction()));
        tapAt(folders->list(), folders->list()->rowRect(1).center());
        TOP_SCREEN(contents, FavoriteVCFolderNewWidget, run->stack(1));
        QCOMPARE(contents->model()->numberOfRows(), 0);
        QVERIFY(PlannerStore(run->delegate->getDBObj())
                    .selectFoldersAccordingToProduct(ProductId{2})
                    .empty());
    }
};

QTEST_MAIN(PlannerRoadsTest)
#include "PlannerRoadsTest.moc"
