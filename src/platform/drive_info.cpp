#include "platform/drive_info.h"

#include <limits>

#include "platform/text.h"
#include "platform/vb_error.h"

namespace ostrevan::platform {

std::optional<std::string> DriveTypeName(int code) {
    switch (code) {
        case kDriveRemovable: return "Removable";
        case kDriveFixed: return "Local Drive";
        case kDriveRemote: return "Network Drive";
        case kDriveCdRom: return "CDROM";
        case kDriveRamDisk: return "RAM Drive";
        default: return std::nullopt;
    }
}

int32_t ClustersToMebibytes(uint64_t clusters, uint32_t sectors_per_cluster,
                            uint32_t bytes_per_sector) {
    const int64_t per_cluster = int64_t{sectors_per_cluster} * int64_t{bytes_per_sector};
    if (per_cluster > std::numeric_limits<int32_t>::max()) throw VbError(kErrOverflow, "Overflow");
    const double mib =
        text::RoundHalfEven(static_cast<double>(clusters) / 1024 / 1024 * static_cast<double>(per_cluster));
    if (!(mib <= std::numeric_limits<int32_t>::max())) throw VbError(kErrOverflow, "Overflow");
    return static_cast<int32_t>(mib);
}

void GetDriveInfo(const std::optional<HostPath>& root, std::string& volume_label,
                  std::string& file_system, int32_t& size_mib, int32_t& free_mib,
                  std::string& drive_type, const DriveQueries& queries) {
    // A letter that is no drive fails every query: the texts stay, the sizes come out 0.
    if (auto names = root ? queries.volume(*root) : std::nullopt) {
        volume_label = names->label;
        file_system = names->file_system;
    }
    ClusterCounts counts;
    if (auto c = root ? queries.clusters(*root) : std::nullopt) counts = *c;
    size_mib = ClustersToMebibytes(counts.total_clusters, counts.sectors_per_cluster, counts.bytes_per_sector);
    free_mib = ClustersToMebibytes(counts.free_clusters, counts.sectors_per_cluster, counts.bytes_per_sector);
    if (auto name = DriveTypeName(root ? queries.type(*root) : kDriveNoRoot)) drive_type = *name;
}

}  // namespace ostrevan::platform
