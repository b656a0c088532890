// Listing rules on Windows: attribute filter, names outside the code page, the drive list.
#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "platform/dir_listing.h"
#include "platform/drive_info.h"
#include "platform/drive_map.h"
#include "platform/os_identity.h"
#include "support/test_support.h"

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
    SetFileAttributesW((t / "ro.exe").wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    for (const char* n : {"hidden.exe", "system.exe"})
        SetFileAttributesW((t / n).wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(DirListingWin32, NameOutsideTheCodePageIsStoredConvertedAndOpenedByItsWideName) {
    TempDir t;
    const std::wstring wide = L"\x0416\x0443\x043A.exe";  // Cyrillic
    // Under Wine the host's locale decides which names its file system can hold.
    if (!Touch(t.path() / wide)) GTEST_SKIP() << "the file system here cannot hold this name";
    auto list = ListDirectory(t.path(), ListPattern::kPrograms);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].host, t.path() / wide);
    EXPECT_TRUE(fs::exists(list[0].host));
    EXPECT_EQ(list[0].name.size(), 7u);
    EXPECT_EQ(list[0].name.substr(3), ".exe");
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

TEST(OsIdentityWin32, AnswersAFamilyAndTheWindowsDirectory) {
    OsIdentity id = QueryOsIdentity();
    EXPECT_TRUE(id.version_known);
    EXPECT_TRUE(id.platform_id == 1 || id.platform_id == 2);
    EXPECT_GE(id.major, 4u);
    EXPECT_EQ(id.windows_directory.substr(1, 2), ":\\");
}
