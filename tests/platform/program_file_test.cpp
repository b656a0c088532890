// Damaged program files: every read stays inside the file (the sanitizer build checks), every
// walk ends, and the damage shows only as missing resources.
#include "platform/program_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <random>

#include "platform/version_api.h"
#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;
namespace pv = ostrevan::version::portable;

namespace {

Bytes SampleBlock() {
    return BuildVersionBlock32(VersionRoot({Block("StringFileInfo", {Block("040904E4", {Str("ProductName", u"P")})}),
                                            Block("VarFileInfo", {Translation({{0x409, 1252}})})}));
}

// A program with a version resource and an icon group, and where its directory lies.
Bytes SampleProgram(PeLayout* layout, bool pe32plus = true) {
    return BuildPe({Resource{16, 1, {}, 0x409, SampleBlock()}, Resource{14, 7, {}, 0x409, Bytes(20, 1)},
                    Resource{3, 1, {}, 0x409, Bytes(40, 2)}},
                   pe32plus, layout);
}

struct Outcome { uint32_t versionSize = 0; size_t groups = 0; };

Outcome ReadAll(const TempDir& dir, const Bytes& bytes) {
    const std::string path = (dir / "p.exe").string();
    WriteFileBytes(path, std::string(bytes.begin(), bytes.end()));
    Outcome o;
    o.versionSize = pv::GetFileVersionInfoSizeA(path);
    std::vector<uint8_t> block(o.versionSize + 2u, 0);
    if (!pv::GetFileVersionInfoA(path, o.versionSize, block)) block.assign(2, 0);
    // Reading the file once gives the block the two calls give.
    std::vector<uint8_t> once;
    if (!pv::LoadVersionInfo(path, once)) once.assign(2, 0);
    EXPECT_EQ(once, block);
    if (o.versionSize && block.size() > 2) {
        const uint8_t* p = nullptr;
        uint32_t len = 0;
        pv::VerQueryValueA(block, "\\StringFileInfo\\040904E4\\ProductName", &p, &len);
        pv::VerQueryValueA(block, "\\VarFileInfo\\Translation", &p, &len);
    }
    if (auto f = ProgramFile::Open(path)) o.groups = f->Resources(kResGroupIcon).size();
    return o;
}

}  // namespace

TEST(ProgramFile, ReadsBothExecutableWidths) {
    TempDir dir;
    for (bool wide : {true, false}) {
        PeLayout layout;
        auto o = ReadAll(dir, SampleProgram(&layout, wide));
        EXPECT_EQ(o.versionSize, SampleBlock().size() * 2 + 4) << wide;
        EXPECT_EQ(o.groups, 1u) << wide;
    }
}
