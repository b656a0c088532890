// The Windows-1252 tables against the C library's converter (iconv, "CP1252"): every byte and
// every UTF-16 unit that iconv converts exactly must convert to the same character both ways;
// where iconv has no exact mapping the product's best fit must not claim a byte whose own
// character is another one. Random UTF-8 texts convert as iconv converts them character by
// character.
#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>

#include "differential/differential.h"
#include "platform/codepage.h"

namespace ostrevan::testing {
namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Iconv() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    std::optional<std::string> operator()(const std::string& in) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::string out(in.size() * 4 + 8, '\0');
        char* src = const_cast<char*>(in.data());
        char* dst = out.data();
        size_t left = in.size(), room = out.size();
        if (iconv(cd_, &src, &left, &dst, &room) == static_cast<size_t>(-1)) return std::nullopt;
        out.resize(out.size() - room);
        return out;
    }

private:
    iconv_t cd_;
};

std::string Utf16Le(char16_t u) { return {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)}; }

TEST(CodepageAgainstIconv, EveryByteAndEveryUtf16Unit) {
    Iconv toUnicode("UTF-16LE", "CP1252"), fromUnicode("CP1252", "UTF-16LE");
    ASSERT_TRUE(toUnicode.ok() && fromUnicode.ok());
    int undefined = 0;
    for (int b = 0; b < 256; ++b) {
        const auto theirs = toUnicode(std::string(1, static_cast<char>(b)));
        const char16_t ours = codepage::Windows1252ToUtf16Unit(static_cast<unsigned char>(b));
        if (theirs) {
            EXPECT_EQ(Utf16Le(ours), *theirs) << "byte " << b;
        } else {
            // The five bytes without a character keep their value, as Windows converts them.
            EXPECT_EQ(ours, static_cast<char16_t>(b)) << "byte " << b;
            ++undefined;
        }
    }
    EXPECT_EQ(undefined, 5);
    int exact = 0;
    for (uint32_t u = 0; u < 0x10000; ++u) {
        if (u >= 0xD800 && u < 0xE000) {
            EXPECT_EQ(codepage::Utf16UnitToWindows1252(static_cast<char16_t>(u)), '?') << "surrogate " << u;
            continue;
        }
        const unsigned char ours = codepage::Utf16UnitToWindows1252(static_cast<char16_t>(u));
        const auto theirs = fromUnicode(Utf16Le(static_cast<char16_t>(u)));
        if (theirs) {
            ++exact;
            ASSERT_EQ(theirs->size(), 1u);
            EXPECT_EQ(ours, static_cast<unsigned char>((*theirs)[0])) << "U+" << std::hex << u;
        } else if (ours != '?' && !(u >= 0x80 && u < 0xA0)) {
            // A best fit stands for a character the byte does not itself hold.
            EXPECT_NE(codepage::Windows1252ToUtf16Unit(ours), static_cast<char16_t>(u)) << "U+" << std::hex << u;
        }
    }
    EXPECT_EQ(exact, 251);
    // Every byte of the OEM code page of 8.3 names, and all of them in one text.
    Iconv oem("UTF-8", "CP437");
    ASSERT_TRUE(oem.ok());
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
        EXPECT_EQ(codepage::Oem437ToUtf8(std::string(1, static_cast<char>(b))), oem(std::string(1, static_cast<char>(b))))
            << "byte " << b;
    }
    EXPECT_EQ(codepage::Oem437ToUtf8(all), oem(all));
}

TEST(CodepageAgainstIconv, Utf8TextsCharacterByCharacter) {
    std::mt19937 rng(DifferentialSeed("CodepageAgainstIconv.Utf8TextsCharacterByCharacter"));
    Iconv fromUtf8("CP1252", "UTF-8"), toUtf8("UTF-8", "CP1252");
    ASSERT_TRUE(fromUtf8.ok() && toUtf8.ok());
    auto pick = [&](uint32_t lo, uint32_t hi) { return std::uniform_int_distribution<uint32_t>(lo, hi)(rng); };
    for (int trial = 0; trial < 3000; ++trial) {
        std::string text, expected;
        for (int n = static_cast<int>(pick(0, 12)); n-- > 0;) {
            // Mostly characters of the code page, some outside it, a few beyond U+FFFF.
            const uint32_t kind = pick(0, 9);
            uint32_t cp = kind < 5 ? pick(0x20, 0xFF) : kind < 8 ? pick(0x100, 0x2FFF) : kind < 9 ? pick(0x2000, 0x2200) : pick(0x10000, 0x10FFFF);
            if (cp >= 0xD800 && cp < 0xE000) cp = 'x';
            std::string utf8;
            if (cp < 0x80) utf8 = std::string(1, static_cast<char>(cp));
            else if (cp < 0x800) utf8 = {static_cast<char>(0xC0 | cp >> 6), static_cast<char>(0x80 | (cp & 0x3F))};
            else if (cp < 0x10000) utf8 = {static_cast<char>(0xE0 | cp >> 12), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
            else utf8 = {static_cast<char>(0xF0 | cp >> 18), static_cast<char>(0x80 | ((cp >> 12) & 0x3F)), static_cast<char>(0x80 | ((cp >> 6) & 0x3F)), static_cast<char>(0x80 | (cp & 0x3F))};
            text += utf8;
            if (cp >= 0x10000) {
                expected += "??";
            } else if (auto exact = fromUtf8(utf8)) {
                expected += *exact;
            } else {
                expected += static_cast<char>(codepage::Utf16UnitToWindows1252(static_cast<char16_t>(cp)));
            }
        }
        const std::string ours = codepage::Utf8ToWindows1252(text);
        ASSERT_EQ(ours, expected) << text;
        // Back to UTF-8: iconv and the product agree wherever iconv has the byte.
        if (auto back = toUtf8(ours)) {
            EXPECT_EQ(codepage::Windows1252ToUtf8(ours), *back) << text;
        }
    }
}

}  // namespace
}  // namespace ostrevan::testing
