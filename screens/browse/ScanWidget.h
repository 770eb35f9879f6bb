// The scan screen: the camera's picture with the frame to aim at, or the picture chosen or
// dropped; under it what the code read leads to. Frames are decoded on the BarcodeScanner this
// widget owns, pictures read on its PictureReader (see their headers); frames come through
// videoSink(), which the camera feeds. The screen shows "reading" until a picture's outcome is
// in, and goes on taking taps and frames meanwhile.
#pragma once

#include "barcode/BarcodeScanner.h"
#include "barcode/PictureReader.h"
#include "screens/browse/ScanVC.h"

#include <QImage>
#include <QWidget>

#include <memory>

class QCamera;
class QFileDialog;
class QLabel;
class QMediaCaptureSession;
class QPushButton;
class QVideoSink;

namespace tolvane {

// The picture with the rest dimmed around the frame to aim at.
class Viewfinder : public QWidget {
public:
    explicit Viewfinder(QWidget* parent = nullptr);
    void showPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

class ScanWidget : public QWidget {
    Q_OBJECT
public:
    ScanWidget(std::shared_ptr<ScanVC> model, const Strings& strings, Dispatcher& dispatcher,
               QWidget* parent = nullptr);
    ~ScanWidget() override;

    std::shared_ptr<ScanVC> model() const { return model_; }
    QVideoSink* videoSink() const { return sink_; }
    bool cameraShown() const { return camera_ != nullptr; }
    QPushButton* ownProductButton() const { return ownProduct_; }
    QPushButton* choosePictureButton() const { return choose_; }
    QLabel* message() const { return message_; }
    QLabel* code() const { return code_; }
    // Reads the picture file as one chosen with the file dialog, on the picture reader.
    void readPicture(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void render();
    void startCamera();
    void cameraFailed();
    void choosePicture();
    void pictureRead(const PictureCode& read);

    std::shared_ptr<ScanVC> model_;
    const Strings& strings_;
    Viewfinder* viewfinder_;
    QLabel* message_;
    QLabel* code_;
    QPushButton* ownProduct_;
    QPushButton* choose_;
    QVideoSink* sink_;
    std::unique_ptr<QMediaCaptureSession> session_;
    std::unique_ptr<QCamera> camera_;
    bool readingPicture_ = false; // camera frames wait meanwhile
    bool askedForPicture_ = false;
    // Last: their workers stop before the parts they show their outcomes in go.
    std::unique_ptr<BarcodeScanner> scanner_;
    std::unique_ptr<PictureReader> pictures_;
};

} // namespace tolvane
