// The advanced listing: its entries, its window and layout, and its Save and Print buttons.
#include <gtest/gtest.h>

#include "platform/ui/headless/headless_toolkit.h"
#include "report/advanced_window.h"
#include "report/report_fixture.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

using ui::headless::HeadlessToolkit;
using ui::headless::HeadlessWindow;

colFiles Junk(std::initializer_list<std::pair<const char*, const char*>> entries) {
    colFiles j;
    for (const auto& [name, dir] : entries) AddFound(j, {name, "None", "None", "None", -1, dir});
    return j;
}

// Opens the listing and runs `inside` while it is shown.
std::string OpenListing(HeadlessToolkit& tk, const colFiles& junk,
                        const std::function<void(HeadlessWindow&)>& inside = {}) {
    std::string text;
    tk.onModal = [&](HeadlessWindow& w) {
        if (w.Name() != "frmAdvanced") return;
        text = tk.Find<ui::RichText>("frmAdvanced.rtxtAdvanced").Text();
        if (inside) inside(w);
    };
    OpenAdvancedListing(junk, tk);
    return text;
}

TEST(AdvancedListing, EntriesInListOrder) {
    HeadlessToolkit tk;
    EXPECT_EQ(OpenListing(tk, Junk({})), "");
    const colFiles junk = Junk({{"SETUP.EXE", "C:\\TEMP"}, {"A.EXE", "C:\\Z DIR\\SUB"}, {"ZED.EXE", "C:"}});
    tk.yields = 0;
    EXPECT_EQ(OpenListing(tk, junk),
              "File:SETUP.EXE\nDirectory Found In:C:\\TEMP\n\n"
              "File:A.EXE\nDirectory Found In:C:\\Z DIR\\SUB\n\n"
              "File:ZED.EXE\nDirectory Found In:C:\n\n");
    EXPECT_EQ(tk.yields, 1) << "one yield per hundred entries";
}

TEST(AdvancedListing, FreshWindowEveryTime) {
    HeadlessToolkit tk;
    std::vector<HeadlessWindow*> seen;
    const colFiles junk = Junk({{"X.EXE", "C:\\X"}});
    for (int i = 0; i < 2; ++i)
        OpenListing(tk, junk, [&](HeadlessWindow& w) {
            seen.push_back(&w);
            tk.Find<ui::Button>("frmAdvanced.btnOK").Click();
            EXPECT_FALSE(w.Visible());
        });
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0], seen[1]);
    EXPECT_TRUE(seen[0]->Unloaded());
}

TEST(AdvancedListing, SaveAndPrintTheListing) {
    HeadlessToolkit tk;
    TempDir dir;
    const std::string path = (dir / "junk.rtf").string();
    tk.inputAnswers.push_back(path);
    OpenListing(tk, Junk({{"SETUP.EXE", "C:\\TEMP"}}), [&](HeadlessWindow&) {
        tk.Find<ui::Button>("frmAdvanced.btnSave").Click();
        tk.Find<ui::Button>("frmAdvanced.btnLEtter").Click();
    });
    ASSERT_EQ(tk.inputs.size(), 1u);
    EXPECT_EQ(tk.inputs[0].defaultText, "C:\\Temp.rtf");
    const std::string rtf = ReadFileBytes(path);
    EXPECT_NE(rtf.find("File:SETUP.EXE"), std::string::npos);
    EXPECT_NE(rtf.find("Courier"), std::string::npos);
    const auto& docs = tk.PrinterState().Documents();
    ASSERT_EQ(docs.size(), 1u);
    EXPECT_EQ(docs[0].pages.at(0).Text(), "File:SETUP.EXE\nDirectory Found In:C:\\TEMP");
    EXPECT_TRUE(tk.messages.empty());
}

}  // namespace
}  // namespace ostrevan::testing
