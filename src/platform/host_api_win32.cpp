#include "platform/host_api_win32.h"

#include <algorithm>

namespace ostrevan::platform::host {
namespace {

bool DecideAnsiOnly() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info)) return false;
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

}  // namespace

bool AnsiOnly() {
    static const bool ansi = DecideAnsiOnly();
    return ansi;
}

std::string Ansi(const HostPath& path) {
    const std::wstring& w = path.native();
    const int n = WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1) return "";
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.c_str(), -1, s.data(), n, nullptr, nullptr);
    s.resize(static_cast<size_t>(n - 1));
    return s;
}

HostPath FromAnsi(const char* ansi) {
    const int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    if (n <= 1) return HostPath();
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, w.data(), n);
    w.resize(static_cast<size_t>(n - 1));
    return HostPath(w);
}

DWORD Attributes(const HostPath& path) {
    return AnsiOnly() ? GetFileAttributesA(Ansi(path).c_str()) : GetFileAttributesW(path.c_str());
}

bool SetAttributes(const HostPath& path, DWORD attributes) {
    return (AnsiOnly() ? SetFileAttributesA(Ansi(path).c_str(), attributes)
                       : SetFileAttributesW(path.c_str(), attributes)) != 0;
}

HANDLE Open(const HostPath& path, DWORD access, DWORD share, DWORD disposition) {
    return AnsiOnly() ? CreateFileA(Ansi(path).c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr)
                      : CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
}

namespace {

// `path` as CreateFileW takes it at any length: long absolute paths in the "\\?\" form.
std::wstring LongForm(const HostPath& path) {
    std::wstring s = path.wstring();
    std::replace(s.begin(), s.end(), L'/', L'\\');
    if (s.size() >= MAX_PATH - 12 && s.size() > 2 && s[1] == L':') s = L"\\\\?\\" + s;
    return s;
}

}  // namespace

bool OpenFolder(const HostPath& dir, bool link, OpenedFolder& out) {
    out.handle.reset(CreateFileW(LongForm(dir).c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 nullptr, OPEN_EXISTING,
                                 FILE_FLAG_BACKUP_SEMANTICS | (link ? FILE_FLAG_OPEN_REPARSE_POINT : 0), nullptr));
    return out.handle && GetFileInformationByHandle(out.handle.get(), &out.info);
}

bool Remove(const HostPath& path) {
    return (AnsiOnly() ? DeleteFileA(Ansi(path).c_str()) : DeleteFileW(path.c_str())) != 0;
}

bool Replace(const HostPath& from, const HostPath& to) {
    // MoveFileExW is NT's alone; it is looked up there, so the program loads on every Windows.
    using MoveFileExFn = BOOL(WINAPI*)(LPCWSTR, LPCWSTR, DWORD);
    static const MoveFileExFn moveEx = reinterpret_cast<MoveFileExFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExW")));
    if (!AnsiOnly() && moveEx) return moveEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    const std::string f = Ansi(from), t = Ansi(to);
    if (GetFileAttributesA(t.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(t.c_str()))
        return false;
    return MoveFileA(f.c_str(), t.c_str()) != 0;
}

}  // namespace ostrevan::platform::host
