// The Windows-1252 tables against the system's own converter: every UTF-16 unit converts as
// WideCharToMultiByte converts it (best fit on, "?" for what has none), and every byte back as
// MultiByteToWideChar does.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/codepage.h"

using namespace ostrevan::codepage;

TEST(CodepageAgainstWindows, EveryUnitAndEveryByte) {
    int differ = 0;
    for (unsigned u = 0; u <= 0xFFFF; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF) continue;  // a lone half of a pair: see the iconv test
        const wchar_t unit = static_cast<wchar_t>(u);
        char byte = 0;
        BOOL usedDefault = FALSE;
        ASSERT_EQ(WideCharToMultiByte(1252, 0, &unit, 1, &byte, 1, "?", &usedDefault), 1);
        const unsigned char ours = Utf16UnitToWindows1252(static_cast<char16_t>(u));
        if (ours != static_cast<unsigned char>(byte) && ++differ <= 20)
            ADD_FAILURE() << std::hex << "U+" << u << ": system " << (static_cast<unsigned>(byte) & 0xFF)
                          << ", ours " << static_cast<unsigned>(ours);
    }
    EXPECT_EQ(differ, 0);
    for (unsigned b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t unit = 0;
        ASSERT_EQ(MultiByteToWideChar(1252, 0, &byte, 1, &unit, 1), 1);
        EXPECT_EQ(static_cast<unsigned>(Windows1252ToUtf16Unit(static_cast<unsigned char>(b))),
                  static_cast<unsigned>(unit)) << std::hex << b;
    }
}
