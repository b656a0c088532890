// Scans over drives of real program files, read by the version reader.
#include <gtest/gtest.h>

#include "scan/ModVersion.h"
#include "scan_fixture.h"

namespace ostrevan::scantest {
namespace {


TEST(RealPrograms, ResultFilesByteForByte) {
    ScanFixture f;
    f.Put("WRITER.EXE", VersionExe({{"CompanyName", "Acme Inc."}, {"ProductName", "Acme Writer"},
                             {"ProductVersion", "2.0"}, {"FileDescription", "Acme Writer"}}));
    f.Put("OLD/WRITER.EXE", VersionExe({{"CompanyName", "Acme Inc."}, {"ProductName", "Acme Writer"},
                                 {"ProductVersion", "4.0"}, {"FileDescription", "Writer\r\nold"}}));
    f.Put("NOVER.EXE", VersionExe({}));
    f.Put("DE/SUB/TRUNC.EXE", VersionExe({{"CompanyName", "Acme Inc."}}).substr(0, 300));  // cut off: unreadable
    f.Put("DE/TOOL.EXE", VersionExe({{"CompanyName", "Werkzeug GmbH"}, {"ProductName", "Werkzeugkasten \xFC"},
                              {"ProductVersion", "1.0"}, {"FileDescription", "Kiste"}}, 1031));
    f.Put("DE/NOCO.EXE", VersionExe({{"ProductName", "Thing"}, {"ProductVersion", "1.0"}, {"Comments", "no company"}}));
    f.Put("WINNT/SYSTEM32/KERNEL.EXE", VersionExe({{"CompanyName", "Microsoft Corporation"},
                                            {"ProductName", "Microsoft\xAE Windows NT(TM) Operating System"},
                                            {"ProductVersion", "5.00.2195"}}));
    ModVersion reader;
    ScanPage page;
    DriveScan scan(f.st, page, reader, {});
    ASSERT_TRUE(RunScanSequence(f.st, scan, page, "C:", f.drive(), Win2000(), f.data()).ok());
    EXPECT_EQ(testing::ReadFileBytes(f.data() / "Files.y2k"),
              Line({"Acme Writer", "Acme", "4.0", "4.0", "Writerold", "Upgrade to Writer 5", "C:\\OLD", "4"}) +
                  Line({"Microsoft Windows NT Operating System", "Microsoft Corporation", "5.0", "5.0",
                        "Operating System", "Install the service pack", "C:\\WINNT", "5"}) +
                  Line({"Acme Writer", "Acme", "2.0", "2.0", "Acme Writer", "Nothing to do", "C:", "1"}) +
                  Line({"Werkzeugkasten \xFC", "Werkzeug GmbH", "1.0", "1.0", "Kiste", "", "C:\\DE", "0"}));
    EXPECT_EQ(testing::ReadFileBytes(f.data() / "JFiles.y2k"),
              Line({"NOVER.EXE", "None", "None", "None", "None", "None", "C:", "1"}) +
                  Line({"NOCO.EXE", "None", "1.0", "1.0", "None", "no company", "C:\\DE", "1"}) +
                  Line({"TRUNC.EXE", "None", "None", "None", "None", "None", "C:\\DE\\SUB", "1"}));
    EXPECT_EQ(f.Counters(), (std::array<int32_t, 5>{1, 0, 2, 1, 0}));
}

}  // namespace
}  // namespace ostrevan::scantest
