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

// The copy takes the source's attributes, and a read-only file is never replaced: a read-only
// source (a CD) must not make the next copy to the same place fail.
void ClearReadOnly(const HostPath& path) {
    const DWORD a = host::Attributes(path);
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY))
        host::SetAttributes(path, a & ~FILE_ATTRIBUTE_READONLY);
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

bool CopyWholeFile(const HostPath& from, const HostPath& to) {
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    ClearReadOnly(to);
    const BOOL ok = host::AnsiOnly()
                        ? CopyFileA(host::Ansi(from).c_str(), host::Ansi(to).c_str(), FALSE)
                        : CopyFileW(from.c_str(), to.c_str(), FALSE);
    if (ok) ClearReadOnly(to);
    SetErrorMode(old);
    return ok != 0;
}

}  // namespace ostrevan::platform
