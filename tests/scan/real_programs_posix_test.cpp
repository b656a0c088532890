// Host file names that the code page cannot spell (UTF-8 names of this host).
#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "scan/ModVersion.h"
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

}  // namespace
}  // namespace ostrevan::scantest
