// Recognising the Windows of a scanned drive from its own kernel file and boot files.
#include <gtest/gtest.h>

#include <filesystem>

#include "scan/drive_scan.h"
#include "scan/drive_windows.h"
#include "support/program_builder.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

namespace fs = std::filesystem;

// Puts a Windows folder on the drive: the kernel fixture where its family keeps it.
void PutWindows(const fs::path& drive, const std::string& folder, const std::string& kernel, bool nt,
                bool lowerCase = false) {
    const std::string sys = lowerCase ? "system" : "SYSTEM";
    const fs::path dir = drive / folder / (nt ? sys + "32" : sys);
    fs::create_directories(dir);
    const fs::path file = dir / (nt ? "NTOSKRNL.EXE" : lowerCase ? "kernel32.dll" : "KERNEL32.DLL");
    if (kernel.empty()) testing::WriteFileBytes(file, "MZ");
    else fs::copy_file(testing::FixturePath(kernel), file);
    if (!nt) testing::WriteFileBytes(drive / folder / (lowerCase ? "win.com" : "WIN.COM"), "");
}

TEST(DriveWindows, EachFamilyIsRecognisedFromItsKernel) {
    struct Case {
        const char* kernel;
        const char* folder;
        bool nt, lowerCase;
        uint32_t family;
        const char* osVersion;  // as the operating-system check writes it
        const char* version;
        const char* release;
    } cases[] = {
        {"kernel_95", "WINDOWS", false, false, 1, "4.0", "4.0.950", "Windows 95"},
        {"kernel_98se", "windows", false, true, 1, "4.10", "4.10.2222", "Windows 98 Second Edition"},
        {"kernel_me", "WINDOWS", false, false, 1, "4.90", "4.90.3000", "Windows Millennium Edition"},
        {"kernel_2000", "WINNT", true, false, 2, "5.0", "5.0.2195", "Windows 2000"},
        {"kernel_xp", "WINDOWS", true, true, 2, "5.1", "5.1.2600", "Windows XP"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kernel);
        testing::TempDir drive;
        PutWindows(drive.path(), c.folder, c.kernel, c.nt, c.lowerCase);
        const DriveWindowsSearch s = FindDriveWindows("D:", drive.path());
        ASSERT_TRUE(s.found);
        EXPECT_TRUE(s.notes.empty());
        std::string name, version, dir;
        DescribeOs(s.found->identity, name, version, dir);
        EXPECT_EQ((std::vector<std::string>{std::to_string(s.found->identity.platform_id), version, dir,
                                            s.found->version, s.found->release}),
                  (std::vector<std::string>{std::to_string(c.family), c.osVersion, std::string("D:\\") + c.folder,
                                            c.version, c.release}));
    }
    // A kernel whose fixed information ends right after the file version still tells it.
    testing::VerNode root = testing::VersionRoot({});
    root.binaryValue.resize(16);
    testing::Put32(root.binaryValue, 8, 0x0004000A);
    testing::TempDir drive;
    PutWindows(drive.path(), "WINDOWS", "", false);
    const testing::Bytes pe = testing::PeWithVersion(testing::BuildVersionBlock32(root));
    testing::WriteFileBytes(drive.path() / "WINDOWS/SYSTEM/KERNEL32.DLL", std::string(pe.begin(), pe.end()));
    const DriveWindowsSearch shortInfo = FindDriveWindows("C:", drive.path());
    EXPECT_EQ(std::make_pair(shortInfo.found->identity.major, shortInfo.found->identity.minor), std::make_pair(4u, 10u));
    // Builds within a version: the release changes at the first build of the later one.
    EXPECT_EQ(WindowsRelease(1, 4, 10, 1998), "Windows 98");
    EXPECT_EQ(WindowsRelease(1, 4, 0, 1111), "Windows 95 OEM Service Release 2");
    EXPECT_EQ(WindowsRelease(2, 4, 10, 2222), "");  // an NT 4.10 is no known release
}

TEST(DriveWindows, BootFilesChooseAmongSeveralFolders) {
    struct Case { const char* bootIni; const char* msdosSys; const char* chosen; const char* note; } cases[] = {
        {"[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINNT\r\n"
         "[operating systems]\r\nC:\\=\"Windows 98\"\r\n",
         "[Paths]\r\nWinDir=C:\\WIN98\r\n", "C:\\WINNT", "the boot files start WINNT"},
        {"[boot loader]\r\ndefault=C:\\\r\n", "[Options]\r\nWinDir=C:\\WINNT\r\n[Paths]\r\nwindir = C:\\win98\r\n",
         "C:\\WIN98", "the boot files start WIN98"},
        {nullptr, nullptr, "C:\\WIN98", "none is named by the boot files; taking WIN98"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        testing::TempDir drive;
        PutWindows(drive.path(), "WINNT", "kernel_2000", true);
        PutWindows(drive.path(), "WIN98", "kernel_98se", false);
        if (c.bootIni) testing::WriteFileBytes(drive.path() / "BOOT.INI", c.bootIni);
        if (c.msdosSys) testing::WriteFileBytes(drive.path() / "MSDOS.SYS", c.msdosSys);
        const DriveWindowsSearch s = FindDriveWindows("C:", drive.path());
        ASSERT_TRUE(s.found);
        EXPECT_EQ(s.found->identity.windows_directory, c.chosen);
        ASSERT_EQ(s.notes.size(), 1u);
        EXPECT_NE(s.notes[0].find(std::string("2 Windows folders (WIN98, WINNT); ") + c.note), std::string::npos)
            << s.notes[0];
    }
}

}  // namespace
}  // namespace ostrevan
