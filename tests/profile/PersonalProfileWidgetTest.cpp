// The profile widget pressed as a user does: the body wheels, the activity row and its wheel,
// the typed daily calories, and leaving.
#include "screens/profile/PersonalProfileWidget.h"
#include "platform/Platform.h"
#include "screens/common/WheelPicker.h"
#include "store/Database.h"
#include "tests/support/TestCatalogue.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

namespace {

bool clickAt(QWidget* widget, QPoint at = {}) {
    QTest::qWait(20);
    if (!widget || !widget->isVisible()) return false;
    if (at.isNull()) at = widget->rect().center();
    QWidget* window = widget->window();
    const QPoint inWindow = widget->mapTo(window, at);
    QWidget* hit = window->childAt(inWindow);
    if (!hit || (hit != widget && !widget->isAncestorOf(hit))) return false;
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window, inWindow));
    return true;
}

bool clickWheelRow(WheelPicker* wheel, const QString& title) {
    const int row = int(wheel->rows().indexOf(title));
    if (row < 0) return false;
    for (int guard = 0; wheel->rowRect(row).isEmpty() && guard < 200; ++guard) {
        const int step = row > wheel->currentRow() ? 2 : -2;
        if (!clickAt(wheel, wheel->rowRect(wheel->currentRow() + step).center())) return false;
    }
    return clickAt(wheel, wheel->rowRect(row).center()) && wheel->currentRow() == row;
}

} // namespace

class PersonalProfileWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void weightActivityAndTypedCalories() {
        QDir::setSearchPaths("pictures", {TOLVANE_PICTURES_DIR});
        TestCatalogue catalogue;
        FakePlatform fake;
        fake.strings.set("%@ cm", "%@ cm");
        fake.strings.set("%@ kg", "%@ kg");
        fake.strings.set("%@ (kg)", "%@ (kg)");
        fake.strings.set("körperlich anstrengend", "very active");
        Database shared(catalogue.path(), fake.log);
        shared.createPersonalProfileTable();
        shared.InsertIntoPersonalProfileTable();
        FakeNavigation navigation;
        auto model = std::make_shared<PersonalProfileVC>(fake.platform(), shared, navigation);
        auto widget = std::make_unique<PersonalProfileWidget>(model, fake.strings);
        widget->resize(320, 440);
        widget->show();
        QVERIFY(QTest::qWaitForWindowActive(widget.get()));

        auto* weight = widget->bodyWheel(BodyColumn::Weight);
        QCOMPARE(weight->rows().at(weight->currentRow()), QString("57 kg"));
        QCOMPARE(widget->rowValue(ProfileFigure::Bmi)->text(), QString("20.9"));
        QVERIFY(clickWheelRow(weight, "60 kg"));
        // Female, 30, 165 cm, 60 kg: BMI 22.0; level 2 gives 1320.25 x 1.55 = 2046.4.
        QCOMPARE(widget->rowValue(ProfileFigure::Bmi)->text(), QString("22.0"));
        QCOMPARE(widget->caloriesField()->text(), QString("2046"));

        QVERIFY(!widget->activityWheel()->isVisible());
        QVERIFY(clickAt(widget->tableRow(ProfileFigure::ActivityLevel)));
        QVERIFY(widget->activityWheel()->isVisible());
        const QString shots = qEnvironmentVariable("TOLVANE_WIDGET_SHOTS");
        if (!shots.isEmpty()) widget->grab().save(shots + "/personal-profile-activity.png");
        QVERIFY(clickWheelRow(widget->activityWheel(), "very active"));
        QVERIFY(!widget->activityWheel()->isVisible());
        QCOMPARE(widget->rowValue(ProfileFigure::ActivityLevel)->text(), QString("very active"));
        QCOMPARE(widget->caloriesField()->text(), QString("2508")); // 1320.25 x 1.9

        // A figure typed over it and confirmed with Return.
        QVERIFY(clickAt(widget->caloriesField()));
        QVERIFY(model->editingDailyCalories());
        QTest::keyClick(widget->caloriesField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(widget->caloriesField(), "2400");
        QTest::keyClick(widget->caloriesField(), Qt::Key_Return);
        QCOMPARE(int(fake.alerts.shown().size()), 1);
        QCOMPARE(QString::fromStdString(fake.alerts.shown()[0].title),
                 QString("Thank you for your input"));
        QCOMPARE(widget->caloriesField()->text(), QString("2400"));

        // Typing again and leaving mid-edit keeps the new figure.
        QVERIFY(clickAt(widget->caloriesField()));
        QTest::keyClick(widget->caloriesField(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(widget->caloriesField(), "2222");
        widget->hide();
        QCOMPARE(QString::fromStdString(shared.selectCaloryValueFromPersonalProfileTable()),
                 QString("2222"));
        QVERIFY(shared.selectPersonalProfileData() ==
                (ProfileRow{"F", "30", "165", "60", "22.0", "59.9", "4", "2222", "5.5", "132",
                            "metric"}));
        widget.reset();
    }
};

QTEST_MAIN(PersonalProfileWidgetTest)
#include "PersonalProfileWidgetTest.moc"
