// The best fits and the malformed UTF-8 that the iconv comparison (tests/differential) leaves
// out: it checks every byte, every exactly convertible unit and well-formed texts.
#include "platform/codepage.h"

#include <gtest/gtest.h>

using namespace ostrevan::codepage;

TEST(CodepageUtf16, TakesTheBestFitOrAQuestionMark) {
    struct Case { char16_t unit; unsigned char byte; } cases[] = {
        {0x0100, 'A'},                     // A with macron
        {0x014C, 'O'},    {0x014D, 'o'},   // O/o with macron
        {0x2713, '?'},                     // check mark: no fit
        {0x30A2, '?'},                     // katakana
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16UnitToWindows1252(c.unit), c.byte) << std::hex << static_cast<unsigned>(c.unit);
    EXPECT_EQ(Utf16ToWindows1252(u"Caf\u00E9 \u0100\u2713"), "Caf\xE9 A?");
}

TEST(CodepageUtf8, MalformedSequencesBecomeQuestionMarks) {
    struct Case { const char* utf8; const char* expected; } cases[] = {
        {"\xC4\x80\xC5\x8C", "AO"},               // letters with macron take their fit
        {"a\xFF" "b", "a?b"},                     // a byte that starts nothing
        {"a\xC3", "a?"},                          // sequence cut off at the end
        {"\xC0\xAF", "??"},                       // overlong form
        {"\xED\xA0\x80", "???"},                  // an encoded surrogate is malformed
        {"\xE2\x82x", "??x"},                     // broken sequence, the next byte survives
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToWindows1252(c.utf8), c.expected) << c.utf8;
}
