#include "platform/codepage.h"
#include "platform/host_path.h"

namespace ostrevan::platform {

// Host names convert with the same best-fit rules as version texts.
std::string StoredName(const HostPath::string_type& host_name) {
#ifdef _WIN32
    return codepage::Utf16ToWindows1252(
        std::u16string_view(reinterpret_cast<const char16_t*>(host_name.data()), host_name.size()));
#else
    return codepage::Utf8ToWindows1252(host_name);
#endif
}

}  // namespace ostrevan::platform
