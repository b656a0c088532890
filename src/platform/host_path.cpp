#include "platform/host_path.h"

#include "platform/codepage.h"

namespace ostrevan::platform {

HostPath HostPathFromStored(const std::string& stored) {
    const std::u16string wide = codepage::Windows1252ToUtf16(stored);
#ifdef _WIN32
    return HostPath(std::wstring(wide.begin(), wide.end()));
#else
    // Every character of the code page lies below U+FFFF: one to three bytes in UTF-8.
    std::string u;
    for (char16_t c : wide) {
        if (c < 0x80) {
            u += static_cast<char>(c);
        } else if (c < 0x800) {
            u += static_cast<char>(0xC0 | (c >> 6));
            u += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            u += static_cast<char>(0xE0 | (c >> 12));
            u += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            u += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return HostPath(u);
#endif
}

}  // namespace ostrevan::platform
