// The barcode in a picture file, read as the scan screen and the catalogue tool read a picture
// chosen or dropped: the file through readPictureFile (regular files only, size and time bound),
// then the picture scaled down to decode fast; when that shows no code and the picture is
// larger, regions of it at full size, so that a small code in a phone photo of 48 or 200
// megapixels is still read. Qt's image formats decode; each read stays under Qt's allocation
// limit however large the photo, as far as the format can be read in regions and scaled
// (JPEG can). Runs on whichever thread calls it; no state of its own.
#pragma once

#include "barcode/BarcodeReader.h"
#include "barcode/PictureFile.h"

#include <QImage>

#include <atomic>
#include <optional>
#include <string>

namespace tolvane {

struct PictureCode {
    enum class Outcome {
        Code,       // code holds it
        NoCode,     // the picture was read and holds no product barcode
        Missing,    // no file there
        NotAFile,   // a named pipe, device or folder: refused unread
        TooLarge,   // more bytes or pixels than the limits allow
        Unreadable, // not a picture Qt reads, corrupt, or not read in time
        Stopped,    // given up on *stop
    };
    Outcome outcome = Outcome::Unreadable;
    std::optional<ScannedCode> code;
    // The picture as shown in the viewfinder: scaled down, upright; empty when not read.
    QImage preview;
};

PictureCode readPictureCode(const std::string& path, const PictureLimits& limits = {},
                            const std::atomic<bool>* stop = nullptr);

} // namespace tolvane
