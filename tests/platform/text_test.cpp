#include "platform/text.h"
#include "platform/ui/text_fit.h"

#include <gtest/gtest.h>

#include <random>

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
    EXPECT_EQ(Lower("\xC0\xDE\xBF\xDF"), "\xE0\xFE\xBF\xDF");  // the first and last capitals, and beyond
    EXPECT_EQ(Upper("\xE0\xFE\xDF\xFF"), "\xC0\xDE\xDF\x9F");
    EXPECT_TRUE(IEquals("Soci\xE9t\xE9", "SOCI\xC9T\xC9"));
    EXPECT_FALSE(IEquals("Acme", "Acm"));
}

TEST(TextFind, IgnoresCaseAndHonoursStart) {
    EXPECT_EQ((std::vector<size_t>{IFind("Acme (r) Tools", "(R)"), IFind("Acme Ltd. Ltd.", " LTD.", 5), IFind("abc", "abcd"),
                                   IFind("abc", "", 2), IFind("abc", "", 3), IFind("abc", "a", 4)}),
              (std::vector<size_t>{5, 9, std::string::npos, 2, 3, std::string::npos}));
}

// Long needles are found by another algorithm than short ones; both must agree with a plain
// search at every place, on texts full of near misses.
TEST(TextFind, LongNeedlesAreFoundWhereAPlainSearchFindsThem) {
    std::mt19937 rng(1210);
    auto pick = [&](size_t n) {
        std::string t(n, ' ');
        for (char& c : t) c = "aAb\xE9\xC9"[rng() % 5];
        return t;
    };
    for (int n = 0; n < 3000; ++n) {
        const std::string needle = pick(33 + rng() % 30);
        std::string hay = pick(rng() % 200);
        if (rng() % 2) {  // the needle planted, in other letter case, or one letter off
            std::string copy = Upper(needle);
            if (rng() % 2) copy[rng() % copy.size()] = 'b';
            hay.insert(rng() % (hay.size() + 1), copy);
        }
        const size_t start = rng() % 50;
        size_t plain = std::string::npos;
        for (size_t i = start; plain == std::string::npos && i + needle.size() <= hay.size(); ++i)
            if (IEquals(std::string_view(hay).substr(i, needle.size()), needle)) plain = i;
        ASSERT_EQ(IFind(hay, needle, start), plain) << hay << " / " << needle << " from " << start;
    }
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
    EXPECT_FALSE(ReplaceFirst(s, "", "b"));  // nothing is found everywhere
}

TEST(TextTrim, BlanksOnlyNotTabs) {
    EXPECT_EQ((std::vector<std::string>{Trim("  a b  "), Trim("\ta\t"), Trim("   "), TrimLeft("  a "), TrimRight("  a ")}),
              (std::vector<std::string>{"a b", "\ta\t", "", "a ", "  a"}));
}

TEST(TextNumbers, RoundingHalvesToEven) {
    for (auto [in, out] : {std::pair{2.5, 2.0}, {3.5, 4.0}, {-2.5, -2.0}, {-3.5, -4.0}, {2.4999, 2.0}, {2.5001, 3.0}})
        EXPECT_EQ(RoundHalfEven(in), out) << in;
}

TEST(TextNumbers, SixteenBitConversionFailsClearly) {
    EXPECT_EQ((std::vector<int16_t>{ToInt16("32767"), ToInt16("-32768"), ToInt16(" 4.5 "), ToInt16("5.5"), ToInt16(-5LL)}),
              (std::vector<int16_t>{32767, -32768, 4, 6, -5}));
    for (auto [t, error] : {std::pair{"32768", kErrOverflow}, {"32767.5", kErrOverflow}, {"abc", kErrTypeMismatch},
                            {"", kErrTypeMismatch}})
        EXPECT_EQ(ostrevan::testing::ErrorOf([&] { ToInt16(t); }), error) << t;
    EXPECT_EQ(ostrevan::testing::ErrorOf([] { ToInt16(32768LL); }), kErrOverflow);
}

// What a label of a few lines shows of a long caption: a model label wraps words greedily into
// `lines` lines of `width` characters. A cut fits, and one character more would not; where
// cuts only ever fit shorter, it is the longest (a plain scan of every cut, on single lines).
TEST(TextFit, ACutThatFitsEndsInAnEllipsis) {
    // A model of a box `width` characters wide and `lines` high that wraps at blanks.
    auto fitsModel = [](int width, int lines) {
        return [=](const std::string& t) {
            int used = 1, col = 0;
            for (size_t i = 0, end; i <= t.size(); i = end + 1) {
                end = std::min(t.find(' ', i), t.size());
                const int word = static_cast<int>(end - i);
                if (word > width) return false;
                if (col > 0 && col + 1 + word > width) ++used, col = 0;
                col += (col > 0 ? 1 : 0) + word;
            }
            return used <= lines;
        };
    };
    auto cut = [](const std::string& text, size_t n) {
        std::string s = text.substr(0, n);
        s.erase(s.find_last_not_of(" \t\r\n") + 1);  // blanks before the ellipsis go
        return s + "...";
    };
    std::mt19937 rng(7);
    for (int trial = 0; trial < 300; ++trial) {
        std::string text;
        for (int n = static_cast<int>(rng() % 60); n > 0; --n) text += "ab c\td\r\n"[rng() % 8];
        const int width = 3 + static_cast<int>(rng() % 12), lines = 1 + static_cast<int>(rng() % 3);
        const auto fits = fitsModel(width, lines);
        const std::string shown = ostrevan::ui::FitText(text, fits);
        SCOPED_TRACE(text + " in " + std::to_string(lines) + " x " + std::to_string(width));
        if (fits(text)) {
            EXPECT_EQ(shown, text);
            continue;
        }
        size_t n = text.size();  // the longest beginning that the text shown is
        while (n > 0 && cut(text, n) != shown) --n;
        ASSERT_EQ(cut(text, n), shown) << "a beginning of the text and an ellipsis";
        if (n > 0) { EXPECT_TRUE(fits(shown)); }
        if (n + 1 < text.size()) { EXPECT_FALSE(fits(cut(text, n + 1))) << "a longer beginning fits too"; }
        if (lines == 1 && text.find_first_of(" \t\r\n") == std::string::npos) { EXPECT_EQ(shown.size(), static_cast<size_t>(width)); }
    }
}
