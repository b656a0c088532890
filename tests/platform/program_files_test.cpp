// Whole-file copies and the program's own directory.
#include <gtest/gtest.h>

#include "platform/program_files.h"
#include "support/test_support.h"

using namespace ostrevan::platform;
using ostrevan::testing::ReadFileBytes;
using ostrevan::testing::TempDir;
using ostrevan::testing::WriteFileBytes;
namespace fs = std::filesystem;

TEST(CopyWholeFile, ReplacesTheTargetEveryTime) {
    TempDir t;
    std::string big(300000, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
    WriteFileBytes(t / "src", big);
    WriteFileBytes(t / "dst", "a much older and different content");
    ASSERT_TRUE(CopyWholeFile(t / "src", t / "dst"));
    EXPECT_EQ(ReadFileBytes(t / "dst"), big);
    WriteFileBytes(t / "src", "short");
    ASSERT_TRUE(CopyWholeFile(t / "src", t / "dst"));
    EXPECT_EQ(ReadFileBytes(t / "dst"), "short");
}

TEST(CopyWholeFile, FailuresLeaveNoFileBehind) {
    TempDir t;
    EXPECT_FALSE(CopyWholeFile(t / "missing", t / "dst"));
    EXPECT_FALSE(fs::exists(t / "dst"));
    WriteFileBytes(t / "src", "x");
    EXPECT_FALSE(CopyWholeFile(t / "src", t / "no-such-dir" / "dst"));
    EXPECT_FALSE(CopyWholeFile(t.path(), t / "dst"));  // a directory is no file
    EXPECT_FALSE(fs::exists(t / "dst"));
}

TEST(ProgramDirectory, HoldsTheRunningTestProgram) {
    const HostPath dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    bool found = false;
    for (const auto& e : fs::directory_iterator(dir))
        found = found || e.path().filename().string().rfind("ostrevan_platform_tests", 0) == 0;
    EXPECT_TRUE(found) << dir;
}
