#include "ScanWidget.h"

#include "barcode/GreyPicture.h"
#include "platform/Keys.h"
#include "screens/common/Accessibility.h"
#include "screens/common/QtText.h"

#include <QCamera>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>

namespace tolvane {

namespace {

// The frame to aim at: wide as a barcode, in the middle of the view.
QRect aimFrame(const QRect& view) {
    const int width = view.width() * 4 / 5, height = std::min(view.height() * 3 / 5, width / 2);
    return QRect(0, 0, width, height).translated(view.center() - QPoint(width / 2, height / 2));
}

} // namespace

Viewfinder::Viewfinder(QWidget* parent) : QWidget(parent) {
    setObjectName("viewfinder");
    setMinimumHeight(120);
}

void Viewfinder::showPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void Viewfinder::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x1c, 0x1e, 0x21));
    if (!picture_.isNull()) {
        const QSize fitted = picture_.size().scaled(size(), Qt::KeepAspectRatioByExpanding);
        p.drawImage(QRect(QPoint(0, 0), fitted)
                        .translated(rect().center() - QRect(QPoint(0, 0), fitted).center()),
                    picture_);
    }
    const QRect aim = aimFrame(rect());
    QPainterPath outside;
    outside.addRect(rect());
    QPainterPath inside;
    inside.addRect(aim);
    p.fillPath(outside.subtracted(inside), QColor(0, 0, 0, 110));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5f, 0xc4, 0x9b), 3));
    p.drawRoundedRect(aim, 6, 6);
}

ScanWidget::ScanWidget(std::shared_ptr<ScanVC> model, const Strings& strings,
                       Dispatcher& dispatcher, QWidget* parent)
    : QWidget(parent), model_(std::move(model)), strings_(strings) {
    setObjectName("ScanWidget");
    setWindowTitle(qs(strings_.text(ScanVC::titleKey())));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    viewfinder_ = new Viewfinder(this);
    layout->addWidget(viewfinder_, 1);
    message_ = new QLabel(this);
    message_->setObjectName("scanMessage");
    message_->setAlignment(Qt::AlignCenter);
    message_->setWordWrap(true);
    message_->setContentsMargins(12, 8, 12, 0);
    layout->addWidget(message_);
    code_ = new QLabel(this);
    code_->setObjectName("scanCode");
    code_->setAlignment(Qt::AlignCenter);
    code_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    code_->setStyleSheet("font-size: 20px; font-weight: bold;");
    layout->addWidget(code_);
    const auto button = [&](const char* name, const char* textKey, const char* descriptionKey) {
        auto* b = new QPushButton(qs(strings_.text(textKey)), this);
        b->setObjectName(name);
        describe(b, strings_, descriptionKey);
        layout->addWidget(b, 0, Qt::AlignHCenter);
        return b;
    };
    ownProduct_ = button("ownProductButton", ScanVC::ownProductKey(),
                         key("Accessible Own Product Description"));
    choose_ = button("choosePictureButton", ScanVC::choosePictureKey(),
                     key("Accessible Choose Picture Description"));
    connect(ownProduct_, &QPushButton::clicked, this, [this] { model_->enterOwnProduct(); });
    connect(choose_, &QPushButton::clicked, this, &ScanWidget::choosePicture);

    sink_ = new QVideoSink(this);
    connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        const QImage image = frame.toImage();
        viewfinder_->showPicture(image);
        if (!readingPicture_) scanner_->offer(GreyPicture(image).buffer());
    });
    scanner_ = std::make_unique<BarcodeScanner>(dispatcher,
                                                [this](const std::optional<ScannedCode>& code) {
                                                    if (!readingPicture_)
                                                        model_->codeRead(code, false);
                                                });
    pictures_ = std::make_unique<PictureReader>(
        dispatcher, [this](const PictureCode& read) { pictureRead(read); });
    model_->setListener([this] { render(); });
    if (!model_->picturePath().empty())
        readPicture(qs(model_->picturePath()));
    else if (!QMediaDevices::videoInputs().isEmpty())
        startCamera();
    render();
}

ScanWidget::~ScanWidget() {
    model_->setListener({});
}

void ScanWidget::render() {
    message_->setText(qs(strings_.text(model_->messageKey())));
    // The code the message is about.
    const ScanVC::State state = model_->state();
    const bool said = state == ScanVC::State::NotInCatalogue || state == ScanVC::State::Gone ||
                      state == ScanVC::State::Unreadable;
    code_->setText(said ? qs(model_->code()) : QString());
    code_->setVisible(said);
    ownProduct_->setVisible(model_->ownProductButtonShown());
    choose_->setVisible(!camera_);
}

void ScanWidget::startCamera() {
    camera_ = std::make_unique<QCamera>(QMediaDevices::defaultVideoInput());
    session_ = std::make_unique<QMediaCaptureSession>();
    session_->setCamera(camera_.get());
    session_->setVideoSink(sink_);
    // No permission, or the device went away: a picture instead.
    connect(camera_.get(), &QCamera::errorOccurred, this,
            [this] { QTimer::singleShot(0, this, &ScanWidget::cameraFailed); });
}

void ScanWidget::cameraFailed() {
    session_.reset();
    camera_.reset();
    render();
    choosePicture();
}

void ScanWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    model_->viewWillAppear();
    if (camera_) camera_->start();
    // Without a camera the scan button opens a picture, once.
    if (!camera_ && model_->picturePath().empty() && !askedForPicture_) {
        askedForPicture_ = true;
        QTimer::singleShot(0, this, &ScanWidget::choosePicture);
    }
}

void ScanWidget::hideEvent(QHideEvent* event) {
    if (camera_) camera_->stop();
    QWidget::hideEvent(event);
}

void ScanWidget::choosePicture() {
    auto* dialog = new QFileDialog(this, qs(strings_.text(ScanVC::choosePictureKey())));
    dialog->setObjectName("pictureDialog");
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter("*.png *.jpg *.jpeg *.webp *.bmp *.gif *.tif *.tiff *.pgm *.ppm");
    // Over the handheld window, as wide as it: a list without the columns and places.
    dialog->setViewMode(QFileDialog::List);
    for (const char* spare :
         {"sidebar", "lookInLabel", "fileTypeLabel", "listModeButton", "detailModeButton"})
        if (auto* widget = dialog->findChild<QWidget*>(spare)) widget->hide();
    dialog->setMinimumSize(0, 0);
    dialog->setGeometry(QRect(window()->mapToGlobal(QPoint(0, 0)), window()->size()));
    // Where the last picture came from, else the user's pictures, else home.
    for (const QString& folder :
         {qs(model_->pictureFolder()),
          QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath()}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            dialog->setDirectory(folder);
            break;
        }
    }
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        model_->pictureChosen(QDir::fromNativeSeparators(path).toStdString());
        readPicture(path);
    });
    dialog->open();
}

void ScanWidget::readPicture(const QString& path) {
    readingPicture_ = true;
    model_->pictureReading();
    pictures_->read(path.toStdString());
}

void ScanWidget::pictureRead(const PictureCode& read) {
    readingPicture_ = false;
    viewfinder_->showPicture(read.preview);
    using Outcome = PictureCode::Outcome;
    if (read.outcome == Outcome::Code || read.outcome == Outcome::NoCode)
        model_->codeRead(read.code, true);
    else
        model_->pictureUnreadable();
}

} // namespace tolvane
