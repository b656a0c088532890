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

TEST(FileBytes, PiecesReadAlikeWithinAcrossAndBeyondTheFirstBytes) {
    TempDir dir;
    std::string bytes(10000, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 % 251);
    WriteFileBytes(dir / "f", bytes);
    auto f = FileBytes::Open((dir / "f").string());
    ASSERT_TRUE(f);
    EXPECT_EQ(f->size(), bytes.size());
    for (auto [off, len] : std::vector<std::pair<uint64_t, uint64_t>>{
             {0, 64}, {4090, 12}, {4096, 100}, {0, 10000}, {9990, 10}, {10000, 0}, {9990, 11}, {10001, 0}}) {
        auto got = f->Read(off, len);
        if (off + len > bytes.size()) {
            EXPECT_FALSE(got) << off;
            continue;
        }
        ASSERT_TRUE(got) << off;
        EXPECT_EQ(std::string(got->begin(), got->end()), bytes.substr(off, len)) << off;
    }
}

TEST(ProgramFile, ReadsBothExecutableWidths) {
    TempDir dir;
    for (bool wide : {true, false}) {
        PeLayout layout;
        auto o = ReadAll(dir, SampleProgram(&layout, wide));
        EXPECT_EQ(o.versionSize, SampleBlock().size() * 2 + 4) << wide;
        EXPECT_EQ(o.groups, 1u) << wide;
    }
}

TEST(ProgramFile, EveryTruncationIsHandled) {
    TempDir dir;
    PeLayout layout;
    const Bytes full = SampleProgram(&layout);
    const auto complete = ReadAll(dir, full);
    for (size_t len = 0; len < full.size(); len += (len < 0x300 ? 1 : 7)) {
        Bytes cut(full.begin(), full.begin() + static_cast<long>(len));
        auto o = ReadAll(dir, cut);
        // A cut file never claims more than the whole one.
        EXPECT_TRUE(o.versionSize == 0 || o.versionSize == complete.versionSize) << len;
    }
}

TEST(ProgramFile, DamagedDirectoriesEndQuickly) {
    TempDir dir;
    PeLayout layout;
    const Bytes full = SampleProgram(&layout);
    const size_t root = layout.resourceFileOffset;
    // Root entries: [0] icon (3), [1] group icon (14), [2] version (16); then the type
    // directories, each followed by its name and language directories.
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
    } cases[] = {
        {"type entry points back at the root", [&](Bytes& b) { Put32(b, root + 16 + 2 * 8 + 4, 0x80000000u); }},
        {"every type entry points at the root",
         [&](Bytes& b) {
             for (int i = 0; i < 3; ++i) Put32(b, root + 16 + i * 8 + 4, 0x80000000u);
         }},
        {"root claims 65535 entries of each kind",
         [&](Bytes& b) {
             Put16(b, root + 12, 0xFFFF);
             Put16(b, root + 14, 0xFFFF);
         }},
        {"subdirectory offset past the end", [&](Bytes& b) { Put32(b, root + 16 + 2 * 8 + 4, 0xFFFFFFF0u); }},
        {"resource directory address past the end", [&](Bytes& b) { Put32(b, 0x40 + 24 + 112 + 16, 0x7FFFFFF0u); }},
        {"section stored past the end", [&](Bytes& b) { Put32(b, 0x40 + 24 + 240 + 20, 0xFFFFFE00u); }},
        {"65535 sections", [&](Bytes& b) { Put16(b, 0x40 + 6, 0xFFFF); }},
        {"header offset past the end", [&](Bytes& b) { Put32(b, 0x3C, 0xFFFFFFF0u); }},
        {"optional header larger than the file", [&](Bytes& b) { Put16(b, 0x40 + 20, 0xFFFF); }},
    };
    // A section claiming more stored bytes than the file has still yields what lies in the file.
    Bytes wide = full;
    Put32(wide, 0x40 + 24 + 240 + 16, 0xFFFFFFFFu);
    EXPECT_EQ(ReadAll(dir, wide).versionSize, SampleBlock().size() * 2 + 4);
    for (const auto& c : cases) {
        Bytes b = full;
        c.damage(b);
        const auto start = std::chrono::steady_clock::now();
        auto o = ReadAll(dir, b);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2)) << c.what;
        EXPECT_EQ(o.versionSize, 0u) << c.what;
    }
}

TEST(ProgramFile, DataEntriesOutsideTheFileAreLeftOut) {
    TempDir dir;
    PeLayout layout;
    const Bytes full = SampleProgram(&layout);
    auto file = [&](const Bytes& b) {
        WriteFileBytes(dir / "p.exe", std::string(b.begin(), b.end()));
        return ProgramFile::Open((dir / "p.exe").string());
    };
    auto f = file(full);
    ASSERT_TRUE(f);
    auto items = f->Resources(kResVersion, 1);
    ASSERT_EQ(items.size(), 1u);
    // Find the version's data entry (16 bytes: address, size) by its size and damage it.
    size_t entry = 0;
    for (size_t i = layout.resourceFileOffset; i + 8 < full.size(); i += 4) {
        uint32_t rva, size;
        std::memcpy(&rva, full.data() + i, 4);
        std::memcpy(&size, full.data() + i + 4, 4);
        if (size == items[0].size && rva - layout.resourceRva == items[0].offset - layout.resourceFileOffset) {
            entry = i;
            break;
        }
    }
    ASSERT_NE(entry, 0u);
    for (uint32_t size : {0xFFFFFFFFu, 0x7FFFFFFFu, static_cast<uint32_t>(full.size())}) {
        Bytes b = full;
        Put32(b, entry + 4, size);
        auto g = file(b);
        ASSERT_TRUE(g);
        EXPECT_TRUE(g->Resources(kResVersion, 1).empty()) << size;
    }
    Bytes b = full;
    Put32(b, entry, 0xFFFFFFF0u);
    EXPECT_TRUE(file(b)->Resources(kResVersion, 1).empty());
}

TEST(ProgramFile, Damaged16BitTablesAreHandled) {
    TempDir dir;
    const Bytes block16 = BuildVersionBlock16(VersionRoot({}));
    const Bytes ne = BuildNe({NeResource{16, 1, block16}});
    const size_t table = 0x40 + 64;
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        bool versionSurvives;
    } cases[] = {
        {"intact", [](Bytes&) {}, true},
        {"alignment shift of 30", [&](Bytes& b) { Put16(b, table, 30); }, false},
        {"resource offset past the end", [&](Bytes& b) { Put16(b, table + 2 + 8, 0xFFFF); }, false},
        {"resource count of 65535", [&](Bytes& b) { Put16(b, table + 4, 0xFFFF); }, true},
        {"table offset past the end", [&](Bytes& b) { Put16(b, 0x40 + 0x24, 0xFFF0); }, false},
        {"no end mark", [&](Bytes& b) { Put16(b, table + 2 + 8 + 12, 0x8010); }, true},
    };
    for (const auto& c : cases) {
        Bytes b = ne;
        c.damage(b);
        auto o = ReadAll(dir, b);
        EXPECT_EQ(o.versionSize != 0, c.versionSurvives) << c.what;
    }
}

// Random damage to the fixture programs: with the sanitizers this catches any read outside a
// buffer; without them it still catches hangs and crashes.
TEST(ProgramFile, RandomDamageToFixturesIsHarmless) {
    TempDir dir;
    std::mt19937 rng(2000);
    for (const char* name : {"basic", "signs", "icon_only"}) {
        const std::string original = ReadFileBytes(FixturePath(name));
        for (int round = 0; round < 150; ++round) {
            Bytes b(original.begin(), original.end());
            const int flips = 1 + static_cast<int>(rng() % 8);
            // Most damage goes to the headers and the resource directory near the front.
            for (int i = 0; i < flips; ++i) {
                const size_t span = (rng() % 4 != 0) ? std::min<size_t>(b.size(), 0x1400) : b.size();
                b[rng() % span] = static_cast<uint8_t>(rng());
            }
            ReadAll(dir, b);
        }
    }
}
