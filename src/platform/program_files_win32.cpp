#include <windows.h>

#include <vector>

#include "platform/host_api_win32.h"
#include "platform/program_files.h"

namespace ostrevan::platform {
namespace {

// The full path of the running executable, in the chosen family of functions.
template <typename Char, typename Fn>
std::basic_string<Char> ModulePath(Fn getModuleFileName) {
    std::vector<Char> buf(MAX_PATH);
    for (;;) {
        const DWORD n = getModuleFileName(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return std::basic_string<Char>(buf.data(), n);
        buf.resize(buf.size() * 2);
    }
}

}  // namespace

HostPath ProgramDirectory() {
    if (host::AnsiOnly()) {
        const std::string a = ModulePath<char>(GetModuleFileNameA);
        return a.empty() ? HostPath() : host::FromAnsi(a.c_str()).parent_path();
    }
    const std::wstring w = ModulePath<wchar_t>(GetModuleFileNameW);
    return w.empty() ? HostPath() : HostPath(w).parent_path();
}

}  // namespace ostrevan::platform
