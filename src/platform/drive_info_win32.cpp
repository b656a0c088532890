#include <windows.h>

#include "platform/drive_info.h"
#include "platform/host_api_win32.h"

namespace ostrevan::platform {
namespace {

// GetVolumePathNameW came with Windows 2000; it is looked up when first needed.
using VolumePathNameFn = BOOL(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

VolumePathNameFn VolumePathName() {
    static const VolumePathNameFn fn = [] {
        HMODULE kernel = GetModuleHandleA("kernel32.dll");
        return kernel ? reinterpret_cast<VolumePathNameFn>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "GetVolumePathNameW")))
                      : nullptr;
    }();
    return fn;
}

// "C:\\dir\\" -> "C:\\", "\\\\server\\share\\dir\\" -> "\\\\server\\share\\".
std::wstring PathRoot(const std::wstring& s) {
    if (s.size() >= 3 && s[1] == L':' && s[2] == L'\\') return s.substr(0, 3);
    if (s.rfind(L"\\\\", 0) == 0 && s.rfind(L"\\\\?\\", 0) != 0) {
        const size_t server = s.find(L'\\', 2);
        const size_t share = server == std::wstring::npos ? server : s.find(L'\\', server + 1);
        if (share != std::wstring::npos) return s.substr(0, share + 1);
    }
    return s;
}

// The root of the volume that holds `root`: the drive itself, or, where the system can tell
// (Windows 2000 and later), for a drive letter mapped to a directory, the volume of that
// directory (the volume functions want a root).
std::wstring RootText(const HostPath& root) {
    std::wstring s = root.wstring();
    if (!s.empty() && s.back() != L'\\') s += L'\\';
    wchar_t volume[MAX_PATH + 1] = {0};
    // Windows 95/98/ME and NT 4.0 lack GetVolumePathName: the root of the path's drive or share.
    if (host::AnsiOnly() || !VolumePathName()) return PathRoot(s);
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);  // no "insert a disk" box
    const BOOL ok = VolumePathName()(s.c_str(), volume, MAX_PATH);
    SetErrorMode(old);
    return ok ? std::wstring(volume) : s;
}

}  // namespace

std::optional<VolumeNames> QueryVolumeNames(const HostPath& root) {
    const std::wstring r = RootText(root);
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    std::optional<VolumeNames> names;
    if (host::AnsiOnly()) {
        char label[256] = {0};
        char fs[256] = {0};
        if (GetVolumeInformationA(host::Ansi(HostPath(r)).c_str(), label, 256, nullptr, nullptr,
                                  nullptr, fs, 256))
            names = VolumeNames{StoredName(host::FromAnsi(label).native()),
                                StoredName(host::FromAnsi(fs).native())};
    } else {
        wchar_t label[256] = {0};
        wchar_t fs[256] = {0};
        if (GetVolumeInformationW(r.c_str(), label, 256, nullptr, nullptr, nullptr, fs, 256))
            names = VolumeNames{StoredName(label), StoredName(fs)};
    }
    SetErrorMode(old);
    return names;
}

std::optional<ClusterCounts> QueryClusterCounts(const HostPath& root) {
    const std::wstring r = RootText(root);
    const std::string a = host::Ansi(HostPath(r));
    const bool ansi = host::AnsiOnly();
    DWORD spc = 0, bps = 0, free_c = 0, total_c = 0;
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    BOOL ok = ansi ? GetDiskFreeSpaceA(a.c_str(), &spc, &bps, &free_c, &total_c)
                   : GetDiskFreeSpaceW(r.c_str(), &spc, &bps, &free_c, &total_c);
    ULARGE_INTEGER avail, total, free_bytes;
    // The 32-bit counts saturate at 2 GB on Windows 95/98/ME and on large volumes; the byte
    // totals do not. Where they cannot be had, the counts stand as they are.
    const BOOL ex = ok && (ansi ? GetDiskFreeSpaceExA(a.c_str(), &avail, &total, &free_bytes)
                                : GetDiskFreeSpaceExW(r.c_str(), &avail, &total, &free_bytes));
    SetErrorMode(old);
    if (!ok) return std::nullopt;
    ClusterCounts c{spc, bps, free_c, total_c};
    const uint64_t per_cluster = uint64_t{spc} * bps;
    if (ex && per_cluster) {
        c.total_clusters = total.QuadPart / per_cluster;
        c.free_clusters = free_bytes.QuadPart / per_cluster;
    }
    return c;
}

int QueryDriveType(const HostPath& root) {
    const std::wstring r = RootText(root);
    return static_cast<int>(host::AnsiOnly() ? GetDriveTypeA(host::Ansi(HostPath(r)).c_str())
                                             : GetDriveTypeW(r.c_str()));
}

}  // namespace ostrevan::platform
