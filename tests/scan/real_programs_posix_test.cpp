// Host file names that the code page cannot spell (UTF-8 names of this host).
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "scan/ModVersion.h"
#include "scan/read_ahead_versions.h"
#include "scan_fixture.h"

namespace ostrevan::scantest {
namespace {

TEST(RealPrograms, NamesOutsideTheCodePageAreExaminedAndStoredConverted) {
    ScanFixture f;
    const std::string host_name = "\xCE\xA9mega-\xC4\x81.exe";  // Greek capital omega, a with macron
    std::ofstream(f.drive() / host_name, std::ios::binary) << VersionExe({{"CompanyName", "Acme Inc."}, {"ProductName", "Gadget"}, {"ProductVersion", "1.0"}});
    ModVersion reader;
    HeadlessScanPage page;
    std::vector<std::string> files_shown;
    DriveScan scan(f.st, page, reader, [&] { files_shown.push_back(page.view().file); });
    ASSERT_TRUE(RunScanSequence(f.st, scan, page, "C:", f.drive(), Win2000(), f.data()).ok());
    // Yields while counting and listing, then one after the program.
    ASSERT_FALSE(files_shown.empty());
    EXPECT_EQ(files_shown.back(), "C:\\" + codepage::Utf8ToWindows1252(host_name));
    EXPECT_EQ(files_shown.back(), "C:\\Omega-a.exe");  // the best fit of both letters
    EXPECT_EQ(f.st.lngCompUnknown, 1);  // Acme has no record for Gadget
}

// Reading ahead on a second thread gives the result files of the plain reader, also where the
// walk passes a program by (REGSVR32.EXE) and where a record is merged from several folders.
TEST(RealPrograms, ReadingAheadGivesTheSameResultFiles) {
    std::string results[2];
    for (int ahead = 0; ahead < 2; ++ahead) {
        ScanFixture f;
        f.Put("A/REGSVR32.EXE", VersionExe({{"CompanyName", "Acme Inc."}, {"ProductName", "Skipped"}}));
        f.Put("A/WRITER.EXE", VersionExe({{"CompanyName", "Acme Inc."}, {"ProductName", "Acme Writer"},
                                          {"ProductVersion", "2.0"}, {"FileDescription", "Writer"}}));
        f.Put("A/NOVER.EXE", VersionExe({}));
        f.Put("A/B/TOOL.EXE", VersionExe({{"ProductName", "Thing"}, {"ProductVersion", "1.0"}, {"Comments", "none"}}));
        f.Put("A/B/WRITER.EXE", VersionExe({{"CompanyName", "Acme Inc."}, {"ProductName", "Acme Writer"},
                                            {"ProductVersion", "4.0"}}));
        ModVersion plain;
        ReadAheadVersions readAhead;
        HeadlessScanPage page;
        DriveScan scan(f.st, page, ahead ? static_cast<VersionSource&>(readAhead) : plain, {});
        ASSERT_TRUE(RunScanSequence(f.st, scan, page, "C:", f.drive(), Win2000(), f.data()).ok());
        results[ahead] = testing::ReadFileBytes(f.data() / "Files.y2k") + testing::ReadFileBytes(f.data() / "JFiles.y2k");
    }
    EXPECT_NE(results[0].find("Acme Writer"), std::string::npos);
    EXPECT_NE(results[0].find("none"), std::string::npos);
    EXPECT_EQ(results[1], results[0]);
}

}  // namespace
}  // namespace ostrevan::scantest
