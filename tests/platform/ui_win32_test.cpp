// The win32 backend with real windows and controls (under Wine with no display in CI): what
// the native controls hold after the toolkit's calls.
#include <windows.h>
#include <commdlg.h>

#include <gtest/gtest.h>

#include <cctype>
#include <optional>

#include "platform/ui/page_layout.h"
#include "platform/ui/win32/win32_internal.h"
#include "platform/vb_error.h"
#include "support/test_support.h"
#include "support/win32_probe.h"

namespace ostrevan::ui::win32 {
namespace {

const Color kGreen{0, 192, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

using testing::H;
using testing::RectInParent;
using testing::TextOf;

// A 32-bit bitmap selected into a memory device context, to read drawn pixels back.
struct Canvas {
    Canvas(int w, int h) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        bmp.reset(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected.emplace(dc, bmp.get());
    }
    // The client area of window h as it paints itself.
    explicit Canvas(HWND h) : Canvas(ClientSize(h).right, ClientSize(h).bottom) {
        SendMessageA(h, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
    static RECT ClientSize(HWND h) { RECT rc{}; return GetClientRect(h, &rc), rc; }
    // The pixels of colour c in the area.
    int Count(Color c, RECT area) const {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) n += GetPixel(dc, x, y) == RGB(c.r, c.g, c.b);
        return n;
    }
    win::WindowDc screen{nullptr};
    win::ScopedDc mem{CreateCompatibleDC(screen.get())};
    HDC dc = mem.get();
    win::ScopedBitmap bmp;
    std::optional<win::Selection> selected;
};

class Win32Ui : public ::testing::Test {
protected:
    Win32Toolkit tk;
    Window& w = tk.NewWindow({"frmTest", "Ostrevan", 8250, 5040});
    int Px(int twips) const { return MulDiv(twips, tk.Dpi(), 1440); }
};

TEST_F(Win32Ui, ControlsHoldTheirCaptionsStatesAndPlaces) {
    Frame& page = w.AddFrame({"FraReport", {0, 0, 8175, 4335}, "Ostrevan Summary Report"});
    Button& print = page.AddButton({"btnPrint", {120, 3840, 1095, 375}, "Print & Save", true, true, 's'});
    Button& next = w.AddButton({"BtnNext", {4178, 4440, 1095, 495}, "Next"});
    ASSERT_TRUE(H(print));
    EXPECT_EQ(TextOf(H(w)), "Ostrevan");
    EXPECT_EQ(TextOf(H(print)), "Print && &Save") << "the access key underlined, an ampersand shown";
    EXPECT_EQ(print.Caption(), "Print & Save");
    EXPECT_EQ(GetParent(H(print)), H(page));
    const RECT r = RectInParent(H(print));
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{Px(120), Px(3840), Px(1215), Px(4215)}));

    next.SetCaption("Finish");
    next.SetEnabled(false);
    EXPECT_EQ(TextOf(H(next)), "Finish");
    EXPECT_FALSE(IsWindowEnabled(H(next)));
    next.SetTop(1000);
    EXPECT_EQ(RectInParent(H(next)).top, Px(1000));

    w.Show();
    page.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(H(print))) << "controls go with their frame";
    page.SetVisible(true);
    int clicks = 0;
    print.onClick = [&] { ++clicks; };
    SendMessageA(H(print), BM_CLICK, 0, 0);  // a real press
    EXPECT_EQ(clicks, 1);
}

TEST_F(Win32Ui, OptionButtonsShowTheirValueAndAnswerARealPress) {
    OptionButton& a = w.AddOption({"optGeneral", {120, 0, 1215, 255}, "Introduction"});
    OptionButton& b = w.AddOption({"optStep1", {120, 240, 1695, 255}, "Mode Selection"});
    a.SetValue(true);
    EXPECT_EQ(SendMessageA(H(a), BM_GETCHECK, 0, 0), BST_CHECKED);
    w.Show();
    SendMessageA(H(b), BM_CLICK, 0, 0);
    EXPECT_TRUE(b.Value());
    EXPECT_EQ(SendMessageA(H(a), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Win32Ui, DrawnControlsPaintOnTheirContainer) {
    w.SetBackColor(kButtonFace);
    Shape& s = w.AddShape({"ShapeGreen", {3840, 1800, 375, 375}});
    s.SetFillStyle(FillStyle::Solid);
    s.SetFillColor(kGreen);
    Label& l = w.AddLabel({"lblTitle", {1440, 1200, 4000, 735}, "OSTREVAN"});
    l.SetFont(Font{"Impact", 24, false, false});
    l.SetForeColor(kRed);
    Line& line = w.AddLine({"LineNotComp"}, Line::Ends{1200, 2880, 4080, 3840});
    line.SetBorderColor(kBlue);
    EXPECT_EQ(H(l), nullptr);

    const Canvas canvas(H(w));
    EXPECT_EQ(GetPixel(canvas.dc, Px(3840 + 187), Px(1800 + 187)), RGB(0, 192, 0));
    EXPECT_GT(canvas.Count(kRed, {Px(1440), Px(1200), Px(5440), Px(1935)}), 50) << "the label's text";
    EXPECT_EQ(canvas.Count(kRed, {0, 0, Px(1440), Canvas::ClientSize(H(w)).bottom}), 0) << "nothing outside the label";
    EXPECT_GT(canvas.Count(kBlue, {Px(1200), Px(2880), Px(4080) + 1, Px(3840) + 1}), 100) << "the line";
}

// A label that shows data draws only the lines it holds whole: the list of versions of a
// label one line high never shows the top of its second line (a designed caption is drawn as
// it comes, cut where the label ends).
TEST_F(Win32Ui, LabelsOfDataShowWholeLinesOnly) {
    std::string versions;
    for (int i = 0; i < 40; ++i) versions += "1." + std::to_string(i) + ", ";
    Label& data = w.AddLabel({"lblVersion", {240, 240, 2400, 255}, versions});
    Label& design = w.AddLabel({"lblDesign", {240, 1440, 2400, 255}, versions});
    data.SetEllipsis(true);
    for (Label* l : {&data, &design}) l->SetForeColor(kRed);
    const Canvas canvas(H(w));
    const int line = MulDiv(13, tk.Dpi(), 96);  // a line of the labels' font
    auto red = [&](int top, int from, int to) { return canvas.Count(kRed, {Px(240), Px(top) + from, Px(2640), Px(top) + to}); };
    EXPECT_GT(red(240, 0, line), 20) << "the first line";
    EXPECT_EQ(red(240, line, Px(255)), 0) << "no part of a second line";
    EXPECT_GT(red(1440, line, Px(255)), 0) << "the designed label is cut where it ends";
}

// A picture box shows an icon's pixels in their own colours (red stays red: the bitmap handed
// to the system is blue, green, red), blended over its back colour by alpha.
TEST_F(Win32Ui, PictureBoxesShowImagesInTheirColours) {
    PictureBox& pic = w.AddPicture({"picIcon", {240, 240, 480, 480}});
    pic.SetBackColor(Color{0, 0, 0});
    const RgbaImage img{4, 1, {255, 0, 0, 255, 0, 0, 255, 255, 10, 200, 30, 255, 200, 100, 50, 0}};
    pic.DrawImage(0, 0, img);
    w.Show();
    const Canvas canvas(H(w));
    const int x = Px(240), y = Px(240);
    // The last pixel is clear: it shows the back colour.
    EXPECT_EQ((std::vector<COLORREF>{GetPixel(canvas.dc, x, y), GetPixel(canvas.dc, x + 1, y), GetPixel(canvas.dc, x + 2, y),
                                     GetPixel(canvas.dc, x + 3, y)}),
              (std::vector<COLORREF>{RGB(255, 0, 0), RGB(0, 0, 255), RGB(10, 200, 30), RGB(0, 0, 0)}));
}

TEST_F(Win32Ui, TextBoxAndDriveList) {
    TextBox& t = w.AddTextBox({"txtComments", {1560, 2880, 4815, 855}, "Text1"}, true);
    t.SetText("first\nsecond");
    EXPECT_EQ(TextOf(H(t)), "first\r\nsecond");

    DriveList& d = w.AddDriveList({"DriveReport", {360, 840, 4215, 315}});
    const auto entries = d.Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(SendMessageA(H(d), CB_GETCOUNT, 0, 0), static_cast<LRESULT>(entries.size()));
    for (const auto& e : entries) {
        ASSERT_GE(e.size(), 2u);
        EXPECT_TRUE(e[0] >= 'a' && e[0] <= 'z') << e;
        EXPECT_EQ(e[1], ':') << e;
    }
    char cur[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cur);
    EXPECT_EQ(d.Drive()[0], static_cast<char>(std::tolower(cur[0]))) << "initially the current drive";
    // The native list shows the selection (choosing by letter is the portable list's).
    const size_t other = d.Drive() == entries[0] ? entries.size() - 1 : 0;
    d.SetDrive(entries[other]);
    EXPECT_EQ(SendMessageA(H(d), CB_GETCURSEL, 0, 0), static_cast<LRESULT>(other));
}

class Win32Rich : public Win32Ui {
protected:
    RichText& r = w.AddRichText({"rtxtSummary", {120, 600, 7935, 3135}});
};

// A font enumeration callback is stdcall on 32-bit Windows, which a lambda cannot be.
int CALLBACK IsFixedPitch(const LOGFONTA* f, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = (f->lfPitchAndFamily & 3) == FIXED_PITCH;
    return 0;
}

TEST_F(Win32Rich, AppendedEntriesKeepTheirColoursInTheNativeControl) {
    ASSERT_TRUE(H(r)) << "no RichEdit";
    r.SetFontName("Courier");
    testing::AppendColoured(r, "Acme Writer\n", kGreen);
    testing::AppendColoured(r, "red", kRed);
    const CHARFORMATA cf = testing::FormatAt(H(r), 0);
    EXPECT_EQ(cf.crTextColor, RGB(0, 192, 0));
    EXPECT_FALSE(cf.dwEffects & CFE_AUTOCOLOR);
    // Shown in an installed fixed-pitch face, while the document still names Courier.
    bool fixed = false;
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
    EnumFontFamiliesExA(win::WindowDc(nullptr).get(), &lf, IsFixedPitch, reinterpret_cast<LPARAM>(&fixed), 0);
    EXPECT_TRUE(fixed) << "face " << cf.szFaceName;
    EXPECT_EQ(r.Content().runs[0].format.face, "Courier");
    EXPECT_EQ(testing::FormatAt(H(r), 13).crTextColor, RGB(255, 0, 0));
}

TEST_F(Win32Ui, ModalWindowsWaitAndEnterEscapePressTheirButtons) {
    Window& dlg = tk.NewWindow({"frmDetail", "Detailed Report", 6510, 4530, WindowStyle::FixedDialog});
    TextBox& comments = dlg.AddTextBox({"txtComments", {1560, 2880, 4815, 855}, "Text1"}, true);
    Button& letter = dlg.AddButton({"btnLEtter", {2400, 3840, 1935, 615}, "Print Manufacturer Form Letter"});
    Button& ok = dlg.AddButton({"btnOK", {4440, 3840, 1935, 615}, "Close"});
    letter.SetRole(ButtonRole::Default);
    ok.SetRole(ButtonRole::Cancel);
    int letters = 0;
    letter.onClick = [&] { ++letters; };
    ok.onClick = [&] { dlg.Hide(); };
    w.Show();
    bool mainDisabled = false;
    HWND focusAtOpen = nullptr, focusAfterTab = nullptr;
    tk.onModal = [&](Window& m) {
        mainDisabled = !IsWindowEnabled(H(w));
        focusAtOpen = GetFocus();
        // Tab in the multi-line comments moves on, as in a dialog.
        SetFocus(H(comments));
        testing::PostKey(H(comments), VK_TAB);
        tk.DoEvents();
        focusAfterTab = GetFocus();
        SendMessageA(H(m), WM_COMMAND, IDOK, 0);      // what Enter becomes
        SendMessageA(H(m), WM_COMMAND, IDCANCEL, 0);  // what Escape becomes
    };
    dlg.ShowModal();
    EXPECT_TRUE(mainDisabled);
    EXPECT_EQ(letters, 1);
    EXPECT_FALSE(dlg.Visible());
    EXPECT_EQ(focusAtOpen, H(letter)) << "the default button has the focus: Enter presses it";
    EXPECT_EQ(focusAfterTab, H(letter));
    EXPECT_TRUE(IsWindowEnabled(H(w))) << "the main window takes input again";
    EXPECT_EQ(GetActiveWindow(), H(w)) << "and has the keyboard";
}

TEST_F(Win32Ui, KeyboardMovesInCreationOrderAndEnterEscapePressTheRoleButtons) {
    Frame& page = w.AddFrame({"FraCreateOrView", {0, 0, 8175, 4335}});
    OptionButton& opt = page.AddOption({"OptReport", {720, 1200, 4335, 255}, "Create"});
    Button& help = w.AddButton({"btnHelp", {0, 4440, 1095, 495}, "Help"});
    Button& next = w.AddButton({"BtnNext", {4178, 4440, 1095, 495}, "Next"});
    Button& exitButton = w.AddButton({"btnExit", {7080, 4440, 1095, 495}, "Exit"});
    next.SetRole(ButtonRole::Default);
    exitButton.SetRole(ButtonRole::Cancel);
    int nexts = 0, exits = 0;
    next.onClick = [&] { ++nexts; };
    exitButton.onClick = [&] { ++exits; };
    w.Show();
    // Tab order: the option inside the page, then the buttons as they were created.
    EXPECT_EQ((std::vector<HWND>{GetNextDlgTabItem(H(w), H(opt), FALSE), GetNextDlgTabItem(H(w), H(help), FALSE),
                                 GetNextDlgTabItem(H(w), H(next), FALSE)}),
              (std::vector<HWND>{H(help), H(next), H(exitButton)}));

    // Keys typed while the option has the focus go through the event loop's dialog keys.
    SetFocus(H(opt));
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM(VK_ESCAPE)}) { testing::PostKey(H(opt), key); tk.DoEvents(); }
    EXPECT_EQ(nexts, 1) << "Enter presses Next";
    EXPECT_EQ(exits, 1) << "Escape presses the cancel button";

    // A page that is hidden gives the focus up; a window activated again gets its focus back.
    page.SetVisible(false);
    EXPECT_EQ(GetFocus(), H(next)) << "to the default button";
    SetFocus(H(next));
    Window& other = tk.NewWindow({"frmHelp", "Help", 3000, 2000});
    other.Show();
    EXPECT_NE(GetActiveWindow(), H(w));
    w.Show();
    EXPECT_EQ(GetFocus(), H(next));
}

TEST_F(Win32Ui, InputBoxReturnsTheTypedTextOrNothing) {
    tk.onModal = [&](Window& m) {
        HWND edit = FindWindowExA(H(m), nullptr, "EDIT", nullptr);
        EXPECT_EQ(TextOf(edit), "C:\\Temp.rtf");
        SetWindowTextA(edit, "D:\\report.rtf");
        SendMessageA(FindWindowExA(H(m), nullptr, "BUTTON", "OK"), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(tk.AskInput("Enter Destination of File", "Save", "C:\\Temp.rtf"), "D:\\report.rtf");
    tk.onModal = [&](Window& m) {
        SendMessageA(FindWindowExA(H(m), nullptr, "BUTTON", "Cancel"), BM_CLICK, 0, 0);
    };
    EXPECT_EQ(tk.AskInput("Enter Destination of File", "Save", "C:\\Temp.rtf"), std::nullopt);
}

TEST(Win32Printing, TextDrawnOnADeviceContextLandsInItsColourWithinTheMargins) {
    FontCache fonts;
    Canvas page(816, 1056);
    PatBlt(page.dc, 0, 0, 816, 1056, WHITENESS);
    const HGDIOBJ ownFont = GetCurrentObject(page.dc, OBJ_FONT);
    {
        GdiPrintDevice dev(page.dc, false, fonts);
        EXPECT_EQ(dev.PageWidth(), 816);
        PrintableText t{{TextRun{"Not Year 2000 Ready - Upgrade or Discontinue Use",
                                 CharFormat{"Courier", 240, false, false, kRed}}},
                        {}};
        const auto lines = LayOutText(t, dev, 96, 96);
        ASSERT_EQ(lines.size(), 1u);
        int y = 96;
        for (const auto& l : lines) {
            for (const auto& p : l.pieces) dev.DrawString(p.x, y, p.format, p.text);
            y += l.height;
        }
        EXPECT_NE(GetCurrentObject(page.dc, OBJ_FONT), ownFont);
    }
    EXPECT_EQ(GetCurrentObject(page.dc, OBJ_FONT), ownFont) << "the context gets its font back";
    const int red = page.Count(kRed, {0, 0, 816, 1056});
    EXPECT_GT(red, 100);
    EXPECT_EQ(page.Count(kRed, {96, 96, 816 - 96 + 1, 96 + 40 + 1}), red) << "all within the margins";
}

TEST(Win32Printing, WithoutADefaultPrinterEveryPrintRaisesPrinterError) {
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.Flags = PD_RETURNDEFAULT;
    if (PrintDlgA(&pd)) {
        if (pd.hDevMode) GlobalFree(pd.hDevMode);
        if (pd.hDevNames) GlobalFree(pd.hDevNames);
        GTEST_SKIP() << "this system has a printer; nothing is sent to it";
    }
    Win32Toolkit tk;
    Printer& p = tk.DefaultPrinter();
    for (int i = 0; i < 2; ++i) EXPECT_EQ(testing::ErrorOf([&] { p.PrintLine(""); }), kErrPrinter);
    EXPECT_NO_THROW(p.EndDoc());
}

}  // namespace
}  // namespace ostrevan::ui::win32
