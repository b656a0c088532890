#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "platform/drive_info.h"
#include "platform/text.h"

namespace ostrevan::platform {
namespace {

namespace fs = std::filesystem;

// "\040" escapes of /proc/self/mountinfo and "\x20" escapes of /dev/disk/by-label.
std::string Unescape(const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
            out += static_cast<char>(std::stoi(s.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '3') {
            out += static_cast<char>(std::stoi(s.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

}  // namespace

std::optional<Mount> MountHolding(const std::string& real, std::istream& in) {
    std::string line;
    std::optional<Mount> best;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        std::vector<std::string> f;
        std::string w;
        while (ls >> w) f.push_back(w);
        size_t dash = 0;
        while (dash < f.size() && f[dash] != "-") ++dash;
        if (f.size() < 5 || dash + 2 >= f.size()) continue;
        Mount m{Unescape(f[4]), f[dash + 1], Unescape(f[dash + 2])};
        std::sscanf(f[2].c_str(), "%u:%u", &m.dev_major, &m.dev_minor);
        const bool inside = real == m.point || m.point == "/" ||
                            (real.compare(0, m.point.size(), m.point) == 0 && real[m.point.size()] == '/');
        if (inside && (!best || m.point.size() >= best->point.size())) best = m;
    }
    return best;
}

namespace {

// The mount that holds `dir`.
std::optional<Mount> MountOf(const HostPath& dir) {
    std::error_code ec;
    const std::string real = fs::canonical(dir, ec).string();
    if (ec) return std::nullopt;
    std::ifstream in("/proc/self/mountinfo");
    return MountHolding(real, in);
}

std::string FileSystemName(const std::string& type) {
    if (type == "vfat" || type == "msdos") return "FAT";
    if (type == "exfat") return "exFAT";
    if (type == "ntfs" || type == "ntfs3" || type == "fuseblk") return "NTFS";
    if (type == "iso9660") return "CDFS";
    if (type == "udf") return "UDF";
    return text::Upper(type);
}

std::string LabelOf(const std::string& source) {
    std::error_code ec;
    const fs::path dev = fs::canonical(source, ec);
    if (ec) return "";
    for (fs::directory_iterator it("/dev/disk/by-label", ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code ec2;
        if (fs::canonical(it->path(), ec2) == dev && !ec2)
            return StoredName(Unescape(it->path().filename().string()));
    }
    return "";
}

}  // namespace

std::optional<VolumeNames> QueryVolumeNames(const HostPath& root) {
    auto m = MountOf(root);
    if (!m) return std::nullopt;
    std::string type = m->type;
    if (type == "vfat") {
        struct statvfs st;
        // FAT32 volumes hold more than 65,524 clusters (statfs counts clusters on FAT).
        if (statvfs(root.c_str(), &st) == 0 && st.f_blocks > 65524)
            return VolumeNames{LabelOf(m->source), "FAT32"};
    }
    return VolumeNames{LabelOf(m->source), FileSystemName(type)};
}

std::optional<ClusterCounts> QueryClusterCounts(const HostPath& root) {
    struct statvfs st;
    if (statvfs(root.c_str(), &st) != 0) return std::nullopt;
    ClusterCounts c;
    c.sectors_per_cluster = 1;
    c.bytes_per_sector = static_cast<uint32_t>(st.f_frsize ? st.f_frsize : st.f_bsize);
    c.total_clusters = st.f_blocks;
    c.free_clusters = st.f_bfree;
    return c;
}

int QueryDriveType(const HostPath& root) {
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return kDriveNoRoot;
    auto m = MountOf(root);
    if (!m) return kDriveUnknown;
    const std::string& t = m->type;
    if (t == "nfs" || t == "nfs4" || t == "cifs" || t == "smb3" || t == "smbfs" || t == "fuse.sshfs" ||
        t == "9p")
        return kDriveRemote;
    if (t == "iso9660" || t == "udf") return kDriveCdRom;
    if (t == "tmpfs" || t == "ramfs") return kDriveRamDisk;
    // A removable block device says so in sysfs (a partition asks its disk).
    const std::string sys = "/sys/dev/block/" + std::to_string(m->dev_major) + ":" + std::to_string(m->dev_minor);
    for (const char* rel : {"/removable", "/../removable"}) {
        std::ifstream f(sys + rel);
        int v = 0;
        if (f >> v) return v == 1 ? kDriveRemovable : kDriveFixed;
    }
    return kDriveFixed;
}

}  // namespace ostrevan::platform
