// The main window on the Windows toolkit (under Wine with no display in CI): what the native
// windows and controls hold while the wizard is walked with real button presses.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <set>

#include "platform/text.h"
#include "wizard_fixture.h"

// After the program's headers: windows.h defines macros (Yield) that clash with their names.
#include "support/win32_probe.h"

namespace ostrevan::apptest {
namespace {

using ui::win32::Win32Toolkit;

using testing::H;
using testing::RectInParent;
using testing::TextOf;

// The whole text of a native control, with its line ends as line feeds.
std::string FullText(HWND h) {
    std::string t(static_cast<size_t>(GetWindowTextLengthA(h)) + 1, '\0');
    t.resize(static_cast<size_t>(GetWindowTextA(h, t.data(), static_cast<int>(t.size()))));
    return text::LineFeeds(t);
}

class MainWindowWin32 : public ::testing::Test {
protected:
    void SetUp() override {
        WriteProgramDir(dir.path());
        testing::WriteFileBytes(drive() / "WRITER.EXE", scantest::Program("Writer", "Acme", "4.0"));
        testing::WriteFileBytes(drive() / "PRO.EXE", scantest::Program("Writer Pro", "Acme", "2.0"));

        AppServices s;
        s.programDir = dir.path();
        s.drives.Map('c', drive());
        s.osIdentity = [] { return scantest::Win2000(); };
        s.versions = std::make_shared<scantest::FieldFileSource>();
        tk.onMessage = [this](const std::string& text, const std::string& title) {
            messages.push_back(title + ": " + text);
        };
        main = std::make_unique<FrmY2KMain>(tk, std::move(s));
        main->Form_Load();
        main->Show();
    }

    std::filesystem::path drive() const { return dir / "drive"; }
    const FrmY2KMain::Controls& c() const { return main->Design(); }
    int Px(int twips) const { return MulDiv(twips, tk.Dpi(), 1440); }
    static void Press(ui::Button* b) { SendMessageA(H(*b), BM_CLICK, 0, 0); }

    // The pages whose native windows are visible, by name.
    std::string VisiblePages() const {
        std::string shown;
        for (ui::Frame* f : c().Pages())
            if (IsWindowVisible(H(*f))) shown += (shown.empty() ? "" : "+") + f->Name();
        return shown;
    }

    testing::TempDir dir;
    Win32Toolkit tk;
    std::vector<std::string> messages;
    std::unique_ptr<FrmY2KMain> main;
};

TEST_F(MainWindowWin32, StartsOnTheWelcomePageWithTheHelpWindowInFront) {
    EXPECT_EQ(TextOf(H(main->Window())), "Ostrevan");
    EXPECT_EQ(VisiblePages(), "FraWelcome");
    EXPECT_EQ(TextOf(H(*c().FraWelcome)), "Welcome");
    EXPECT_EQ(TextOf(H(*c().BtnNext)), "&Next");
    EXPECT_EQ(c().BtnNext->Caption(), "Next");
    EXPECT_FALSE(IsWindowEnabled(H(*c().btnBack)));
    EXPECT_TRUE(IsWindowEnabled(H(*c().BtnNext)));

    // The help window in the bottom-right corner of the screen, with the introduction.
    HWND help = H(main->Help()->Form());
    ASSERT_TRUE(help);
    EXPECT_TRUE(IsWindowVisible(help));
    RECT hr;
    GetWindowRect(help, &hr);
    EXPECT_NEAR(hr.right, GetSystemMetrics(SM_CXSCREEN), 1);
    EXPECT_NEAR(hr.bottom, GetSystemMetrics(SM_CYSCREEN), 1);
    EXPECT_NE(main->Help()->rtxtHelp.Text().find("HelpINTR"), std::string::npos);
    // In front of the main window, which keeps the keyboard: the first Enter presses Next.
    HWND above = help;
    while (above && above != H(main->Window())) above = GetWindow(above, GW_HWNDNEXT);
    EXPECT_EQ(above, H(main->Window())) << "the help window lies above the main window";
    EXPECT_EQ(GetActiveWindow(), H(main->Window()));
    HWND focus = GetFocus();
    ASSERT_TRUE(focus && IsChild(H(main->Window()), focus));
    testing::PostKey(focus, VK_RETURN);
    tk.DoEvents();
    EXPECT_EQ(VisiblePages(), "FraCreateOrView");
}

// Every button and option of the window has an access key of its own, and Alt with it presses
// the button.
TEST_F(MainWindowWin32, AccessKeysDifferAndAltPressesTheirButton) {
    std::set<char> keys;
    std::vector<std::string> clashes;
    std::function<void(HWND)> walk = [&](HWND parent) {
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            const std::string t = TextOf(h);
            for (size_t i = 0; i + 1 < t.size(); ++i) {
                if (t[i] != '&') continue;
                if (t[i + 1] != '&' && !keys.insert(static_cast<char>(std::toupper(static_cast<unsigned char>(t[i + 1])))).second)
                    clashes.push_back(t);
                ++i;
            }
            walk(h);
        }
    };
    walk(H(main->Window()));
    EXPECT_EQ(keys.size(), 12u);
    EXPECT_EQ(clashes, std::vector<std::string>{});
    PostMessageA(H(main->Window()), WM_SYSCHAR, 'n', 1 << 29);
    tk.DoEvents();
    EXPECT_EQ(VisiblePages(), "FraCreateOrView");
}

TEST_F(MainWindowWin32, WalksThroughAScanToTheColouredReportAndFinishes) {
    Press(c().BtnNext);
    EXPECT_EQ(VisiblePages(), "FraCreateOrView");
    EXPECT_TRUE(IsWindowEnabled(H(*c().btnBack)));
    EXPECT_EQ(SendMessageA(H(*c().OptReport), BM_GETCHECK, 0, 0), BST_CHECKED);
    Press(c().BtnNext);
    EXPECT_EQ(VisiblePages(), "FraDrive");
    c().DriveReport->SetDrive("c:");
    EXPECT_EQ(c().DriveReport->Drive().substr(0, 2), "c:");
    EXPECT_NE(c().lblSize->Caption(), "");

    Press(c().BtnNext);  // the scan
    EXPECT_EQ(VisiblePages(), "FraReport");
    EXPECT_EQ(TextOf(H(*c().FraReport)), "Ostrevan Summary Report");
    for (ui::Button* b : {c().btnHelp, c().btnBack, c().BtnNext, c().btnExit})
        EXPECT_TRUE(IsWindowEnabled(H(*b))) << TextOf(H(*b));

    // The RichEdit holds the report, "Writer" (not ready) first; its colours and face are the
    // report's own tests' concern.
    HWND rich = H(*c().rtxtSummary);
    ASSERT_TRUE(rich);
    const std::string text = FullText(rich);
    EXPECT_EQ(text.rfind("Writer\n\tVersion(s): 4.0\n\tManufacturer: Acme\n", 0), 0u) << text;
    EXPECT_NE(text.find("Writer Pro"), std::string::npos);

    Press(c().BtnNext);
    EXPECT_EQ(VisiblePages(), "FraBios");
    EXPECT_EQ(TextOf(H(*c().BtnNext)), "Fi&nish");
    EXPECT_EQ(TextOf(H(*c().btnCopyTo)), "&Copy YMARK2000 to this Drive...");
    c().dirCopyTo->SetDrive("c:");
    Press(c().btnCopyTo);
    EXPECT_EQ(messages, (std::vector<std::string>{"Ostrevan: YMARK 2000 Copy Completed!"}));
    EXPECT_EQ(testing::ReadFileBytes(drive() / "2000.exe"), "MZ utility");

    HWND window = H(main->Window());
    HWND help = H(main->Help()->Form());
    Press(c().BtnNext);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(IsWindow(help));
}

// The report answers Escape by asking its page to close: the page stays, and so does it after Tab.
TEST_F(MainWindowWin32, EscapeAndTabInTheReportKeepThePage) {
    for (ui::Frame* f : c().Pages()) f->SetVisible(f == c().FraReport);
    HWND report = H(*c().rtxtSummary);
    SendMessageA(H(*c().FraReport), WM_CLOSE, 0, 0);
    SetFocus(report);
    ASSERT_EQ(GetFocus(), report);
    for (WPARAM key : {VK_ESCAPE, VK_TAB}) {
        PostMessageA(report, WM_KEYDOWN, key, 1);
        tk.DoEvents();
    }
    EXPECT_TRUE(IsWindow(H(*c().FraReport)));
    EXPECT_TRUE(IsWindowVisible(report));
    // Tab moved on to the next control of the window.
    HWND next = GetFocus();
    EXPECT_NE(next, report);
    EXPECT_TRUE(IsChild(H(main->Window()), next));
}

TEST_F(MainWindowWin32, ResizingTheFrameMovesThePagesAndButtons) {
    HWND w = H(main->Window());
    RECT outer;
    GetWindowRect(w, &outer);
    MoveWindow(w, 0, 0, outer.right - outer.left + 101, outer.bottom - outer.top + 60, TRUE);
    const int cw = main->Window().ClientWidth();
    const int ch = main->Window().ClientHeight();
    EXPECT_EQ(cw, 8250 + 101 * 1440 / tk.Dpi());
    EXPECT_EQ(RectInParent(H(*c().btnExit)).left, Px(cw - 1170));
    EXPECT_EQ(RectInParent(H(*c().BtnNext)).top, Px(ch - 600));
    const RECT report = RectInParent(H(*c().rtxtSummary));
    EXPECT_EQ(report.right - report.left, Px(cw - 75 - 240));

    // The frame cannot be dragged below the minimum size.
    MoveWindow(w, 0, 0, 5, 5, TRUE);
    GetWindowRect(w, &outer);
    EXPECT_GE(outer.right - outer.left, Px(FrmY2KMain::kMinWidth));
    EXPECT_GE(outer.bottom - outer.top, Px(FrmY2KMain::kMinHeight));
}

}  // namespace
}  // namespace ostrevan::apptest
