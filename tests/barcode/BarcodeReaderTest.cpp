#include "barcode/BarcodeScanner.h"
#include "catalogue/HeldProductList.h"
#include "platform/Log.h"
#include "store/Database.h"
#include "tests/support/BarcodePictures.h"
#include "tests/support/TestCatalogue.h"

#include <gtest/gtest.h>

namespace tolvane::test {
namespace {

struct Code {
    Symbology symbology;
    std::string content; // what the writer is given
    std::string digits;  // what the reader says
    std::string stored;  // the product's barcode in the catalogue
};

const std::vector<Code> kCodes = {
    {Symbology::Ean13, "4006381333931", "4006381333931", "4006381333931"},
    {Symbology::Ean8, "96385074", "96385074", "96385074"},
    // A UPC-A is the EAN-13 with a leading 0, and a UPC-E the UPC-A it abbreviates.
    {Symbology::UpcA, "036000291452", "036000291452", "0036000291452"},
    {Symbology::UpcE, "01234565", "012345000065", "012345000065"},
};

struct Damage {
    const char* name;
    Picture (*apply)(const Code& code);
};

const std::vector<Damage> kDamages = {
    {"plain", [](const Code& c) { return drawBarcode(c.symbology, c.content, 3); }},
    {"turned 90", [](const Code& c) { return turned(drawBarcode(c.symbology, c.content, 3), 90); }},
    {"turned 180",
     [](const Code& c) { return turned(drawBarcode(c.symbology, c.content, 3), 180); }},
    {"2 px a module", [](const Code& c) { return drawBarcode(c.symbology, c.content, 2); }},
    {"noisy", [](const Code& c) { return noisy(drawBarcode(c.symbology, c.content, 3), 50); }},
    {"blurred", [](const Code& c) { return blurred(drawBarcode(c.symbology, c.content, 3)); }},
    {"on a photo", [](const Code& c) { return onPhoto(drawBarcode(c.symbology, c.content, 3)); }},
};

class BarcodeReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (std::size_t i = 0; i < kCodes.size(); ++i) {
            const int id = int(i) + 10;
            catalogue.add({id, "Product " + std::to_string(id)});
            catalogue.exec("update ProductsTable set field24 = '" + kCodes[i].stored +
                           "' where recordId = " + std::to_string(id));
        }
        catalogue.add({99, "No barcode"});
        held = readHeldList(database);
        held.barcodes = std::make_shared<const BarcodeIndex>(database, *held.rows);
    }

    // The record ids of the products the code finds.
    std::vector<std::string> productsOf(const ScannedCode& code) const {
        std::vector<std::string> ids;
        for (const std::uint32_t at : held.barcodes->rowsWith(code.gtin.value))
            ids.push_back(held.rows->recordId(at));
        return ids;
    }

    TestCatalogue catalogue;
    NullLog log;
    Database database{catalogue.path(), log};
    HeldList held;
};

TEST_F(BarcodeReaderTest, EveryKindOfCodeIsReadThroughWhatCamerasAndPhotosDoToIt) {
    for (std::size_t i = 0; i < kCodes.size(); ++i)
        for (const Damage& damage : kDamages) {
            SCOPED_TRACE(kCodes[i].content + " " + damage.name);
            const Picture picture = damage.apply(kCodes[i]);
            const auto code = readBarcode(picture.buffer());
            ASSERT_TRUE(code);
            EXPECT_EQ(code->digits, kCodes[i].digits);
            EXPECT_TRUE(code->gtin.checkDigitFits);
            EXPECT_EQ(productsOf(*code), std::vector{std::to_string(int(i) + 10)});
        }
}

TEST_F(BarcodeReaderTest, NoCodeAnUnknownCodeAndNoPictureFindNothing) {
    Picture blank = onPhoto(Picture{10, 10, 1, std::vector<std::uint8_t>(100, 255)});
    EXPECT_FALSE(readBarcode(blank.buffer()));
    EXPECT_FALSE(readBarcode(ImageBuffer{}));
    const auto unknown = readBarcode(drawBarcode(Symbology::Ean13, "7612345678900", 3).buffer());
    ASSERT_TRUE(unknown);
    EXPECT_TRUE(productsOf(*unknown).empty());
}

// Camera frames go through the scanner's thread; a frame offered while it decodes is dropped.
TEST_F(BarcodeReaderTest, FramesAreDecodedOffTheCallersThreadAndComeBackOnIt) {
    ManualDispatcher dispatcher;
    std::vector<std::optional<ScannedCode>> outcomes;
    {
        BarcodeScanner scanner(dispatcher, [&](const auto& code) { outcomes.push_back(code); });
        const Picture frames[] = {onPhoto(Picture{10, 10, 1, std::vector<std::uint8_t>(100, 255)}),
                                  onPhoto(drawBarcode(Symbology::Ean8, "96385074", 3))};
        for (const Picture& frame : frames) {
            const std::size_t before = outcomes.size();
            while (!scanner.offer(frame.buffer()))
                dispatcher.runPending();
            ASSERT_TRUE(dispatcher.runUntil([&] { return outcomes.size() > before; }));
        }
        scanner.offer(frames[1].buffer()); // still being decoded as the scanner goes
    }
    dispatcher.runPending();
    ASSERT_EQ(outcomes.size(), 2u);
    EXPECT_FALSE(outcomes[0]);
    ASSERT_TRUE(outcomes[1]);
    EXPECT_EQ(outcomes[1]->digits, "96385074");
}

} // namespace
} // namespace tolvane::test
