// The summary report: entry text, class order, colours and face.
#include <gtest/gtest.h>

#include <random>

#include "report/report_fixture.h"
#include "report/report_format.h"

namespace ostrevan::testing {
namespace {

using ui::Color;

const Color kGreen{0, 192, 0}, kBlue{0, 0, 255}, kRed{255, 0, 0}, kOrange{255, 128, 0},
    kMagenta{255, 0, 255}, kBlack{0, 0, 0};

// The colour of every character in [start, end) when they all share one; otherwise nullopt.
std::optional<Color> UniformColour(const ReportPage& p, int start, int end) {
    std::optional<Color> c;
    for (int i = start; i < end; ++i) {
        const Color ci = p.rtxt->Document().FormatAt(i, {}).color;
        if (c && !(*c == ci)) return std::nullopt;
        c = ci;
    }
    return c;
}

TEST(SummaryReport, EmptyListGivesEmptyReportAndOneEntryIsFiveLinesInItsClassColour) {
    ReportPage p;
    p.rtxt->SetText("left over from an earlier report");
    p.Fill();
    EXPECT_EQ(p.rtxt->Text(), "");
    EXPECT_EQ(p.tk.yields, 0);
    p.Add({"Acme Writer", "Acme", "3.1", "3.1", 1});
    p.Fill();
    EXPECT_EQ(p.rtxt->Text(), "Acme Writer\n\tVersion(s): 3.1\n\tManufacturer: Acme\n"
                              "\tYear 2000 Ready - No Action Required\n\n");
    EXPECT_EQ(UniformColour(p, 0, p.rtxt->TextLength()), kGreen);
    EXPECT_EQ(p.rtxt->SelStart(), p.rtxt->TextLength()) << "the caret ends at the end";
    EXPECT_EQ(p.rtxt->SelLength(), 0);
    EXPECT_EQ(p.tk.yields, 1) << "one yield per entry";
}

TEST(SummaryReport, VersionLineJoinsDifferingTextsExactly) {
    struct Case { const char *begin, *end, *line; } cases[] = {
        {"3.1", "3.1", "\tVersion(s): 3.1"}, {"3.1", "4.0", "\tVersion(s): 3.1 - 4.0"},
        {"3.1", "3.10", "\tVersion(s): 3.1 - 3.10"}, {"1.0a", "1.0A", "\tVersion(s): 1.0a - 1.0A"},
        {"1.0, 2.0, 3.0", "1.0, 2.0, 3.0", "\tVersion(s): 1.0, 2.0, 3.0"},  // accumulated list
        {"", "", "\tVersion(s): "},
    };
    for (const Case& c : cases) {
        ReportPage p;
        p.Add({"Acme Writer", "Acme", c.begin, c.end, 4});
        p.Fill();
        EXPECT_EQ(Split(p.rtxt->Text()).at(1), c.line) << c.begin << " / " << c.end;
    }
}

TEST(SummaryReport, ClassesInReportOrderWithTheirColours) {
    // One record of every code, in an order unlike the report's; two unlisted codes.
    ReportPage p;
    for (int16_t c : {0, 1, -1, 6, 2, 5, 7, 3, 4}) p.Add({"Prog" + std::to_string(c + 1), "Maker", "1.0", "1.0", c});
    p.Fill();
    const std::vector<std::string> lines = Split(p.rtxt->Text());
    ASSERT_EQ(lines.size(), 7u * 5 + 1) << "codes -1 and 7 take no entry";
    struct Expect { int code; const char* message; Color colour; } expected[] = {
        {4, "Not Year 2000 Ready - Upgrade or Discontinue Use", kRed},
        {3, "Not Year 2000 Ready - Fix or Workaround Available", kRed},
        {5, "Year 2000 Ready With Issues - Check with Manufacturer", kOrange},
        {2, "No Info Supplied, Send Readiness Request Letter", kBlue},
        {6, "Manufacturer will not Test", kMagenta}, {1, "Year 2000 Ready - No Action Required", kGreen},
        {0, "Not in Ostrevan Database, Send Readiness Request Letter", kBlack},
    };
    int pos = 0;
    for (size_t e = 0; e < 7; ++e) {
        const Expect& x = expected[e];
        EXPECT_EQ(lines[e * 5], "Prog" + std::to_string(x.code + 1));
        EXPECT_EQ(lines[e * 5 + 3], std::string("\t") + x.message);
        EXPECT_EQ(lines[e * 5 + 4], "");
        int len = 0;
        for (size_t l = e * 5; l < e * 5 + 5; ++l) len += static_cast<int>(lines[l].size()) + 1;
        EXPECT_EQ(UniformColour(p, pos, pos + len), x.colour) << "entry of code " << x.code;
        pos += len;
    }
    EXPECT_EQ(pos, p.rtxt->TextLength());
}

// Within a class the records keep list order; fields go in as stored.
TEST(SummaryReport, WithinAClassRecordsKeepListOrderAndFieldsAreInsertedAsStored) {
    ReportPage p;
    const std::string name = "  Spaced\x93Name\xE9  ";
    p.Add({"Ready One", "A", "1", "1", 1});
    p.Add({"Bad First", "A", "1", "1", 4});
    p.Add({name, "\"Quoted\" Vendor\t", "None", "None", 0});
    p.Add({"Bad Second", "A", "1", "1", 4});
    p.Fill();
    const std::vector<std::string> lines = Split(p.rtxt->Text());
    ASSERT_EQ(lines.size(), 21u);
    EXPECT_EQ((std::vector<std::string>{lines[0], lines[5], lines[10], lines[15], lines[16], lines[17]}),
              (std::vector<std::string>{"Bad First", "Bad Second", "Ready One", name, "\tVersion(s): None",
                                        "\tManufacturer: \"Quoted\" Vendor\t"}));
}

// The report as a document (what the command line saves) is what the report page's control
// holds after FillReport, for any list: codes in and out of the table, empty and odd fields,
// programs the lists could not take.
TEST(SummaryReport, TheDocumentIsWhatTheControlShows) {
    std::mt19937 rng(20261207);
    for (int trial = 0; trial < 60; ++trial) {
        ReportPage p;
        const int n = static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i) {
            const auto code = static_cast<int16_t>(static_cast<int>(rng() % 10) - 2);
            const std::string v = std::to_string(rng() % 3);
            p.Add({trial % 5 ? "P" + std::to_string(i) : "", "V\t\xE9", v, rng() % 2 ? v : v + ".1", code});
        }
        p.st.lngNotRecorded = static_cast<int32_t>(rng() % 3);
        p.Fill();
        const ui::PrintableText doc = SummaryReportDocument(p.st), shown = p.rtxt->Content();
        EXPECT_EQ(doc.runs, shown.runs) << trial;
        EXPECT_EQ(doc.paragraphs, shown.paragraphs) << trial;
    }
}

}  // namespace
}  // namespace ostrevan::testing
