#include "barcode/GreyPicture.h"

namespace tolvane {

namespace {

// Camera frames and photos scaled for the first look: bars across the frame stay readable at
// this size and decode faster.
QImage grey(const QImage& image, GreyPicture::Size size) {
    if (image.isNull()) return {};
    constexpr int kLongestSide = 2000;
    const QImage fitted =
        size == GreyPicture::Size::Fitted && std::max(image.width(), image.height()) > kLongestSide
            ? image.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio,
                           Qt::SmoothTransformation)
            : image;
    return fitted.convertToFormat(QImage::Format_Grayscale8);
}

} // namespace

GreyPicture::GreyPicture(const QImage& image, Size size) : image_(grey(image, size)) {}

ImageBuffer GreyPicture::buffer() const {
    if (image_.isNull()) return {};
    return {image_.constBits(), image_.width(), image_.height(), int(image_.bytesPerLine()),
            PixelLayout::Grey};
}

} // namespace tolvane
