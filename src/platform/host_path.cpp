#include "platform/host_path.h"

#include "platform/codepage.h"

namespace ostrevan::platform {

HostPath HostPathFromStored(const std::string& stored) {
#ifdef _WIN32
    const std::u16string wide = codepage::Windows1252ToUtf16(stored);
    return HostPath(std::wstring(wide.begin(), wide.end()));
#else
    return HostPath(codepage::Windows1252ToUtf8(stored));
#endif
}

}  // namespace ostrevan::platform
