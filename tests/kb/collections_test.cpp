// Records and collections of the knowledge base and the result store: keys, out-of-range
// lookups, the 16-bit count, vendor lookup by name and the placement rule of found programs.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "kb/file_collection.h"
#include "kb/product_collection.h"
#include "kb/vendor_collection.h"
#include "platform/vb_error.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::ErrorOf;

void AddApp(colY2KApps& c, int16_t id, const std::string& name = "P") {
    c.Add(3, 1, name, "", "NOLIMITS", "NOLIMITS", "", "", id);
}

TEST(Collections, CountsNeverWrapPast32767) {
    colY2KApps c;
    colFiles list;
    for (int i = 1; i <= 32767; ++i) {
        AddApp(c, static_cast<int16_t>(i));
        list.Add("", "V", "", "same", "", "", 1, "", "", "");
    }
    EXPECT_EQ(ErrorOf([&] { AddApp(c, -5); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([&] { list.Add("", "V", "", "x", "", "", 1, "", "", ""); }), kErrOverflow);
    EXPECT_EQ(std::make_pair(c.Count(), list.Count()), std::make_pair(int16_t{32767}, int16_t{32767}));
    EXPECT_EQ(c.Item(32767).ID, 32767);
}

void FillDirectory(colVendors& d, int n) {
    d.Add("None", "", "", "", 1, "None");
    for (int i = 2; i <= n; ++i) d.Add("Vendor " + std::to_string(i), "", "", "", static_cast<int16_t>(i), "");
}

TEST(GetVendorID, FindsStoredNamesWhateverTheirCaseAndForm) {
    colVendors d;
    FillDirectory(d, 40);
    d.Item(5).SetName("Acme");
    d.Item(6).SetName("Zo\xEB Tools");  // Windows-1252 ë
    struct Case { std::string company; int16_t id; std::string rewritten; };
    const std::vector<Case> cases{
        {"Acme", 5, "Acme"}, {"ACME Software, Inc.", 5, "ACME"}, {"acme corporation", 5, "acme"},
        {"(C) Acme", 5, " Acme"}, {"ZO\xCB TOOLS", 6, "ZO\xCB TOOLS"}, {"None", 1, "None"},
        {"(TM)", 1, ""}, {"  ", 1, ""}, {"None Inc.", 1, "None"},
    };
    for (const Case& c : cases) {
        std::string company = c.company;
        EXPECT_EQ(d.GetVendorID(company), c.id) << c.company;
        EXPECT_EQ(company, c.rewritten) << c.company;
    }
    EXPECT_EQ(d.Count(), 40);
}

TEST(GetVendorID, UnknownCompanyBecomesTheNextVendor) {
    colVendors d;
    FillDirectory(d, 40);
    std::string company = "Quillon Tools Inc.";
    EXPECT_EQ(d.GetVendorID(company), 41);
    EXPECT_EQ(company, "Quillon Tools");
    const clsVendor& added = d.Item(41);
    EXPECT_EQ(added.Name() + "|" + added.URL() + added.Address1() + added.PhoneNum(), "Quillon Tools|");
    std::string again = "QUILLON TOOLS";
    EXPECT_EQ(d.GetVendorID(again), 41);
    EXPECT_EQ(d.Count(), 41);
    d.Remove(41);  // a removed vendor is not found again: the company is new once more
    std::string third = "Quillon Tools";
    EXPECT_EQ(d.GetVendorID(third), 41);
    EXPECT_EQ(d.Count(), 41);
}


std::vector<std::string> Names(const colFiles& c) {
    std::vector<std::string> out;
    for (const clsFile& f : c.mvarCOL) out.push_back(f.Name);
    return out;
}

TEST(FileList, PlacementOfARecordWithAKnownName) {
    struct Case { std::vector<std::string> adds; std::vector<std::string> order; };
    const std::vector<Case> cases{
        {{"A", "B", "a"}, {"A", "a", "B"}}, {{"A", "B", "b"}, {"A", "b", "B"}}, {{"A", "a"}, {"a", "A"}},
        {{"A", "B", "C", "c"}, {"A", "B", "c", "C"}}, {{"A", "B", "C", "a", "D"}, {"A", "B", "a", "C", "D"}},
        {{"\xC9t\xE9", "X", "\xE9T\xC9"}, {"\xC9t\xE9", "\xE9T\xC9", "X"}},  // Été / éTÉ
    };
    for (const Case& c : cases) {
        colFiles list;
        for (const std::string& n : c.adds) list.Add("", "V", "", n, "", "", 1, "", "", "");
        EXPECT_EQ(Names(list), c.order);
    }
}

}  // namespace
}  // namespace ostrevan
