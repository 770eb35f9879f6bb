// Barcode pictures as files, the way a user has them: saved by Qt's writers. Header only, for
// the tests that link Qt's image formats.
#pragma once

#include "tests/support/BarcodePictures.h"

#include <QImage>
#include <QPainter>
#include <QString>

namespace tolvane::test {

inline QImage imageOf(const Picture& p) {
    return QImage(p.pixels.data(), p.width, p.height, p.width * p.channels,
                  p.channels == 1 ? QImage::Format_Grayscale8 : QImage::Format_RGB888)
        .copy();
}

// A colour phone photo of the size given (8000 x 6000: 48 megapixels) with the code small on
// it, below and right of the middle: decoded whole it passes Qt's 128 MB allocation limit, and
// scaled down to the screen its bars run together. Kept in 8 bits a pixel while drawn.
inline bool saveLargePhoto(const Picture& code, const QString& jpegPath, int width = 8000,
                           int height = 6000) {
    QImage photo(width, height, QImage::Format_Indexed8);
    photo.setColorCount(256);
    for (int i = 0; i < 256; ++i) // a warm grey ramp: colour, so it decodes to 32 bits a pixel
        photo.setColor(i, qRgb(i, i * 15 / 16, i * 13 / 16));
    for (int y = 0; y < height; ++y) {
        uchar* line = photo.scanLine(y);
        for (int x = 0; x < width; ++x) // a shaded table top
            line[x] = static_cast<uchar>(150 + (x / 97 + y / 89) % 40);
    }
    const QImage bars = imageOf(code);
    const int left = width * 5 / 8, top = height * 5 / 8;
    for (int y = 0; y < bars.height(); ++y)
        for (int x = 0; x < bars.width(); ++x)
            photo.scanLine(top + y)[left + x] = static_cast<uchar>(qGray(bars.pixel(x, y)));
    return photo.save(jpegPath, "JPEG", 90);
}

} // namespace tolvane::test
