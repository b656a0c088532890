#include "platform/codepage.h"

#include <gtest/gtest.h>

#include "platform/codepage_table.h"

using namespace ostrevan::codepage;

TEST(CodepageTable, IsSortedAndKeepsEveryByteOfTheCodePage) {
    ASSERT_GT(kBestFit1252Count, 256u);
    for (unsigned i = 1; i < kBestFit1252Count; ++i)
        ASSERT_LT(kBestFit1252[i - 1].unit, kBestFit1252[i].unit) << "entry " << i;
    // Every byte reads as a character that converts back to that same byte.
    for (unsigned b = 0; b < 256; ++b)
        EXPECT_EQ(Utf16UnitToWindows1252(Windows1252ToUtf16Unit(static_cast<unsigned char>(b))), b) << b;
}

TEST(CodepageUtf16, TakesTheBestFitOrAQuestionMark) {
    struct Case { char16_t unit; unsigned char byte; } cases[] = {
        {u'A', 'A'},      {0x00E9, 0xE9},  // é
        {0x20AC, 0x80},                    // euro sign
        {0x2122, 0x99},                    // trademark sign keeps its byte
        {0x00AE, 0xAE},   {0x00A9, 0xA9},  // registered and copyright signs
        {0x0100, 'A'},                     // A with macron
        {0x014C, 'O'},    {0x014D, 'o'},   // O/o with macron
        {0x2713, '?'},                     // check mark: no fit
        {0x30A2, '?'},                     // katakana
        {0xD800, '?'},    {0xDC00, '?'},   // halves of a surrogate pair
        {0x0081, 0x81},                    // undefined bytes keep their value
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16UnitToWindows1252(c.unit), c.byte) << std::hex << static_cast<unsigned>(c.unit);
    EXPECT_EQ(Utf16ToWindows1252(u"Caf\u00E9 \u0100\u2713"), "Caf\xE9 A?");
}

TEST(CodepageUtf8, ConvertsHostNamesLikeTheirUtf16Form) {
    struct Case { const char* utf8; const char* expected; } cases[] = {
        {"plain.exe", "plain.exe"}, {"Caf\xC3\xA9.exe", "Caf\xE9.exe"},
        {"\xE2\x82\xAC", "\x80"},                 // euro sign, three bytes
        {"\xC4\x80\xC5\x8C", "AO"},               // letters with macron take their fit
        {"\xF0\x9F\x98\x80", "??"},               // beyond U+FFFF: two units, two "?"
        {"a\xFF" "b", "a?b"},                     // a byte that starts nothing
        {"a\xC3", "a?"},                          // sequence cut off at the end
        {"\xC0\xAF", "??"},                       // overlong form
        {"\xED\xA0\x80", "???"},                  // an encoded surrogate is malformed
        {"\xE2\x82x", "??x"},                     // broken sequence, the next byte survives
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.expected) << c.utf8;
}
