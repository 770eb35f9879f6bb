#include "barcode/BarcodeReader.h"

#define ZX_USE_UTF8 // the text as UTF-8
#include <ZXing/ReadBarcode.h>

namespace tolvane {

namespace {

ZXing::ImageFormat zxingFormat(PixelLayout layout) {
    switch (layout) {
    case PixelLayout::Grey:
        return ZXing::ImageFormat::Lum;
    case PixelLayout::Rgb:
        return ZXing::ImageFormat::RGB;
    case PixelLayout::Rgbx:
        return ZXing::ImageFormat::RGBX;
    case PixelLayout::Bgrx:
        return ZXing::ImageFormat::BGRX;
    }
    return ZXing::ImageFormat::None;
}

// The catalogue holds the UPC-A a UPC-E (number system, six digits, check digit) stands for.
std::string upcAOf(const std::string& e) {
    if (e.size() != 8) return e;
    const std::string d = e.substr(1, 6);
    std::string body;
    switch (d[5]) {
    case '0':
    case '1':
    case '2':
        body = d.substr(0, 2) + d[5] + "0000" + d.substr(2, 3);
        break;
    case '3':
        body = d.substr(0, 3) + "00000" + d.substr(3, 2);
        break;
    case '4':
        body = d.substr(0, 4) + "00000" + d[4];
        break;
    default:
        body = d.substr(0, 5) + "0000" + d[5];
        break;
    }
    return e[0] + body + e[7];
}

} // namespace

std::optional<ScannedCode> readBarcode(const ImageBuffer& image) {
    if (!image.pixels || image.width <= 0 || image.height <= 0) return std::nullopt;
    const ZXing::ImageView view(image.pixels, image.width, image.height, zxingFormat(image.layout),
                                image.bytesPerRow);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::EAN13 | ZXing::BarcodeFormat::EAN8 |
                     ZXing::BarcodeFormat::UPCA | ZXing::BarcodeFormat::UPCE);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid()) return std::nullopt;
    std::string digits = result.text();
    if (result.format() == ZXing::BarcodeFormat::UPCE) digits = upcAOf(digits);
    const auto gtin = readGtin(digits);
    if (!gtin) return std::nullopt;
    return ScannedCode{digits, *gtin};
}

} // namespace tolvane
