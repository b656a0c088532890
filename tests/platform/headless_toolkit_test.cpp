// What only the headless backend does: finding controls by name, answering dialogs from a
// queue, the test hooks, simulated drives and pictures (the rest is the toolkit's contract).
#include <gtest/gtest.h>

#include "platform/ui/headless/headless_toolkit.h"

namespace ostrevan::ui::headless {
namespace {

const Color kGreen{0, 192, 0}, kRed{255, 0, 0};

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
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(d.Drive(), "z: [/]");
    tk.SetDrives({"c: [NEW]", "z: [/]"}, 0);
    d.Refresh();
    EXPECT_EQ(d.Drive(), "z: [/]") << "refreshing keeps the selected drive";
    EXPECT_EQ(d.Entries().size(), 2u);
}

// ---- The rich-text view ----

class HeadlessRich : public Headless {
protected:
    RichText& r = w.AddRichText({"rtxtSummary", {120, 600, 7935, 3135}});
    void Append(const std::string& s, Color c) {
        r.SetSelection(r.TextLength(), 0);
        r.SetSelColor(c);
        r.ReplaceSelection(s);
    }
};

}  // namespace
}  // namespace ostrevan::ui::headless
