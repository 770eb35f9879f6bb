#include "tests/support/BarcodePictures.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>

#include <algorithm>
#include <random>

namespace tolvane::test {

namespace {

ZXing::BarcodeFormat formatOf(Symbology symbology) {
    switch (symbology) {
    case Symbology::Ean13:
        return ZXing::BarcodeFormat::EAN13;
    case Symbology::Ean8:
        return ZXing::BarcodeFormat::EAN8;
    case Symbology::UpcA:
        return ZXing::BarcodeFormat::UPCA;
    case Symbology::UpcE:
        return ZXing::BarcodeFormat::UPCE;
    }
    return ZXing::BarcodeFormat::None;
}

std::uint8_t clampByte(int v) {
    return std::uint8_t(std::clamp(v, 0, 255));
}

} // namespace

ImageBuffer Picture::buffer() const {
    return {pixels.data(), width, height, width * channels,
            channels == 1 ? PixelLayout::Grey : PixelLayout::Rgb};
}

Picture drawBarcode(Symbology symbology, const std::string& content, int pixelsPerModule) {
    // One pixel a module from the writer, widened here, so the module width is exact.
    const ZXing::BitMatrix bars =
        ZXing::MultiFormatWriter(formatOf(symbology)).setMargin(10).encode(content, 1, 1);
    Picture picture{bars.width() * pixelsPerModule, 30 * pixelsPerModule, 1, {}};
    picture.pixels.resize(std::size_t(picture.width) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            picture.pixels[std::size_t(y) * picture.width + x] =
                bars.get(x / pixelsPerModule, 0) ? 0 : 255;
    return picture;
}

Picture turned(const Picture& grey, int degrees) {
    const bool quarter = degrees == 90;
    Picture out{quarter ? grey.height : grey.width, quarter ? grey.width : grey.height, 1, {}};
    out.pixels.resize(grey.pixels.size());
    for (int y = 0; y < grey.height; ++y)
        for (int x = 0; x < grey.width; ++x) {
            const int tx = quarter ? grey.height - 1 - y : grey.width - 1 - x;
            const int ty = quarter ? x : grey.height - 1 - y;
            out.pixels[std::size_t(ty) * out.width + tx] =
                grey.pixels[std::size_t(y) * grey.width + x];
        }
    return out;
}

Picture noisy(const Picture& grey, int amplitude) {
    Picture out = grey;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(-amplitude, amplitude);
    for (auto& p : out.pixels)
        p = clampByte(p + noise(random));
    return out;
}

Picture blurred(const Picture& grey) {
    Picture out = grey;
    for (int y = 1; y + 1 < grey.height; ++y)
        for (int x = 1; x + 1 < grey.width; ++x) {
            int sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += grey.pixels[std::size_t(y + dy) * grey.width + x + dx];
            out.pixels[std::size_t(y) * grey.width + x] = std::uint8_t(sum / 9);
        }
    return out;
}

Picture onPhoto(const Picture& grey) {
    Picture out{640, 480, 3, std::vector<std::uint8_t>(640 * 480 * 3)};
    std::mt19937 random(11);
    std::uniform_int_distribution<int> grain(-12, 12);
    const int left = (out.width - grey.width) / 2, top = (out.height - grey.height) / 2;
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) {
            std::uint8_t* p = &out.pixels[(std::size_t(y) * out.width + x) * 3];
            const int gx = x - left, gy = y - top;
            if (gx >= -8 && gy >= -8 && gx < grey.width + 8 && gy < grey.height + 8) {
                // The label: the code on a slightly warm white.
                const bool inCode = gx >= 0 && gy >= 0 && gx < grey.width && gy < grey.height;
                const int v = inCode ? grey.pixels[std::size_t(gy) * grey.width + gx] : 250;
                p[0] = clampByte(v), p[1] = clampByte(v - 4), p[2] = clampByte(v - 12);
                continue;
            }
            // A shaded packet with stripes and round spots.
            const bool stripe = (x + y / 2) % 48 < 10;
            const bool spot = ((x / 60 + y / 60) % 3 == 0) &&
                              (x % 60 - 30) * (x % 60 - 30) + (y % 60 - 30) * (y % 60 - 30) < 200;
            const int shade = 60 + x / 5 + y / 8 + grain(random);
            p[0] = clampByte(stripe ? 30 : spot ? 220 : shade + 60);
            p[1] = clampByte(stripe ? 40 : spot ? 200 : shade);
            p[2] = clampByte(stripe ? 90 : spot ? 40 : shade / 2);
        }
    return out;
}

} // namespace tolvane::test
