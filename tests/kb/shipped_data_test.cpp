// The knowledge base that ships beside the program (data/Vendors.y2k, data/APPS.y2k), loaded
// with the program's own loaders and searched with its own decision: every line must load,
// every vendor be findable under its name, and every product record be the one chosen for
// some program.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "kb/product_collection.h"
#include "kb/vendor_collection.h"
#include "match/compliance.h"
#include "match/run_state.h"
#include "rules/string_matcher.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::ReadFileBytes;

std::filesystem::path DataDir() { return std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data"; }

// The directory and the knowledge base as start-up loads them.
class ShippedKnowledgeBase : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        st_ = new RunState;
        StartRunState(*st_, DataDir());
    }
    static void TearDownTestSuite() {
        delete st_;
        st_ = nullptr;
    }

    // Every product record with the vendor it is filed under, in file order per vendor.
    static std::vector<std::pair<const clsVendor*, const clsY2KAPP*>> Products() {
        std::vector<std::pair<const clsVendor*, const clsY2KAPP*>> out;
        for (const clsVendor& v : st_->cVendors)
            for (const clsY2KAPP& p : v.mvarApps.mvarCOL) out.emplace_back(&v, &p);
        return out;
    }

    static inline RunState* st_ = nullptr;
};

// The example versions of SOURCES.md: for each record with a status, version texts that its
// source names for the product's files, each with the source it comes from.
struct ExampleVersion { int record; std::string product, version, source; };

std::vector<ExampleVersion> ReadExampleVersions() {
    std::vector<ExampleVersion> out;
    std::string section;
    for (const std::string& l : testing::Split(ReadFileBytes(DataDir() / "SOURCES.md"), '\n')) {
        if (l.rfind("## ", 0) == 0) section = l.substr(3);
        if (section != "Example versions" || l.rfind("| ", 0) != 0 || l.back() != '|') continue;
        std::vector<std::string> cells;
        for (const std::string& c : testing::Split(l.substr(2, l.size() - 4), '|')) cells.push_back(text::Trim(c));
        if (cells.size() != 4 || cells[0].empty() || !std::isdigit(static_cast<unsigned char>(cells[0][0]))) continue;
        out.push_back({std::stoi(cells[0]), cells[1], cells[2], cells[3]});
    }
    return out;
}

// A version that a source names for a product's files must reach the record that states the
// source's status, through the same decision the scan makes: a bound written "6.5" does not take
// a file that says "6.50", and a letter in a version stops the comparison.
TEST_F(ShippedKnowledgeBase, EveryExampleVersionReachesItsRecord) {
    const auto examples = ReadExampleVersions();
    ASSERT_FALSE(examples.empty()) << "SOURCES.md lists no example versions";
    std::map<int, std::pair<const clsVendor*, const clsY2KAPP*>> byId;
    for (const auto& [vendor, p] : Products()) byId[p->ID] = {vendor, p};

    std::set<int> exemplified;
    for (const ExampleVersion& e : examples) {
        SCOPED_TRACE("record " + std::to_string(e.record) + " " + e.product + " version " + e.version);
        ASSERT_EQ(byId.count(e.record), 1u) << "SOURCES.md names a record that is not in APPS.y2k";
        const auto [vendor, p] = byId.at(e.record);
        EXPECT_EQ(p->ProductName, e.product);
        std::string company = vendor->Name(), exe, name = p->ProductName, version = e.version;
        std::string code, instructions, vb, ve;
        CheckCompliance(*st_, company, exe, name, version, code, instructions, vb, ve);
        EXPECT_EQ(code, std::to_string(p->CompliantCode)) << instructions;
        EXPECT_EQ(vb + " - " + ve, p->VersionBegin + " - " + p->VersionEnd) << "another record of the vendor took it";
        EXPECT_EQ(instructions, p->Comments);
        exemplified.insert(e.record);
    }
    for (const auto& [vendor, p] : Products()) {
        // A record open on both sides takes any version of its product: nothing to try.
        if (p->CompliantCode == 2 || (p->VersionBegin == "NOLIMITS" && p->VersionEnd == "NOLIMITS")) continue;
        EXPECT_EQ(exemplified.count(p->ID), 1u)
            << "record " << p->ID << " " << p->ProductName << " states a status but lists no example version";
    }
    EXPECT_EQ(st_->cVendors.Count(), st_->lngNumVends) << "an example added a vendor";
}

// Versions worth trying against a vendor's records: every bound, just above and below it, and
// texts outside every range.
std::set<std::string> ProbeVersions(const clsVendor& v) {
    std::set<std::string> out = {"0", "99999", "x"};
    for (const clsY2KAPP& p : v.mvarApps.mvarCOL) {
        for (const std::string& b : {p.VersionBegin, p.VersionEnd}) {
            if (b == "NOLIMITS") continue;
            out.insert(b);
            out.insert(b + ".1");
            out.insert(b + ".99999");
        }
    }
    return out;
}

// No record may be shadowed: for each one there is a program (its own name, a version from the
// probes) for which the decision chooses exactly that record and not an earlier one.
TEST_F(ShippedKnowledgeBase, EveryRecordIsChosenForSomeProgram) {
    using Identity = std::tuple<int, std::string, std::string, std::string>;
    for (const clsVendor& v : st_->cVendors) {
        std::map<Identity, int16_t> identities;
        for (const clsY2KAPP& p : v.mvarApps.mvarCOL) {
            const Identity id{p.CompliantCode, p.VersionBegin, p.VersionEnd, p.Comments};
            EXPECT_TRUE(identities.emplace(id, p.ID).second)
                << v.Name() << ": records " << identities[id] << " and " << p.ID
                << " give the same result and cannot be told apart; name the product in the instructions";
        }
        const auto versions = ProbeVersions(v);
        for (const clsY2KAPP& p : v.mvarApps.mvarCOL) {
            std::vector<std::string> names;
            if (p.ProductName == "ALLPRODUCTS") {
                names = {"Qzx Unlisted Tool"};
            } else {
                names = {p.ProductName};
                if (!p.AltProductName.empty()) names.push_back(p.AltProductName);
            }
            bool chosen = false;
            for (const std::string& name : names) {
                for (const std::string& version : versions) {
                    std::string company = v.Name(), exe, prog = name, ver = version;
                    std::string code, instructions, vb, ve;
                    CheckCompliance(*st_, company, exe, prog, ver, code, instructions, vb, ve);
                    if (code == std::to_string(p.CompliantCode) && instructions == p.Comments &&
                        vb == p.VersionBegin && ve == p.VersionEnd) {
                        chosen = true;
                        break;
                    }
                }
                if (chosen) break;
            }
            EXPECT_TRUE(chosen) << v.Name() << ": record " << p.ID << " " << p.ProductName << " "
                                << p.VersionBegin << " - " << p.VersionEnd
                                << " is never chosen; an earlier record always fits first";
        }
    }
    EXPECT_EQ(st_->cVendors.Count(), st_->lngNumVends) << "a probe added a vendor";
}

// The operating-system check asks about "Microsoft Corporation" with the system's name and the
// version the system reports: the systems of the time get their own records. Programs as the
// scan meets them: names with the company inside, versions as resources write them.
TEST(ShippedKnowledgeBaseDecisions, SystemsAndTypicalProgramsOfThePeriodFindTheirRecords) {
    RunState st;  // its own state: an unknown company below adds a vendor
    StartRunState(st, DataDir());
    struct Case { const char *company, *product, *version; int code; const char* mentions; };
    const char* ms = "Microsoft Corporation";
    const char* w9x = "Microsoft Windows Operating System";
    const char* wnt = "Microsoft Windows NT Operating System";
    const Case cases[] = {
        {ms, w9x, "4.0", 3, "Windows 95 Year 2000 Update"}, {ms, w9x, "4.10", 3, "Windows 98 Year 2000 updates"},
        {ms, wnt, "4.0", 3, "Service Pack 4 or 5"}, {ms, wnt, "5.0", 1, "Windows 2000"},
        {ms, wnt, "5.1", 1, "Windows XP"}, {ms, wnt, "6.1", 1, "Windows Vista, 7, 8"},
        {ms, wnt, "10.0", 1, "Windows Vista, 7, 8"}, {ms, w9x, "4.90", 1, "Windows Me"},
        {ms, "Microsoft Word for Windows", "8.0.0.3410", 3, ""}, {ms, "Microsoft Office 2000", "9.0.0.2720", 1, ""},
        {ms, "Microsoft Access", "2.0", 3, ""}, {ms, "Microsoft Project", "8.0.0.1227", 5, ""},
        {ms, "Microsoft Excel", "5.0c", 3, "Excel 2.0 to 5.0"}, {ms, "Microsoft Visual Basic", "6.0", 3, ""},
        {ms, "Microsoft Visual Basic", "5.0", 2, ""}, {ms, "Microsoft(R) Internet Explorer", "5.00.2919.6307", 2, ""},
        // Both spellings of a minor version reach the statement; the next release reaches its own.
        {ms, "Microsoft SQL Server", "6.50.201", 3, "SQL Server 6.5"}, {ms, "Microsoft SQL Server", "7.00.623", 1, "SQL Server 7.0"},
        {ms, "Microsoft FoxPro for Windows", "2.60", 5, "FoxPro 2.6"}, {ms, "Microsoft FrontPage", "4.0.2.2717", 1, "FrontPage 2000"},
        {"Network Associates, Inc.", "McAfee VirusScan", "4.02", 1, "VirusScan 4.0.2"},
        {"Network Associates, Inc.", "McAfee VirusScan", "4.0.3", 2, ""},
        {"Acme Unknown Tools", "Unknown Program", "1.0", 0, ""},
        {"Lotus Development Corporation", "Some Unlisted Lotus Tool", "2.0", 2, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.company) + " / " + c.product + " " + c.version);
        std::string company = c.company, exe, name = c.product, version = c.version;
        std::string code, instructions, vb, ve;
        CheckCompliance(st, company, exe, name, version, code, instructions, vb, ve);
        EXPECT_EQ(code, std::to_string(c.code)) << instructions;
        EXPECT_NE(instructions.find(c.mentions), std::string::npos) << instructions;
    }
}

}  // namespace
}  // namespace ostrevan
