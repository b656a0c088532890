// The portable icon reader against the system's ExtractIconA and DrawIcon on the same files.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/icon_image.h"
#include "support/program_builder.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::testing;

namespace {

// The pixel as drawn over a background of `bg`: straight alpha blended per channel.
int Over(const RgbaImage& img, int x, int y, int channel, int bg) {
    const uint32_t p = img.At(x, y);
    const int a = p & 0xFF, c = (p >> (24 - 8 * channel)) & 0xFF;
    return (c * a + bg * (255 - a) + 127) / 255;
}

// Counts the pixels whose drawing over black or over white differs by more than `tolerance`.
int Differences(const RgbaImage& a, const RgbaImage& b, int tolerance) {
    int n = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            bool differs = false;
            for (int bg : {0, 255})
                for (int c = 0; c < 3; ++c)
                    differs = differs || std::abs(Over(a, x, y, c, bg) - Over(b, x, y, c, bg)) > tolerance;
            n += differs;
        }
    }
    return n;
}

}  // namespace

TEST(IconsOnWindows, FixtureIconsLookTheSame) {
    const std::string icons = HostPath(std::string(OSTREVAN_SOURCE_DIR) + "/tests/fixtures/");
    for (const std::string name : {"basic", "depth1", "icon_only", "depth24", "depth32", "png", "choice", "first.ico",
                                   "choice.ico"}) {
        const std::string path = name.find('.') == std::string::npos ? FixturePath(name) : icons + name;
        auto real = icons::platform::ExtractFirstIcon(path);
        auto ours = icons::portable::ExtractFirstIcon(path);
        ASSERT_TRUE(real) << name;
        ASSERT_TRUE(ours) << name;
        ASSERT_EQ(real->width, 32) << name;
        EXPECT_EQ(Differences(*real, *ours, 2), 0) << name;
    }
}

TEST(IconsOnWindows, FilesWithoutAnIconAgree) {
    TempDir dir;
    WriteFileBytes(dir / "text.exe", "not a program at all");
    WriteFileBytes(dir / "empty.exe", "");
    for (const std::string& path : {FixturePath("signs"), FixturePath("japanese_only"), (dir / "text.exe").string(),
                                     (dir / "empty.exe").string()}) {
        EXPECT_FALSE(icons::platform::ExtractFirstIcon(path)) << path;
        EXPECT_FALSE(icons::portable::ExtractFirstIcon(path)) << path;
    }
}

TEST(IconsOnWindows, AFileThatIsNoProgramGivesNoHandle) {
    // Documented as handle 1; this system answers 0. Both mean "no icon" to the reader.
    TempDir dir;
    WriteFileBytes(dir / "text.exe", "not a program at all");
    const std::string path = (dir / "text.exe").string();
    HICON h = ExtractIconA(nullptr, path.c_str(), 0);
    EXPECT_TRUE(h == nullptr || h == reinterpret_cast<HICON>(1));
    RecordProperty("handle", static_cast<int>(reinterpret_cast<intptr_t>(h)));
    if (h && h != reinterpret_cast<HICON>(1)) DestroyIcon(h);
}

TEST(IconsOnWindows, TheSystemsOwnProgramsAgree) {
    int compared = 0, withIcon = 0;
    std::error_code ec;
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator("C:\\windows\\system32", ec))
        if (e.path().extension() == ".exe" && files.size() < 150) files.push_back(e.path().string());
    // The installer stubs of Debian's nsis package, when installed: programs with icons.
    for (const auto& e : std::filesystem::directory_iterator("Z:\\usr\\share\\nsis\\Stubs", ec))
        files.push_back(e.path().string());
    for (const auto& path : files) {
        auto real = icons::platform::ExtractFirstIcon(path);
        auto ours = icons::portable::ExtractFirstIcon(path);
        EXPECT_EQ(real.has_value(), ours.has_value()) << path;
        if (real && ours) {
            ++withIcon;
            EXPECT_LE(Differences(*real, *ours, 2), 0) << path;
        }
        ++compared;
    }
    EXPECT_GT(withIcon, 5);
}
