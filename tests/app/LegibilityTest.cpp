// Texts a user must be able to read at scale 1: help tables in every language, and the
// no-data light's lettering.
#include "app/StyleSheet.h"
#include "app/platform/QtStrings.h"
#include "platform/Log.h"
#include "screens/settings/HelpBrowser.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTest>
#include <QTextLayout>
#include <QVBoxLayout>

using namespace tolvane;

namespace {

const QStringList languages{"de", "en", "es", "fr", "it", "ru"};

// A line that ends inside a word: the last character and the next one are both letters.
QString brokenWord(const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QString text = block.text();
        for (int i = 0; layout && i + 1 < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const int end = line.textStart() + line.textLength();
            if (end <= 0 || end >= text.size()) continue;
            if (text.at(end - 1).isLetterOrNumber() && text.at(end).isLetterOrNumber())
                return text.left(end) + "|" + text.mid(end);
        }
    }
    return {};
}

} // namespace

class LegibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { qApp->setStyleSheet(styleSheet()); }

    void helpTablesWrapBetweenWordsAndFitTheScreen() {
        // Each page with the width of the window it is shown in.
        const std::pair<const char*, int> pages[] = {{"AmpelInfosText", 320},
                                                     {"BMI Infotext", 320},
                                                     {"Activity Level Infotext", 320},
                                                     {"GDAInfoText", 480}};
        for (const QString& lang : languages) {
            NullLog log;
            QtStrings strings(TOLVANE_STRINGS_DIR, lang, log);
            for (const auto& [key, width] : pages) {
                const QString html = QString::fromStdString(strings.text(key));
                QVERIFY2(html.contains("<table"), key);
                QWidget window;
                window.setFixedSize(width, 480 - 44 - 49);
                auto* layout = new QVBoxLayout(&window);
                layout->setContentsMargins(0, 0, 0, 0);
                auto* browser = new HelpBrowser(TOLVANE_PICTURES_DIR "/..", {}, {}, &window);
                browser->setProperty("transparent", width == 320);
                layout->addWidget(browser);
                window.show();
                browser->showHtml(html);
                QCoreApplication::processEvents();
                const QString where = lang + " " + key;
                const QString broken = brokenWord(*browser->document());
                QVERIFY2(broken.isEmpty(), qPrintable(where + ": " + broken));
                // Pages never scroll sideways; what sticks out may only use the page margin.
                const QTextDocument& document = *browser->document();
                const double overrun = document.idealWidth() - browser->viewport()->width();
                QVERIFY2(
                    overrun <= document.documentMargin(),
                    qPrintable(where + " is wider than the screen by " + QString::number(overrun)));
            }
        }
    }

    // The detail draws a light into a 32-point square; the no-data lettering must be at least
    // 9 points high there.
    void noDataLightLetteringIsLegible() {
        for (const QString& lang : languages) {
            const QString file = TOLVANE_PICTURES_DIR "/ampel_neutral_" + lang + ".svg";
            QSvgRenderer renderer(file);
            QVERIFY2(renderer.isValid(), qPrintable(file));
            QFile svg(file);
            QVERIFY(svg.open(QIODevice::ReadOnly));
            const auto match = QRegularExpression("font-size=\"([0-9.]+)\"")
                                   .match(QString::fromUtf8(svg.readAll()));
            QVERIFY2(match.hasMatch(), qPrintable(file));
            const QSizeF box = renderer.viewBoxF().size();
            const double scale = std::min(32.0 / box.width(), 32.0 / box.height());
            QVERIFY2(match.captured(1).toDouble() * scale >= 9.0, qPrintable(file));
        }
    }
};

QTEST_MAIN(LegibilityTest)
#include "LegibilityTest.moc"
