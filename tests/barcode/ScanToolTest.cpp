#include "tests/support/BarcodePictures.h"
#include "tests/support/GuardedFifo.h"
#include "tests/support/PictureFiles.h"
#include "tests/support/ServerProcess.h"
#include "tests/support/TempDir.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>

namespace tolvane::test {
namespace {

// Exit 1 when there is nothing to print, 2 for a path that is no file to read (refused unread:
// a named pipe would hold the tool for ever).
TEST(ScanToolTest, PrintsTheCodeAndItsProductOrExitsOneOrTwo) {
    TempDir dir;
    const auto save = [&](const Picture& p, const std::string& name) {
        imageOf(p).save(QString::fromStdString(dir.file(name)));
        return dir.file(name);
    };
    std::ofstream(dir.file("corrupt.png")) << "\x89PNG\r\n\x1a\n not really";
    const GuardedFifo fifo(dir.file("fifo.png"));
    ASSERT_TRUE(fifo.made());
    // A phone photo of 48 megapixels, its code small.
    ASSERT_TRUE(saveLargePhoto(drawBarcode(Symbology::Ean13, "3333680011156", 3),
                               QString::fromStdString(dir.file("phone.jpg"))));
    struct Case {
        std::string picture;
        int status;
        std::string output;
    };
    const Case cases[] = {
        {save(onPhoto(drawBarcode(Symbology::Ean13, "3333680011156", 3)), "known.jpg"), 0,
         "3333680011156\n1\tSaucisse sèche\tBell\n"},
        {save(drawBarcode(Symbology::Ean13, "7612345678900", 2), "unknown.png"), 1,
         "7612345678900\n"},
        {save(onPhoto(Picture{10, 10, 1, std::vector<std::uint8_t>(100, 255)}), "none.png"), 1, ""},
        {dir.file("corrupt.png"), 1, ""},
        {dir.file("missing.png"), 1, ""},
        {fifo.path(), 2, ""},
        {dir.path(), 2, ""},
        {dir.file("phone.jpg"), 0, "3333680011156\n1\tSaucisse sèche\tBell\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        std::string output;
        EXPECT_EQ(
            runProgram({TOLVANE_CATALOGUE_TOOL, "scan", "--db", TOLVANE_SHIPPED_DB, c.picture},
                       &output),
            c.status);
        EXPECT_EQ(output, c.output);
    }
    EXPECT_FALSE(fifo.readerWaited());
}

} // namespace
} // namespace tolvane::test
