#include "platform/codepage.h"

#include <array>
#include <cstdint>

#include "platform/codepage_table.h"

namespace ostrevan::codepage {
namespace {

// The generated table spread out over all 65,536 code units, built on first use.
const std::array<unsigned char, 0x10000>& UnitTable() {
    static const auto table = [] {
        std::array<unsigned char, 0x10000> t;
        t.fill('?');
        for (unsigned i = 0; i < kBestFit1252Count; ++i) t[kBestFit1252[i].unit] = kBestFit1252[i].byte;
        return t;
    }();
    return table;
}

// Characters of the bytes 0x80..0x9F; the five bytes the code page leaves undefined keep
// their own value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

unsigned char Utf16UnitToWindows1252(char16_t unit) { return UnitTable()[unit]; }

std::string Utf16ToWindows1252(std::u16string_view text) {
    const auto& table = UnitTable();
    std::string out;
    out.reserve(text.size());
    for (char16_t u : text) out.push_back(static_cast<char>(table[u]));
    return out;
}

std::string Utf8ToWindows1252(std::string_view text) {
    const auto& table = UnitTable();
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    while (i < n) {
        const unsigned char b = byte(i);
        if (b < 0x80) {
            out.push_back(static_cast<char>(table[b]));
            ++i;
            continue;
        }
        // Length and smallest value of a well-formed sequence starting with b.
        size_t len = 0;
        uint32_t cp = 0, min = 0;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2, cp = b & 0x1Fu, min = 0x80;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3, cp = b & 0x0Fu, min = 0x800;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4, cp = b & 0x07u, min = 0x10000;
        }
        bool ok = len != 0 && n - i >= len;
        for (size_t k = 1; ok && k < len; ++k) {
            const unsigned char c = byte(i + k);
            if ((c & 0xC0) != 0x80) ok = false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
        if (!ok) {
            out.push_back('?');
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            out += "??";  // a surrogate pair: neither half has a fit
        } else {
            out.push_back(static_cast<char>(table[cp]));
        }
        i += len;
    }
    return out;
}

char16_t Windows1252ToUtf16Unit(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
    return static_cast<char16_t>(byte);
}

std::u16string Windows1252ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text) out.push_back(Windows1252ToUtf16Unit(static_cast<unsigned char>(c)));
    return out;
}

namespace {

// One character of the Basic Multilingual Plane as UTF-8.
void AppendUtf8(std::string& out, char16_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// The upper half of code page 437, the OEM code page of DOS and of Windows in the United States
// (and the default of Linux's FAT driver), from Unicode's mapping table
// https://www.unicode.org/Public/MAPPINGS/VENDORS/MICSFT/PC/CP437.TXT as Python's "cp437"
// codec carries it; the tests compare it with the C library's converter.
constexpr char16_t kOem437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556,
    0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567,
    0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B,
    0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229,
    0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

}  // namespace

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, Windows1252ToUtf16Unit(static_cast<unsigned char>(c)));
    return out;
}

std::string Oem437ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        AppendUtf8(out, b < 0x80 ? char16_t{b} : kOem437High[b - 0x80]);
    }
    return out;
}

}  // namespace ostrevan::codepage
