#include "version_info_mode.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;

// The mode takes UTF-8 paths from the command line; the fixture paths are plain ASCII.
static std::string Arg(const std::string& path) { return path; }

TEST(VersionInfoMode, PrintsOneTabSeparatedLinePerFile) {
    TempDir dir;
    WriteFileBytes(dir / "readme.exe", "not a program");
    const std::vector<std::string> files = {Arg(FixturePath("basic")), Arg(FixturePath("signs")),
                                            Arg(FixturePath("japanese_only")), Arg((dir / "readme.exe").string())};
    std::ostringstream out;
    EXPECT_EQ(RunVersionInfo(files, out), 0);
    const std::string expected =
        files[0] + "\tAcme Writer 2000\tAcme Software, Inc.\t2.0.1\tAcme Writer\tYear 2000 ready\n" +
        files[1] + "\tAcme\x99 Writer\xAE \xA9 1999\tNone\t4.0\xB7" "1\tCaf\xE9 Ao \x99 ?\tNone\n" +
        files[2] + "\tNone\tNone\tNone\tNone\tNone\n" + files[3] + "\tNone\tNone\tNone\tNone\tNone\n";
    EXPECT_EQ(out.str(), expected);
}
