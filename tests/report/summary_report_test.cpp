// The summary report: entry text, class order, colours and face.
#include <gtest/gtest.h>


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

}  // namespace
}  // namespace ostrevan::testing
