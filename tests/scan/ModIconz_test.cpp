#include "scan/ModIconz.h"

#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "support/program_builder.h"

using namespace ostrevan;
using namespace ostrevan::testing;

namespace {

platform::HostPath Fixture(const std::string& name) { return platform::HostPathFromUtf8(FixturePath(name)); }

}  // namespace

TEST(ModIconz, FirstIconAsThePlatformDrawsItOrNothing) {
    for (const char* name : {"basic", "icon_only"}) {
        const auto icon = ModIconz::FirstIcon(Fixture(name));
        ASSERT_TRUE(icon) << name;
        EXPECT_EQ(icon->width, 32);
        ASSERT_EQ(icon->pixels.size(), 32u * 32u * 4u);
        EXPECT_EQ(icon->pixels[3], 0) << "the icons' top-left corner is transparent";
        EXPECT_EQ(icon->pixels[(31 * 32 + 31) * 4 + 3], 255);
    }
    EXPECT_FALSE(ModIconz::FirstIcon(Fixture("signs"))) << "a program without an icon";
    EXPECT_FALSE(ModIconz::FirstIcon(platform::HostPathFromUtf8(std::string(OSTREVAN_SOURCE_DIR) + "/README.md")));
    EXPECT_TRUE(ModIconz::FirstIcon(Fixture("depth24")));
}
