#include "platform/host_path.h"

#include <cstdint>

namespace ostrevan::platform {
namespace {

// Unicode code points of Windows-1252 bytes 0x80..0x9F (0 where the code page has no
// character; such bytes keep their value, as the platform's conversion does).
constexpr char16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t From1252(unsigned char c) {
    if (c >= 0x80 && c <= 0x9F) return kHigh1252[c - 0x80];
    return c;
}

[[maybe_unused]] void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

HostPath HostPathFromStored(const std::string& stored) {
#ifdef _WIN32
    std::wstring w;
    w.reserve(stored.size());
    for (unsigned char c : stored) w += static_cast<wchar_t>(From1252(c));
    return HostPath(w);
#else
    std::string u;
    u.reserve(stored.size());
    for (unsigned char c : stored) AppendUtf8(u, From1252(c));
    return HostPath(u);
#endif
}

}  // namespace ostrevan::platform
