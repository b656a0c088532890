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

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (static_cast<unsigned char>(c) < 0x80) {  // ASCII is itself
            out += c;
            continue;
        }
        const char16_t u = Windows1252ToUtf16Unit(static_cast<unsigned char>(c));
        if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

}  // namespace ostrevan::codepage
