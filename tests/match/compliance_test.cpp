// The readiness decision over a small knowledge base loaded the way start-up loads it, and the
// product loader that files products under their vendors.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "match/compliance.h"
#include "match/run_state.h"
#include "platform/host_path.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::TempDir;
using testing::WriteFileBytes;

using testing::AppLine;
using testing::VendorLine;

// Forty vendors: 1 "None", 5 "Acme", 7 "Microsoft", 9 "Quill", the others "Vendor n".
std::string Vendors() {
    std::string v;
    for (int i = 1; i <= 40; ++i)
        v += VendorLine(i == 1 ? "None" : i == 5 ? "Acme" : i == 7 ? "Microsoft" : i == 9 ? "Quill" : "Vendor " + std::to_string(i), i);
    return v;
}

std::string Apps() {
    return AppLine(1, 5, 1, "Writer Pro", "", "1.0", "3.0", "Nothing to do") +
           AppLine(2, 5, 4, "Writer", "", "NOLIMITS", "NOLIMITS", "Upgrade to Writer 5") +
           AppLine(3, 5, 3, "Paint", "PAINT.EXE", "2.0", "2.0", "Apply patch 7", "Acme Draw") +
           AppLine(4, 5, 2, "Odd Code", "", "NOLIMITS", "NOLIMITS", "Strange") +
           AppLine(5, 5, 6, "Untested Suite", "", "NOLIMITS", "NOLIMITS", "Vendor refuses") +
           AppLine(6, 5, 5, "ALLPRODUCTS", "", "5.0", "NOLIMITS", "Check the site") +
           AppLine(7, 7, 3, "Windows 95", "", "NOLIMITS", "NOLIMITS", "Patch") +
           AppLine(8, 7, 1, "Windows Operating System", "", "NOLIMITS", "NOLIMITS", "Fine") +
           AppLine(9, 9, 4, "Microsoft Windows 95 Shell", "", "NOLIMITS", "NOLIMITS", "Shell") +
           AppLine(10, 9, 1, "Microsoft Windows Operating System Shell", "", "NOLIMITS", "NOLIMITS", "Ok") +
           AppLine(11, 99, 1, "Stray", "", "NOLIMITS", "NOLIMITS", "Filed under vendor 1") +
           AppLine(12, 1, 1, "Nameless", "", "NOLIMITS", "NOLIMITS", "Vendor 1 never matches") +
           AppLine(13, 5, 9, "Stranger", "", "NOLIMITS", "NOLIMITS", "A class no program may vanish into");
}

class Decision : public ::testing::Test {
protected:
    void SetUp() override {
        WriteFileBytes(dir_ / "Vendors.y2k", Vendors());
        WriteFileBytes(dir_ / "APPS.y2k", Apps());
        StartRunState(st_, dir_.path());
        ASSERT_EQ(st_.lngNumVends, 40);
    }
    TempDir dir_;
    RunState st_;
};

struct DecisionCase { std::string company, exe, name, version, code, vb, ve, instructions, companyAfter, versionAfter; };

const std::string kNoData = " Provided no Readiness Data for this Product - Send Readiness Request Letter";

// What each decided code shows ("@" stands for the company), the legend line and the counter.
struct Shows { std::string status; IndicatorLine line; ReadinessCounter counter; };
const std::map<std::string, Shows> kShows = {
    {"1", {"Year 2000 Ready - No Action Required", IndicatorLine::LineCompliant, ReadinessCounter::lngComp}},
    {"2", {"@" + kNoData, IndicatorLine::LineCompUnknown, ReadinessCounter::lngCompUnknown}},
    {"3", {"Not Year 2000 Ready - Fix or Workaround Available", IndicatorLine::LineNotComp, ReadinessCounter::lngNotComp}},
    {"4", {"Not Year 2000 Ready - Upgrade or Discontinue Use", IndicatorLine::LineNotComp, ReadinessCounter::lngNotComp}},
    {"5", {"Year 2000 Ready With Issues - Check With @", IndicatorLine::LineNotCompFix, ReadinessCounter::lngNotCompFix}},
    {"6", {"@ Will Not Test this Product", IndicatorLine::lineNotTest, ReadinessCounter::lngNotTest}},
};

TEST_F(Decision, Table) {
    const std::string N = "NOLIMITS";
    const std::vector<DecisionCase> cases{
        {"Acme Inc.", "", "Acme Writer", "2.0", "1", "1.0", "3.0", "Nothing to do", "Acme", "2.0"},
        {"Acme Inc.", "", "Acme Writer", "4.0", "4", N, N, "Upgrade to Writer 5", "Acme", "4.0"},
        {"ACME Software", "", "Writer", "Version 2, 5", "1", "1.0", "3.0", "Nothing to do", "ACME", "2.5"},
        {"Acme", "", "Pro", "1.5", "1", "1.0", "3.0", "Nothing to do", "Acme", "1.5"},  // record name contains it
        {"Acme", "", "Writer Pro Deluxe", "1.5", "2", N, N, "keep", "Acme", "1.5"},
        {"Acme", "", "Acme Draw", "2", "3", "2.0", "2.0", "Apply patch 7", "Acme", "2"},  // the alternative name
        {"Acme", "PAINT.EXE", "Something", "2.0", "3", "2.0", "2.0", "Apply patch 7", "Acme", "2.0"},
        {"Acme", "paint.exe", "Something", "2.0", "2", N, N, "keep", "Acme", "2.0"},
        {"Acme", "", "Untested Suite", "1", "6", N, N, "Vendor refuses", "Acme", "1"},
        {"Acme Corp", "", "Sketch", "5.5", "5", "5.0", N, "Check the site", "Acme", "5.5"},
        {"Acme", "", "", "6", "5", "5.0", N, "Check the site", "Acme", "6"},
        {"Acme", "", "", "1.0", "2", N, N, "keep", "Acme", "1.0"},
        {"Acme", "", "Sketch", "6.0 beta", "5", "5.0", N, "Check the site", "Acme", "6.0beta"},  // 6 > 5 decides
        {"Acme", "", "Sketch", "beta 6", "2", N, N, "keep", "Acme", "beta6"},
        {"Acme", "", "Odd Code", "1", "2", N, N, "Strange", "Acme", "1"},
        {"Acme", "", "Stranger", "1", "2", N, N, "keep", "Acme", "1"},  // its record is refused
        {"(C) Acme", "", "Writer", "2.0", "1", "1.0", "3.0", "Nothing to do", "Acme", "2.0"},
        {"(C) Acme", "", "Nothing", "2.0", "2", N, N, "keep", "Acme", "2.0"},  // normalised twice: no blank left
        {"Microsoft Corporation", "", "Windows", "4.0", "1", N, N, "Fine", "Microsoft", "4.0"},
        {"Quill", "", "Quill Microsoft Windows", "4.0", "1", N, N, "Ok", "Quill", "4.0"},
        {"(TM)", "", "Nameless", "1", "2", N, N, "keep", "", "1"},
        {"None Inc.", "", "Stray", "1", "2", N, N, "keep", "None", "1"},
        {"Vendor 8", "", "Gizmo", "1", "2", N, N, "keep", "Vendor 8", "1"},
    };
    for (const DecisionCase& c : cases) {
        RunState st;
        StartRunState(st, dir_.path());
        std::string company = c.company, exe = c.exe, name = c.name, version = c.version;
        std::string compliant = "unset", instructions = "keep", vb = "vb", ve = "ve";
        const ComplianceDisplay shown =
            CheckCompliance(st, company, exe, name, version, compliant, instructions, vb, ve);
        const std::string what = c.company + " / " + c.name + " / " + c.version;
        const Shows& want = kShows.at(c.code);
        std::string status = want.status;
        if (const size_t at = status.find('@'); at != std::string::npos) status.replace(at, 1, c.companyAfter);
        EXPECT_EQ((std::vector<std::string>{compliant, vb, ve, instructions, shown.status, company, version, name}),
                  (std::vector<std::string>{c.code, c.vb, c.ve, c.instructions, status, c.companyAfter,
                                            c.versionAfter, c.name})) << what;
        EXPECT_EQ(shown.line, want.line) << what;
        EXPECT_EQ(shown.flash, FindReadiness(std::stoi(c.code))->colour) << what;
        EXPECT_EQ(st.lngComp + st.lngCompUnknown + st.lngNotCompFix + st.lngNotComp + st.lngNotTest, 1) << what;
        EXPECT_EQ(*CounterOf(st, want.counter), 1) << what;
        EXPECT_EQ(st.cVendors.Count(), 40) << what;
    }
    // The company "None" decides -1: nothing is counted, no line shown and the flash left as it is.
    std::string company = " none", exe, name = "Writer", version = "1.0", compliant, instructions, vb, ve;
    const ComplianceDisplay shown = CheckCompliance(st_, company, exe, name, version, compliant, instructions, vb, ve);
    EXPECT_EQ(compliant, "-1");
    EXPECT_EQ(shown.line, IndicatorLine::None);
    EXPECT_FALSE(shown.flash.has_value());
    EXPECT_EQ(st_.lngComp + st_.lngCompUnknown + st_.lngNotCompFix + st_.lngNotComp + st_.lngNotTest, 0);
}

TEST_F(Decision, UnknownCompanyJoinsTheDirectoryAndStaysUnknown) {
    for (int round = 0; round < 2; ++round) {
        std::string company = "Quillon Tools", exe, name = "Quillon Tools Pad!", version = "Version 1, 2";
        std::string compliant, instructions = "keep", vb, ve;
        const auto shown = CheckCompliance(st_, company, exe, name, version, compliant, instructions, vb, ve);
        EXPECT_EQ(compliant + "|" + vb + "|" + ve + "|" + instructions, "0|Version 1, 2|Version 1, 2|keep");
        EXPECT_EQ(shown.status, "Pad Not in Ostrevan Database - Send Readiness Request Letter");
        EXPECT_EQ(shown.line, IndicatorLine::None);
        EXPECT_EQ(shown.flash, kBlack);
        EXPECT_EQ(st_.cVendors.Count(), 41);
        EXPECT_EQ(st_.cVendors.Item(41).Name(), "Quillon Tools");
    }
    EXPECT_EQ(st_.lngComp + st_.lngCompUnknown + st_.lngNotCompFix + st_.lngNotComp + st_.lngNotTest, 0);
    // A directory too full to take a new company still tells that it is not in the database.
    for (int id = st_.cVendors.Count() + 1; id <= kMaxRecords; ++id)
        st_.cVendors.Add("Filler " + std::to_string(id), "", "", "", static_cast<int16_t>(id), "");
    std::string company = "Zanzibar Works", exe, name = "Zanzibar Pad", version = "1", compliant, instructions, vb, ve;
    CheckCompliance(st_, company, exe, name, version, compliant, instructions, vb, ve);
    EXPECT_EQ(compliant, "0");
}

TEST_F(Decision, RepeatedDecisionsGiveTheSameAnswerAfterTheVendorIsRenamed) {
    // The decision keeps normalised record names between calls; a renamed vendor must not be
    // matched under its old name.
    auto decide = [&](std::string company, std::string name) {
        std::string exe, version = "2.0", compliant, instructions, vb, ve;
        CheckCompliance(st_, company, exe, name, version, compliant, instructions, vb, ve);
        return compliant;
    };
    st_.cVendors.Item(5).mvarApps.Add(5, 4, "Acme Studio", "", "NOLIMITS", "NOLIMITS", "", "", 50);
    EXPECT_EQ(decide("Acme", "Acme Studio"), "4");  // record name "Studio" contains "Studio"
    EXPECT_EQ(decide("Acme", "Acme Studio"), "4");
    st_.cVendors.Item(5).SetName("Zenith");
    // Record names keep "Acme" now: the program "Acme" of company Zenith fits the first record
    // whose names contain it, Paint with its alternative name "Acme Draw" (2.0 to 2.0).
    EXPECT_EQ(decide("Zenith", "Zenith Acme"), "3");
    EXPECT_EQ(decide("Zenith", "Zenith Studio"), "4");
    EXPECT_EQ(decide("Zenith", "Zenith Writer"), "1");
}

TEST(ProductLoader, FilesProductsUnderTheirVendorsInFileOrder) {
    TempDir dir;
    WriteFileBytes(dir / "Vendors.y2k", VendorLine("None", 1) + VendorLine("B", 2) + VendorLine("C", 3));
    WriteFileBytes(dir / "APPS.y2k",
                   AppLine(1, 3, 1, "First", "", "1", "2", "") +
                   AppLine(2, 1, 1, "Lone", "", "1", "2", "") +
                   "\"3\tabc\t1\tSkipped letters\t\t1\t2\t\t\"\r\n"
                   "\"4\t\t1\tSkipped empty\t\t1\t2\t\t\"\r\n" +
                   AppLine(5, 3, 4, "Second", "", "1", "2", "") +
                   AppLine(6, 0, 1, "Vendor zero", "", "1", "2", "") +
                   AppLine(7, 12, 1, "Vendor twelve", "", "1", "2", "", ""));
    RunState st;
    StartRunState(st, dir.path());
    EXPECT_EQ(st.lngNumVends, 3);
    std::vector<std::string> three, one;
    for (const clsY2KAPP& r : st.cVendors.Item(3).mvarApps.mvarCOL) three.push_back(r.ProductName);
    for (const clsY2KAPP& r : st.cVendors.Item(1).mvarApps.mvarCOL) one.push_back(r.ProductName + "/" + std::to_string(r.Vendor));
    EXPECT_EQ(three, (std::vector<std::string>{"First", "Second"}));
    EXPECT_EQ(one, (std::vector<std::string>{"Lone/1", "Vendor zero/0", "Vendor twelve/12"}));
    EXPECT_EQ(st.cVendors.Item(2).mvarApps.Count(), 0);
    EXPECT_EQ(st.cVendors.Item(3).mvarApps.mvarCOL.ByKey("5Y").CompliantCode, 4);
}

TEST(ProductLoader, ABadLineEndsTheLoad) {
    const std::string before = AppLine(1, 2, 1, "Kept", "", "1", "2", "");
    const std::string after = AppLine(9, 2, 1, "Lost", "", "1", "2", "");
    for (const std::string& bad : {std::string("\r\n"), AppLine(1, 2, 1, "Duplicate", "", "1", "2", ""),
                                   std::string("\"x\t2\t1\tBad ID\t\t1\t2\t\t\"\r\n"),
                                   std::string("\"3\t2\t1e9\tBad code\t\t1\t2\t\t\"\r\n"),
                                   std::string("\"3\t2\t1\tShort\t1\t2\"\r\n")}) {
        TempDir dir;
        WriteFileBytes(dir / "Vendors.y2k", VendorLine("None", 1) + VendorLine("B", 2));
        WriteFileBytes(dir / "APPS.y2k", before + bad + after);
        RunState st;
        StartRunState(st, dir.path());
        EXPECT_EQ(st.cVendors.Item(2).mvarApps.Count(), 1) << bad;
        EXPECT_EQ(st.cVendors.Item(2).mvarApps.mvarCOL.At(1).ProductName, "Kept") << bad;
    }
}

}  // namespace
}  // namespace ostrevan
