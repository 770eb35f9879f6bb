// tolvane-barcode-bench: how long one 640 x 480 camera frame takes to decode, with a code on a
// busy background and without one (the reader then tries every turn before giving up).

#include "bench/common/BenchFigures.h"
#include "tests/support/BarcodePictures.h"

int main() {
    using namespace tolvane;
    const test::Picture withCode =
        test::onPhoto(test::drawBarcode(test::Symbology::Ean13, "4006381333931", 3));
    const test::Picture without =
        test::onPhoto(test::Picture{10, 10, 1, std::vector<std::uint8_t>(100, 255)});
    if (!readBarcode(withCode.buffer())) {
        std::cerr << "the frame's code was not read\n";
        return 1;
    }
    bench::figure("barcode_decode_640x480",
                  bench::medianMs(31, [&] { readBarcode(withCode.buffer()); }), "ms", 30, "target");
    bench::figure("barcode_decode_640x480_no_code",
                  bench::medianMs(31, [&] { readBarcode(without.buffer()); }), "ms", 30, "target");
    return 0;
}
