#include "platform/text.h"

#include <gtest/gtest.h>

#include "platform/vb_error.h"
#include "support/test_support.h"

using namespace ostrevan;
using namespace ostrevan::text;

TEST(TextCase, Windows1252LettersFoldWithTheirCapitals) {
    EXPECT_EQ(Upper("acme \xE9\xE8\xF8\xE6 \x9A\x9C\x9E\xFF"), "ACME \xC9\xC8\xD8\xC6 \x8A\x8C\x8E\x9F");
    EXPECT_EQ(Lower("ACME \xC9\xD8 \x8A\x9F"), "acme \xE9\xF8 \x9A\xFF");
    // ÷ and × are not letters; ß and µ have no capital in this code page.
    EXPECT_EQ(Upper("\xF7\xDF\xB5"), "\xF7\xDF\xB5");
    EXPECT_EQ(Lower("\xD7"), "\xD7");
    EXPECT_TRUE(IEquals("Soci\xE9t\xE9", "SOCI\xC9T\xC9"));
    EXPECT_FALSE(IEquals("Acme", "Acm"));
}

TEST(TextFind, IgnoresCaseAndHonoursStart) {
    EXPECT_EQ(IFind("Acme (r) Tools", "(R)"), 5u);
    EXPECT_EQ(IFind("Acme Ltd. Ltd.", " LTD.", 5), 9u);
    EXPECT_EQ(IFind("abc", "abcd"), std::string::npos);
    EXPECT_EQ(IFind("abc", "", 2), 2u);
    EXPECT_EQ(IFind("abc", "a", 4), std::string::npos);
}

TEST(TextReplace, FirstOnlyReplacesOneOccurrence) {
    std::string s = "Acme Inc. Inc.";
    EXPECT_TRUE(ReplaceFirst(s, " inc.", ""));
    EXPECT_EQ(s, "Acme Inc.");
    EXPECT_FALSE(ReplaceFirst(s, "xyz", ""));
    EXPECT_EQ(s, "Acme Inc.");
}

TEST(TextReplace, EverySearchesAgainFromTheStart) {
    std::string s = "a      b  c";  // runs of blanks collapse completely
    ReplaceEvery(s, "  ", " ");
    EXPECT_EQ(s, "a b c");
    s = "Version 4, 0 VERSION";
    ReplaceEvery(s, "version", " ");
    EXPECT_EQ(s, "  4, 0  ");
    s = "xaabb";  // removing "ab" joins the rest into a new occurrence, removed too
    RemoveEvery(s, "ab");
    EXPECT_EQ(s, "x");
    s = "aaa";  // a replacement holding the searched text does not loop for ever
    ReplaceEvery(s, "a", "aa");
    EXPECT_EQ(s, "aaaaaa");
}

TEST(TextTrim, BlanksOnlyNotTabs) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a "), "  a");
}

TEST(TextNumbers, NumericTexts) {
    for (const char* yes : {"0", "00", "017", " 12 ", "-3", "+4", "1.5", ".5", "1e3", "2E-2"})
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    for (const char* no : {"", " ", "abc", "1a", "0beta", "1.2.3", "-", "1e", "e5", "1 2", "\t1"})
        EXPECT_FALSE(IsNumeric(no)) << no;
    EXPECT_EQ(*NumericValue("010"), 10.0);
}

TEST(TextNumbers, RoundingHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-3.5), -4.0);
    EXPECT_EQ(RoundHalfEven(2.4999), 2.0);
    EXPECT_EQ(RoundHalfEven(2.5001), 3.0);
}

TEST(TextNumbers, SixteenBitConversionFailsClearly) {
    EXPECT_EQ(ToInt16("32767"), 32767);
    EXPECT_EQ(ToInt16("-32768"), -32768);
    EXPECT_EQ(ToInt16(" 4.5 "), 4);
    EXPECT_EQ(ToInt16("5.5"), 6);
    using ostrevan::testing::ErrorOf;
    EXPECT_EQ(ErrorOf([] { ToInt16("32768"); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { ToInt16("32767.5"); }), kErrOverflow);
    EXPECT_EQ(ErrorOf([] { ToInt16("abc"); }), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf([] { ToInt16(""); }), kErrTypeMismatch);
    EXPECT_EQ(ErrorOf([] { ToInt16(32768LL); }), kErrOverflow);
    EXPECT_EQ(ToInt16(-5LL), -5);
}
