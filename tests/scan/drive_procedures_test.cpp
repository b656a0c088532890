// The drive page's facts and the BIOS page's copy of the test utility.
#include <gtest/gtest.h>

#include "platform/program_files.h"
#include "scan/drive_procedures.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::ReadFileBytes;
using testing::TempDir;
using testing::WriteFileBytes;
namespace fs = std::filesystem;

struct Shown {
    std::vector<std::pair<std::string, std::string>> boxes;
    MessageBoxFn fn() {
        return [this](const std::string& text, const std::string& title) { boxes.emplace_back(text, title); };
    }
};

const std::pair<std::string, std::string> kDone{"YMARK 2000 Copy Completed!", "Ostrevan"};

class UtilityCopy : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(program_ / "prog");
        fs::create_directory(program_ / "d");
        WriteFileBytes(program_ / "prog" / "2000.exe", "MZ the clock test");
        drives_.Map('D', program_ / "d");
        drives_.Map('E', program_ / "not-mounted");
    }
    TempDir program_;
    platform::DriveMap drives_;
    Shown shown_;
};

TEST_F(UtilityCopy, CopiesToTheRootWhateverFollowsTheLetterAndReplaces) {
    WriteFileBytes(program_ / "d" / "2000.exe", "an older copy, longer than the new one");
    // A read-only utility (from a CD) can still be copied twice, and its copy stays writable.
    fs::permissions(program_ / "prog" / "2000.exe", fs::perms::owner_write | fs::perms::group_write |
                    fs::perms::others_write, fs::perm_options::remove);
    EXPECT_TRUE(CopyUtilityToDrive(drives_, program_ / "prog", "d: [DATA]", shown_.fn()));
    EXPECT_EQ(ReadFileBytes(program_ / "d" / "2000.exe"), "MZ the clock test");
    EXPECT_NE(fs::status(program_ / "d" / "2000.exe").permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_TRUE(CopyUtilityToDrive(drives_, program_ / "prog", "D:\\SOME\\DIR", shown_.fn()));
    EXPECT_EQ(shown_.boxes, (decltype(shown_.boxes){kDone, kDone}));
    EXPECT_FALSE(fs::exists(program_ / "d" / "SOME"));
    fs::permissions(program_ / "prog" / "2000.exe", fs::perms::owner_write, fs::perm_options::add);
}

// A utility of the largest size copied is copied; one byte more, and the copy error is all
// the user sees.
TEST_F(UtilityCopy, TheLargestFileCopiedAndOneByteMore) {
    std::string bytes(platform::kMaxCopiedFile, 'x');
    WriteFileBytes(program_ / "prog" / "2000.exe", bytes);
    EXPECT_TRUE(CopyUtilityToDrive(drives_, program_ / "prog", "D:", shown_.fn()));
    EXPECT_EQ(fs::file_size(program_ / "d" / "2000.exe"), bytes.size());
    WriteFileBytes(program_ / "prog" / "2000.exe", bytes + "x");
    EXPECT_FALSE(CopyUtilityToDrive(drives_, program_ / "prog", "D:", shown_.fn()));
    EXPECT_EQ(shown_.boxes, (decltype(shown_.boxes){kDone, {"Ostrevan was Unable to Copy this File", "Copy Error"}}));
#ifdef __linux__
    // A file whose reading fails part way (this process's memory, unmapped at its start) is no copy.
    EXPECT_FALSE(platform::CopyWholeFile("/proc/self/mem", program_ / "d" / "mem"));
    EXPECT_FALSE(fs::exists(program_ / "d" / "mem"));
#endif
}

}  // namespace
}  // namespace ostrevan
