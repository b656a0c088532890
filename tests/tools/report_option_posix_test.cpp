// ostrevan-scan --report FILE, run as a program: the report of the scan it just made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "platform/ui/rtf.h"
#include "support/program_builder.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

int RunScanner(const std::string& args) {
    const std::string cmd = std::string(OSTREVAN_SCAN_EXE) + " " + args + " >/dev/null 2>&1";
    const int raw = std::system(cmd.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(OstrevanScanReport, SavesTheReportOfTheScan) {
    TempDir dir;
    std::filesystem::create_directory(dir / "drive");
    // A maker the scan files as "None": the report page lists it, so the saved report does too.
    const Bytes gadget = PeWithVersion(BuildVersionBlock32(VersionRoot(
        {Block("StringFileInfo", {Block("040904E4", {Str("ProductName", u"Gadget"), Str("CompanyName", u"None Inc."),
                                                     Str("ProductVersion", u"1.0")})}),
         Block("VarFileInfo", {Translation({{0x409, 1252}})})})));
    WriteFileBytes(dir / "drive" / "GADGET.EXE", std::string(gadget.begin(), gadget.end()));
    const std::string base = "--data '" + (std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data").string() +
                             "' --results '" + dir.path().string() + "' --os 1,4,10,C:\\\\WINDOWS --quiet ";
    ASSERT_EQ(RunScanner(base + "--report '" + (dir / "r.rtf").string() + "' '" + (dir / "drive").string() + "'"), 0);
    std::string text;
    for (const auto& run : ui::ReadRtf(ReadFileBytes(dir / "r.rtf")).runs) {
        text += run.text;
        EXPECT_EQ(run.format.face, "Courier");
    }
    EXPECT_NE(text.find("Microsoft Windows Operating System\n"), std::string::npos);
    EXPECT_NE(text.find("Gadget\n\tVersion(s): 1.0\n\tManufacturer: None\n"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);

    EXPECT_EQ(RunScanner(base + "--report '" + (dir / "no" / "r.rtf").string() + "' '" + (dir / "drive").string() + "'"), 1)
        << "a report that cannot be written fails the run";
    EXPECT_TRUE(std::filesystem::exists(dir / "Files.y2k")) << "the results are still written";
    EXPECT_EQ(RunScanner(base + "'" + (dir / "drive").string() + "' --report"), 2);
}

}  // namespace
}  // namespace ostrevan::testing
