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

TEST_F(Headless, ControlsAreFoundByNameAndWindowsKeepTheirMinimumSize) {
    Button& b = w.AddButton({"btnGo", {}, "Go"});
    EXPECT_EQ(&tk.Find<Button>("frmTest.btnGo"), &b);
    EXPECT_THROW(tk.Find<Label>("frmTest.btnGo"), std::out_of_range);
    EXPECT_THROW(tk.Find<Button>("frmTest.nothing"), std::out_of_range);
    int resizes = 0;
    w.onResize = [&] { ++resizes; };
    w.Show();
    w.Resize(9000, 6000);
    w.Move(100, 200);
    EXPECT_EQ(resizes, 2) << "moving is not resizing";
    w.SetMinimumSize(640 * 15, 400 * 15);
    tk.FindWindow("frmTest").DragTo(1000, 1000);
    EXPECT_EQ(w.Bounds(), (Rect{100, 200, 9600, 6000}));
}

TEST_F(Headless, ActivationFollowsShowingAndHiding) {
    Window& help = tk.NewWindow({"frmHelp", "Help", 6765, 4620});
    int mainActivations = 0, helpActivations = 0;
    w.onActivate = [&] { ++mainActivations; };
    help.onActivate = [&] { ++helpActivations; };
    w.Show();
    help.Show();
    help.Show();  // already in front: no new activation
    EXPECT_EQ(std::make_pair(mainActivations, helpActivations), std::make_pair(1, 1));
    help.Hide();
    EXPECT_EQ(mainActivations, 2) << "the window below comes to the front";
    EXPECT_EQ(tk.ActiveWindow(), &tk.FindWindow("frmTest"));
}

TEST_F(Headless, ModalWindowsAreHandedToTheTestAndClosedAfterwards) {
    Window& dlg = tk.NewWindow({"frmDetail", "Detailed Report", 6510, 4530,
                                WindowStyle::FixedDialog});
    Button& ok = dlg.AddButton({"btnOK", {}, "Close"});
    ok.SetRole(ButtonRole::Cancel);
    ok.onClick = [&] { dlg.Hide(); };
    std::vector<std::string> seen;
    tk.onModal = [&](HeadlessWindow& m) {
        seen.push_back(m.Name() + (m.Visible() && m.Modal() ? " shown modal" : ""));
        m.PressEscape();
    };
    dlg.ShowModal();
    EXPECT_EQ(seen, std::vector<std::string>{"frmDetail shown modal"});
    EXPECT_FALSE(dlg.Visible());
    // Left open by the test: closed through the frame, which runs onClose.
    int closes = 0;
    dlg.onClose = [&] { ++closes; dlg.Unload(); };
    tk.onModal = nullptr;
    dlg.ShowModal();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(dlg.Unloaded());
    EXPECT_THROW(tk.FindWindow("frmDetail"), std::out_of_range);
}

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

TEST_F(Headless, PictureBoxDrawsImagesByAlphaAndClears) {
    PictureBox& p = w.AddPicture({"pic", {600, 2520, 495, 495}});
    auto& hp = tk.Find<HeadlessPicture>("frmTest.pic");
    ASSERT_EQ(hp.Picture().Width(), 33);
    Image img{2, 1, {255, 0, 0, 255, 0, 0, 255, 0}};  // opaque red, transparent blue
    p.DrawImage(4, 5, img);
    EXPECT_EQ(hp.Picture().At(4, 5), kRed);
    EXPECT_EQ(hp.Picture().At(5, 5), kButtonFace);
    p.Clear();
    EXPECT_EQ(hp.Picture().Count(kRed), 0);
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
