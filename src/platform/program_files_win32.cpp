#include <windows.h>

#include <vector>

#include "platform/program_files.h"

namespace ostrevan::platform {

HostPath ProgramDirectory() {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return HostPath();
        if (n < buf.size()) return HostPath(std::wstring(buf.data(), n)).parent_path();
        buf.resize(buf.size() * 2);
    }
}

}  // namespace ostrevan::platform
