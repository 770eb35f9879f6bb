#include "barcode/GreyPicture.h"

namespace tolvane {

namespace {

// Phone photos run to 12 megapixels; bars stay readable at a quarter of that and decode faster.
QImage grey(const QImage& image) {
    if (image.isNull()) return {};
    constexpr int kLongestSide = 2000;
    const QImage fitted = std::max(image.width(), image.height()) > kLongestSide
                              ? image.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio,
                                             Qt::SmoothTransformation)
                              : image;
    return fitted.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

GreyPicture::GreyPicture(const QString& path) : image_(grey(QImage(path))) {}

GreyPicture::GreyPicture(const QImage& image) : image_(grey(image)) {}

ImageBuffer GreyPicture::buffer() const {
    if (image_.isNull()) return {};
    return {image_.constBits(), image_.width(), image_.height(), int(image_.bytesPerLine()),
            PixelLayout::Grey};
}

} // namespace tolvane
