#include "platform/Log.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using namespace tolvane;

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

} // namespace

TEST(FileLog, DiagnosticsStayInTheFileWarningsReachTheTerminalTooAndAFullFileMovesAside) {
    test::TempDir dir;
    const std::string file = dir.file("folder/Tolvane.log");
    std::ostringstream terminal;
    {
        FileLog log(file, terminal);
        log.write("databaseValuesArray=(f, 30, 165)");
        log.warn("Picture missing: star.svg");
    }
    EXPECT_EQ(terminal.str(), "Picture missing: star.svg\n");
    EXPECT_EQ(contents(file), "databaseValuesArray=(f, 30, 165)\nPicture missing: star.svg\n");

    // Past a megabyte the next start begins a new file and keeps the old one beside it.
    { std::ofstream(file, std::ios::app) << std::string(1 << 20, 'x') << '\n'; }
    FileLog(file, terminal).write("next start");
    EXPECT_EQ(contents(file), "next start\n");
    EXPECT_GT(contents(file + ".1").size(), std::size_t{1} << 20);

    // A log that cannot be opened still warns.
    std::ostringstream other;
    FileLog nowhere(dir.file("folder/Tolvane.log/not-a-folder/Tolvane.log"), other);
    nowhere.write("lost");
    nowhere.warn("seen");
    EXPECT_EQ(other.str(), "seen\n");
}
