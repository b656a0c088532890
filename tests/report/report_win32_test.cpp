// The report windows on the real controls (under Wine in the cross build): the report in the
// RichEdit control with its colours and face, the saved RTF loaded back into a RichEdit
// control, a double click opening the right record, and save failures with their reasons.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include "platform/ui/win32/win32_toolkit.h"
#include "report/advanced_window.h"
#include "report/detail_window.h"
#include "report/help_window.h"
#include "report/report_format.h"
#include "report/save_print.h"
#include "report/report_fixture.h"
#include "report/summary_report.h"
#include "support/test_support.h"
#include "support/win32_probe.h"

namespace ostrevan::testing {
namespace {

using ui::win32::Win32Toolkit;

struct NativeFormat { ui::Color colour; std::string face; };

// The character format the RichEdit control holds at pos.
NativeFormat FormatAt(const ui::RichText& rt, int pos) {
    const CHARFORMATA cf = testing::FormatAt(H(rt), pos);
    return {ui::Color{GetRValue(cf.crTextColor), GetGValue(cf.crTextColor), GetBValue(cf.crTextColor)}, cf.szFaceName};
}

struct Win32Report {
    Win32Report() {
        FillCompMessages(st);
        tk.onMessage = [this](const std::string& text, const std::string&) {
            messages.push_back(text);
        };
        SetUpReportControl(rtxt);
        const int16_t codes[] = {1, 4, 0, 3, 5, 2, 6};
        for (int i = 0; i < 7; ++i)
            st.cFiles.Add("", "Maker", "", "Program " + std::to_string(i), "1.0",
                          i % 2 ? "2.0" : "1.0", codes[i], "C:\\P" + std::to_string(i), "", "");
        w.Show();
        FillReport(st, tk, rtxt);
    }
    // The first character of entry e (0-based).
    int EntryStart(int e) const { return LineStart(rtxt.Text(), e * 5); }

    RunState st;
    Win32Toolkit tk;
    ui::Window& w = tk.NewWindow({"FrmY2KMain", "Ostrevan", 9000, 6000});
    ui::RichText& rtxt = w.AddRichText({"rtxtSummary", {0, 0, 8800, 5000}, ""});
    std::vector<std::string> messages;
};

// Entry order and colours of the report above: codes 4, 3, 5, 2, 6, 1, 0.
const char* kEntryNames[] = {"Program 1", "Program 3", "Program 4", "Program 5",
                             "Program 6", "Program 0", "Program 2"};
const ui::Color kEntryColours[] = {{255, 0, 0},   {255, 0, 0}, {255, 128, 0}, {0, 0, 255},
                                   {255, 0, 255}, {0, 192, 0}, {0, 0, 0}};

TEST(ReportOnRichEdit, SavedRtfLoadsBackIntoTheControl) {
    Win32Report r;
    TempDir dir;
    const std::string path = (dir / "report.rtf").string();
    ASSERT_EQ(SaveRichText(r.rtxt, path), "");
    ui::RichText& back = r.w.AddRichText({"rtxtBack", {0, 0, 8800, 5000}, ""});
    back.LoadFile(path);
    EXPECT_EQ(back.Text(), r.rtxt.Text());
    for (int e = 0; e < 7; ++e) {
        const NativeFormat f = FormatAt(back, r.EntryStart(e) + 2);
        EXPECT_EQ(f.colour, kEntryColours[e]) << "entry " << e;
        EXPECT_EQ(f.face, "Courier");
    }
}

TEST(ReportOnRichEdit, DoubleClickOpensTheRecordOfTheLineClicked) {
    Win32Report r;
    std::vector<std::string> opened;
    bool modal = false;
    r.tk.onModal = [&](ui::Window& w) {
        modal = w.Visible() && w.Caption() == "Detailed Report";
        w.Hide();
    };
    r.rtxt.onDoubleClick = [&] {
        const auto f = NewProductDetail(r.st, r.tk, r.rtxt);
        opened.push_back(f->lblProduct.Caption());
        f->Show();
    };
    HWND h = H(r.rtxt);
    for (int e : {0, 3, 6}) {
        POINTL pt{};
        SendMessageA(h, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pt), r.EntryStart(e) + 2);
        const LPARAM at = MAKELPARAM(pt.x + 1, pt.y + 2);
        SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(h, WM_LBUTTONUP, 0, at);
        SendMessageA(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        SendMessageA(h, WM_LBUTTONUP, 0, at);
    }
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], kEntryNames[0]);
    EXPECT_EQ(opened[1], kEntryNames[3]);
    EXPECT_EQ(opened[2], kEntryNames[6]);
    EXPECT_TRUE(modal);
}

// The listing is filled once its window is up; Close, pressed while it fills, stops it.
TEST(AdvancedListingOnRichEdit, FilledInTheShownWindowUnlessClosedMeanwhile) {
    Win32Report r;
    colFiles junk;
    for (int i = 0; i < 250; ++i) junk.Add("", "None", "", "P.EXE", "", "", 0, "C:\\D", "", "");
    for (const bool close : {false, true}) {
        FrmAdvanced f(r.tk);
        std::string seen;
        r.tk.onModal = [&](ui::Window& w) {
            seen = w.Caption() + (w.Visible() ? " shown " : " hidden ") + std::to_string(f.rtxtAdvanced.Text().size()) +
                   (f.btnSave.Enabled() ? " +" : " -");
        };
        if (close) PostMessageA(H(f.btnOK), BM_CLICK, 0, 0);
        f.Show(&junk);
        EXPECT_EQ(seen, close ? "Advanced hidden 3600 +" : "Advanced shown 9000 +");  // 36 characters an entry, CR LF
    }
}

TEST(ReportOnRichEdit, ShippedHelpTopicsLoadIntoTheControl) {
    Win32Toolkit tk;
    const std::filesystem::path shipped = std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data";
    // Also from a program folder whose name lies outside ASCII.
    TempDir dir;
    const std::filesystem::path jose = dir.path() / L"Jos\u00e9";
    std::filesystem::create_directory(jose);
    for (const char* f : FrmHelp::kTopicFiles) std::filesystem::copy_file(shipped / f, jose / f);
    for (const auto& folder : {shipped, jose}) {
        FrmHelp help(tk, folder);
        for (ui::OptionButton* o : {&help.optGeneral, &help.optReport, &help.OptVend}) {
            help.rtxtHelp.SetText("");
            o->SetValue(true);
            help.LoadHelp();
            const std::string t = help.rtxtHelp.Text();
            EXPECT_GT(t.size(), 200u) << o->Caption() << " in " << folder.string();
            EXPECT_EQ(t.find("\\rtf"), std::string::npos) << "read as rich text, not shown raw";
        }
    }
}

}  // namespace
}  // namespace ostrevan::testing
