// Name normalisation and version comparison: the tables of names and versions, and what each
// procedure leaves in the caller's variables.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/text.h"
#include "rules/string_matcher.h"

namespace ostrevan {
namespace {

struct VendorCase {
    std::string in;
    std::string result;
    std::string rewritten;  // the caller's variable afterwards
};

TEST(StripVendor, CompanyNames) {
    const std::vector<VendorCase> cases{
        {"Acme Software, Inc.", "Acme", "Acme"}, {"Acme Corporation", "Acme", "Acme"},
        {"Acme Corp. Ltd.", "Acme", "Acme"}, {"Acme Systems Sys", "Acme", "Acme"},
        {"Acme Inc. Inc.", "Acme", "Acme "},
        {"Acme Computers", "Acmes", "Acmes"},  // a company-form word is found anywhere
        {"O'Neil (R) Tools.com", "O Neil Tools com", "O Neil Tools com"}, {"(C) Acme", "Acme", " Acme"},
        {"acme corp", "acme", "acme"}, {"Acme ,Inc", "Acme", "Acme"},
        {"Acme International Associates", "Acme", "Acme"}, {"Acme Technology Technologies", "Acme", "Acme"},
        {"Acme Information (CIS)", "Acme", "Acme"}, {"\"Acme\" Tools", "Acme Tools", "Acme Tools"},
        {"Acme\x99 Tools", "Acme Tools", "Acme Tools"}, {"Acme\r\nTools", "Acme Tools", "Acme Tools"},
        {"Acme\nTools", "AcmeTools", "AcmeTools"}, {"Acme\xA9\xAE(tm)(c) Tools", "Acme Tools", "Acme Tools"},
        {"Sm\xF8rg\xE5s", "Smorg\xE5s", "Smorg\xE5s"},
        {"AcmeCorporation", "Acme", "Acme"},  // without a blank before it: step 15
        {"Acme   Big    Tools", "Acme Big Tools", "Acme Big Tools"}, {"", "", ""}, {"(TM)", "", ""},
        {"None", "None", "None"}, {"  Acme  ", "Acme", "Acme"},
    };
    for (const VendorCase& c : cases) {
        std::string v = c.in;
        EXPECT_EQ(StripVendor(v), c.result) << c.in;
        EXPECT_EQ(v, c.rewritten) << c.in;
    }
}

struct NameCase { std::string name; std::string company; std::string result; std::string companyAfter; };

TEST(StripName, ProductNames) {
    const std::vector<NameCase> cases{
        {"Acme Word 6.0", "Acme Inc.", "Word 6.0", "Acme"}, {"Acme", "Acme Corporation", "Acme", "Acme"},
        {" Acme ", "Acme", " Acme ", "Acme"},          // named like its company: unchanged
        {"ACME", "Acme Inc.", "", "Acme"},              // case counts there, not in the removal
        {"Acme Acme Paint", "Acme", "Paint", "Acme"}, {"Paint ACME Pro acme", "Acme", "Paint Pro", "Acme"},
        {"Super*", "", "Super", ""}, {"Super**", "", "Super*", ""}, {"Tool!\x99 Kit", "", "Tool Kit", ""},
        {"Mega(r) Paint (TM)", "", "Mega Paint", ""}, {"Ver. 2.0", "", "Ver. 2.0", ""},
        {"Word", "(TM)", "Word", ""}, {"Acme (C) Paint", "", "Acme (C) Paint", ""},
        {"It's \"Big\"", "", "It s Big", ""}, {"Line\r\nBreak", "", "Line Break", ""},
        {"Acme Corporation Tools", "", "Acme Corporation Tools", ""},
        {"Acme Tools", "Acme Corporation", "Tools", "Acme"}, {"\xA9\xAE Sm\xF8rg", "", "Smorg", ""},
        {"", "Acme", "", "Acme"}, {"Writer", "(C) Acme", "Writer", " Acme"},
        {"AcmeWriter", "Acme", "Writer", "Acme"}, {"Big AcmeWriter", "Acme", "Big Writer", "Acme"},
    };
    for (const NameCase& c : cases) {
        std::string company = c.company;
        const std::string name = c.name;
        EXPECT_EQ(StripName(name, company), c.result) << c.name << " / " << c.company;
        EXPECT_EQ(company, c.companyAfter) << c.name << " / " << c.company;
    }
}

struct CompareCase { std::string a, b, result, cleanA, cleanB; };

TEST(VersionNumberCompare, Versions) {
    const std::vector<CompareCase> cases{
        {"Version 4, 0", "4.0", "EQUAL", "4.0", "4.0"}, {"3.51", "4.0", "LESS", "3.51", "4.0"},
        {"10.0", "9.5", "GREATER", "10.0", "9.5"}, {"4", "4.1", "EQUAL", "4", "4.1"},
        {"4.0", "4.0.1", "EQUAL", "4.0", "4.0.1"}, {"4.1", "4.10", "LESS", "4.1", "4.10"},
        {"4.2", "4.10", "LESS", "4.2", "4.10"}, {"01.2", "1.2", "EQUAL", "01.2", "1.2"},
        {"1.0a", "1.0", "EQUAL", "1.0a", "1.0"}, {"1.0a", "1.0a", "EQUAL", "1.0a", "1.0a"},
        // A letter marks a release of its number: ordered by number, letter, number after it.
        {"5.0c", "5.0A", "GREATER", "5.0c", "5.0A"}, {"4.0v9", "4.0v19", "LESS", "4.0v9", "4.0v19"},
        {"4.0v10", "4.0v9", "GREATER", "4.0v10", "4.0v9"},
        {"2.0a", "2.1", "LESS", "2.0a", "2.1"}, {"10a", "9", "GREATER", "10a", "9"},
        {"4.0v3", "4.0v3x", "INDETERMINATE", "4.0v3", "4.0v3x"}, {"4.0ab", "4.0", "INDETERMINATE", "4.0ab", "4.0"},
        {"", "1", "INDETERMINATE", "", "1"}, {"", "", "EQUAL", "", ""},
        {"6.0 beta", "6.0", "INDETERMINATE", "6.0beta", "6.0"},
        {"4.0", "nolimits", "INDETERMINATE", "4.0", "nolimits"},
        {"VERSION 5 , 1", "version5.2", "LESS", "5.1", "5.2"},
        {"5..1", "5.0.1", "INDETERMINATE", "5..1", "5.0.1"}, {"2.a.7", "2.a.3", "GREATER", "2.a.7", "2.a.3"},
        {"-1", "1", "LESS", "-1", "1"}, {"4.0-", "4.0", "INDETERMINATE", "4.0-", "4.0"},
    };
    for (const CompareCase& c : cases) {
        std::string a = c.a, b = c.b;
        EXPECT_EQ(VersionNumberCompare(a, b), c.result) << c.a << " vs " << c.b;
        EXPECT_EQ(a, c.cleanA) << c.a;
        EXPECT_EQ(b, c.cleanB) << c.b;
    }
}

struct RangeCase { std::string version, begin, end; bool inside; };

TEST(MatchingVersion, Ranges) {
    const std::vector<RangeCase> cases{
        {"5.0", "4.0", "NOLIMITS", true}, {"4.0", "4.0", "NOLIMITS", true}, {"3.0", "4.0", "NOLIMITS", false},
        {"3.0", "NOLIMITS", "4.0", true}, {"4.0", "NOLIMITS", "4.0", true},
        {"4.1", "NOLIMITS", "4", true},     // equal as far as the shorter goes
        {"4.1", "NOLIMITS", "4.0", false}, {"4.2", "NOLIMITS", "4.1", false}, {"4.5", "4.0", "5.0", true},
        {"4.0", "4.0", "5.0", true}, {"5.0", "4.0", "5.0", true}, {"5.1", "4.0", "5.0", false},
        {"3.9", "4.0", "5.0", false}, {"4", "4.0", "4.0", true}, {"4.1", "4.0", "4.0", false},
        {"abc", "4.0", "NOLIMITS", false}, {"abc", "NOLIMITS", "NOLIMITS", true},
        {"4.0", "nolimits", "5.0", false}, {"Version 4, 5", "4.0", "5.0", true},
        {"", "NOLIMITS", "NOLIMITS", true}, {"", "1.0", "2.0", false},
        {"2.0a", "2.0", "2.2", true}, {"4.0v2", "4.0v3", "4.0v3", false}, {"5.0c", "2", "5", true},
    };
    for (const RangeCase& c : cases) {
        std::string v = c.version, b = c.begin, e = c.end;
        EXPECT_EQ(MatchingVersion(v, b, e), c.inside) << c.version << " in " << c.begin << ".." << c.end;
    }
}


// Versions of numbers as the model sees them: two versions compare by their first differing
// number, and one that runs out first equals the other (a record "8" covers 8.5).
std::string ModelCompare(const std::vector<int>& a, const std::vector<int>& b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.begin() + static_cast<long>(std::min(a.size(), b.size())), b.begin());
    if (ia == a.begin() + static_cast<long>(std::min(a.size(), b.size()))) return "EQUAL";
    return *ia < *ib ? "LESS" : "GREATER";
}

// A spelling of the numbers as version resources and records write them: leading zeros, commas
// with blanks, a "Version" in front.
std::string Spell(std::mt19937& rng, const std::vector<int>& v) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::string s = pick(0, 4) == 0 ? "Version " : "";
    for (size_t i = 0; i < v.size(); ++i) {
        if (i) s += pick(0, 3) == 0 ? ", " : ".";
        s += std::string(static_cast<size_t>(pick(0, 5) == 0), '0') + std::to_string(v[i]);
    }
    return s;
}

TEST(VersionModel, ComparisonAndRangesAgreeWithNumbersComparedInTurn) {
    std::mt19937 rng(1207);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto version = [&] {
        std::vector<int> v(static_cast<size_t>(pick(1, 4)));
        for (int& n : v) n = pick(0, 2) ? pick(0, 3) : pick(0, 120);
        return v;
    };
    const std::string kOpen = "NOLIMITS";
    for (int trial = 0; trial < 20000; ++trial) {
        const auto va = version(), vb = version(), ve = version();
        std::string a = Spell(rng, va), b = Spell(rng, vb), a2 = a, b2 = b;
        const std::string ab = VersionNumberCompare(a, b), ba = VersionNumberCompare(b2, a2);
        ASSERT_EQ(ab, ModelCompare(va, vb)) << a << " vs " << b;
        ASSERT_EQ(VersionKey(a) == VersionKey(b), va == vb) << a << " vs " << b;  // alike: the same numbers
        // Antisymmetric: the other way round gives the opposite answer.
        ASSERT_EQ(ba, ab == "LESS" ? "GREATER" : ab == "GREATER" ? "LESS" : ab) << a << " vs " << b;
        const bool fromOpen = pick(0, 3) == 0, toOpen = pick(0, 3) == 0;
        std::string v = Spell(rng, va), begin = fromOpen ? kOpen : Spell(rng, vb), end = toOpen ? kOpen : Spell(rng, ve);
        const bool inside = (fromOpen || ModelCompare(va, vb) != "LESS") && (toOpen || ModelCompare(va, ve) != "GREATER");
        ASSERT_EQ(MatchingVersion(v, begin, end), inside) << Spell(rng, va) << " in " << begin << ".." << end;
    }
}

// Texts that are not numbers compare only when equal; whatever the texts, the two orders agree.
TEST(VersionModel, AnyTextsCompareAntisymmetrically) {
    std::mt19937 rng(1208);
    const std::string alphabet = "0123456789.,a Vv";
    for (int trial = 0; trial < 20000; ++trial) {
        std::string a, b;
        for (int n = std::uniform_int_distribution<int>(0, 8)(rng); n-- > 0;) a += alphabet[rng() % alphabet.size()];
        for (int n = std::uniform_int_distribution<int>(0, 8)(rng); n-- > 0;) b += alphabet[rng() % alphabet.size()];
        std::string a1 = a, b1 = b, a2 = a, b2 = b;
        const std::string ab = VersionNumberCompare(a1, b1), ba = VersionNumberCompare(b2, a2);
        ASSERT_EQ(ba, ab == "LESS" ? "GREATER" : ab == "GREATER" ? "LESS" : ab) << "'" << a << "' vs '" << b << "'";
        ASSERT_TRUE(VersionKey(a) != VersionKey(b) || ab == "EQUAL") << "'" << a << "' alike '" << b << "'";
        std::string a3 = a, a4 = a;
        ASSERT_EQ(VersionNumberCompare(a3, a4), "EQUAL") << "'" << a << "' with itself";
    }
}

}  // namespace
}  // namespace ostrevan
