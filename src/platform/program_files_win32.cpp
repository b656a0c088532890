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

namespace {

void ClearReadOnly(const std::wstring& path) {
    const DWORD a = GetFileAttributesW(path.c_str());
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY))
        SetFileAttributesW(path.c_str(), a & ~FILE_ATTRIBUTE_READONLY);
}

}  // namespace

bool CopyWholeFile(const HostPath& from, const HostPath& to) {
    const std::wstring target = to.wstring();
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    // The copy takes the source's attributes, and a read-only file is never replaced: a
    // read-only source (a CD) must not make the next copy to the same place fail.
    ClearReadOnly(target);
    const BOOL ok = CopyFileW(from.wstring().c_str(), target.c_str(), FALSE);
    if (ok) ClearReadOnly(target);
    SetErrorMode(old);
    return ok != 0;
}

}  // namespace ostrevan::platform
