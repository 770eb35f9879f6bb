// The scan screen reading pictures dropped or chosen, through its real model on the catalogue
// service and the program's dispatcher: a named pipe, a corrupt file and a phone photo of 48
// megapixels, each read while the screen goes on taking events.
#include "app/platform/QtDispatcher.h"
#include "format/Gtin.h"
#include "screens/browse/ScanWidget.h"
#include "screens/browse/SearchVC.h"
#include "screens/detail/ProductDetail.h"
#include "store/Database.h"
#include "tests/support/GuardedFifo.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/TestCatalogue.h"
#include "tests/support/WidgetTaps.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace tolvane;
using namespace tolvane::test;

class ScanPictureTest : public QObject {
    Q_OBJECT

private:
    FakePlatform fake_;
    std::unique_ptr<QtDispatcher> dispatcher_;
    std::unique_ptr<TestCatalogue> catalogue_;
    std::unique_ptr<Database> shared_;
    std::unique_ptr<CatalogueService> service_;
    std::unique_ptr<FakeNavigation> navigation_;
    std::unique_ptr<SearchVC> list_;
    std::unique_ptr<QTemporaryDir> dir_;
    QTemporaryDir photos_;
    QString phonePhoto_; // 48 megapixels, the code of the catalogue's product small on it

    Platform platform() {
        return {fake_.defaults, fake_.strings, fake_.alerts, fake_.analytics,
                fake_.log,      *dispatcher_,  fake_.urls};
    }

    // The picture dropped onto the list: the scan screen as the shell makes it, shown.
    std::unique_ptr<ScanWidget> drop(const QString& path) {
        list_->scan(path.toStdString());
        auto model = std::dynamic_pointer_cast<ScanVC>(navigation_->top());
        if (!model) return nullptr;
        auto widget = std::make_unique<ScanWidget>(model, fake_.strings, *dispatcher_);
        widget->resize(320, 436);
        widget->show();
        return widget;
    }
    static QString said(const char* key) { return QString::fromUtf8(key); }

private slots:
    void initTestCase() {
        phonePhoto_ = photos_.filePath("phone.jpg");
        QVERIFY(saveLargePhoto(drawBarcode(Symbology::Ean13, "4006381333931", 3), phonePhoto_));
    }
    void init() {
        dispatcher_ = std::make_unique<QtDispatcher>();
        navigation_ = std::make_unique<FakeNavigation>();
        fake_.defaults.registerDefaults({{"isfirstLaunchSearch", false}});
        catalogue_ = std::make_unique<TestCatalogue>();
        catalogue_->add({.id = 1, .name = "Äpfel", .maker = "Bauer"});
        catalogue_->exec("update ProductsTable set field24 = '4006381333931' where recordId = 1");
        shared_ = std::make_unique<Database>(catalogue_->path(), fake_.log);
        service_ = std::make_unique<CatalogueService>(platform(), *shared_, serverBaseUrl());
        list_ = std::make_unique<SearchVC>(platform(), *shared_, *service_, *navigation_);
        list_->viewDidLoad();
        dir_ = std::make_unique<QTemporaryDir>();
    }
    void cleanup() {
        list_.reset();
        navigation_.reset();
        service_.reset();
    }

    // A named pipe dropped or chosen is refused unread: the screen is there at once, says
    // "reading" and then that the picture cannot be read, and never waits in the pipe.
    void aPipeIsRefusedAndTheScreenGoesOn() {
        const GuardedFifo fifo(dir_->filePath("x.png").toStdString());
        QVERIFY(fifo.made());
        QElapsedTimer shown;
        shown.start();
        auto scan = drop(QString::fromStdString(fifo.path()));
        QVERIFY(scan);
        QVERIFY2(shown.elapsed() < 1000, "the screen waited for the picture");
        QCOMPARE(scan->message()->text(), said("Bild wird gelesen …"));
        QTRY_COMPARE(scan->message()->text(), said("Dieses Bild lässt sich nicht lesen"));
        QVERIFY(scan->code()->isHidden());

        // Chosen in the dialog instead: the same.
        tap(scan->choosePictureButton());
        QFileDialog* dialog = nullptr;
        QTRY_VERIFY((dialog = scan->findChild<QFileDialog*>()) && dialog->isVisible());
        QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(fifo.path()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(scan->message()->text(), said("Bild wird gelesen …"));
        QTRY_COMPARE(scan->message()->text(), said("Dieses Bild lässt sich nicht lesen"));
        QVERIFY(!fifo.readerWaited());
    }

    // What cannot be read is said so, not taken for a picture without a code.
    void anUnreadablePictureIsNoPictureWithoutACode() {
        QFile corrupt(dir_->filePath("corrupt.png"));
        QVERIFY(corrupt.open(QIODevice::WriteOnly) && corrupt.write("\x89PNG\r\n no picture") > 0);
        corrupt.close();
        const QString blank = dir_->filePath("blank.png");
        QVERIFY(
            imageOf(onPhoto(Picture{10, 10, 1, std::vector<std::uint8_t>(100, 255)})).save(blank));
        for (const auto& [path, message] :
             {std::pair{corrupt.fileName(), "Dieses Bild lässt sich nicht lesen"},
              std::pair{dir_->filePath("gone.png"), "Dieses Bild lässt sich nicht lesen"},
              std::pair{blank, "No barcode found in this picture"}}) {
            auto scan = drop(path);
            QTRY_COMPARE(scan->message()->text(), said(message));
            navigation_->pop();
        }
    }

    // A phone photo of 48 megapixels with its code small and off the middle: the code found in
    // it at full size opens the product, and the screen took events all the while.
    void aLargePhonePhotoOpensItsProduct() {
        int ticks = 0;
        QTimer clock;
        connect(&clock, &QTimer::timeout, [&] { ++ticks; });
        clock.start(10);
        auto scan = drop(phonePhoto_);
        QCOMPARE(scan->message()->text(), said("Bild wird gelesen …"));
        QTRY_VERIFY_WITH_TIMEOUT(scan->model()->state() != ScanVC::State::ReadingPicture, 60000);
        QCOMPARE(scan->model()->state(), ScanVC::State::Opened);
        QVERIFY(ticks > 0);
        auto detail = std::dynamic_pointer_cast<ProductDetail>(navigation_->top());
        QVERIFY(detail);
        QCOMPARE(detail->productName(), std::string("Äpfel"));
    }

    // The screen closed while a picture is read: its outcome goes nowhere.
    void aScreenClosedWhileReadingHearsNothing() {
        auto scan = drop(phonePhoto_);
        QTest::qWait(50);
        scan.reset();
        navigation_->pop();
        QTest::qWait(200);
        QCOMPARE(navigation_->stack().size(), std::size_t(0));
    }

    // The picture dialog opens in the user's pictures folder (home without one), then in the
    // folder of the picture chosen last, for as long as that folder is there.
    void theDialogOpensWhereThePicturesAre() {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        const auto restore = qScopeGuard([&] {
            qputenv("HOME", oldHome);
            qputenv("XDG_CONFIG_HOME", oldConfig);
        });
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
        const QString pictures = home.filePath("Pictures");
        const QString chosen = dir_->filePath("holiday");
        QVERIFY(QDir().mkpath(chosen));
        const QString photo = chosen + "/code.png";
        QVERIFY(imageOf(onPhoto(Picture{10, 10, 1, std::vector<std::uint8_t>(100, 255)}))
                    .save(photo));
        const auto opened = [&](const QString& folder, const QString& choose = {}) {
            auto scan = drop(dir_->filePath("gone.png"));
            tap(scan->choosePictureButton());
            QFileDialog* dialog = nullptr;
            QTRY_VERIFY((dialog = scan->findChild<QFileDialog*>()) && dialog->isVisible());
            QCOMPARE(dialog->directory().absolutePath(), QDir(folder).absolutePath());
            if (choose.isEmpty()) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                QTest::keyClicks(QApplication::focusWidget(), choose);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            }
            QTRY_VERIFY(!dialog->isVisible());
            navigation_->pop();
        };
        opened(home.path());
        QVERIFY(QDir().mkpath(pictures));
        opened(pictures, photo); // typed whole into the file name field
        opened(chosen);
        opened(chosen, "code.png"); // chosen in the folder shown
        QVERIFY(QDir(chosen).removeRecursively());
        opened(pictures);
    }
};

QTEST_MAIN(ScanPictureTest)
#include "ScanPictureTest.moc"
