// Walks over what only this host's file systems make easy: link loops, unreadable directories.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "scan_fixture.h"

namespace ostrevan::scantest {
namespace {

namespace fs = std::filesystem;

TEST(ScanEdges, LinkLoopsAreNotFollowed) {
    ScanFixture f;
    f.Put("A/PROG.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    fs::create_directory_symlink(f.drive(), f.drive() / "A" / "loop");
    fs::create_directory_symlink(f.drive() / "A", f.drive() / "A" / "self");
    fs::create_symlink(f.drive() / "A" / "PROG.EXE", f.drive() / "LINK.EXE");
    f.Scan();
    EXPECT_EQ(f.st.lngNumFiles, 1);
    EXPECT_EQ(f.source.loads.size(), 1u);
    EXPECT_EQ(f.st.lngComp, 1);
}

// A folder that cannot be listed when the walk comes to it (here it has become a file after its
// parent was read, which binds root too) is named, and the scan is incomplete.
TEST(ScanEdges, FoldersThatCannotBeListedAreNamed) {
    ScanFixture f;
    f.Put("A.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    for (const char* d : {"GONE", "LOST"}) f.Put(std::string(d) + "/PROG.EXE", Program("Acme Writer", "Acme Inc.", "2.5"));
    f.on_yield = [&] {  // in the examining walk, once the root's program is done
        for (const char* d : {"GONE", "LOST"}) {
            if (f.st.lngFileCounter < 1 || !fs::is_directory(f.drive() / d)) continue;
            fs::remove_all(f.drive() / d);
            testing::WriteFileBytes(f.drive() / d, "now a file");
        }
    };
    std::vector<std::string> unlisted = f.Scan().unlisted_folders;
    std::sort(unlisted.begin(), unlisted.end());  // in the order the file system lists them
    ASSERT_EQ(unlisted, (std::vector<std::string>{"C:\\GONE", "C:\\LOST"}));
    EXPECT_EQ(f.st.cFiles.Count(), 2) << "the system and the root's program";
    EXPECT_EQ(UnlistedFoldersMessage(unlisted),
              "The scan is incomplete: 2 folders could not be read, and the programs in them are missing from the "
              "results (C:\\GONE, C:\\LOST).");
    const std::string seven = UnlistedFoldersMessage(std::vector<std::string>(7, "C:\\X"));
    EXPECT_EQ(seven.substr(seven.find('(')),
              "(C:\\X, C:\\X, C:\\X, C:\\X, C:\\X and 2 more).");
}

}  // namespace
}  // namespace ostrevan::scantest
