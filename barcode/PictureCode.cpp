#include "barcode/PictureCode.h"

#include "barcode/GreyPicture.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace tolvane {

namespace {

using Clock = std::chrono::steady_clock;

// The first look: the whole picture at most this wide and high (a code across the frame reads).
constexpr int kScaledSide = 2000;
// Then regions at full size: bands across the width (split in columns only where a band would
// pass Qt's allocation limit, 128 MB), overlapping so that a code up to kOverlap pixels long
// either way lies whole in one; a larger one is read in the first look.
constexpr int kRegionRows = 2400;
constexpr int kRegionColumns = 12000;
constexpr int kOverlap = 800;
// Beyond the largest phone camera's photos.
constexpr qint64 kMaxPixels = 300'000'000;

// A reader of its own for each read: Qt's readers take a picture once.
QImage readImage(const QByteArray& bytes, const QSize& scaledTo = {}, const QRect& clip = {}) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    reader.setAutoTransform(!clip.isValid()); // the preview upright; a band as stored
    if (scaledTo.isValid()) reader.setScaledSize(scaledTo);
    if (clip.isValid()) reader.setClipRect(clip);
    return reader.read();
}

std::optional<ScannedCode> codeIn(const QImage& image, GreyPicture::Size size) {
    return readBarcode(GreyPicture(image, size).buffer());
}

// Starts of regions of this length, overlapping, along a side: from the middle outwards, where
// the camera was aimed.
std::vector<int> starts(int side, int length) {
    std::vector<int> found;
    for (int start = 0;; start += length - kOverlap) {
        found.push_back(std::min(start, std::max(0, side - length)));
        if (start + length >= side) break;
    }
    found.erase(std::unique(found.begin(), found.end()), found.end());
    const auto offMiddle = [&](int start) {
        return std::abs(start + std::min(length, side) / 2 - side / 2);
    };
    std::stable_sort(found.begin(), found.end(),
                     [&](int a, int b) { return offMiddle(a) < offMiddle(b); });
    return found;
}

std::vector<QRect> regions(const QSize& size) {
    std::vector<QRect> found;
    for (const int top : starts(size.height(), kRegionRows))
        for (const int left : starts(size.width(), kRegionColumns))
            found.emplace_back(left, top, std::min(kRegionColumns, size.width() - left),
                               std::min(kRegionRows, size.height() - top));
    return found;
}

PictureCode::Outcome outcomeOf(PictureFileError error) {
    switch (error) {
    case PictureFileError::Missing:
        return PictureCode::Outcome::Missing;
    case PictureFileError::NotAFile:
        return PictureCode::Outcome::NotAFile;
    case PictureFileError::TooLarge:
        return PictureCode::Outcome::TooLarge;
    case PictureFileError::Stopped:
        return PictureCode::Outcome::Stopped;
    case PictureFileError::None:
    case PictureFileError::Unreadable:
        break;
    }
    return PictureCode::Outcome::Unreadable;
}

} // namespace

PictureCode readPictureCode(const std::string& path, const PictureLimits& limits,
                            const std::atomic<bool>* stop) {
    using Outcome = PictureCode::Outcome;
    const auto deadline = Clock::now() + limits.time;
    const PictureBytes file = readPictureFile(path, limits.maxBytes, deadline, stop);
    if (file.error != PictureFileError::None) return {outcomeOf(file.error), {}, {}};
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(file.bytes.data()),
                                static_cast<qsizetype>(file.bytes.size()));
    const auto stopped = [stop] { return stop && stop->load(); };

    QSize size;
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        size = QImageReader(&buffer).size();
    }
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return {Outcome::TooLarge, {}, {}};
    const bool large = size.isValid() && std::max(size.width(), size.height()) > kScaledSide;

    PictureCode read;
    // Scaled as it is decoded where the format can (JPEG): within the allocation limit.
    read.preview = readImage(
        bytes, large ? size.scaled(kScaledSide, kScaledSide, Qt::KeepAspectRatio) : QSize());
    if (read.preview.isNull()) return {Outcome::Unreadable, {}, {}};
    if (stopped()) return {Outcome::Stopped, {}, {}};
    read.code = codeIn(read.preview, GreyPicture::Size::Fitted);
    read.outcome = read.code ? Outcome::Code : Outcome::NoCode;
    if (read.code || !large) return read;
    for (const QRect& region : regions(size)) {
        if (stopped()) return {Outcome::Stopped, {}, {}};
        if (Clock::now() > deadline) break; // looked as long as allowed: no code found
        const QImage part = readImage(bytes, {}, region);
        if (part.isNull()) continue; // a corrupt part; the others may still hold the code
        if ((read.code = codeIn(part, GreyPicture::Size::Whole))) {
            read.outcome = Outcome::Code;
            break;
        }
    }
    return read;
}

} // namespace tolvane
