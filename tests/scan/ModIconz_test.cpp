#include "scan/ModIconz.h"

#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "support/program_builder.h"

using namespace ostrevan;
using namespace ostrevan::testing;

namespace {

// A picture box that records what was done to it.
class RecordingBox : public ui::PictureBox {
public:
    std::vector<std::string> calls;
    ui::Image last;

    const std::string& Name() const override { return name_; }
    ui::Rect Bounds() const override { return {}; }
    void SetBounds(const ui::Rect&) override {}
    bool Visible() const override { return true; }
    void SetVisible(bool) override {}
    bool Enabled() const override { return true; }
    void SetEnabled(bool) override {}
    void Clear() override { calls.push_back("clear"); }
    void DrawImage(int x, int y, const ui::Image& image) override {
        calls.push_back("draw " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(image.width) +
                        "x" + std::to_string(image.height));
        last = image;
    }
    ui::Color BackColor() const override { return {}; }
    void SetBackColor(ui::Color) override {}

private:
    std::string name_ = "pic";
};

platform::HostPath Fixture(const std::string& name) { return platform::HostPathFromUtf8(FixturePath(name)); }

}  // namespace

TEST(ModIconz, DrawsTheFirstIconAndBlanksTheBoxForAProgramWithout) {
    RecordingBox box;
    ModIconz::DrawFileIcon(Fixture("basic"), box);
    ModIconz::DrawFileIcon(Fixture("signs"), box);  // no icon
    ModIconz::DrawFileIcon(Fixture("icon_only"), box);
    const std::vector<std::string> expected = {"clear", "draw 0,0 32x32", "clear", "clear", "draw 0,0 32x32"};
    EXPECT_EQ(box.calls, expected);
    ASSERT_EQ(box.last.rgba.size(), 32u * 32u * 4u);
    EXPECT_EQ(box.last.rgba[3], 0);  // the icons' top-left corner is transparent
    EXPECT_EQ(box.last.rgba[(31 * 32 + 31) * 4 + 3], 255);
}

TEST(ModIconz, FirstIconIsNothingForFilesThatAreNoPrograms) {
    EXPECT_FALSE(ModIconz::FirstIcon(platform::HostPathFromUtf8(std::string(OSTREVAN_SOURCE_DIR) + "/README.md")));
    EXPECT_TRUE(ModIconz::FirstIcon(Fixture("depth24")));
}
