// The portable version reader against the system's version library, over the same files: the
// fixture programs, programs built here (16-bit ones, values without a terminating zero,
// damaged ones) and the system's own programs. Every answer must agree.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "platform/ansi_path.h"
#include "platform/byte_reader.h"
#include "platform/version_api.h"
#include "platform/version_block.h"
#include "scan/ModVersion.h"
#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;
namespace api = ostrevan::version;

namespace {

struct Answer {
    bool found = false;
    uint32_t length = 0;
    std::string bytes;
    bool operator==(const Answer&) const = default;
};

template <typename Query>
Answer Ask(Query query, std::vector<uint8_t>& block, const std::string& sub) {
    const uint8_t* p = nullptr;
    Answer a;
    a.found = query(block, sub, &p, &a.length);
    if (a.found && a.length) a.bytes.assign(reinterpret_cast<const char*>(p), a.length);
    if (!a.found) a.length = 0;
    return a;
}

std::vector<std::string> SubBlocksOf(const std::vector<uint8_t>& block) {
    std::vector<std::string> subs = {"\\", "\\VarFileInfo\\Translation", "\\VarFileInfo", "\\StringFileInfo",
                                     "\\StringFileInfo\\040904E4\\ProductName", "VarFileInfo\\\\translation\\"};
    const ByteView view(block);
    auto info = verblock::Find(view, "\\StringFileInfo");
    if (!info) return subs;
    for (const auto& table : verblock::Children(verblock::WalkArea(view), *info, verblock::IsSixteenBit(view))) {
        std::string key;
        for (char16_t c : table.key) key.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        subs.push_back("\\StringFileInfo\\" + key);
        for (const char* field : {"ProductName", "CompanyName", "ProductVersion", "FileDescription", "Comments",
                                  "FileVersion", "LegalCopyright", "productname", "Product"})
            subs.push_back("\\StringFileInfo\\" + key + "\\" + field);
    }
    return subs;
}

// Compares everything the two readers answer for one file; returns how many sub-blocks both
// found with a value (so that a test can tell that something was compared at all).
int Compare(const std::string& path) {
    int agreed = 0;
    const uint32_t size = api::platform::GetFileVersionInfoSizeA(path);
    const uint32_t portableSize = api::portable::GetFileVersionInfoSizeA(path);
    EXPECT_EQ(portableSize, size) << path;
    if (size != portableSize) return 0;
    if (size == 0) return 0;
    std::vector<uint8_t> real(size + 2u, 0), ours(size + 2u, 0);
    const bool realOk = api::platform::GetFileVersionInfoA(path, size, real);
    const bool oursOk = api::portable::GetFileVersionInfoA(path, size, ours);
    EXPECT_EQ(oursOk, realOk) << path;
    if (!realOk || !oursOk) return 0;
    // The block itself must be the same; past it the system leaves a signature of its own.
    const size_t stored = std::min<size_t>(real[0] | (real[1] << 8), size);
    EXPECT_TRUE(std::equal(real.begin(), real.begin() + static_cast<long>(stored), ours.begin())) << path;
    for (const auto& sub : SubBlocksOf(ours)) {
        const Answer r = Ask(api::platform::VerQueryValueA, real, sub);
        const Answer o = Ask(api::portable::VerQueryValueA, ours, sub);
        if (r == o) {
            agreed += r.found && r.length > 0;
        } else {
            ADD_FAILURE() << path << " " << sub << ": system " << r.found << "/" << r.length << " \"" << r.bytes
                          << "\", portable " << o.found << "/" << o.length << " \"" << o.bytes << "\"";
        }
    }
    return agreed;
}

std::vector<std::string> ProgramsIn(const std::string& folder, size_t limit) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        const auto ext = e.path().extension().string();
        if (ext == ".exe" || ext == ".dll") out.push_back(e.path().string());
    }
    std::sort(out.begin(), out.end());
    if (out.size() > limit) out.resize(limit);
    return out;
}

}  // namespace

TEST(VersionApiOnWindows, TheSystemConvertsToWindows1252) { EXPECT_EQ(GetACP(), 1252u); }

TEST(VersionApiOnWindows, FixtureProgramsAgree) {
    const auto files = ProgramsIn(HostPath(std::string(OSTREVAN_BINARY_DIR) + "/tests/fixtures"), 1000);
    ASSERT_GE(files.size(), 10u);
    int agreed = 0;
    for (const auto& f : files) agreed += Compare(f);
    EXPECT_GT(agreed, 40);
}

// A program the walk reaches below MAX_PATH characters is read like any other.
TEST(VersionApiOnWindows, ProgramsInFoldersDeeperThanMaxPathAreRead) {
    TempDir dir;
    std::filesystem::path deep = dir.path();
    while (deep.native().size() < MAX_PATH) deep /= "a folder with a rather long name";
    std::filesystem::create_directories(deep);
    std::filesystem::copy_file(FixturePath("basic"), deep / "p.exe");
    EXPECT_LT(ostrevan::platform::AnsiOpenablePath(deep / "p.exe").size(), size_t{MAX_PATH});
    ModVersion v;
    v.LoadVersionBlock(ostrevan::platform::HostPath(deep / "p.exe"));
    EXPECT_EQ(v.GetInfoString("ProductName"), "Acme Writer 2000");
}

TEST(VersionApiOnWindows, BuiltProgramsAgree) {
    TempDir dir;
    std::vector<std::pair<std::string, Bytes>> programs;
    const VerNode table = Block("040904E4", {Str("ProductName", u"Whole", false), Str("Empty", u"", false),
                                             Str("CompanyName", u"Acme \u0100\u2122\u2713"), Str("Comments", u"")});
    const VerNode root = VersionRoot({Block("StringFileInfo", {table}), Block("VarFileInfo", {Translation({{0x409, 1252}})})});
    programs.push_back({"plain64.exe", PeWithVersion(BuildVersionBlock32(root))});
    programs.push_back({"plain32.exe", BuildPe({Resource{16, 1, {}, 0x409, BuildVersionBlock32(root)}}, false)});
    programs.push_back({"neutral.exe", BuildPe({Resource{16, 1, {}, 0, BuildVersionBlock32(root)}})});
    programs.push_back({"old.exe", BuildNe({NeResource{16, 1, BuildVersionBlock16(root)}})});
    programs.push_back({"old8.exe", BuildNe({NeResource{16, 1, BuildVersionBlock16(root)}}, 8)});
    // A block stored in a resource larger than the block.
    Bytes padded = BuildVersionBlock32(root);
    padded.resize(padded.size() + 64, 0);
    programs.push_back({"padded.exe", PeWithVersion(padded)});
    for (auto& [name, bytes] : programs) {
        WriteFileBytes(dir / name, std::string(bytes.begin(), bytes.end()));
        EXPECT_GE(Compare((dir / name).string()), 4) << name;
    }
}

TEST(VersionApiOnWindows, TheSystemsOwnProgramsAgree) {
    std::vector<std::string> files = ProgramsIn("C:\\windows\\system32", 400);
    for (const auto& f : ProgramsIn("Z:\\usr\\lib\\x86_64-linux-gnu\\wine\\i386-windows", 200)) files.push_back(f);
    ASSERT_FALSE(files.empty());
    int withVersion = 0, agreed = 0;
    for (const auto& f : files) {
        agreed += Compare(f);
        withVersion += api::portable::GetFileVersionInfoSizeA(f) != 0;
    }
    EXPECT_GT(withVersion, 50);
    EXPECT_GT(agreed, 2 * withVersion);
}
