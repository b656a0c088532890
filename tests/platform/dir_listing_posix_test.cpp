// Listing rules on this host's file systems: hidden names, the program pattern, links.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/byte_reader.h"
#include "platform/dir_listing.h"
#include "platform/drive_info.h"
#include "platform/file_access.h"
#include "platform/vb_error.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::platform;
using ostrevan::testing::TempDir;
using ostrevan::testing::WriteFileBytes;
namespace fs = std::filesystem;

namespace {

// The names listed, in the listing's order or sorted.
std::vector<std::string> Names(const std::vector<DirEntry>& v, bool sorted = true) {
    std::vector<std::string> out;
    for (const auto& e : v) out.push_back(e.name);
    if (sorted) std::sort(out.begin(), out.end());
    return out;
}

}  // namespace

TEST(DirListingPosix, ProgramPatternTakesPlainFilesEndingInExeOfAnyCase) {
    TempDir t;
    for (const char* n : {"a.exe", "B.EXE", "c.Exe", "d.exe.bak", "e.exex", "f.com", "g.xxe", "h-exe", "exe", ".exe",
                          ".hidden.exe"})
        WriteFileBytes(t / n, "MZ");
    fs::create_directory(t / "dir.exe");
    fs::create_symlink(t / "a.exe", t / "link.exe");
    mkfifo((t / "pipe.exe").c_str(), 0600);
    const std::vector<std::string> programs{"B.EXE", "a.exe", "c.Exe"};
    EXPECT_EQ(Names(ListDirectory(t.path(), ListPattern::kPrograms)), programs);
    EXPECT_TRUE(HasProgramExtension(".exe"));  // a program on Windows, hidden here
    // One reading of the directory gives both listings, in the same order as two would.
    const auto both = ListProgramsAndAll(t.path());
    EXPECT_EQ(Names(both.programs), programs);
    EXPECT_EQ(Names(both.all, false), Names(ListDirectory(t.path(), ListPattern::kAll), false));
}

TEST(DirListingPosix, AllPatternGivesKindsAndHidesDotNames) {
    TempDir t;
    WriteFileBytes(t / "file.txt", "x");
    fs::create_directory(t / "sub");
    fs::create_directory(t / ".git");
    fs::create_directory_symlink(t.path(), t / "loop");
    auto list = ListDirectory(t.path(), ListPattern::kAll);
    ASSERT_EQ(Names(list), (std::vector<std::string>{"file.txt", "loop", "sub"}));
    for (const auto& e : list) {
        EntryKind want = e.name == "sub" ? EntryKind::kDirectory
                         : e.name == "loop" ? EntryKind::kLink
                                            : EntryKind::kFile;
        EXPECT_EQ(e.kind, want) << e.name;
        EXPECT_EQ(e.host, t.path() / e.name);
    }
}

// A folder swapped for a link after its parent was listed is not entered, nor is one below a
// folder swapped so; the programs of a folder being read come from the folder listed, even when
// a link to another folder takes its name meanwhile.
TEST(DirListingPosix, FoldersSwappedForLinksAreNotFollowed) {
    TempDir t;
    fs::create_directories(t / "drive" / "a" / "b");
    fs::create_directories(t / "outside" / "b");
    WriteFileBytes(t / "drive" / "a" / "P.EXE", "MZ inside");
    WriteFileBytes(t / "outside" / "P.EXE", "MZ outside");
    const std::string program = (t / "drive" / "a" / "P.EXE").string();
    auto content = [&] {
        const auto f = ostrevan::FileBytes::Open(program);
        const auto bytes = f ? f->Read(0, f->size()) : std::nullopt;
        return bytes ? std::string(bytes->begin(), bytes->end()) : std::string("(none)");
    };
    const auto root = ListProgramsAndAll(t / "drive");
    const auto a = ListProgramsAndAll(t / "drive" / "a", root.key);
    ASSERT_TRUE(a.listed && root.listed);
    EXPECT_TRUE(ListProgramsAndAll(t / "drive" / "a" / "b", a.key).listed);
    {
        const FolderAnchor anchor(a.folder);
        fs::rename(t / "drive" / "a", t / "drive" / "a.old");
        fs::create_directory_symlink(t / "outside", t / "drive" / "a");
        EXPECT_EQ(content(), "MZ inside");
    }
    EXPECT_EQ(content(), "MZ outside") << "without an anchor a path is a path";
    EXPECT_FALSE(ListProgramsAndAll(t / "drive" / "a", root.key).listed) << "the link itself";
    EXPECT_FALSE(ListProgramsAndAll(t / "drive" / "a" / "b", a.key).listed) << "a folder below the link";
    EXPECT_TRUE(ListProgramsAndAll(t / "drive" / "a").listed) << "the top of a walk may be a link";
}

// The file system of a folder: the deepest mount point above it, whole folder names only, the
// later of two mounts on one point; escaped blanks and bytes in points.
TEST(HostPaths, TheMountHoldingAFolder) {
    const std::string table =
        "22 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
        "30 22 8:2 / /mnt rw - ext4 /dev/sda2 rw\n"
        "31 30 8:3 / /mnt/c rw - vfat /dev/sdb1 rw\n"
        "32 30 8:4 / /mnt/c rw - ntfs3 /dev/sdc1 rw\n"
        "33 30 11:0 / /mnt/cd\\040rom rw - iso9660 /dev/sr0 ro\n"
        "34 22 0:5 / /xyz rw - tmpfs tmpfs rw\n"
        "35 22 0:6 / /\\040lead rw - tmpfs lead rw\n"
        "36 30 8:5 / /mnt/caf\\303\\251 rw - vfat /dev/sdd1 rw\n"
        "37 30 8:6 / /mnt/cut\\04 rw - vfat /dev/sde1 rw\n"
        "broken line\n";
    struct Case { const char *path, *source; } cases[] = {
        {"/mnt/c", "/dev/sdc1"},        {"/mnt/c/WINDOWS", "/dev/sdc1"}, {"/mnt/cdrom/x", "/dev/sda2"},
        {"/mnt/cd rom/x", "/dev/sr0"}, {"/abc/x", "/dev/sda1"},          {"/xyz", "tmpfs"},
        {"/ lead/x", "lead"},          {"/mnt/caf\xC3\xA9/x", "/dev/sdd1"}, {"/mnt/cut\\04/x", "/dev/sde1"},
    };
    for (const auto& c : cases) {
        std::istringstream in(table);
        const auto m = MountHolding(c.path, in);
        ASSERT_TRUE(m) << c.path;
        EXPECT_EQ(m->source, c.source) << c.path;
    }
}
