// The help window: topics and their files, missing files, reloading on activation, Close,
// the layout rule and printing.
#include <gtest/gtest.h>

#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/rtf.h"
#include "report/help_window.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

using ui::headless::HeadlessToolkit;
using ui::headless::HeadlessWindow;

// A program directory with one small RTF document per topic, each naming its file.
struct HelpDir {
    HelpDir() {
        for (const char* f : FrmHelp::kTopicFiles) Write(f, std::string("Topic ") + f);
    }
    void Write(const std::string& file, const std::string& text) {
        WriteFileBytes(dir / file, ui::WriteRtf({{ui::TextRun{text, {}}}, {}}));
    }
    TempDir dir;
};

struct HelpFixture {
    HelpDir files;
    HeadlessToolkit tk;
    FrmHelp help{tk, files.dir.path()};
    std::string Shown() const { return help.rtxtHelp.Text(); }
};

TEST(HelpWindow, EachOptionLoadsItsTopicFile) {
    HelpFixture f;
    struct Case { const char* option; const char* file; } cases[] = {
        {"optStep1", "HelpMODE.rtf"}, {"optStep2", "HelpDISK.rtf"}, {"optAnimation", "HelpSCAN.rtf"},
        {"optReport", "HelpREP.rtf"}, {"optBIOS", "HelpBIOS.rtf"}, {"OptVend", "HelpTS.rtf"},
        {"optGeneral", "HelpINTR.rtf"},
    };
    for (const Case& c : cases) {
        f.tk.Find<ui::OptionButton>(std::string("frmHelp.") + c.option).Click();
        EXPECT_EQ(f.Shown(), std::string("Topic ") + c.file) << c.option;
    }
}

TEST(HelpWindow, PrintsTheTopicIndentedAndEndsTheDocument) {
    HelpFixture f;
    f.help.optStep2.Click();
    f.help.btnPrint.Click();
    const auto& docs = f.tk.PrinterState().Documents();
    ASSERT_EQ(docs.size(), 1u);
    ASSERT_EQ(docs[0].lines.size(), 1u);
    EXPECT_EQ(docs[0].lines[0].first, "") << "an empty line opens the job";
    ASSERT_EQ(docs[0].texts.size(), 1u);
    EXPECT_EQ(docs[0].texts[0].paragraphs.at(0), (ui::ParaFormat{100, 100}));
    EXPECT_EQ(docs[0].pages.at(0).Text(), "Topic HelpDISK.rtf");
    EXPECT_EQ(f.help.rtxtHelp.SelLength(), 0);
    EXPECT_TRUE(f.tk.messages.empty());
}

}  // namespace
}  // namespace ostrevan::testing
