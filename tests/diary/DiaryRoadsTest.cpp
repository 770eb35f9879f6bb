// The diary walked in the running shell as a user does: a product eaten from its detail, the
// day in the diary's tab, the entry moved to yesterday, the week chart and a day opened from it.
#include "screens/browse/SearchWidget.h"
#include "screens/detail/ProductDetailWidget.h"
#include "screens/diary/DiaryChartWidget.h"
#include "screens/diary/DiaryDayWidget.h"
#include "screens/diary/DiaryEntryWidget.h"
#include "screens/planner/MenuFolderWidget.h"
#include "tests/support/ShellRun.h"
#include "tests/support/TestCatalogue.h"

#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvane;
using namespace tolvane::test;

namespace {

QList<QWidget*> allEntries(DiaryDayWidget* day) {
    QList<QWidget*> rows;
    for (int m = 0; m < kMealCount; ++m)
        rows += day->entryRows(static_cast<Meal>(m));
    return rows;
}

} // namespace

class DiaryRoadsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { NavigationStack::setAnimated(false); }
    void cleanup() { Run::closeAlerts(); }

    void eatenFromTheDetailMovedToYesterdayAndFoundFromTheWeek_data() {
        QTest::addColumn<QString>("lang");
        for (const char* lang : {"de", "en", "es", "fr", "it", "ru"})
            QTest::newRow(lang) << QString(lang);
    }
    void eatenFromTheDetailMovedToYesterdayAndFoundFromTheWeek() {
        QFETCH(QString, lang);
        QTemporaryDir documents, resources;
        TestCatalogue catalogue;
        catalogue.addCategory(1, "Snacks");
        catalogue.add({1, "Laugenbrezel mit grobem Salz und Butter aus der Backstube", "Beck", "1",
                       "4", "1", "2", "2.1", "380", "g", "80"});
        catalogue.add(chips());
        QVERIFY(shipInto(resources, catalogue.path()));
        Run run(documents.path(), resources.path(), {.device = {lang.toStdString()}});
        QWidget* window = run.delegate->window();
        auto check = [&](const char* screen) {
            const QStringList faults = screenFaults(window);
            QVERIFY2(faults.isEmpty(), qPrintable(lang + " " + screen + ": " + faults.join(", ")));
        };
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Hinweis löschen"));

        TOP_SCREEN(list, SearchWidget, run.stack(0));
        QTRY_VERIFY(list->tableModel()->sectionCount() > 0);
        tapRow(list, 1, 0); // "L": the long Brezel
        TOP_SCREEN(detail, ProductDetailWidget, run.stack(0));
        QCOMPARE(detail->eatenButton()->text(), run.text("Gegessen"));
        detail->findChild<QScrollArea*>()->ensureWidgetVisible(detail->eatenButton());
        tap(detail->eatenButton());
        TOP_SCREEN(entry, DiaryEntryWidget, run.stack(0));
        check("new diary entry");
        QCOMPARE(entry->quickButtons().size(), 2); // 100 g and the pack
        tap(entry->quickButtons()[1]);
        QCOMPARE(entry->amountField()->text(), QString("80"));
        tap(barButton(run.stack(0), entry->saveAction()));
        QCOMPARE(run.stack(0).topWidget(), static_cast<QWidget*>(detail));

        // The diary: the row above the planner's folders.
        tap(run.tabs().tabButton(kMenuListTab));
        QVERIFY(run.answer("Hinweis löschen"));
        TOP_SCREEN(folders, MenuFolderWidget, run.stack(kMenuListTab));
        QVERIFY(folders->diaryRow()->isVisible());
        tap(folders->diaryRow());
        TOP_SCREEN(day, DiaryDayWidget, run.stack(kMenuListTab));
        check("diary day");
        QCOMPARE(allEntries(day).size(), 1);
        // Moved to yesterday from the entry itself.
        tap(allEntries(day).front());
        TOP_SCREEN(edit, DiaryEntryWidget, run.stack(kMenuListTab));
        check("diary entry");
        QVERIFY(edit->deleteButton()->isVisible());
        tap(edit->previousDayButton());
        tap(barButton(run.stack(kMenuListTab), edit->saveAction()));
        QCOMPARE(run.stack(kMenuListTab).topWidget(), static_cast<QWidget*>(day));
        QTRY_COMPARE(allEntries(day).size(), 0);
        tap(day->previousButton());
        QTRY_COMPARE(allEntries(day).size(), 1);
        const std::string yesterday = day->model()->day();
        tap(day->todayButton());
        QCOMPARE(allEntries(day).size(), 0);

        // The week: yesterday's bar opens yesterday (on a Monday it lies in the week before).
        tap(day->weekButton());
        TOP_SCREEN(week, DiaryChartWidget, run.stack(kMenuListTab));
        check("week chart");
        if (week->model()->days().front().day > yesterday) tap(week->previousButton());
        int index = -1;
        for (int i = 0; i < static_cast<int>(week->model()->days().size()); ++i)
            if (week->model()->days()[static_cast<std::size_t>(i)].day == yesterday) index = i;
        QVERIFY(index >= 0);
        QVERIFY(week->model()->days()[static_cast<std::size_t>(index)].kcal > 300);
        tapAt(week->chart(), week->chart()->dayRect(index).center());
        TOP_SCREEN(opened, DiaryDayWidget, run.stack(kMenuListTab));
        QCOMPARE(opened->model()->day(), yesterday);
        QTRY_COMPARE(allEntries(opened).size(), 1);
        tap(run.stack(kMenuListTab).backButton());
        tap(run.stack(kMenuListTab).backButton());
        tap(day->monthButton());
        TOP_SCREEN(monthChart, DiaryChartWidget, run.stack(kMenuListTab));
        check("month chart");
        tap(run.stack(kMenuListTab).backButton());
        tap(run.stack(kMenuListTab).backButton());
        // Back on the folders: today's energy beside the diary's row, none eaten today now.
        QCOMPARE(run.stack(kMenuListTab).topWidget(), static_cast<QWidget*>(folders));
        QVERIFY(folders->diaryRow()->accessibleName().contains(QString("0") + QChar(0x00a0)));
    }
};

QTEST_MAIN(DiaryRoadsTest)
#include "DiaryRoadsTest.moc"
