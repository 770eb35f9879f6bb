// A picture file or camera image in grey, the way the barcode reader takes it. Qt's image
// formats do the file reading, so this part stands apart from the Qt-free reader.
#pragma once

#include "barcode/BarcodeReader.h"

#include <QImage>
#include <QString>

namespace tolvane {

class GreyPicture {
public:
    // Any format Qt reads; an unreadable or corrupt file gives no pixels.
    explicit GreyPicture(const QString& path);
    explicit GreyPicture(const QImage& image);

    bool readable() const { return !image_.isNull(); }
    ImageBuffer buffer() const;

private:
    QImage image_;
};

} // namespace tolvane
