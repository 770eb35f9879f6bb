// Whole roads through the product list, the categories, the detail and the landscape calculator
// in the running shell, on the offscreen platform, each start on fresh temporary directories.
#include "app/AppContext.h"
#include "app/NavigationStack.h"
#include "app/StyleSheet.h"
#include "app/TabShell.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/platform/AlertBox.h"
#include "screens/browse/CategoryWidget.h"
#include "screens/browse/ScanWidget.h"
#include "screens/browse/SearchWidget.h"
#include "screens/common/TableRow.h"
#include "screens/common/WheelPicker.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/detail/ProductDetailsLandscapeWidget.h"
#include "screens/diary/DiaryDayWidget.h"
#include "screens/diary/DiaryEntryWidget.h"
#include "screens/filing/CheckPickerView.h"
#include "screens/ownproducts/AddProductWidget.h"
#include "screens/ownproducts/ManageProductsWidget.h"
#include "screens/planner/AddMenuFolderWidget.h"
#include "screens/planner/FavoriteVCFolderNewWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/NewEditConsumptionWidget.h"
#include "screens/planner/PlannerListView.h"
#include "screens/planner/ProductDetailPortraitWidget.h"
#include "screens/profile/PersonalProfileWidget.h"
#include "screens/settings/SetupWidget.h"
#include "store/Database.h"
#include "store/PlannerStore.h"
#include "tests/support/ShellRun.h"
#include "tests/support/ShippedSchema.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WheelTaps.h"
#ifdef TOLVANE_PRODUCT_SERVER
#include "format/CatalogueRecord.h"
#include "tests/support/ServerProcess.h"
#endif
#include "tests/support/BarcodePictures.h"
#include "tests/support/WidgetTaps.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoSink>

#include <algorithm>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// A row's name, or with MakerRole the grey line under it as the row delegate draws it.
QString rowName(ProductListWidget* list, int section, int row, int role = Qt::DisplayRole) {
    return list->tableModel()->productIndex(section, row).data(role).toString();
}
QString rowMaker(ProductListWidget* list, int section, int row) {
    return rowName(list, section, row, ProductSectionModel::MakerRole);
}

} // namespace

class BrowseRoadsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> documents_;
    std::unique_ptr<QTemporaryDir> resources_;
    std::unique_ptr<TestCatalogue> catalogue_;

    // Writes the catalogue built by the test as the shipped file.
    void ship() { QVERIFY(shipInto(*resources_, catalogue_->path())); }

private slots:
    void init() {
        NavigationStack::setAnimated(false);
        documents_ = std::make_unique<QTemporaryDir>();
        resources_ = std::make_unique<QTemporaryDir>();
        catalogue_ = std::make_unique<TestCatalogue>();
        catalogue_->addCategory(1, "Snacks");
        catalogue_->addCategory(2, "Getränke");
        catalogue_->add(brezel());
        catalogue_->add(chips());
        catalogue_->add({3, "Apfelsaft", "Ramseier", "2", "0", "0", "10", "0", "45", "ml"});
    }
    void cleanup() { Run::closeAlerts(); }

    // The list searched, a product opened, turned, typed into and turned back; then a category
    // browsed and a product of it kept as a favourite and removed again.
    void searchOpenTurnTypeAndTurnBackThenBrowseACategory() {
        catalogue_->add({4, "Hausbrot", "", "2", "2", "0.5", "1", "1", "240"});        // no maker
        catalogue_->add({6, "Cracker", "Wasa", "1", "1", "0.2", "0.5", "1.0", "390"}); // one amber
        catalogue_->setSettings("YES", "YES");
        ship();
        Run run(documents_->path(), resources_->path());
        QTRY_VERIFY(!Run::alerts().isEmpty()); // the start-up prompt, dismissed for good
        QVERIFY(run.answer("Hinweis löschen"));
        TOP_SCREEN(list, SearchWidget, run.stack(0));
        QTRY_COMPARE(list->sideIndex()->letters(), QStringList({"A", "B", "C", "H"}));
        QCOMPARE(rowMaker(list, 1, 0), QString("Beck"));
        QVERIFY(list->tableModel()->persistentIndexCount() <= list->tableModel()->sectionCount());

        // Live search: typing searches by itself, and no hit is said in the empty place.
        QVERIFY(list->searchButton()->isHidden());
        list->searchField()->setFocus();
        QTest::keyClicks(list->searchField(), "zzz");
        QTRY_VERIFY(list->emptyText()->isVisible());
        QCOMPARE(list->emptyText()->text(), run.text("Keine Treffer"));
        QCOMPARE(list->emptyText()->alignment() & Qt::AlignCenter, Qt::AlignCenter);
        list->searchField()->selectAll();
        QTest::keyClicks(list->searchField(), "chi");
        QTRY_COMPARE(list->tableModel()->sectionCount(), 1);
        QVERIFY(!list->emptyText()->isVisible());
        QCOMPARE(rowName(list, 0, 0), QString("Chips"));
        QCOMPARE(rowMaker(list, 0, 0), QString("Zweifel"));
        QVERIFY(list->sideIndex()->isHidden());
        grab(run, "search");

        tapRow(list, 0, 0);
        TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
        QCOMPARE(detail->nameLabel()->text(), QString("Chips"));
        QCOMPARE(detail->model()->numberOfRows(), 7);
        // Fat 20 g is yellow, equal to nothing below it: Brezel (4) pulls the mean to 12.
        QCOMPARE(detail->model()->row(1).picture, std::string("ampel_yellow"));
        // The "top" lights once the category's means are read.
        QTRY_COMPARE(detail->model()->row(4).picture, std::string("ampel_yellow_top"));
        QVERIFY(detail->detailTable()->height() > 200);
        grab(run, "detail");
        // Below the lights the whole table, then the category's better choice, which opens.
        QVERIFY(detail->factsBox()->isVisible());
        QTRY_COMPARE(detail->choiceRows().size(), std::size_t(1));
        TableRow* better = detail->choiceRows()[0];
        auto* page = detail->findChild<QScrollArea*>();
        // Tab reads the page in order, the better choice before the tab bar, and scrolls to it.
        QApplication::setActiveWindow(run.delegate->window());
        detail->turnButton()->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(detail->turnButton()));
        for (int i = 0; i < 40 && QApplication::focusWidget() != better; ++i) {
            QVERIFY(QApplication::focusWidget());
            QVERIFY(!QApplication::focusWidget()->property("accessiblePageTab").toBool());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(better));
        QVERIFY(page->viewport()->rect().contains(
            better->mapTo(page->viewport(), better->rect().bottomLeft())));
        tap(better);
        QCOMPARE(run.stack(0).depth(), 3);
        TOP_SCREEN(cracker, ProductDetailWidget, run.stack(0));
        QCOMPARE(cracker->nameLabel()->text(), QString("Cracker"));
        tap(run.stack(0).backButton());
        QCOMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(detail));
        page->ensureWidgetVisible(detail->turnButton());

        // No accelerometer on a desktop: the button beside the hint turns the "device".
        tap(detail->turnButton());
        auto* gda = qobject_cast<ProductDetailsLandscapeWidget*>(run.delegate->landscapeView());
        QVERIFY(gda);
        QTRY_VERIFY(gda->isVisible());
        if (run.context->defaults->boolForKey("isfirstLaunchGDA") || !Run::alerts().isEmpty())
            Run::closeAlerts();
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("28\u00A0%"));
        // The pack choice types the pack's 150 g, as the keys below do.
        QCOMPARE(gda->portionChoiceButtons().size(), std::size_t(2));
        tap(gda->portionChoiceButtons()[1]);
        QCOMPARE(gda->portionField()->text(), QString("150"));
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("42\u00A0%"));
        gda->portionField()->setFocus();
        gda->portionField()->selectAll();
        QTest::keyClicks(gda->portionField(), "150");
        QTest::keyClick(gda->portionField(), Qt::Key_Return);
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("42\u00A0%"));
        QTest::mousePress(gda, Qt::LeftButton, {}, gda->canvasOrigin() + QPoint(90, 150));
        QCOMPARE(gda->model()->touchLabel(), std::string("30\u00A0g"));
        // Percentages keep off the dashed 100 % line, the top bar and the touched amount, at
        // every height up to a capped bar (energy of 500 kcal in a 500 g portion is 125 %).
        for (const char* portion : {"150", "380", "400", "500", "20"}) {
            gda->portionField()->selectAll();
            QTest::keyClicks(gda->portionField(), portion);
            QTest::keyClick(gda->portionField(), Qt::Key_Return);
            for (Nutrient bar : kNutrients) {
                const QRect label = gda->percentLabelRect(bar);
                QVERIFY2(label.top() > gda->fullLineY || label.bottom() < gda->fullLineY, portion);
                QVERIFY2(label.top() >= 44 && !label.intersects(gda->touchBubbleRect()), portion);
            }
        }
        QCOMPARE(gda->model()->bars()[4].percentLabel, std::string("5\u00A0%")); // 100 of 2000 kcal
        gda->portionField()->selectAll();
        QTest::keyClicks(gda->portionField(), "150");
        QTest::keyClick(gda->portionField(), Qt::Key_Return);
        grab(run, "landscape-touch");
        QTest::mouseRelease(gda, Qt::LeftButton, {}, gda->canvasOrigin() + QPoint(90, 150));
        QTest::keyClicks(gda->portionField(), "123"); // a sixth character is refused
        QCOMPARE(gda->portionField()->text().size(), 5);
        // ... and the five are all in view beside the quick portions, the first at the left.
        gda->portionField()->end(false);
        QCOMPARE(gda->portionField()->cursorPositionAt({8, gda->portionField()->height() / 2}), 0);
        QTRY_VERIFY(
            run.alertSays("Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe."));
        Run::closeAlerts();
        // A portion is applied when a tap beside the field ends its editing; "abc" and "-5" are
        // refused as typed, with the calculator's message.
        QVERIFY(run.activate());
        QTest::mouseClick(gda->portionField(), Qt::LeftButton, {},
                          gda->portionField()->rect().center());
        QTRY_VERIFY(gda->portionField()->hasFocus());
        gda->portionField()->selectAll();
        QTest::keyClicks(gda->portionField(), "300");
        QTest::mouseClick(gda, Qt::LeftButton, {}, gda->canvasOrigin() + QPoint(460, 160));
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("85\u00A0%"));
        for (const char* typed : {"abc", "-"}) {
            gda->portionField()->selectAll();
            QTest::keyClicks(gda->portionField(), typed);
            QTRY_VERIFY(run.alertSays("GDA Portion Not A Number"));
            Run::closeAlerts();
            QCOMPARE(gda->portionField()->text(), QString("300"));
        }
        // The field's clear button: the bars for 100 at once, while the field is still empty.
        auto* clear = gda->portionField()->findChild<QToolButton*>();
        QVERIFY(clear && clear->isVisible());
        QTest::mouseClick(clear, Qt::LeftButton, {}, clear->rect().center());
        QCOMPARE(gda->portionField()->text(), QString());
        QCOMPARE(gda->model()->bars()[0].percentLabel, std::string("28\u00A0%"));

        QCOMPARE(gda->portionUnitLabel()->text(), run.text("g"));
        tap(gda->turnBackButton());
        QTRY_VERIFY(!run.delegate->landscapeView());
        QCOMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(detail));
        QTRY_VERIFY(detail->isVisible());

        // Escape goes back, wherever the focus is (the bar's button in the walk below).
        detail->favoriteButton()->setFocus();
        QTest::keyClick(detail->favoriteButton(), Qt::Key_Escape);
        QCOMPARE(run.stack(0).depth(), 1);
        // At the root there is nowhere to go: Escape stays with the field (no error, no pop).
        list->searchField()->setFocus();
        QTest::keyClick(list->searchField(), Qt::Key_Escape);
        QCOMPARE(run.stack(0).depth(), 1);

        // The drinks category, its bread without a maker and a favourite made of it.
        tap(run.delegate->tabBarVC()->tabButton(2));
        TOP_SCREEN(categories, CategoryWidget, run.stack(2));
        QTRY_COMPARE(categories->tableModel()->rowCount(), 2);
        const QModelIndex drinks = categories->tableModel()->index(0, 0);
        QCOMPARE(drinks.data().toString(), run.text("Getränke"));
        tapAt(categories->table()->viewport(), categories->table()->visualRect(drinks).center());

        TOP_SCREEN(products, ProductsForCategoriesWidget, run.stack(2));
        QCOMPARE(products->windowTitle(), run.text("Getränke"));
        QCOMPARE(products->tableModel()->sectionCount(), 2);
        tapRow(products, 1, 0);
        TOP_SCREEN(bread, ProductDetailWidget, run.stack(2));
        QCOMPARE(bread->nameLabel()->text(), QString("Hausbrot"));
        QVERIFY(bread->makerLabel()->isHidden()); // no blank line in its place

        QVERIFY(!bread->removeFavoriteButton()->isVisible());
        QTest::mouseClick(bread->favoriteButton(), Qt::LeftButton, {},
                          bread->favoriteButton()->rect().center());
        QVERIFY(bread->model()->isFavorite());
        // The favourites button makes way for the folder picker and "Done" in the bar.
        QVERIFY(!bread->favoriteButton()->isVisible());
        QToolButton* done = nullptr;
        QTRY_VERIFY((done = barButton(run.stack(2), bread->doneAction())));
        QCOMPARE(done->text(), QString("Fertig")); // from the tables
        CheckPickerView* picker = bread->picker();
        QVERIFY(picker->isVisible());
        QTRY_COMPARE(picker->geometry().bottom(), bread->rect().bottom());
        // The four seed folders, in id order; check the first and the third.
        QCOMPARE(picker->model().numberOfRows(), 8);
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rowCentre(2));
        QTRY_VERIFY(!picker->isScrolling());
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rowCentre(4));
        QTRY_VERIFY(!picker->isScrolling());
        QVERIFY(bread->model()->pickerViewSelectionStateForRow(0));
        QVERIFY(bread->model()->pickerViewSelectionStateForRow(2));
        Database& db = run.delegate->getDBObj();
        QCOMPARE(PlannerStore(db)
                     .selectFoldersAccordingToProduct(
                         ProductId::of(bread->model()->productIdForFolderAdd()))
                     .size(),
                 std::size_t(2));
        grab(run, "planner-picker");

        QTest::mouseClick(done, Qt::LeftButton, {}, done->rect().center());
        QVERIFY(bread->favoriteButton()->isVisible());
        QTRY_VERIFY(!picker->isVisible());
        QCOMPARE(bread->favoriteButton()->text(), run.text("Zu Favoriten hinzufügen"));
        // Removing has its own control, there only for a favourite.
        QVERIFY(bread->removeFavoriteButton()->isVisible());
        QCOMPARE(bread->removeFavoriteButton()->text(), run.text("Aus Favoriten entfernen"));

        // The removal question: "Ja" first, inside the window; Escape keeps the favourite.
        tap(bread->removeFavoriteButton());
        QTRY_COMPARE(Run::alerts().size(), 1);
        AlertBox* question = Run::alerts().front();
        QCOMPARE(question->buttons().size(), 2);
        QCOMPARE(question->buttons()[0]->text(), run.text("Ja"));
        QCOMPARE(question->buttons()[1]->text(), run.text("Nein"));
        QTest::keyClick(question, Qt::Key_Escape);
        QTRY_VERIFY(Run::alerts().isEmpty());
        QVERIFY(bread->model()->isFavorite());
        tap(bread->removeFavoriteButton());
        QTRY_COMPARE(Run::alerts().size(), 1);
        QVERIFY(run.answer("Ja"));
        QVERIFY(!bread->model()->isFavorite());
        QVERIFY(!bread->removeFavoriteButton()->isVisible());
        // A favourite is a product in a folder: "Ja" took it out of both.
        QVERIFY(PlannerStore(db)
                    .selectFoldersAccordingToProduct(
                        ProductId::of(bread->model()->productIdForFolderAdd()))
                    .empty());

        // Back by the bar's button to the category's products, then the tab tapped again
        // goes to its first screen.
        tapRow(products, 1, 0);
        QCOMPARE(run.stack(2).depth(), 3);
        tap(run.stack(2).backButton());
        QCOMPARE(run.stack(2).topWidget(), static_cast<QWidget*>(products));
        tapRow(products, 1, 0);
        QCOMPARE(run.stack(2).depth(), 3);
        tap(run.delegate->tabBarVC()->tabButton(2));
        QCOMPARE(run.stack(2).depth(), 1);
        QCOMPARE(run.stack(2).topWidget(), static_cast<QWidget*>(categories));
    }

    void everyScreenFitsAndTakesItsClicks_data() {
        QTest::addColumn<QString>("lang");
        for (const char* lang : {"de", "en", "es", "fr", "it", "ru"})
            QTest::newRow(lang) << QString(lang);
    }
    // Each screen reachable today, walked with the mouse in each language (ctest at scale 1 and
    // 2), with long names and a folder near and over its daily amounts: on each, every visible
    // control takes its click and no text is cut.
    void everyScreenFitsAndTakesItsClicks() {
        QFETCH(QString, lang);
        qApp->setStyleSheet(styleSheet());    // the program's fonts and paddings
        catalogue_->setSettings("NO", "YES"); // live search off: the search button shows
        // Filed below from the search hits; in its folder fat is over, saturates and salt near
        // their daily amounts; without sugar its amount editor shows the sugar field's hint.
        catalogue_->add({5, "Chili-Erdnüsse geröstet mit Paprika und Meersalz",
                         "Knabberwerk Oberlausitz GmbH", "1", "75", "18", "0", "5.4", "700", "g",
                         "200"});
        catalogue_->add({6, "Brezel-Cracker aus Vollkorn mit Meersalz und Sesam",
                         "Knabberwerk Oberlausitz GmbH", "1", "1", "0.2", "0.5", "1.0", "390"});
        catalogue_->exec("INSERT INTO Products (RecordId, Produktname, Hersteller, Sortorder) "
                         "VALUES ('900000001', 'Dinkel-Vollkornbrötchen mit Sonnenblumenkernen "
                         "und Leinsamen', 'Bäckerei Sonnleitner', '1')");
        ship();
        Run run(documents_->path(), resources_->path(), {.device = {lang.toStdString()}});
        QWidget* window = run.delegate->window();
        TabShell& tabs = *run.delegate->tabBarVC();
        auto check = [&](const char* screen) {
            const QStringList faults = screenFaults(window);
            QVERIFY2(faults.isEmpty(), qPrintable(lang + " " + screen + ": " + faults.join(", ")));
        };
        // A screen opened by a tap on the stack, checked, and left by the back button.
        auto visit = [&](NavigationStack& stack, QWidget* opener, const QString& screen) {
            const int depth = stack.depth();
            QVERIFY(opener);
            opener->parentWidget()->ensurePolished();
            tap(opener);
            QCOMPARE(stack.depth(), depth + 1);
            check(qPrintable(screen));
            tap(stack.backButton());
            QCOMPARE(stack.depth(), depth);
        };
        QTRY_VERIFY(!Run::alerts().isEmpty());
        check("start-up prompt");
        QVERIFY(run.answer("Hinweis löschen"));

        TOP_SCREEN(list, SearchWidget, run.stack(0));
        check("product list");
        tap(list->scanButton()); // no camera here: the file dialog, closed unused
        QTRY_VERIFY(QApplication::activeModalWidget());
        QApplication::activeModalWidget()->close();
        check("scan");
        tap(run.stack(0).backButton());
        // Typing does nothing until the search button is pressed.
        list->searchField()->setFocus();
        QTest::keyClicks(list->searchField(), "chi");
        QCoreApplication::processEvents();
        QCOMPARE(list->tableModel()->sectionCount(), 3);
        tap(list->searchButton());
        QTRY_COMPARE(list->tableModel()->sectionCount(), 1);
        check("search hits");
        tapRow(list, 0, 0);
        TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
        check("product detail");
        // Further down: the nutrition table and the better choices, one with a long name.
        QTRY_COMPARE(detail->choiceRows().size(), std::size_t(3));
        auto* page = detail->findChild<QScrollArea*>();
        page->ensureWidgetVisible(detail->choiceRows().back());
        check("nutrition table and better choices");
        page->ensureWidgetVisible(detail->eatenButton());
        tap(detail->eatenButton());
        TOP_SCREEN(eaten, DiaryEntryWidget, run.stack(0));
        check("diary entry");
        tap(barButton(run.stack(0), eaten->saveAction()));
        QCOMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(detail));
        page->ensureWidgetVisible(detail->favoriteButton());
        tap(detail->favoriteButton());
        QTRY_VERIFY(detail->picker()->isVisible());
        check("folder picker");
        QTest::mouseClick(detail->picker(), Qt::LeftButton, {}, detail->picker()->rowCentre(2));
        QTRY_VERIFY(!detail->picker()->isScrolling());
        tap(barButton(run.stack(0), detail->doneAction()));
        QTRY_VERIFY(!detail->picker()->isVisible());
        tap(detail->turnButton());
        QTRY_VERIFY(run.delegate->landscapeView());
        Run::closeAlerts();
        check("GDA calculator");
        auto* gda = qobject_cast<ProductDetailsLandscapeWidget*>(run.delegate->landscapeView());
        QVERIFY(gda);
        tap(gda->infoButton());
        QTRY_VERIFY(run.delegate->infoView());
        check("GDA help page");
        QTest::keyClick(window, Qt::Key_Escape); // the help page goes
        QTRY_VERIFY(!run.delegate->infoView());
        // The calculator turns back, though the portion field has the focus.
        gda->portionField()->setFocus();
        QTest::keyClick(gda->portionField(), Qt::Key_Escape);
        QTRY_VERIFY(!run.delegate->landscapeView());
        tap(run.stack(0).backButton());
        QCOMPARE(run.stack(0).depth(), 1);

        // The planner: the folders with their hint, a summary, editing, a new folder, a
        // folder's products and the consumption editor.
        tap(tabs.tabButton(1));
        check("menu list hint");
        QVERIFY(run.answer("Hinweis löschen"));
        TOP_SCREEN(folders, MenuFolderWidget, run.stack(1));
        check("menu list");
        // The diary above the folders, with the product eaten above, its entry and its charts.
        tap(folders->diaryRow());
        TOP_SCREEN(diary, DiaryDayWidget, run.stack(1));
        check("diary day");
        QList<QWidget*> entries;
        for (int meal = 0; meal < kMealCount; ++meal)
            entries += diary->entryRows(static_cast<Meal>(meal));
        QCOMPARE(entries.size(), 1);
        visit(run.stack(1), entries.front(), "diary entry");
        visit(run.stack(1), diary->weekButton(), "week chart");
        visit(run.stack(1), diary->monthButton(), "month chart");
        tap(run.stack(1).backButton());
        for (auto key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Return}) // the keyboard opens it too
            QTest::keyClick(folders->list(), key);
        TOP_SCREEN(summary, ProductDetailPortraitWidget, run.stack(1));
        check("folder summary");
        for (int n = 0; n < kNutrientCount; ++n) // fat over 100 %, the rest near it
            QVERIFY(summary->rect().contains(summary->barRect(n).adjusted(0, 0, 12, 0)));
        tap(run.stack(1).backButton());
        tap(barButton(run.stack(1), folders->editAction()));
        check("menu list editing");
        tap(barButton(run.stack(1), folders->addAction()));
        TOP_SCREEN(adding, AddMenuFolderWidget, run.stack(1));
        tap(adding->nameField());
        QTest::keyClicks(adding->nameField(), "Zwischenmahlzeit am Nachmittag"); // 30, the most
        check("new folder");
        tap(barButton(run.stack(1), adding->doneAction()));
        QCOMPARE(run.stack(1).depth(), 1);
        check("menu list with the longest name");
        tapAt(folders->list(), folders->list()->rowRect(0).center());
        TOP_SCREEN(contents, FavoriteVCFolderNewWidget, run.stack(1));
        check("folder contents");
        tapAt(contents->list(), contents->list()->rowRect(0).center());
        QVERIFY(qobject_cast<NewEditConsumptionWidget*>(run.stack(1).topWidget()));
        check("consumption editor");
        tap(run.stack(1).backButton());
        tap(run.stack(1).backButton());
        tap(barButton(run.stack(1), folders->editAction()));
        tap(tabs.tabButton(2));
        TOP_SCREEN(categories, CategoryWidget, run.stack(2));
        QTRY_COMPARE(categories->tableModel()->rowCount(), 2);
        check("categories");
        const QModelIndex drinks = categories->tableModel()->index(0, 0);
        tapAt(categories->table()->viewport(), categories->table()->visualRect(drinks).center());
        QCOMPARE(run.stack(2).depth(), 2);
        check("category products");

        tap(tabs.tabButton(3));
        Run::closeAlerts();
        TOP_SCREEN(setup, SetupWidget, run.stack(3));
        check("settings");
        for (SetupRowId row :
             {SetupRowId::Localization, SetupRowId::ManageProducts, SetupRowId::PersonalProfile,
              SetupRowId::TrafficLightInfo, SetupRowId::UsageTips})
            visit(run.stack(3), setup->row(row)->label(), // its middle may be an info button
                  QString("settings row %1").arg(int(row)));
        for (SetupRowId row : {SetupRowId::Localization, SetupRowId::LiveSearch,
                               SetupRowId::MetricUnits, SetupRowId::PersonalProfile})
            visit(run.stack(3), setup->infoButton(row), QString("information %1").arg(int(row)));

        // The own products in editing mode, the entry form and its wheels.
        tap(setup->row(SetupRowId::ManageProducts));
        TOP_SCREEN(own, ManageProductsWidget, run.stack(3));
        QVERIFY(barButton(run.stack(3), own->editAction()));
        tap(barButton(run.stack(3), own->editAction()));
        check("own products editing");
        QVERIFY(barButton(run.stack(3), own->addAction()));
        tap(barButton(run.stack(3), own->addAction()));
        TOP_SCREEN(form, AddProductWidget, run.stack(3));
        QTRY_VERIFY(form->inputBar()->isVisible());
        check("product form");
        tap(form->field(ProductField::Category));
        QTRY_VERIFY(form->wheel()->isVisible());
        check("product form category wheel");
        tap(form->field(ProductField::SaltUnit));
        check("product form salt wheel");
        tap(run.stack(3).backButton());
        tap(barButton(run.stack(3), own->editAction()));
        tap(run.stack(3).backButton());

        // The profile with its activity wheel and its information pages.
        tap(setup->row(SetupRowId::PersonalProfile)->label());
        TOP_SCREEN(profile, PersonalProfileWidget, run.stack(3));
        check("personal profile");
        // Tab goes through the profile in reading order: left to right, then down a line.
        QVERIFY(run.activate());
        profile->findChild<WheelPicker*>("bodyWheel0")->setFocus(Qt::TabFocusReason);
        QRect last;
        int visited = 0;
        for (QWidget* w = window->focusWidget(); profile->isAncestorOf(w);
             w = window->focusWidget(), ++visited) {
            const QRect r(w->mapTo(window, QPoint()), w->size());
            QVERIFY2(last.isNull() || r.top() >= last.bottom() || r.left() > last.left(),
                     qPrintable(lang + " Tab to " + w->metaObject()->className() + " " +
                                w->accessibleName()));
            last = r;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(visited, 13); // four wheels, four rows with their information, the field
        Run::closeAlerts();    // leaving the field thanks for the input
        // Return presses the focused button; back again, the keyboard is where it was.
        QPushButton* bmiInfo = profile->infoButton(ProfileFigure::Bmi);
        bmiInfo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(bmiInfo, Qt::Key_Return);
        QCOMPARE(run.stack(3).depth(), 3);
        QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
        QCOMPARE(run.stack(3).depth(), 2);
        QCOMPARE(window->focusWidget(), bmiInfo);
        tap(profile->tableRow(ProfileFigure::ActivityLevel));
        check("activity wheel");
        WheelPicker* levels = profile->activityWheel();
        const QString longest = std::ranges::max(levels->rows(), {}, &QString::size);
        QVERIFY(tapWheelRow(levels, longest)); // chosen, the wheel goes
        QVERIFY(!levels->isVisible());
        check("personal profile with the longest activity");
        for (ProfileFigure row : {ProfileFigure::Bmi, ProfileFigure::IdealWeight,
                                  ProfileFigure::ActivityLevel, ProfileFigure::DailyCalories})
            visit(run.stack(3), profile->infoButton(row),
                  QString("profile information %1").arg(int(row)));
    }

    // Without a camera the scan button opens the file dialog; a picture's code unknown to the
    // catalogue leads to the own product form, a camera frame's known code to its product.
    void scanningAPictureAndAFrame() {
        catalogue_->exec("update ProductsTable set field24 = '0036000291452' where recordId = 2");
        ship();
        const auto grey = [](const Picture& p) {
            return QImage(p.pixels.data(), p.width, p.height, p.width * p.channels,
                          p.channels == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888)
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QString unknown = documents_->filePath("unknown.png");
        QVERIFY(grey(onPhoto(drawBarcode(Symbology::Ean13, "7612345678900", 3))).save(unknown));
        Run run(documents_->path(), resources_->path());
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Hinweis löschen"));
        TOP_SCREEN(list, SearchWidget, run.stack(0));
        const auto choose = [&](ScanWidget* scan, const QString& path) {
            QFileDialog* dialog = nullptr;
            QTRY_VERIFY((dialog = scan->findChild<QFileDialog*>()) && dialog->isVisible());
            QTest::keyClicks(QApplication::focusWidget(), path);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        tap(list->scanButton());
        TOP_SCREEN(scan, ScanWidget, run.stack(0));
        QVERIFY(!scan->cameraShown());
        QFile corrupt(documents_->filePath("corrupt.png"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly) && corrupt.write("\x89PNG\r\n no picture") > 0);
        corrupt.close();
        {
            // Qt's own texts in the dialog speak the interface's language too.
            QFileDialog* dialog = nullptr;
            QTRY_VERIFY((dialog = scan->findChild<QFileDialog*>()) && dialog->isVisible());
            QStringList buttons;
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                buttons << button->text();
            QVERIFY2(buttons.join(' ').contains("Abbrechen"), qPrintable(buttons.join(' ')));
        }
        choose(scan, corrupt.fileName());
        QTRY_COMPARE(scan->message()->text(), run.text("Dieses Bild lässt sich nicht lesen"));
        tap(scan->choosePictureButton());
        choose(scan, unknown);
        QTRY_COMPARE(scan->code()->text(), QString("7612345678900"));
        QCOMPARE(scan->message()->text(), run.text("not in the catalogue"));
        grab(run, "scan-unknown");
        tap(scan->ownProductButton());
        QVERIFY(qobject_cast<AddProductWidget*>(run.stack(0).topWidget()));
        tap(run.stack(0).backButton());
        // A frame as the camera gives it: the UPC-A of the product stored as EAN-13.
        const QImage image = grey(onPhoto(drawBarcode(Symbology::UpcA, "036000291452", 3)));
        const auto showFrame = [&] {
            QVideoFrame frame({image.size(), QVideoFrameFormat::Format_BGRA8888});
            QVERIFY(frame.map(QVideoFrame::WriteOnly));
            for (int y = 0; y < image.height(); ++y)
                std::copy_n(image.constScanLine(y), image.width() * 4,
                            frame.bits(0) + y * frame.bytesPerLine(0));
            frame.unmap();
            scan->videoSink()->setVideoFrame(frame);
        };
        showFrame();
        QTRY_VERIFY(qobject_cast<ProductDetailWidget*>(run.stack(0).topWidget()));
        TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
        QCOMPARE(detail->nameLabel()->text(), QString("Chips"));
        // The product removed from the file a moment ago (its list not read again yet): the
        // screen says it cannot be opened and goes on reading codes.
        tap(run.stack(0).backButton());
        execSql(documents_->filePath("Tolvane.db").toStdString(),
                "delete from ProductsTable where recordId = 2");
        showFrame();
        QTRY_COMPARE(scan->message()->text(), run.text("This product cannot be opened"));
        QCOMPARE(scan->code()->text(), QString("036000291452"));
        QCOMPARE(run.stack(0).topWidget(), scan);
        tap(scan->choosePictureButton());
        choose(scan, unknown);
        QTRY_COMPARE(scan->code()->text(), QString("7612345678900"));
        QCOMPARE(scan->message()->text(), run.text("not in the catalogue"));
        // A picture dropped onto the list is read the same way.
        tap(run.stack(0).backButton());
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(unknown)});
        QDragEnterEvent enter(list->rect().center(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(list, &enter); // the list takes it: the drop comes to it
        QDropEvent drop(list->rect().center(), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(list, &drop);
        TOP_SCREEN(droppedOn, ScanWidget, run.stack(0));
        QTRY_COMPARE(droppedOn->code()->text(), QString("7612345678900"));

        // Entered as an own product, the code filled in: scanned again, it opens.
        tap(droppedOn->ownProductButton());
        TOP_SCREEN(form, AddProductWidget, run.stack(0));
        QCOMPARE(form->field(ProductField::Barcode)->text(), QString("7612345678900"));
        tap(form->field(ProductField::Name));
        typeText(form->field(ProductField::Name), "Hafer");
        tap(form->field(ProductField::Maker));
        typeText(form->field(ProductField::Maker), "Mühle");
        tap(form->field(ProductField::Category));
        QVERIFY(tapWheelRow(form->wheel(), run.text("Snacks")));
        tap(form->findChild<QPushButton*>("doneKey"));
        tap(barButton(run.stack(0), form->findChild<QAction*>("saveButton")));
        QVERIFY(Run::alerts().isEmpty());
        QTRY_COMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(droppedOn));
        tap(droppedOn->choosePictureButton());
        choose(droppedOn, unknown);
        QTRY_VERIFY(qobject_cast<ProductDetailWidget*>(run.stack(0).topWidget()));
        TOP_SCREEN(own, ProductDetailWidget, run.stack(0));
        QCOMPARE(own->nameLabel()->text(), QString("Hafer"));
    }

#ifdef TOLVANE_PRODUCT_SERVER
    // An update from the reference server, and a product whose name and maker hold "|", stored
    // by it into a fresh data file: it shows whole in its list row, a search hit, its detail with
    // values and lights, the GDA calculator and a folder it was filed into through the picker.
    // Typed as a shopper types: without accents, and a barcode number, right and mistyped.
    void typingFindsFoldedNamesAndBarcodesFirst() {
        catalogue_->add({5, "Frischkäse", "Alpina"});
        catalogue_->add({6, "Aktion 7612345678901", "Coop"});
        catalogue_->add({7, "Angebot 7612345678900", "Coop"});
        catalogue_->exec("update ProductsTable set field24 = '7612345678900' where recordId = 5");
        catalogue_->setSettings("YES", "YES");
        ship();
        Run run(documents_->path(), resources_->path());
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Hinweis löschen"));
        TOP_SCREEN(list, SearchWidget, run.stack(0));
        QVERIFY(run.activate());
        QLineEdit* field = list->searchField();
        tap(field);
        QTRY_VERIFY(field->hasFocus());
        QTest::keyClicks(field, "kase");
        QTRY_COMPARE(rowName(list, 0, 0), QString("Frischkäse"));
        QCOMPARE(list->tableModel()->sectionCount(), 1);
        // Return searches and leaves the keyboard in the field, not nowhere.
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(field->hasFocus());

        const auto typeAnew = [field](const char* text) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(field, text);
        };
        typeAnew("7612345678900"); // the product with that code first, then the name hit
        QTRY_COMPARE(list->tableModel()->sectionCount(), 2);
        QCOMPARE(rowName(list, 0, 0), QString("Frischkäse"));
        QCOMPARE(rowName(list, 1, 0), QString("Angebot 7612345678900"));
        QVERIFY(list->searchHint()->isHidden());
        typeAnew("7612345678901"); // mistyped: said under the field, the name hit still shows
        QTRY_COMPARE(rowName(list, 0, 0), QString("Aktion 7612345678901"));
        QCOMPARE(list->tableModel()->sectionCount(), 1);
        QVERIFY(list->searchHint()->isVisible());
        QCOMPARE(list->searchHint()->text(), run.text("this barcode's check digit is wrong"));
        grab(run, "barcode-check-digit");
        typeAnew("0 7612 3456 78900"); // as GTIN-14, with spaces
        QTRY_COMPARE(rowName(list, 0, 0), QString("Frischkäse"));
        QVERIFY(list->searchHint()->isHidden());
        QVERIFY(list->ownProductButton()->isHidden());
        typeAnew("4006381333931"); // no product has it: the own product form takes it
        QTRY_VERIFY(reachable(list->ownProductButton()));
        tap(list->ownProductButton());
        TOP_SCREEN(form, AddProductWidget, run.stack(0));
        QCOMPARE(form->field(ProductField::Barcode)->text(), QString("4006381333931"));
    }

    void aProductWithBarsInItsTextsShowsWholeEverywhere() {
        const std::string name = "PIPE A|B|C Schoko", maker = "pipe|maker";
        // Per 100 g fat and salt red, saturates yellow, sugar green; alone in category 3, so no
        // light is "top". With 600 more products the update takes three pages. The reference
        // server imports them from its source file, under a line of the keys.
        QByteArray products;
        for (const char* key : catalogueRecordKeys)
            products += QByteArray(key) + (key == catalogueRecordKeys.back() ? "\n" : "\t");
        products += "PIPE A|B|C Schoko\tpipe|maker\t3\t0\t45\t2026-01-05 10:00:00\t0\tg\t"
                    "2000\t480\t50\t4.0\t25.0\t3.0\t1.6\t\t\t\t\t\t\t\t\t\t4711\n";
        for (int i = 0; i < 600; ++i)
            products += "Neu " + QByteArray::number(1000 + i) +
                        "\tServer\t1\t0\t100\t2018-03-01 10:00:00\t0\tg\t800\t190\t20\t3\t5\t"
                        "1\t0.4\t2\t4\t0\t0\t0\t0\t0\t0\t7610000000000\t" +
                        QByteArray::number(5000 + i) + "\n";
        catalogue_->setSettings("YES", "YES");
        ship();
        QTemporaryDir serverDir;
        QFile source(serverDir.filePath("products.tsv"));
        QVERIFY(source.open(QIODevice::WriteOnly) && source.write(products) == products.size());
        source.close();
        const std::string serverDb = serverDir.filePath("server.db").toStdString();
        QCOMPARE(runProgram({serverProgram(), "import", "--db", serverDb, "--products",
                             source.fileName().toStdString()}),
                 0);
        ServerProcess server(serverDb);
        Run run(documents_->path(), resources_->path(),
                {.server = QString::fromStdString(server.url())});
        // The update started with the start-up prompt's own button, until the whole list is there.
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Sync starten"));
        TOP_SCREEN(list, SearchWidget, run.stack(0));
        QTRY_VERIFY_WITH_TIMEOUT(run.alertSays("Verbindung wurde erfolgreich hergestellt und neue "
                                               "Einträge sind heruntergeladen."),
                                 120000);
        // The whole list is read on a worker at the run's end and swapped in right after (a list
        // taken during the run may already hold every row while that last one is read).
        QTRY_VERIFY_WITH_TIMEOUT(!run.delegate->catalogueService().rebuildPending(), 30000);
        QVERIFY(!list->progressPanel()->isVisible());
        // The bar counted the products of the total, not a busy animation.
        QCOMPARE(list->progressBar()->maximum(), 601);
        QCOMPARE(list->progressBar()->value(), 601);
        // "601 von 601 Produkten geladen", then "Seite 3 von 3", in whatever language the run uses.
        QVERIFY(list->progressLabel()->text().contains(QRegularExpression("^\\D*601\\D+601\\D")));
        QCOMPARE(list->model()->rowCount(), std::size_t(604));
        Run::closeAlerts();
        QCOMPARE(list->sideIndex()->letters(), QStringList({"A", "B", "C", "N", "P"}));
        QCOMPARE(rowName(list, 4, 0), QString::fromStdString(name));
        QCOMPARE(rowMaker(list, 4, 0), QString::fromStdString(maker));
        list->searchField()->setFocus();
        QTest::keyClicks(list->searchField(), "PIPE");
        QTRY_COMPARE(list->tableModel()->sectionCount(), 1);
        // Again, with the search shown: nothing newer, so no alert, the panel says so for two
        // seconds, and the search stays as typed.
        QToolButton* refresh = barButton(run.stack(0), list->refreshAction());
        QVERIFY(refresh);
        tap(refresh);
        QTRY_VERIFY_WITH_TIMEOUT(list->progressLabel()->text() ==
                                     run.text("Der Katalog ist auf dem neuesten Stand."),
                                 30000);
        QVERIFY(list->progressPanel()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!list->progressPanel()->isVisible(), 5000);
        QVERIFY(Run::alerts().isEmpty());
        QCOMPARE(list->searchField()->text(), QString("PIPE"));
        QCOMPARE(list->tableModel()->sectionCount(), 1);
        QCOMPARE(rowName(list, 0, 0), QString::fromStdString(name));
        QCOMPARE(rowMaker(list, 0, 0), QString::fromStdString(maker));

        tapRow(list, 0, 0);
        TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
        QCOMPARE(detail->nameLabel()->text(), QString::fromStdString(name));
        QCOMPARE(detail->makerLabel()->text(), QString::fromStdString(maker));
        ProductDetail& product = *detail->model();
        const char* values[] = {"25,0", "3,0", "4,0", "1,60", "480"}; // as the tables write
        const char* lights[] = {"ampel_red", "ampel_yellow", "ampel_green", "ampel_red"};
        for (int n = 0; n < 5; ++n) {
            QCOMPARE(product.row(1 + n).value, std::string(values[n]));
            if (n < 4) QCOMPARE(product.row(1 + n).picture, std::string(lights[n]));
        }

        tap(detail->turnButton());
        auto* gda = qobject_cast<ProductDetailsLandscapeWidget*>(run.delegate->landscapeView());
        QVERIFY(gda);
        QTRY_VERIFY(gda->isVisible());
        Run::closeAlerts(); // the first-launch hint
        QCOMPARE(gda->findChild<QLabel*>("landscapeName")->text(), QString::fromStdString(name));
        const char* percents[] = {"35\u00A0%", "15\u00A0%", "4\u00A0%", "26\u00A0%",
                                  "24\u00A0%"}; // of 100 g
        for (int bar = 0; bar < 5; ++bar)
            QCOMPARE(gda->model()->bars()[bar].percentLabel, std::string(percents[bar]));
        tap(gda->turnBackButton());
        QTRY_VERIFY(detail->isVisible());

        tap(detail->favoriteButton());
        CheckPickerView* picker = detail->picker();
        QTRY_VERIFY(picker->isVisible());
        QTest::mouseClick(picker, Qt::LeftButton, {}, picker->rowCentre(2)); // the first folder
        QTRY_VERIFY(!picker->isScrolling());
        QVERIFY(product.pickerViewSelectionStateForRow(0));
        FakeNavigation navigation;
        Database& db = run.delegate->getDBObj();
        FavoriteVCFolderNew contents(run.context->platform(), db, navigation, "1", "");
        contents.viewWillAppear();
        QCOMPARE(contents.numberOfRows(), 1);
        QCOMPARE(contents.row(0).name, name);
        QCOMPARE(contents.row(0).maker, maker);
        QCOMPARE(contents.row(0).amount, std::string("100\u00A0g"));
        QCOMPARE(PlannerStore(db).selectCaloryValueForUpdation(FolderId{1}), std::string("480"));
    }
#endif
};

QTEST_MAIN(BrowseRoadsTest)
#include "BrowseRoadsTest.moc"
