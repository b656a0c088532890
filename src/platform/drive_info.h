#pragma once
// The five facts the drive page shows about a drive: volume label, file system, size, free
// space and drive type.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "platform/host_path.h"

namespace ostrevan::platform {

struct VolumeNames {
    std::string label;        // Windows-1252
    std::string file_system;  // "NTFS", "FAT32", ...
};

// Cluster counts as the platform reports them; 64-bit so that drives of any size fit.
struct ClusterCounts {
    uint32_t sectors_per_cluster = 0;
    uint32_t bytes_per_sector = 0;
    uint64_t free_clusters = 0;
    uint64_t total_clusters = 0;
};

// Drive-type codes of the platform.
enum DriveTypeCode : int {
    kDriveUnknown = 0,
    kDriveNoRoot = 1,
    kDriveRemovable = 2,
    kDriveFixed = 3,
    kDriveRemote = 4,
    kDriveCdRom = 5,
    kDriveRamDisk = 6,
};

// Platform queries on a drive's root directory. A drive that is not ready answers nullopt.
std::optional<VolumeNames> QueryVolumeNames(const HostPath& root);
std::optional<ClusterCounts> QueryClusterCounts(const HostPath& root);
int QueryDriveType(const HostPath& root);

#if !defined(_WIN32)
// A mounted file system, as a line of /proc/self/mountinfo gives it.
struct Mount {
    std::string point, type, source;
    unsigned dev_major = 0, dev_minor = 0;
};
// The mount holding the real path `real` among the lines of a mount table (the format of
// /proc/self/mountinfo): the longest mount point that is `real` or a folder above it, the later
// line where two name the same point (a file system mounted over another).
std::optional<Mount> MountHolding(const std::string& real, std::istream& mountinfo);
#endif

// The name shown for a drive-type code: "Removable", "Local Drive", "Network Drive", "CDROM",
// "RAM Drive"; nullopt for any other code.
std::optional<std::string> DriveTypeName(int code);

// Whole mebibytes of `clusters` clusters: clusters / 1024 / 1024 * bytes per cluster, rounded
// half to even. Bytes per cluster is a 32-bit signed product and a result beyond 32 bits
// cannot be shown: both throw VbError 6 (overflow).
int32_t ClustersToMebibytes(uint64_t clusters, uint32_t sectors_per_cluster, uint32_t bytes_per_sector);

// The drive facts of the root (drive letter, colon, backslash). Outputs are by reference, and a
// fact the platform cannot give leaves its output as it was.
struct DriveQueries {
    std::optional<VolumeNames> (*volume)(const HostPath&) = QueryVolumeNames;
    std::optional<ClusterCounts> (*clusters)(const HostPath&) = QueryClusterCounts;
    int (*type)(const HostPath&) = QueryDriveType;
};
void GetDriveInfo(const std::optional<HostPath>& root, std::string& volume_label,
                  std::string& file_system, int32_t& size_mib, int32_t& free_mib,
                  std::string& drive_type, const DriveQueries& queries = {});

}  // namespace ostrevan::platform
