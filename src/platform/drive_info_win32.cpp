#include <windows.h>

#include "platform/drive_info.h"

namespace ostrevan::platform {
namespace {

// The root of the volume that holds `root`: the drive itself, or, for a drive letter mapped
// to a directory, the volume of that directory (the volume functions want a root).
std::wstring RootText(const HostPath& root) {
    std::wstring s = root.wstring();
    if (!s.empty() && s.back() != L'\\') s += L'\\';
    wchar_t volume[MAX_PATH + 1] = {0};
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);  // no "insert a disk" box
    const BOOL ok = GetVolumePathNameW(s.c_str(), volume, MAX_PATH);
    SetErrorMode(old);
    return ok ? std::wstring(volume) : s;
}

}  // namespace

std::optional<VolumeNames> QueryVolumeNames(const HostPath& root) {
    wchar_t label[256] = {0};
    wchar_t fs[256] = {0};
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    const BOOL ok = GetVolumeInformationW(RootText(root).c_str(), label, 256, nullptr, nullptr,
                                          nullptr, fs, 256);
    SetErrorMode(old);
    if (!ok) return std::nullopt;
    return VolumeNames{StoredName(label), StoredName(fs)};
}

std::optional<ClusterCounts> QueryClusterCounts(const HostPath& root) {
    const std::wstring r = RootText(root);
    DWORD spc = 0, bps = 0, free_c = 0, total_c = 0;
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    BOOL ok = GetDiskFreeSpaceW(r.c_str(), &spc, &bps, &free_c, &total_c);
    ULARGE_INTEGER avail, total, free_bytes;
    // The 32-bit counts saturate on large volumes; the byte totals do not.
    const BOOL ex = ok && GetDiskFreeSpaceExW(r.c_str(), &avail, &total, &free_bytes);
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
    return static_cast<int>(GetDriveTypeW(RootText(root).c_str()));
}

}  // namespace ostrevan::platform
