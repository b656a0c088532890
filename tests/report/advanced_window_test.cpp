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
    // Active again after another window (a message, the Save box): listed once, not again.
    OpenListing(tk, junk, [&](HeadlessWindow&) {
        ui::Window& other = tk.NewWindow({"frmOther", "Other"});
        other.Show();
        other.Hide();
    });
    EXPECT_EQ(tk.yields, 2);
}

TEST(AdvancedListing, ALongListingShowsItsProgressAndCloseStopsIt) {
    HeadlessToolkit tk;
    colFiles junk;
    for (int i = 0; i < 250; ++i) AddFound(junk, {"P.EXE", "None", "None", "None", -1, "C:"});
    std::vector<std::string> seen;
    tk.onYield = [&] {
        seen.push_back(tk.ActiveWindow()->Caption() + (tk.Find<ui::Button>("frmAdvanced.btnSave").Enabled() ? " +" : " -"));
        if (seen.size() == 2) tk.Find<ui::Button>("frmAdvanced.btnOK").Click();
    };
    bool shown = true, usable = false;  // closed; Save and Print back for what was listed
    const std::string text = OpenListing(tk, junk, [&](HeadlessWindow& w) {
        shown = w.Visible();
        usable = tk.Find<ui::Button>("frmAdvanced.btnSave").Enabled() && tk.Find<ui::Button>("frmAdvanced.btnLEtter").Enabled();
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"Advanced: 100 of 250 listed -", "Advanced: 200 of 250 listed -"}));
    EXPECT_EQ(text.size(), 200 * ListingEntryText(junk.Item(1)).size());
    EXPECT_FALSE(shown);
    EXPECT_TRUE(usable);
}

}  // namespace
}  // namespace ostrevan::testing
