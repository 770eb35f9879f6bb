// A picture or camera image in grey, the way the barcode reader takes it. Qt's image formats do
// the decoding, so this part stands apart from the Qt-free reader.
#pragma once

#include "barcode/BarcodeReader.h"

#include <QImage>

namespace tolvane {

class GreyPicture {
public:
    // Fitted: no side longer than the reader needs for a code across a frame; Whole: every
    // pixel, for a region of a large photo whose code may be small.
    enum class Size { Fitted, Whole };

    explicit GreyPicture(const QImage& image, Size size = Size::Fitted);

    bool readable() const { return !image_.isNull(); }
    ImageBuffer buffer() const;

private:
    QImage image_;
};

} // namespace tolvane
