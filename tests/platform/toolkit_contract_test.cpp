// What every backend of the toolkit must do alike, run on each backend the build has: the
// headless one everywhere, the native one as well in the Windows build (real controls).
#include <gtest/gtest.h>

#include "platform/ui/event.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/rtf.h"
#include "platform/vb_error.h"
#include "support/test_support.h"
#ifdef _WIN32
#include "platform/ui/win32/win32_toolkit.h"
#endif

namespace ostrevan::ui {
namespace {

using testing::ErrorOf;

const Color kGreen{0, 192, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

template <class TK>
class Contract : public ::testing::Test {
protected:
    TK tk;
    Window& w = tk.NewWindow({"frmTest", "Ostrevan", 8250, 5040});

    RichText& Rich() { return w.AddRichText({"rtxtSummary", {120, 600, 7935, 3135}}); }
};

#ifdef _WIN32
using Backends = ::testing::Types<headless::HeadlessToolkit, win32::Win32Toolkit>;
#else
using Backends = ::testing::Types<headless::HeadlessToolkit>;
#endif
TYPED_TEST_SUITE(Contract, Backends);

TYPED_TEST(Contract, ButtonsRunTheirHandlerOnlyWhenTheUserCouldPressThem) {
    Frame& page = this->w.AddFrame({"FraPage", {0, 0, 8000, 4000}});
    Button& b = page.AddButton({"btnGo", {120, 120, 1095, 375}, "Go"});
    this->w.Show();
    int clicks = 0;
    b.onClick = [&] { ++clicks; };
    struct Case { bool pageVisible, pageEnabled, visible, enabled; int expected; };
    const Case cases[] = {{true, true, true, true, 1}, {true, true, true, false, 0},
                          {true, true, false, true, 0}, {false, true, true, true, 0},
                          {true, false, true, true, 0}};
    for (const Case& c : cases) {
        clicks = 0;
        page.SetVisible(c.pageVisible);
        page.SetEnabled(c.pageEnabled);
        b.SetVisible(c.visible);
        b.SetEnabled(c.enabled);
        b.Click();
        EXPECT_EQ(clicks, c.expected) << c.pageVisible << c.pageEnabled << c.visible << c.enabled;
    }
}

TYPED_TEST(Contract, OptionButtonsOfOneContainerFormOneGroup) {
    OptionButton& a = this->w.AddOption({"optA", {120, 0, 1215, 255}, "A"});
    OptionButton& b = this->w.AddOption({"optB", {120, 240, 1215, 255}, "B"});
    this->w.SetBackColor(kGreen);
    Frame& f = this->w.AddFrame({"fra", {0, 600, 4000, 2000}});
    EXPECT_EQ(f.BackColor(), kGreen) << "a frame starts in the colour of its container";
    OptionButton& c = f.AddOption({"optC", {120, 240, 1215, 255}, "C"});
    this->w.Show();
    int bClicks = 0;
    b.onClick = [&] { ++bClicks; };
    a.SetValue(true);
    c.SetValue(true);
    EXPECT_TRUE(a.Value());
    EXPECT_EQ(bClicks, 0) << "setting a value runs no event";
    b.Click();
    EXPECT_EQ((std::vector<bool>{a.Value(), b.Value(), c.Value()}), (std::vector<bool>{false, true, true}))
        << "another container, another group";
    EXPECT_EQ(bClicks, 1);
}

TYPED_TEST(Contract, WindowSizesAreTwipsOfTheClientArea) {
    Window& w = this->w;
    EXPECT_EQ(std::make_pair(w.ClientWidth(), w.ClientHeight()), std::make_pair(8250, 5040));
    int resizes = 0;
    w.onResize = [&] { ++resizes; };
    w.Resize(w.Bounds().width, w.Bounds().height);
    EXPECT_EQ(resizes, 0) << "no resize event before the window first appears";
    w.Show();
    EXPECT_EQ(resizes, 1) << "the first show lays the window out";
    w.Resize(w.Bounds().width + 1500, w.Bounds().height + 600);
    EXPECT_EQ(std::make_pair(w.ClientWidth(), w.ClientHeight()), std::make_pair(8250 + 1500, 5040 + 600));
    w.SetState(WindowState::Minimized);
    EXPECT_EQ(w.ClientWidth(), 0);
    w.SetState(WindowState::Normal);
    EXPECT_EQ(w.ClientWidth(), 8250 + 1500);
}

TYPED_TEST(Contract, RichTextAppendsInColoursAsTheReportDoes) {
    RichText& r = this->Rich();
    r.SetText("old text");
    r.SetText("");
    r.SetFontName("Courier");
    const std::string entry = "Acme Writer\n\tVersion(s): 3.1\n";
    testing::AppendColoured(r, entry, kGreen);
    testing::AppendColoured(r, "{\\rtf1 not rtf}\n", kRed);
    EXPECT_EQ(r.Text(), entry + "{\\rtf1 not rtf}\n");
    EXPECT_EQ(r.TextLength(), static_cast<int>(entry.size()) + 16);
    EXPECT_EQ(r.LineFromChar(r.TextLength()), 3);
    EXPECT_EQ(r.LineFromChar(12), 1);
    const PrintableText t = r.Content();
    ASSERT_GE(t.runs.size(), 2u);
    EXPECT_EQ(t.runs[0].format.face, "Courier");
    EXPECT_EQ(std::make_pair(t.runs[0].format.color, t.runs.back().format.color), std::make_pair(kGreen, kRed));

    r.SetSelection(3, 100);
    EXPECT_EQ(r.SelStart(), 3);
    EXPECT_EQ(r.SelText(), r.Text().substr(3)) << "a selection past the end stops at the end";
    r.ReplaceSelection("X");
    EXPECT_EQ(r.Text(), "AcmX");
    EXPECT_EQ(std::make_pair(r.SelStart(), r.SelLength()), std::make_pair(4, 0));
    // Text typed at the caret takes the format of the character before it.
    testing::AppendColoured(r, "cd", kRed);
    r.SetSelection(4, 0);
    r.ReplaceSelection("y");
    EXPECT_EQ(r.Text(), "AcmXycd");
    const PrintableText typed = r.Content();
    EXPECT_EQ(typed.runs.back().text, "cd");
    EXPECT_EQ(typed.runs.front().format.color, kGreen);
    EXPECT_EQ(typed.runs.front().text, "AcmXy");
}

TYPED_TEST(Contract, RichTextLoadsRtfWithColoursAndKeepsItsContentOnFailure) {
    testing::TempDir dir;
    RichText& r = this->Rich();
    PrintableText doc{{TextRun{"blue ", CharFormat{"Courier", 165, false, false, kBlue}},
                       TextRun{"\nred", CharFormat{"Courier", 165, true, false, kRed}}},
                      {}};
    testing::WriteFileBytes(dir / "doc.rtf", WriteRtf(doc));
    r.LoadFile((dir / "doc.rtf").string());
    EXPECT_EQ(r.Text(), "blue \nred");
    const PrintableText t = r.Content();
    ASSERT_GE(t.runs.size(), 2u);
    EXPECT_EQ(std::make_pair(t.runs[0].format.color, t.runs.back().format.color), std::make_pair(kBlue, kRed));
    EXPECT_TRUE(t.runs.back().format.bold);

    EXPECT_EQ(ErrorOf([&] { r.LoadFile((dir / "missing.rtf").string()); }), kErrFileNotFound);
    EXPECT_EQ(r.Text(), "blue \nred");
    testing::WriteFileBytes(dir / "plain.txt", "line 1\r\nline 2");
    r.LoadFile((dir / "plain.txt").string());
    EXPECT_EQ(r.Text(), "line 1\nline 2") << "a file not in RTF is shown as plain text";
}

// A handler that fails is told through the one hook, on every backend, and the window goes on:
// the next click runs its handler again.
TYPED_TEST(Contract, AFailingHandlerGoesToTheHookAndTheWindowGoesOn) {
    Button& b = this->w.AddButton({"btnGo", {120, 120, 1095, 375}, "Go"});
    OptionButton& o = this->w.AddOption({"optA", {120, 600, 1095, 375}, "A"});
    this->w.Show();
    std::vector<std::string> told;
    const EventFailureHook before = SetEventFailureHook([&](const std::string& what) { told.push_back(what); });
    int clicks = 0;
    b.onClick = [&] {
        if (++clicks == 1) throw VbError(kErrTypeMismatch, "Type mismatch");
    };
    o.onClick = [] { throw 42; };
    b.Click();
    b.Click();
    o.Click();
    SetEventFailureHook(before);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(told, (std::vector<std::string>{"Type mismatch", "an unknown failure"}));
}

}  // namespace
}  // namespace ostrevan::ui
