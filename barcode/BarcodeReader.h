// Reads the barcode on a product (EAN-13, EAN-8, UPC-A, UPC-E) from a picture in memory: a
// camera frame or a decoded image file. The code comes out as the catalogue's barcode number, so
// that it finds the product the same code typed into the search field finds.
#pragma once

#include "format/Gtin.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tolvane {

enum class PixelLayout { Grey, Rgb, Rgbx, Bgrx };

// Rows of pixels, each bytesPerRow long; the buffer belongs to the caller.
struct ImageBuffer {
    const std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int bytesPerRow = 0;
    PixelLayout layout = PixelLayout::Grey;
};

struct ScannedCode {
    std::string digits; // as printed under the bars; a UPC-E written out as its UPC-A
    Gtin gtin;
};

// The first product barcode in the picture, in any of the four turns; nothing when there is none
// (or the buffer is empty).
std::optional<ScannedCode> readBarcode(const ImageBuffer& image);

} // namespace tolvane
