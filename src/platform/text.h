#pragma once
// Text rules for Windows-1252 byte strings, the system's 8-bit code page. Every text in the
// system (names, versions, paths, data-file fields) is a std::string of Windows-1252 bytes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrevan::text {

// Letter case as the Windows-1252 code page defines it: a-z, the accented Latin letters
// (à..þ except ÷), š, œ, ž and ÿ have capitals; ß and µ do not.
unsigned char ToUpper(unsigned char c);
unsigned char ToLower(unsigned char c);
std::string Upper(std::string_view s);
std::string Lower(std::string_view s);

// Equality and search without regard to letter case.
bool IEquals(std::string_view a, std::string_view b);
// Position of the first occurrence of needle at or after start, or npos. An empty needle is
// found at start (when start <= size).
size_t IFind(std::string_view hay, std::string_view needle, size_t start = 0);
inline bool IContains(std::string_view hay, std::string_view needle) {
    return IFind(hay, needle) != std::string_view::npos;
}

// Replaces the first occurrence (case-insensitive); returns whether one was found.
bool ReplaceFirst(std::string& s, std::string_view find, std::string_view with);
// Replaces every occurrence (case-insensitive), searching again from the start after each
// replacement, until none is left. A replacement that would bring the text back (the
// replacement contains the searched text) stops after the first pass over the text instead
// of looping for ever.
void ReplaceEvery(std::string& s, std::string_view find, std::string_view with);
// Removes every occurrence, as ReplaceEvery with an empty replacement.
inline void RemoveEvery(std::string& s, std::string_view find) { ReplaceEvery(s, find, ""); }

// Removes leading and trailing blanks (character 32 only; tabs are not blanks).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// Numeric text: optional blanks, an optional sign, digits with an optional fraction (or a
// fraction alone, ".5"), an optional exponent (e or E, optional sign, digits), optional
// blanks. Empty text and text with other letters are not numeric.
bool IsNumeric(std::string_view s);
// The value of a numeric text; nullopt when it is not numeric.
std::optional<double> NumericValue(std::string_view s);

// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double v);

// Converts a numeric text to a 16-bit signed integer, rounding halves to even.
// Throws VbError 13 (type mismatch) for a non-numeric text and VbError 6 (overflow) for a
// value outside -32768..32767.
int16_t ToInt16(std::string_view s);
// Narrows a number to 16 bits, throwing VbError 6 (overflow) when it does not fit.
int16_t ToInt16(long long v);

// Decimal text of a number, without leading zeros; negative numbers with a minus sign.
std::string Decimal(long long v);

// The text with its line ends (CR LF, or CR alone) as line feeds.
std::string LineFeeds(std::string_view s);

}  // namespace ostrevan::text
