// Program files of both widths (PE32 and PE32+): the version block and the icon group are found.
#include "platform/program_file.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "platform/version_api.h"
#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;
namespace pv = ostrevan::version::portable;

TEST(ProgramFile, ReadsBothExecutableWidths) {
    TempDir dir;
    const Bytes block = BuildVersionBlock32(VersionRoot(
        {Block("StringFileInfo", {Block("040904E4", {Str("ProductName", u"P")})}), Block("VarFileInfo", {Translation({{0x409, 1252}})})}));
    for (bool pe32plus : {true, false}) {
        const Bytes bytes = BuildPe({Resource{16, 1, {}, 0x409, block}, Resource{14, 7, {}, 0x409, Bytes(20, 1)},
                                     Resource{3, 1, {}, 0x409, Bytes(40, 2)}}, pe32plus, nullptr);
        const std::string path = (dir / "p.exe").string();
        WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
        // The size the system gives for a block of the file: twice its bytes and four more.
        EXPECT_EQ(pv::GetFileVersionInfoSizeA(path), block.size() * 2 + 4) << pe32plus;
        std::vector<uint8_t> once;
        EXPECT_TRUE(pv::LoadVersionInfo(path, once)) << pe32plus;
        auto f = ProgramFile::Open(path);
        ASSERT_TRUE(f);
        EXPECT_EQ(f->Resources(kResGroupIcon).size(), 1u) << pe32plus;
    }
    // Without a version resource there is no block to load.
    const Bytes bare = BuildPe({Resource{14, 7, {}, 0x409, Bytes(20, 1)}}, false, nullptr);
    WriteFileBytes(dir / "bare.exe", std::string(bare.begin(), bare.end()));
    std::vector<uint8_t> none{1};
    EXPECT_FALSE(pv::LoadVersionInfo((dir / "bare.exe").string(), none));
    EXPECT_TRUE(none.empty());
}

TEST(ProgramFile, NoSingleReadTakesMoreThanTheLargestPiece) {
    TempDir dir;
    WriteFileBytes(dir / "big.bin", std::string(FileBytes::kMaxRead + 1, 'x'));
    const auto f = FileBytes::Open((dir / "big.bin").string());
    ASSERT_TRUE(f);
    EXPECT_EQ(f->Read(1, FileBytes::kMaxRead).value_or(std::vector<uint8_t>{}).size(), FileBytes::kMaxRead);
    EXPECT_FALSE(f->Read(0, FileBytes::kMaxRead + 1));
    // A file cut short after it was opened: what is gone cannot be read.
    std::filesystem::resize_file(dir / "big.bin", 8192);
    EXPECT_TRUE(f->Read(4096, 4096));
    errno = EINTR;  // left by an earlier interrupted call: the end of the file is still the end
    EXPECT_FALSE(f->Read(4096, 4097));
    EXPECT_FALSE(f->Read(10000, 10));
}
