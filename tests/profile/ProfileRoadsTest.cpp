// The personal profile through the running shell: opened from the settings, weight and
// activity changed with the mouse, a figure typed over them, and back on the settings and in the
// planner's folder summary the new daily calories count.
#include "screens/filing/PlannerWrites.h"
#include "screens/planner/MenuFolderWidget.h"
#include "screens/planner/PlannerListView.h"
#include "screens/planner/ProductDetailPortraitWidget.h"
#include "screens/profile/PersonalProfileWidget.h"
#include "screens/settings/SetupWidget.h"
#include "store/CatalogueStore.h"
#include "store/SettingsStore.h"
#include "tests/support/ShellRun.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WheelTaps.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace tolvane;
using namespace tolvane::test;

namespace {

// The texts on the settings row of the profile.
QStringList rowTexts(SetupWidget* setup) {
    QStringList texts;
    for (auto* label : setup->row(SetupRowId::PersonalProfile)->findChildren<QLabel*>())
        if (label->isVisible()) texts << label->text();
    return texts;
}

} // namespace

class ProfileRoadsTest : public QObject {
    Q_OBJECT

private slots:
    void weightAndActivityChangeTheSettingsCalories() {
        NavigationStack::setAnimated(false);
        QTemporaryDir documents;
        QTemporaryDir resources;
        TestCatalogue catalogue;
        catalogue.addCategory(1, "Snacks");
        catalogue.add(chips());
        QVERIFY(shipInto(resources, catalogue.path()));

        Run run(documents.path(), resources.path(), {.server = "http://127.0.0.1:9/"});
        QTRY_VERIFY(!Run::alerts().isEmpty());
        QVERIFY(run.answer("Hinweis löschen"));
        tap(run.delegate->tabBarVC()->tabButton(3));
        Run::closeAlerts();
        TOP_SCREEN(setup, SetupWidget, run.stack(3));
        QTRY_VERIFY(rowTexts(setup).join(' ').contains("2.000\u00A0kcal"));

        tap(setup->row(SetupRowId::PersonalProfile));
        TOP_SCREEN(profile, PersonalProfileWidget, run.stack(3));
        auto* weight = profile->findChild<WheelPicker*>("bodyWheel3");
        auto* calories = profile->findChild<QLineEdit*>("caloriesField");
        QTRY_VERIFY(weight->currentRow() > 0);
        // 57 kg to 60 kg.
        QVERIFY(tapWheelRow(weight, weight->rows().at(weight->currentRow() + 3)));
        // Female, 30, 165 cm, 60 kg: BMI 22.0; level 2 gives 1320.25 x 1.55 = 2046.4.
        QCOMPARE(profile->rowValue(ProfileFigure::Bmi)->text(), QString("22,0"));
        QCOMPARE(calories->text(), QString("2046"));
        tap(profile->tableRow(ProfileFigure::ActivityLevel));
        QVERIFY(tapWheelRow(profile->activityWheel(),
                            profile->activityWheel()->rows().last())); // the most active
        QCOMPARE(calories->text(), QString("2508"));                   // 1320.25 x 1.9

        // A notch of the mouse wheel, as the window receives it: over a wheel the user has not
        // taken up it is the page's; over the open activity wheel it shows the next row, and
        // only a click chooses.
        const auto notch = [](QWidget* over, int delta) {
            QWidget* top = over->window();
            const QPointF at = over->mapTo(top, QPointF(over->rect().center()));
            QWheelEvent wheel(at, top->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, {},
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(top->windowHandle(), &wheel);
        };
        auto* age = profile->findChild<WheelPicker*>("bodyWheel1");
        const int ageRow = age->currentRow();
        notch(age, -120);
        QCOMPARE(age->currentRow(), ageRow);
        QCOMPARE(calories->text(), QString("2508"));
        tap(profile->tableRow(ProfileFigure::ActivityLevel));
        WheelPicker* activity = profile->activityWheel();
        QTRY_VERIFY(reachable(activity));
        const int level = activity->currentRow();
        notch(activity, 120);
        QCOMPARE(activity->currentRow(), level - 1);
        QVERIFY(activity->isVisible());
        QCOMPARE(calories->text(), QString("2508"));
        notch(activity, -120);
        QCOMPARE(activity->currentRow(), level);
        tapAt(activity, activity->rowRect(level).center());
        QTRY_VERIFY(!activity->isVisible());
        QCOMPARE(calories->text(), QString("2508"));

        // The arrow keys do as the notch: a body wheel taken up by Tab shows the next row and
        // turns back when left unchosen; only Return chooses.
        QVERIFY(run.activate());
        age->setFocus(Qt::TabFocusReason);
        QTest::keyClick(age, Qt::Key_Down);
        QCOMPARE(age->currentRow(), ageRow + 1);
        QCOMPARE(calories->text(), QString("2508"));
        QTest::keyClick(age, Qt::Key_Tab);
        QCOMPARE(age->currentRow(), ageRow);
        QCOMPARE(calories->text(), QString("2508"));
        age->setFocus(Qt::TabFocusReason);
        QTest::keyClick(age, Qt::Key_Up);
        QTest::keyClick(age, Qt::Key_Return);
        QCOMPARE(age->currentRow(), ageRow - 1);
        QVERIFY(calories->text() != "2508"); // a year younger needs more
        QTest::keyClick(age, Qt::Key_Down);
        QTest::keyClick(age, Qt::Key_Return);
        QCOMPARE(calories->text(), QString("2508"));
        // The open activity wheel, opened from the keyboard: Up shows the row above and keeps
        // the wheel; Return chooses it and the wheel goes.
        QWidget* activityRow = profile->tableRow(ProfileFigure::ActivityLevel);
        activityRow->setFocus(Qt::TabFocusReason);
        QTest::keyClick(activityRow, Qt::Key_Return);
        QTRY_VERIFY(activity->isVisible() && activity->hasFocus());
        QTest::keyClick(activity, Qt::Key_Up);
        QCOMPARE(activity->currentRow(), level - 1);
        QVERIFY(activity->isVisible());
        QCOMPARE(calories->text(), QString("2508"));
        QTest::keyClick(activity, Qt::Key_Down);
        QTest::keyClick(activity, Qt::Key_Return);
        QTRY_VERIFY(!activity->isVisible());
        QCOMPARE(calories->text(), QString("2508"));
        grab(run, "profile-changed");

        // A figure typed over it and confirmed with Return is thanked for and kept.
        QVERIFY(run.activate());
        tap(calories);
        QTest::keyClick(calories, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(calories, "2400");
        QTest::keyClick(calories, Qt::Key_Return);
        QCOMPARE(Run::alerts().size(), 1);
        Run::closeAlerts();
        QCOMPARE(calories->text(), QString("2400"));

        tap(run.stack(3).backButton());
        QCOMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(setup));
        QTRY_VERIFY2(rowTexts(setup).join(' ').contains("2.400\u00A0kcal"),
                     qPrintable(rowTexts(setup).join('|')));
        Database& db = run.delegate->getDBObj();
        QVERIFY(SettingsStore(db).selectPersonalProfileData() ==
                (ProfileRow{"F", "30", "165", "60", "22.0", "59.9", "4", "2400", "5.5", "132",
                            "metric"}));

        // The planner's folder summary measures against the new daily calories: 500 kcal of
        // Chips against (2400 / 20) / 100 = 1.2 times the guideline 2000 kcal.
        PlannerWrites(db).fileProduct(CatalogueStore(db).selectProductDetail(ProductId{2}).value(),
                                      FolderId{1});
        tap(run.delegate->tabBarVC()->tabButton(1));
        Run::closeAlerts();
        TOP_SCREEN(folders, MenuFolderWidget, run.stack(1));
        tapAt(folders->list(), folders->list()->rowRect(0).center());
        TOP_SCREEN(summary, ProductDetailPortraitWidget, run.stack(1));
        QVERIFY(!summary->model()->fixedReferences());
        QCOMPARE(summary->model()->bars()[index(Nutrient::Energy)].percentLabel,
                 std::string("20\u00A0%"));
        tap(run.stack(1).backButton());
        QCOMPARE(run.stack(1).depth(), 1);
        tap(run.delegate->tabBarVC()->tabButton(3));
        QCOMPARE(run.stack(3).topWidget(), static_cast<QWidget*>(setup));

        // With the slide on, the profile is written only once it has slid out; a figure still
        // being typed when the screen is left is taken.
        NavigationStack::setAnimated(true);
        tap(setup->row(SetupRowId::PersonalProfile));
        profile = qobject_cast<PersonalProfileWidget*>(run.stack(3).topWidget());
        QVERIFY(profile);
        QTRY_VERIFY(profile->pos() == QPoint(0, 0));
        tap(profile->tableRow(ProfileFigure::ActivityLevel));
        QTRY_VERIFY(reachable(profile->activityWheel()));
        QVERIFY(tapWheelRow(profile->activityWheel(), profile->activityWheel()->rows().at(2)));
        calories = profile->findChild<QLineEdit*>("caloriesField");
        QVERIFY(calories->text() != "2400");
        QVERIFY(run.activate());
        tap(calories);
        QTest::keyClick(calories, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(calories, "2222");
        tap(run.stack(3).backButton());
        QTRY_VERIFY2(rowTexts(setup).join(' ').contains("2.222\u00A0kcal"),
                     qPrintable(rowTexts(setup).join('|')));
        QCOMPARE(SettingsStore(db).selectCaloryValueFromPersonalProfileTable(),
                 std::string("2222"));
        NavigationStack::setAnimated(false);
    }
};

QTEST_MAIN(ProfileRoadsTest)
#include "ProfileRoadsTest.moc"
