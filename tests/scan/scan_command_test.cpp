// The headless scanner's options and its run from options to result files and summary.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/command_line.h"
#include "scan/scan_command.h"
#include "scan_fixture.h"
#include "support/program_builder.h"

namespace ostrevan::scantest {
namespace {

namespace fs = std::filesystem;

std::string U(const fs::path& p) { return platform::Utf8FromHostPath(p); }

TEST(ScanOptions, BadUsageIsRefusedWithAReason) {
    testing::TempDir t;
    const std::string dir = U(t.path());
    struct Case { std::vector<std::string> args; const char* reason; } cases[] = {
        {{}, "no drive given"}, {{dir, dir}, "more than one drive"},
        {{"--frobnicate", dir}, "unknown option --frobnicate"}, {{"--data"}, "--data needs a value"},
        {{"--map", "C:" + dir, dir}, "--map wants X:=DIR"}, {{"--map", "1:=" + dir, dir}, "--map wants X:=DIR"},
        {{"--os", "2,5", dir}, "--os wants"}, {{"--os", "2,x,0,C:\\W", dir}, "--os wants"},
        {{"--report", "r.rtf", dir}, "not available yet"}, {{"Q:"}, "drive Q: does not exist"},
        {{dir + "/missing"}, "is not a directory"},
        {{"--map", "D:=" + dir + "/missing", "D:"}, "is not a directory"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseScanOptions(c.args, error));
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(ScanOptions, DriveLettersDirectoriesAndSystems) {
    testing::TempDir t;
    const std::string dir = U(t.path());
    std::string error;
    auto o = ParseScanOptions({"--quiet", "--map", "d:=" + dir, "--os", "1,4,10,C:\\WINDOWS", "D:\\"}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->drive, "D:");
    EXPECT_EQ(*o->drives.Root("D:"), t.path());
    EXPECT_TRUE(o->quiet);
    ASSERT_TRUE(o->os);
    EXPECT_EQ(std::make_tuple(o->os->platform_id, o->os->minor, o->os->windows_directory),
              std::make_tuple(1u, 10u, std::string("C:\\WINDOWS")));

    o = ParseScanOptions({"--map", "E:=/", "E:"}, error);  // a folder of one character
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(*o->drives.Root("E:"), platform::HostPathFromUtf8("/"));

    o = ParseScanOptions({"--os", "none", "--data", dir, dir}, error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->drive, "C:");  // a directory is scanned as drive C:
    EXPECT_EQ(*o->drives.Root("C:"), t.path());
    EXPECT_FALSE(o->os->version_known);
    EXPECT_EQ(o->data_dir, t.path());

    EXPECT_EQ(ParseOsSpec("2,5,0,C:\\A,B")->windows_directory, "C:\\A,B");
    EXPECT_TRUE(ParseScanOptions({"--help"}, error)->help);
}

TEST(ScanCommand, ScansWritesAndSummarises) {
    ScanFixture f;
    f.Put("A/WRITER.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    f.Put("A/OLD.EXE", Program("Acme Writer", "Acme Inc.", "4.0"));
    f.Put("B/JUNK.EXE", "MZ");
    testing::TempDir results;
    std::string error;
    auto o = ParseScanOptions({"--data", U(f.data()), "--results", U(results.path()), "--os", "2,5,0,C:\\WINNT",
                               U(f.drive())}, error);
    ASSERT_TRUE(o) << error;
    std::ostringstream out, err, progress;
    EXPECT_EQ(RunScanCommand(*o, f.source, out, err, &progress), 0);
    EXPECT_EQ(out.str(),
              "Year 2000 Ready: 1\nManufacturer Supplied No Info: 0\nYear 2000 Ready With Issues: 1\n"
              "Not Year 2000 Ready: 1\nManufacturer Will Not Test: 0\nUndocumented programs: 1\n");
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(testing::ReadFileBytes(results / "JFiles.y2k"), Line({"JUNK.EXE", "None", "None", "None", "None", "None", "C:\\B", "1"}));
    EXPECT_NE(testing::ReadFileBytes(results / "Files.y2k").find("Acme Writer\tAcme\t4.0"), std::string::npos);
    EXPECT_FALSE(fs::exists(f.data() / "Files.y2k"));  // written to the results directory only
}

TEST(ScanCommand, OsDriveJudgesTheWindowsOfTheDrive) {
    ScanFixture f;
    f.Put("WINDOWS/WIN.COM", "");
    std::filesystem::create_directories(f.drive() / "WINDOWS" / "SYSTEM");
    fs::copy_file(testing::FixturePath("kernel_98se"), f.drive() / "WINDOWS" / "SYSTEM" / "KERNEL32.DLL");
    std::string error;
    const std::vector<std::string> args = {"--data", U(f.data()), "--quiet", "--os", "drive",
                                           "--map", "C:=" + U(f.drive()), "C:"};
    auto o = ParseScanOptions(args, error);
    ASSERT_TRUE(o) << error;
    std::ostringstream out, err;
    EXPECT_EQ(RunScanCommand(*o, f.source, out, err, nullptr), 0);
    EXPECT_EQ(err.str(), "ostrevan-scan: judging Windows 98 Second Edition 4.10.2222 in C:\\WINDOWS\n");
    EXPECT_EQ(testing::ReadFileBytes(f.data() / "Files.y2k"),
              Line({"Microsoft Windows Operating System", "Microsoft Corporation", "4.10", "4.10", "Operating System",
                    "Nothing to do", "C:\\WINDOWS", "1"}));

    fs::remove_all(f.drive() / "WINDOWS");  // nothing to recognise: as with --os none
    std::ostringstream out2, err2;
    EXPECT_EQ(RunScanCommand(*o, f.source, out2, err2, nullptr), 0);
    EXPECT_NE(err2.str().find("no Windows folder found on C:"), std::string::npos) << err2.str();
    EXPECT_NE(err2.str().find("as with --os none"), std::string::npos) << err2.str();
    EXPECT_EQ(testing::ReadFileBytes(f.data() / "Files.y2k"),
              Line({"", "Microsoft Corporation", "", "", "Operating System", "", "", "2"}));
}

TEST(ScanCommand, NamesReachTheTerminalWithControlCharactersEscaped) {
    EXPECT_EQ(VisibleName("C:\\A\x1b[2J\x07.EXE"), "C:\\A\\x1B[2J\\x07.EXE");
    // 8-bit CSI and DEL; "é", the blank and the no-break space stay.
    EXPECT_EQ(VisibleName("\x9b" "1m\x7f\xe9 \x80\xa0\x1f"), "\\x9B1m\\x7F\xe9 \\x80\xa0\\x1F");
    // UTF-8 text of the host: its characters stay, controls (C1 ones too) and broken bytes show.
    EXPECT_EQ(VisibleText("Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(VisibleText("PC\x1B]0;x\x07"), "PC\\x1B]0;x\\x07");
    EXPECT_EQ(VisibleText("\xC2\x9B" "2J\x7F"), "\\xC2\\x9B2J\\x7F");            // U+009B, the 8-bit CSI
    EXPECT_EQ(VisibleText("\xC3(\xFF\xC0\x80\xE2\x82"), "\\xC3(\\xFF\\xC0\\x80\\xE2\\x82");  // broken, overlong, cut
    // Halves of surrogate pairs are no characters: the first and the last of them show as bytes.
    EXPECT_EQ(VisibleText("\xED\xA0\x80|\xED\xBF\xBF|\xED\x9F\xBF"), "\\xED\\xA0\\x80|\\xED\\xBF\\xBF|\xED\x9F\xBF");
    EXPECT_EQ(VisibleText("\xF0\x90\x80\x80|\xE0\xA0\x80"), "\xF0\x90\x80\x80|\xE0\xA0\x80");  // U+10000, U+0800
}

TEST(ScanCommand, StopRequestSavesWhatWasFound) {
    ScanFixture f;
    for (int i = 0; i < 5; ++i) f.Put("D" + std::to_string(i) + "/P.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    std::string error;
    auto o = ParseScanOptions({"--data", U(f.data()), "--quiet", "--os", "none", U(f.drive())}, error);
    ASSERT_TRUE(o) << error;
    // Ctrl-C while the second program is read: it is finished, nothing after it is examined.
    struct StoppingSource : FieldFileSource {
        void LoadVersionBlock(const platform::HostPath& p) override {
            FieldFileSource::LoadVersionBlock(p);
            if (loads.size() == 2) RequestScanStop();
        }
    } stopping;
    std::ostringstream out2, err2;
    EXPECT_EQ(RunScanCommand(*o, stopping, out2, err2, nullptr), kStoppedStatus);
    EXPECT_EQ(stopping.loads.size(), 2u);
    EXPECT_NE(err2.str().find("stopped by Ctrl-C; the results so far were saved"), std::string::npos);
    EXPECT_NE(out2.str().find("Year 2000 Ready: 2\n"), std::string::npos) << out2.str();
    colFiles saved;
    saved.LoadFromFile(false, f.data());
    EXPECT_EQ(saved.Count(), 2);  // the system's record and the merged program

    // The stop ended with its run: the next run examines every program.
    std::ostringstream out, err;
    EXPECT_EQ(RunScanCommand(*o, f.source, out, err, nullptr), 0);
    EXPECT_EQ(f.source.loads.size(), 5u);
}

}  // namespace
}  // namespace ostrevan::scantest
