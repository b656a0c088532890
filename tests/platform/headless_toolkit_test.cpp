// The drive list, on the headless backend's simulated drives: choosing a drive by its letter,
// telling a change once, keeping the choice when the drives are listed again.
#include <gtest/gtest.h>

#include "platform/ui/headless/headless_toolkit.h"

namespace ostrevan::ui::headless {
namespace {

class Headless : public ::testing::Test {
protected:
    HeadlessToolkit tk;
    Window& w = tk.NewWindow({"frmTest", "Test", 8250, 5040});
};

TEST_F(Headless, DriveListSelectsByLetterAndReportsChanges) {
    tk.SetDrives({"a:", "c: [SYSTEM]", "z: [/]"}, 1);
    DriveList& d = w.AddDriveList({"DriveReport", {}});
    int changes = 0;
    d.onChange = [&] { ++changes; };
    EXPECT_EQ(d.Drive(), "c: [SYSTEM]");
    d.SetDrive("Z:\\");
    EXPECT_EQ(changes, 1);
    for (const char* pick : {"z:", "q:"}) d.SetDrive(pick);  // the same drive again, no such drive
    d.Pick(3);  // a pick past the entries
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(d.Drive(), "z: [/]");
    tk.SetDrives({"c: [NEW]", "z: [/]"}, 0);
    d.Refresh();
    EXPECT_EQ(d.Drive(), "z: [/]") << "refreshing keeps the selected drive";
    EXPECT_EQ(d.Entries().size(), 2u);
}

}  // namespace
}  // namespace ostrevan::ui::headless
