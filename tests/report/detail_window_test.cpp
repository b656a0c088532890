// The detail window: which record a caret in the report opens, what the window shows for it,
// the vendor's address, and its life as a fresh modal window.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "report/detail_window.h"
#include "report/report_fixture.h"

namespace ostrevan::testing {
namespace {

using ui::Color;
using ui::headless::HeadlessWindow;

// What a detail window showed while it was up: the captions of its labels and its comments.
struct Shown {
    std::map<std::string, std::string> text;
    Color colour;  // of the readiness text
    bool modal = false;
    const std::string& operator[](const char* name) const { return text.at(name); }
    std::vector<std::string> Address() const {
        return {text.at("lblAddress1"), text.at("lblAddress2"), text.at("lblPhoneNum"), text.at("lblURL")};
    }
};

struct DetailPage : ReportPage {
    DetailPage() {
        tk.onModal = [this](HeadlessWindow& w) {
            if (w.Name() != "frmDetail") return;
            Shown s;
            for (const char* n : {"lblProduct", "lblVersion", "lblManufacturer", "lblAddress1", "lblAddress2",
                                  "lblPhoneNum", "lblURL", "lblDirectory", "lblCompliance"})
                s.text[n] = tk.Find<ui::Label>(std::string("frmDetail.") + n).Caption();
            s.text["txtComments"] = tk.Find<ui::TextBox>("frmDetail.txtComments").Text();
            s.colour = tk.Find<ui::Label>("frmDetail.lblCompliance").ForeColor();
            s.modal = w.Modal() && w.Visible();
            if (onDetail) onDetail(w);
            shown.push_back(s);
        };
    }
    // Opens the detail window with the caret at pos, as More Info does.
    Shown OpenAt(int pos) {
        rtxt->SetSelection(pos, 0);
        OpenProductDetail(st, tk, *rtxt);
        return shown.back();
    }
    int LineStart(int line) const { return testing::LineStart(rtxt->Text(), line); }

    std::vector<Shown> shown;
    std::function<void(HeadlessWindow&)> onDetail;
};

// The entry whose lines hold the caret is opened, and the very end opens the last listed entry.
TEST(DetailWindow, CaretLineSelectsTheEntryOfThatLine) {
    struct Case { std::vector<Found> records; std::vector<const char*> byEntry; } cases[] = {
        {{{"Third", "V", "1", "1", 1}, {"First", "V", "1", "1", 4}, {"Second", "V", "1", "1", 3}},
         {"First", "Second", "Third"}},
        {{{"R1", "V", "1", "1", 1}, {"R2", "V", "1", "1", 3}, {"R3", "V", "1", "1", 1},
          {"R4", "V", "1", "1", 1}, {"R5", "V", "1", "1", 4}},
         {"R5", "R2", "R1", "R3", "R4"}},  // byEntry: the product of each listed entry, report order
    };
    for (const Case& c : cases) {
        DetailPage p;
        for (const Found& f : c.records) p.Add(f);
        p.Fill();
        const int lines = static_cast<int>(c.byEntry.size()) * 5;
        ASSERT_EQ(p.rtxt->LineFromChar(p.rtxt->TextLength()), lines);
        for (int line = 0; line < lines; ++line) {
            // The blank line after an entry already belongs to the next one.
            const char* want = c.byEntry[std::min(static_cast<size_t>(line + 1) / 5, c.byEntry.size() - 1)];
            EXPECT_EQ(p.OpenAt(p.LineStart(line))["lblProduct"], want) << "caret at the start of line " << line;
            if (line % 5 == 4) continue;  // a text line: its last character too
            EXPECT_EQ(p.OpenAt(p.LineStart(line + 1) - 1)["lblProduct"], want) << line;
        }
        EXPECT_EQ(p.OpenAt(p.rtxt->TextLength())["lblProduct"], c.byEntry.back())
            << "the very end opens the last listed entry, not the collection's first record";
    }
}

TEST(DetailWindow, VendorAddressComesFromTheDirectory) {
    DetailPage p;
    p.st.cVendors.Add("NO VENDOR", "1 Nowhere Road", "Void City", "000", 0, "none.example");
    p.st.cVendors.Add("ACME", "12 Main Street", "Springfield", "555-0100", 0, "www.acme.example");
    p.Add({"Acme Writer", "Acme Inc.", "3.1", "3.1", 1});
    p.Add({"Orphan", "None", "1", "1", 2});
    p.Add({"Newcomer", "Brand New Software Co", "1", "2", 4});
    p.Fill();
    // Report order: Newcomer (4), Orphan (2), Acme Writer (1).
    Shown s = p.OpenAt(p.LineStart(10));
    EXPECT_EQ(s["lblManufacturer"], "Acme Inc.");
    EXPECT_EQ(s["lblVersion"], "3.1");
    EXPECT_EQ(s.Address(), (std::vector<std::string>{"12 Main Street", "Springfield", "555-0100", "www.acme.example"}));
    EXPECT_EQ(p.OpenAt(p.LineStart(5))["lblAddress1"], "1 Nowhere Road") << "vendor None shows vendor 1";
    const int16_t before = p.st.cVendors.Count();
    s = p.OpenAt(p.LineStart(0));
    EXPECT_EQ(s["lblProduct"], "Newcomer");
    EXPECT_EQ(s["lblVersion"], "1 - 2");
    EXPECT_EQ(p.st.cVendors.Count(), before + 1) << "an unknown vendor joins the directory";
    EXPECT_EQ(s.Address(), (std::vector<std::string>{"", "", "", ""}));
    p.OpenAt(p.LineStart(0));
    EXPECT_EQ(p.st.cVendors.Count(), before + 1) << "a second look adds nothing";
}

}  // namespace
}  // namespace ostrevan::testing
