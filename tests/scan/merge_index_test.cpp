// The indexed merge searches against the searches done the plain way, record by record, with
// the company rewrites of every comparison.
#include <gtest/gtest.h>

#include <random>

#include "rules/string_matcher.h"
#include "platform/text.h"
#include "scan/merge_index.h"

namespace ostrevan {
namespace {

// The searches visiting the list from its first record.
int PlainUnknown(colFiles& list, const std::string& product, std::string& company) {
    int pos = 0;
    for (clsFile& r : list.mvarCOL) {
        ++pos;
        if (r.CompliantCode != 0) continue;
        std::string rv = r.Vendor, empty;
        const bool a = text::Upper(StripName(r.Name, rv)) == text::Upper(StripName(product, company));
        const bool b = text::Upper(StripName(r.Vendor, empty)) == text::Upper(StripVendor(company));
        if (a && b) return pos;
    }
    return 0;
}

int PlainDecided(colFiles& list, const std::string& product, std::string& company,
                 const std::string& vb, const std::string& ve) {
    int pos = 0;
    for (clsFile& r : list.mvarCOL) {
        ++pos;
        std::string rv = r.Vendor, rv2 = r.Vendor;
        const bool a = StripName(r.Name, rv) == StripName(product, company);
        const bool b = r.CVERB == vb;
        const bool c = r.CVERE == ve;
        const bool d = StripVendor(rv2) == StripVendor(company);
        const bool e = r.Name != "ALLPRODUCTS";
        if (a && b && c && d && e) return pos;
    }
    return 0;
}

int PlainJunk(colFiles& list, const std::string& product, const std::string& version, std::string& company) {
    int pos = 0;
    for (clsFile& r : list.mvarCOL) {
        ++pos;
        std::string e1, e2, e3;
        const bool a = StripName(r.Name, e1) == StripName(product, e2);
        const bool b = r.VersBegin == version;
        const bool c = StripName(r.Vendor, e3) == StripVendor(company);
        if (a && b && c) return pos;
    }
    return 0;
}

int PositionOf(colFiles& list, const clsFile* rec) {
    if (!rec) return 0;
    int pos = 0;
    for (clsFile& r : list.mvarCOL) {
        ++pos;
        if (&r == rec) return pos;
    }
    return -1;
}

const std::vector<std::string> kCompanies = {
    "Acme Inc.", " Acme Corp ", "(C) Acme", "ACME Software", "Acme, Inc.", "acme", "None",
    "(TM)", "None Inc.", "Quillon Tools", "Microsoft Corporation", "Acme Acme Inc.",
    "Acme Software Inc. Ltd.", "  ", "Quillon  Tools (R)", "The Acme Company"};
const std::vector<std::string> kProducts = {"Acme Writer", "Writer", "ALLPRODUCTS", "Quill Tool",
                                            "None", "Writer Pro", "acme writer", "Tool", "(R) Tool"};
const std::vector<std::string> kVersions = {"1.0", "2.0", "NOLIMITS", "None", "5.0"};

template <class T>
const T& Pick(std::mt19937& rng, const std::vector<T>& v) {
    return v[std::uniform_int_distribution<size_t>(0, v.size() - 1)(rng)];
}

TEST(MergeIndex, SameRecordAndSameCompanyRewritesAsThePlainSearch) {
    std::mt19937 rng(20260);
    for (int trial = 0; trial < 30; ++trial) {
        colFiles main, junk, twin;
        FileListIndex main_index(main, FileListIndex::Kind::kMain);
        FileListIndex junk_index(junk, FileListIndex::Kind::kJunk);
        const int n = std::uniform_int_distribution<int>(0, 40)(rng);
        for (int i = 0; i < n; ++i) {
            const int16_t code = static_cast<int16_t>(std::uniform_int_distribution<int>(-1, 2)(rng));
            const std::string company = Pick(rng, kCompanies), product = Pick(rng, kProducts);
            const std::string v1 = Pick(rng, kVersions), v2 = Pick(rng, kVersions);
            // Now and then a record is added behind the index's back (the operating system's
            // record, a new scan): the index files the list anew and goes on from there.
            if (rng() % 8 == 0) main.Add("", company, "", product, v1, v1, code, "C:", v1, v2);
            else main_index.Add("", company, "", product, v1, v1, code, "C:", v1, v2);
            twin.Add("", company, "", product, v1, v1, code, "C:", v1, v2);
            junk_index.Add("", Pick(rng, kCompanies), "", Pick(rng, kProducts), Pick(rng, kVersions),
                           Pick(rng, kVersions), 1, "C:", "", "");
        }
        // The index places records exactly as colFiles::Add does.
        ASSERT_EQ(main.Count(), twin.Count());
        for (int16_t i = 1; i <= twin.Count(); ++i)
            EXPECT_EQ(main.Item(i).Name + main.Item(i).Vendor + main.Item(i).CVERE,
                      twin.Item(i).Name + twin.Item(i).Vendor + twin.Item(i).CVERE);
        for (int q = 0; q < 25; ++q) {
            const std::string product = Pick(rng, kProducts), company = Pick(rng, kCompanies);
            const std::string vb = Pick(rng, kVersions), ve = Pick(rng, kVersions);
            std::string c1 = company, c2 = company;
            EXPECT_EQ(PositionOf(main, main_index.FindUnknownProduct(product, c1)), PlainUnknown(main, product, c2))
                << product << " / " << company;
            EXPECT_EQ(c1, c2);
            c1 = c2 = company;
            EXPECT_EQ(PositionOf(main, main_index.FindDecided(product, c1, vb, ve)), PlainDecided(main, product, c2, vb, ve))
                << product << " / " << company;
            EXPECT_EQ(c1, c2);
            c1 = c2 = company;
            EXPECT_EQ(PositionOf(junk, junk_index.FindJunk(product, vb, c1)), PlainJunk(junk, product, vb, c2))
                << product << " / " << company;
            EXPECT_EQ(c1, c2);
        }
        // Every company text of the pool settles after a few rewrites.
        EXPECT_EQ(main_index.linear_searches() + junk_index.linear_searches(), 0u);
    }
    // A company that the first comparison rewrites, against a list of one record: the record is
    // compared before the company settles.
    colFiles one;
    FileListIndex index(one, FileListIndex::Kind::kMain);
    index.Add("", "Acme", "", "Writer", "1.0", "1.0", 1, "C:", "1.0", "2.0");
    std::string c1 = "(C) Acme", c2 = c1;
    EXPECT_EQ(PositionOf(one, index.FindDecided("Writer", c1, "1.0", "2.0")), 1);
    EXPECT_EQ(PlainDecided(one, "Writer", c2, "1.0", "2.0"), 1);
    EXPECT_EQ(c1, c2);
    // Two records of one key that the list took behind the index's back (the second placed
    // before the first, as a same name is): filed anew, they keep their list order when the last
    // record is ranked again for the next one.
    colFiles two;
    FileListIndex twoIndex(two, FileListIndex::Kind::kMain);
    two.Add("", "Acme", "", "Writer", "1.0", "1.0", 0, "C:", "1.0", "1.0");
    two.Add("", "Acme", "", "Writer", "2.0", "2.0", 0, "D:", "1.0", "1.0");
    twoIndex.Add("", "Acme", "", "Other", "1.0", "1.0", 0, "C:", "1.0", "1.0");
    std::string c3 = "Acme";
    EXPECT_EQ(PositionOf(two, twoIndex.FindUnknownProduct("Writer", c3)), 1);
}

// A company that each comparison rewrites again (two "Multimedia" fewer each time) is searched
// the plain way once the index has tried six rewrites, with the same answer.
TEST(MergeIndex, CompaniesThatKeepChangingAreSearchedThePlainWay) {
    colFiles main;
    FileListIndex index(main, FileListIndex::Kind::kMain);
    for (const char* company : {"Acme Inc.", "Quillon Tools", "Acme Corporation"})
        for (const char* product : {"Writer", "Tool"}) index.Add("", company, "", product, "1.0", "1.0", 0, "C:", "", "");
    for (int repeats : {10, 11, 13}) {
        std::string company = "Acme";
        for (int i = 0; i < repeats; ++i) company += " Multimedia";
        std::string c1 = company, c2 = company;
        const uint64_t before = index.linear_searches();
        EXPECT_EQ(PositionOf(main, index.FindUnknownProduct("Tool", c1)), PlainUnknown(main, "Tool", c2)) << repeats;
        EXPECT_EQ(c1, c2);
        EXPECT_EQ(index.linear_searches() - before, repeats > 10 ? 1u : 0u) << repeats;
    }
}

}  // namespace
}  // namespace ostrevan
