// Every alert the program can show, in each interface language: the card lies inside the
// handheld window and is centred over it, its title and buttons are the texts of their keys in
// the given order (first left, or on top when stacked), every text fits its button, a tapped
// button answers its index and Escape the harmless button's, once.
// ctest runs this at scale 1 and 2 (QT_SCALE_FACTOR).
#include "app/StyleSheet.h"
#include "app/Tolvane_AppDelegate.h"
#include "app/platform/AlertBox.h"
#include "app/platform/QtAlerts.h"
#include "app/platform/QtStrings.h"
#include "platform/Log.h"
#include "screens/detail/ProductDetail.h"
#include "screens/ownproducts/AddProductVC.h"
#include "screens/ownproducts/ManageProductsVC.h"
#include "screens/planner/AddMenuFolderVC.h"
#include "screens/profile/PersonalProfileVC.h"
#include "tests/support/WidgetTaps.h"

#include <QLabel>
#include <QPushButton>

using namespace tolvane;
using namespace tolvane::test;

namespace {

struct Case {
    AlertRequest alert;
    bool landscape = false; // shown over the turned window
};

// A message with a long documents path in the place of its "%@", as the start-up fills it in.
std::string filledPath(std::string message) {
    const std::string path =
        "/home/a-rather-long-user-name/.local/share/Tolvane/Documents-of-this-user/Tolvane.db";
    message.replace(message.find("%@"), 2, path);
    return message;
}

// An untitled alert with "OK", and the start-up's "Error!!!" naming a file.
Case plain(std::string message, bool landscape = false) {
    return {{"", std::move(message), {"OK"}}, landscape};
}
Case fileError(const std::string& message, const char* button = "OK") {
    return {{"Error!!!", filledPath(message), {button}}};
}

// Every alert of the program, as its screens ask for it.
std::vector<Case> everyAlert() {
    return {
        {{"Error!!!", "Failed to create writable database", {"Cancel"}}},
        {{"Sync-Benachrichtigung",
          "Bitte synchronisieren Sie Ihr App",
          {"Hinweis löschen", "Sync starten", "Startmenü Später erinnern"},
          2}},
        plain("Keine Daten im Speicher vorhanden. Bitte laden Sie zuerst die aktuellen Daten "
              "herunter."),
        {{"Keine Treffer", "Keine Produkte oder Hersteller entsprechen Ihrer Eingabe", {"OK"}}},
        {{"", ProductDetail::removeFavoriteQuestionKey(), {"Ja", "Nein"}, 1}},
        {{"", ManageProductsVC::deleteFiledQuestionKey(), {"Ja", "Nein"}, 1}},
        plain(ProductDetail::goneKey()),
        {{"GDA-Info", "Hilfe zur GDA-Nutzung", {"OK"}}, true},
        plain("Der eingegebene Wert ist zu groß. Bitte überprüfen Sie Ihre Eingabe.", true),
        {{"Setup-Info", "Hilfe zur Setupnutzung", {"OK"}}},
        plain("Keine Datenverbindung verfügbar"),
        plain("Die Datenverbindung wurde unterbrochen und der Download angehalten. Bitte "
              "synchronisieren Sie erneut für alle Produkte"),
        plain("Verbindung wurde erfolgreich hergestellt und neue Einträge sind heruntergeladen."),
        {{"Speiseplan-Info",
          "Hilfe zur Speiseplannutzung",
          {"Hinweis löschen", "Später erinnern"}}},
        {{"Pop-Up Add Folder", "", {"Ok"}}},
        {{"Pop-Up Add Folder2", "", {"Ok"}}},
        plain(AddMenuFolderVC::folderNotStoredKey()),
        {{"Error Message Consumption Amount Nil", "", {"Ok"}}},
        {{"Error Message Consumption Amount", "", {"Ok"}}},
        {{"Rate MyApp",
          "If you like MyApp, please take the time, etc",
          {"No, Thanks", "Rate It Now"}}},
        plain("Die Antwort des Servers konnte nicht gelesen werden. Bitte versuchen Sie es später "
              "erneut."),
        plain("Nicht genügend freier Speicherplatz: Der Download wurde angehalten. Bitte geben Sie "
              "Speicherplatz frei und synchronisieren Sie erneut."),
        plain("Die Datenbank ist schreibgeschützt: Der Download wurde angehalten. Tolvane kann "
              "Neues erst speichern, wenn Datei und Ordner beschreibbar sind."),
        // Start-up problems name the file: a long path has no blank to wrap at.
        fileError("Die Datenbank %@ ist beschädigt und kann nicht gelesen werden. Die Datei "
                  "bleibt unverändert; Tolvane wird beendet."),
        fileError("Die Datenbank %@ wird von einem anderen Programm benutzt. Die Datei bleibt "
                  "unverändert; Tolvane wird beendet. Bitte starten Sie Tolvane später erneut."),
        fileError("Neben der Datenbank %@ liegt das Journal eines unterbrochenen Schreibvorgangs, "
                  "den Tolvane nur in einem beschreibbaren Ordner abschließen kann. Bitte machen "
                  "Sie den Ordner beschreibbar; die Datei bleibt unverändert. Tolvane wird "
                  "beendet."),
        fileError("Der Ordner %@ ist schreibgeschützt. Tolvane zeigt Ihre Daten an, kann aber "
                  "keine Änderungen speichern."),
        fileError("Failed to create writable database file with message '%@'.", "Cancel"),
        plain(Tolvane_AppDelegate::alreadyRunningKey()),
        fileError(Tolvane_AppDelegate::lockFileKey()),
        plain(AddProductVC::requiredFieldsKey()),
        plain(AddProductVC::decimalPlacesKey()),
        plain(AddProductVC::saveFailedKey()),
        plain(AddProductVC::changesNotSavedKey()),
        plain(ManageProductsVC::deleteFailedKey()),
        {{"Error Message Consumption Amount", "", {"OK"}}},
        {{"Pop-Up Personal Profile", "", {"OK"}}},
        {{"Thank you for your input", "", {"OK"}}},
        plain(PersonalProfileVC::profileNotReadKey()),
    };
}

QRect globalRect(const QWidget* widget) {
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

} // namespace

class AlertsFitTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setStyleSheet(styleSheet()); }

    void everyAlertFitsTheWindowWithItsButtonsInOrder() {
        const QStringList languages{"de", "en", "es", "fr", "it", "ru"};
        for (int language = 0; language < languages.size(); ++language) {
            const QString& lang = languages[language];
            NullLog log;
            QtStrings strings(TOLVANE_STRINGS_DIR, lang, log);
            QtAlerts alerts(strings);
            for (const Case& c : everyAlert()) {
                QWidget window;
                window.setFixedSize(c.landscape ? QSize(480, 320) : QSize(320, 480));
                window.move(40, 30);
                window.show();
                alerts.setWindow(&window);
                int answered = -1;
                int answers = 0;
                alerts.show(c.alert, [&](int i) {
                    answered = i;
                    ++answers;
                });
                QCOMPARE(AlertBox::shown().size(), 1);
                AlertBox* box = AlertBox::shown().front();
                QCoreApplication::processEvents();
                const QString where = lang + " \"" + QString::fromStdString(c.alert.message) + "\"";
                // A byte array, not qPrintable's pointer into a temporary: it lives to the
                // end of the check that prints it.
                const auto what = [&](const char* check) {
                    return (where + ": " + check).toUtf8();
                };

                QCOMPARE(box->title(), QString::fromStdString(strings.text(c.alert.title)));
                const QRect area = globalRect(&window);
                const QRect card = globalRect(box);
                QVERIFY2(area.contains(card), what("inside the window"));
                QVERIFY2((card.center() - area.center()).manhattanLength() <= 2, what("centred"));
                // No text is cut: every label is as wide as its longest unbreakable word.
                for (QLabel* label : box->findChildren<QLabel*>())
                    if (label->isVisible() && !label->text().isEmpty())
                        QVERIFY2(label->minimumSizeHint().width() <= label->width(),
                                 what("text not cut"));

                const auto& buttons = box->buttons();
                QCOMPARE(buttons.size(), qsizetype(c.alert.buttons.size()));
                for (qsizetype i = 0; i < buttons.size(); ++i) {
                    QPushButton* button = buttons[i];
                    QCOMPARE(button->text(),
                             QString::fromStdString(strings.text(c.alert.buttons[std::size_t(i)])));
                    QVERIFY2(card.contains(globalRect(button)), what("button inside the card"));
                    QVERIFY2(button->height() >= button->heightForWidth(button->width()),
                             what("button text fits"));
                    QVERIFY2(reachable(button), what("button takes its click"));
                    if (i == 0) continue;
                    const QRect before = globalRect(buttons[i - 1]);
                    const QRect now = globalRect(button);
                    if (box->buttonsStacked())
                        QVERIFY2(now.top() > before.bottom(), what("stacked in order"));
                    else
                        QVERIFY2(now.left() > before.right() && now.top() == before.top(),
                                 what("side by side in order"));
                }
                // Each language taps another button; Escape where the alert names a harmless
                // one, after which the box takes no other answer.
                const int pick =
                    c.alert.escapeButton ? c.alert.escapeButton : language % int(buttons.size());
                if (c.alert.escapeButton) {
                    QTest::keyClick(box, Qt::Key_Escape);
                    QTest::mouseClick(buttons.front(), Qt::LeftButton);
                } else {
                    tap(buttons[pick]);
                }
                QCOMPARE(answered, pick);
                QCOMPARE(answers, 1);
                QTRY_VERIFY(AlertBox::shown().isEmpty());
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
    }
};

QTEST_MAIN(AlertsFitTest)
#include "AlertsFitTest.moc"
