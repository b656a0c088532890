#include "platform/host_path.h"

namespace ostrevan::platform {
namespace {

// TODO(merge): replace with the best-fit conversion of platform/codepage.h.
char ExactOrQuestion(char32_t cp) {
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string StoredName(const HostPath::string_type& host_name) {
    std::string out;
#ifdef _WIN32
    for (size_t i = 0; i < host_name.size(); ++i) {
        char32_t cp = static_cast<char16_t>(host_name[i]);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < host_name.size()) ++i, cp = 0x10000;
        out += ExactOrQuestion(cp);
    }
#else
    const std::string& s = host_name;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? c : (c & (0x7F >> n));
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        out += ExactOrQuestion(cp);
        i += n;
    }
#endif
    return out;
}

}  // namespace ostrevan::platform
