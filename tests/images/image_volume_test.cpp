// A volume of a disk image answers the program's file functions as a folder would: paths not
// yet listed are found by walking from the root, a missing path or a file is no folder, and each
// listing gives what was asked for.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/command_line.h"
#include "platform/dir_listing.h"
#include "platform/file_access.h"
#include "platform/image/disk_image.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

TEST(ImageVolume, AnswersPathsItHasNotListedYetAndListsWhatIsAskedFor) {
    TempDir dir;
    WriteFileBytes(dir / "A.EXE", "MZ");
    WriteFileBytes(dir / "README.TXT", "text");
    const std::string img = (dir / "disk.img").string(), files = dir.path().string();
    ASSERT_EQ(std::system(("PATH=$PATH:/usr/sbin:/sbin MTOOLS_SKIP_CHECK=1 sh -c 'mkfs.fat -C -F 12 " + img +
                           " 1440 && mmd -i " + img + " ::/WINDOWS ::/WINDOWS/SYSTEM && mcopy -i " + img + " " +
                           files + "/A.EXE " + files + "/README.TXT ::/WINDOWS/SYSTEM' >/dev/null 2>&1").c_str()), 0);
    std::string why;
    const auto image = platform::DiskImage::Open(img, why);
    ASSERT_TRUE(image) << why;
    const platform::HostPath root = platform::HostPathFromUtf8(img + ",1");
    const platform::AttachedVolume attached(root, image->OpenVolume(1, root, why));
    const platform::HostPath system = root / "WINDOWS" / "SYSTEM";
    EXPECT_TRUE(platform::IsFile(system / "A.EXE"));  // before any listing
    EXPECT_FALSE(platform::PathExists(root / "NOWHERE" / "A.EXE"));
    EXPECT_FALSE(platform::ListProgramsAndAll(system / "A.EXE").listed);
    EXPECT_FALSE(platform::ListProgramsAndAll(root / "NOWHERE").listed);
    // In the order of the folder's entries, as the files were copied.
    for (const auto pattern : {platform::ListPattern::kPrograms, platform::ListPattern::kAll}) {
        std::string names;
        for (const auto& e : platform::ListDirectory(system, pattern)) names += e.name + " ";
        EXPECT_EQ(names, pattern == platform::ListPattern::kAll ? "A.EXE README.TXT " : "A.EXE ");
    }
}

}  // namespace
}  // namespace ostrevan::testing
