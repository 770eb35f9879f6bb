// Barcode pictures drawn with ZXing's writer, and what a camera or a photo does to them: turned,
// small, noisy, blurred, on a busy background. For the barcode tests and the decoding benchmark.
#pragma once

#include "barcode/BarcodeReader.h"

#include <string>
#include <vector>

namespace tolvane::test {

enum class Symbology { Ean13, Ean8, UpcA, UpcE };

struct Picture {
    int width = 0;
    int height = 0;
    int channels = 1; // 1 grey, 3 RGB
    std::vector<std::uint8_t> pixels;
    ImageBuffer buffer() const;
};

// The code with a quiet zone, each module pixelsPerModule wide, in grey.
Picture drawBarcode(Symbology symbology, const std::string& content, int pixelsPerModule);
Picture turned(const Picture& grey, int degrees); // 90 or 180
Picture noisy(const Picture& grey, int amplitude);
Picture blurred(const Picture& grey); // 3 x 3 box
// A 640 x 480 RGB scene (shaded, with stripes and blobs) with the code on its label in the middle.
Picture onPhoto(const Picture& grey);

} // namespace tolvane::test
