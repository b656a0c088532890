// The program itself: exit status, bytes on standard output, help, and the report of a scan.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "platform/ui/rtf.h"
#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan::testing;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

ToolRun RunTool(const std::string& args) {
    ToolRun r;
    const std::string command = std::string(OSTREVAN_SCAN_EXE) + " " + args + " 2>/dev/null";
    FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int raw = pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

}  // namespace

TEST(OstrevanScanProgram, HelpExplainsBothModesAndBadUsageFails) {
    const ToolRun help = RunTool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--version-info FILE..."), std::string::npos);
    EXPECT_NE(help.out.find("ProductName, CompanyName, ProductVersion, FileDescription"), std::string::npos);
    EXPECT_EQ(RunTool("--version-info").status, 2);
    EXPECT_EQ(RunTool("").status, 2);
}

TEST(OstrevanScanProgram, ReportOptionSavesTheReportOfTheScan) {
    TempDir dir;
    std::filesystem::create_directory(dir / "drive");
    const std::string base = "--data '" + (std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data").string() +
                             "' --results '" + dir.path().string() + "' --os 1,4,10,C:\\\\WINDOWS --quiet ";
    const std::string drive = " '" + (dir / "drive").string() + "'";
    // A maker the scan files as "None": the report page lists it, so the saved report does too.
    const Bytes gadget = PeWithVersion(BuildVersionBlock32(VersionRoot(
        {Block("StringFileInfo", {Block("040904E4", {Str("ProductName", u"Gadget"), Str("CompanyName", u"None Inc."),
                                                     Str("ProductVersion", u"1.0")})}),
         Block("VarFileInfo", {Translation({{0x409, 1252}})})})));
    WriteFileBytes(dir / "drive" / "GADGET.EXE", std::string(gadget.begin(), gadget.end()));
    ASSERT_EQ(RunTool(base + "--report '" + (dir / "r.rtf").string() + "'" + drive).status, 0);
    std::string text;
    for (const auto& run : ostrevan::ui::ReadRtf(ReadFileBytes(dir / "r.rtf")).runs) {
        text += run.text;
        EXPECT_EQ(run.format.face, "Courier");
    }
    EXPECT_NE(text.find("Microsoft Windows Operating System\n"), std::string::npos);
    EXPECT_NE(text.find("Gadget\n\tVersion(s): 1.0\n\tManufacturer: None\n"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);

    EXPECT_EQ(RunTool(base + "--report '" + (dir / "no" / "r.rtf").string() + "'" + drive).status, 1)
        << "a report that cannot be written fails the run";
    EXPECT_TRUE(std::filesystem::exists(dir / "Files.y2k")) << "the results are still written";
    EXPECT_EQ(RunTool(base + drive + " --report").status, 2);
}
