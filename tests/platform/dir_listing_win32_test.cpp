// Listing rules on Windows: attribute filter, names outside the code page, the drive list.
#include <algorithm>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/dir_listing.h"
#include "platform/drive_info.h"
#include "platform/drive_map.h"
#include "platform/os_identity.h"
#include "scan/drive_scan.h"
#include "support/test_support.h"

// After the program's headers: windows.h defines macros (Yield) that clash with their names.
#include <windows.h>

#include "platform/host_api_win32.h"

using namespace ostrevan::platform;
using ostrevan::testing::TempDir;
namespace fs = std::filesystem;

namespace {

// Through the wide API: the library's narrow streams cannot name every file.
bool Touch(const fs::path& p) {
    HANDLE h = CreateFileW(p.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD n = 0;
    WriteFile(h, "MZ", 2, &n, nullptr);
    CloseHandle(h);
    return true;
}

std::vector<std::string> Names(const std::vector<DirEntry>& v) {
    std::vector<std::string> out;
    for (const auto& e : v) out.push_back(e.name);
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

TEST(DirListingWin32, HiddenAndSystemEntriesAreNeverListed) {
    TempDir t;
    for (const char* n : {"plain.exe", "hidden.exe", "system.exe", "ro.exe", "x.txt"})
        ASSERT_TRUE(Touch(t / n));
    fs::create_directory(t / "hdir");
    fs::create_directory(t / "dir");
    SetFileAttributesW((t / "hidden.exe").wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW((t / "system.exe").wstring().c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesW((t / "ro.exe").wstring().c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW((t / "hdir").wstring().c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_EQ(Names(ListDirectory(t.path(), ListPattern::kPrograms)),
              (std::vector<std::string>{"plain.exe", "ro.exe"}));
    EXPECT_EQ(Names(ListDirectory(t.path(), ListPattern::kAll)),
              (std::vector<std::string>{"dir", "plain.exe", "ro.exe", "x.txt"}));
    // The walk's single listing gives both lists as the two searches do, in their order; a
    // long name whose 8.3 alias ends in .EXE is matched by the system's "*.exe" as well.
    ASSERT_TRUE(Touch(t / "setup.exeold"));
    auto inOrder = [](const std::vector<DirEntry>& v) {
        std::string names;
        for (const auto& e : v) names += e.name + "|";
        return names;
    };
    const auto both = ListProgramsAndAll(t.path());
    EXPECT_EQ(inOrder(both.programs), inOrder(ListDirectory(t.path(), ListPattern::kPrograms)));
    EXPECT_EQ(inOrder(both.all), inOrder(ListDirectory(t.path(), ListPattern::kAll)));
    SetFileAttributesW((t / "ro.exe").wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const char* n : {"hidden.exe", "system.exe"})
        SetFileAttributesW((t / n).wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DirListingWin32, NameOutsideTheCodePageIsListedByItsShortNameAndOpenedByItsWideName) {
    TempDir t;
    const std::wstring wide = L"\x0416\x0443\x043A.exe";  // Cyrillic
    // Under Wine the host's locale decides which names its file system can hold.
    if (!Touch(t.path() / wide)) GTEST_SKIP() << "the file system here cannot hold this name";
    ASSERT_TRUE(Touch(t.path() / L"Caf\x00E9 long name.exe"));  // spelt in the code page: kept
    const auto list = ListProgramsAndAll(t.path()).programs;
    ASSERT_EQ(list.size(), 2u);
    for (const DirEntry& e : list) {
        const bool cyrillic = e.host == t.path() / wide;
        EXPECT_TRUE(fs::exists(e.host));
        if (!cyrillic) {
            EXPECT_EQ(e.name, "Caf\xE9 long name.exe");
            continue;
        }
        // The alias: no question marks, 8.3, and the system finds the file by it.
        EXPECT_EQ(e.name.find('?'), std::string::npos) << e.name;
        EXPECT_LE(e.name.size(), 12u) << e.name;
        EXPECT_TRUE(fs::exists(t.path() / ostrevan::platform::HostPathFromStored(e.name))) << e.name;
    }
}

// A folder that is no longer inside the folder it was found in when the walk comes to it (here
// its parent was swapped for another folder of the same name) is not listed.
TEST(DirListingWin32, AFolderSwappedAfterItsParentWasListedIsNotListed) {
    TempDir t;
    for (const char* d : {"A\\B", "Other\\B"}) fs::create_directories(t / d);
    ASSERT_TRUE(Touch(t / "Other" / "B" / "OUTSIDE.EXE"));
    const ProgramsAndAll a = ListProgramsAndAll(t / "A");
    ASSERT_TRUE(a.listed && a.key.known());
    EXPECT_TRUE(ListProgramsAndAll(t / "A" / "B", a.key).listed);
    EXPECT_TRUE(ListProgramsAndAll(t / "A" / "B" / "", a.key).listed);
    fs::rename(t / "A", t / "Moved");
    fs::rename(t / "Other", t / "A");
    const ProgramsAndAll swapped = ListProgramsAndAll(t / "A" / "B", a.key);
    EXPECT_FALSE(swapped.listed);
    EXPECT_TRUE(swapped.programs.empty());
    EXPECT_TRUE(ListProgramsAndAll(t / "Moved" / "B", a.key).listed) << "the folder itself, moved";
}

TEST(DriveServicesWin32, SystemDriveIsListedAndDescribed) {
    DriveMap map;
    auto drives = map.Drives();
    EXPECT_NE(std::find(drives.begin(), drives.end(), "C:"), drives.end());
    std::string label, fsys, type;
    int32_t size = 0, free = 0;
    GetDriveInfo(map.Root("C:"), label, fsys, size, free, type);
    EXPECT_FALSE(fsys.empty());
    EXPECT_GT(size, 0);
    EXPECT_FALSE(type.empty());
}

// tests/wine/version-modes.sh runs this with Wine playing each system (OSTREVAN_WINE_VERSION).
// The family of file functions follows the platform id: ANSI on Windows 95/98/ME only.
TEST(OsIdentityWin32, TheSystemIsNamedAndItsFileFunctionsChosenByPlatform) {
    struct Mode { const char* wine; uint32_t platform, major, minor; const char* name; };
    const Mode modes[] = {
        {"win98", 1, 4, 10, "Microsoft Windows Operating System"},
        {"win2k", 2, 5, 0, "Microsoft Windows NT Operating System"},
        {"winxp", 2, 5, 1, "Microsoft Windows NT Operating System"},
    };
    const OsIdentity id = QueryOsIdentity();
    ASSERT_TRUE(id.version_known);
    EXPECT_EQ(id.windows_directory.substr(1, 2), ":\\");
    EXPECT_EQ(host::AnsiOnly(), id.platform_id == 1);
    const char* wine = std::getenv("OSTREVAN_WINE_VERSION");
    for (const Mode& m : modes) {
        if (!wine || std::string(wine) != m.wine) continue;
        EXPECT_EQ(id.platform_id, m.platform);
        EXPECT_EQ(id.major, m.major);
        EXPECT_EQ(id.minor, m.minor);
        std::string name, version, dir;
        ostrevan::DescribeOs(id, name, version, dir);
        EXPECT_EQ(name, m.name);
        EXPECT_EQ(version, std::to_string(m.major) + "." + std::to_string(m.minor));
        EXPECT_EQ(host::AnsiOnly(), m.platform == 1) << "the file functions of " << m.wine;
    }
}
