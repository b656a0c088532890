#pragma once
// Conversions into and out of Windows-1252, the system's 8-bit code page, done as the platform
// does them: characters outside the code page take their best fit (a letter with a macron
// becomes the plain letter, a trademark sign keeps its own byte), and a character without one
// becomes "?".
#include <string>
#include <string_view>

namespace ostrevan::codepage {

// One UTF-16 code unit. Each half of a surrogate pair converts on its own (to "?").
unsigned char Utf16UnitToWindows1252(char16_t unit);
std::string Utf16ToWindows1252(std::u16string_view text);

// UTF-8 text (a host file name, for example). Characters beyond U+FFFF turn into two "?", as
// their two UTF-16 units would; every byte of a malformed sequence turns into one "?".
std::string Utf8ToWindows1252(std::string_view text);

// The other way: every byte has a character (0x81, 0x8D, 0x8F, 0x90 and 0x9D keep their value).
char16_t Windows1252ToUtf16Unit(unsigned char byte);
std::u16string Windows1252ToUtf16(std::string_view text);
// Windows-1252 text as UTF-8, every byte its own character.
std::string Windows1252ToUtf8(std::string_view text);

// Text in code page 437, in which DOS wrote the 8.3 names of FAT volumes, as UTF-8: every byte
// its own character (the control range as the ASCII controls).
std::string Oem437ToUtf8(std::string_view text);

}  // namespace ostrevan::codepage
