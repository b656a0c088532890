// Walks over what only this host's file systems make easy: link loops, unreadable directories.
#include <unistd.h>

#include <gtest/gtest.h>

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

TEST(ScanEdges, UnreadableDirectoryIsSkippedAndTheWalkGoesOn) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    ScanFixture f;
    f.Put("LOCKED/SECRET.EXE", Program("Acme Writer", "Acme Inc.", "2.0"));
    f.Put("OPEN/PROG.EXE", Program("Acme Writer", "Acme Inc.", "2.5"));
    fs::permissions(f.drive() / "LOCKED", fs::perms::none);
    f.Scan();
    fs::permissions(f.drive() / "LOCKED", fs::perms::owner_all);
    EXPECT_EQ(f.st.lngNumFiles, 1);
    EXPECT_EQ(f.source.loads.size(), 1u);
    EXPECT_EQ(f.st.cFiles.Count(), 2);
}

}  // namespace
}  // namespace ostrevan::scantest
