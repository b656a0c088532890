#include "image_mode.h"

#include <optional>

#include "platform/command_line.h"
#include "platform/drive_map.h"
#include "platform/image/disk_image.h"
#include "platform/text.h"
#include "scan/drive_windows.h"
#include "scan/scan_command.h"

namespace ostrevan {
namespace {

struct ImageSpec {
    std::string file;
    int partition = 0;  // 0: the first that holds Windows
};

// "FILE" or "FILE,N": a last comma followed by digits only names the partition.
ImageSpec ParseImageSpec(const std::string& text) {
    const size_t comma = text.rfind(',');
    if (comma == std::string::npos || comma + 1 == text.size() || comma + 4 < text.size() ||
        text.find_first_not_of("0123456789", comma + 1) != std::string::npos)
        return {text, 0};
    return {text.substr(0, comma), std::stoi(text.substr(comma + 1))};
}

// Where a volume's files appear: the image's own name and the partition, as the messages
// show the drive.
platform::HostPath VolumeRoot(const std::string& file, int partition) {
    return platform::HostPathFromUtf8(file + "," + std::to_string(partition));
}

std::string Megabytes(uint64_t bytes) { return text::Decimal(static_cast<long long>(bytes >> 20)) + " MiB"; }

// The Windows a volume holds, as a few words ("Windows 98 Second Edition 4.10.2222 in
// C:\WINDOWS"), or nullopt.
std::optional<std::string> WindowsOn(const std::string& drive, const platform::HostPath& root) {
    const DriveWindowsSearch search = FindDriveWindows(drive, root);
    if (!search.found) return std::nullopt;
    const DriveWindows& w = *search.found;
    std::string words = w.release.empty() ? "Windows" : w.release;
    if (!w.version.empty()) words += " " + w.version;
    return words + " in " + VisibleName(w.identity.windows_directory);
}

}  // namespace

int TakeImageOptions(std::vector<std::string>& args, AttachedImages& attached,
                      std::vector<std::string>& notes, std::string& error) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--image") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "--image needs a value";
            return 2;
        }
        const std::string v = args[++i];
        const auto letter = platform::DriveDesignator(v.substr(0, 2));
        if (v.size() < 4 || !letter || v[2] != '=') {
            error = "--image wants X:=FILE or X:=FILE,PARTITION, not \"" + v + "\"";
            return 2;
        }
        const ImageSpec spec = ParseImageSpec(v.substr(3));
        std::string why;
        const auto image = platform::DiskImage::Open(spec.file, why);
        if (!image) {
            error = "the image " + VisibleText(spec.file) + " cannot be read: " + why;
            return 1;
        }
        std::shared_ptr<const platform::FileSystem> volume;
        int number = spec.partition;
        if (number != 0) {
            volume = image->OpenVolume(number, VolumeRoot(spec.file, number), why);
        } else {
            // The first volume with Windows on it; failing that, the first that can be read.
            std::shared_ptr<const platform::FileSystem> readable;
            int readableNumber = 0;
            for (const platform::ImagePartition& p : image->Partitions()) {
                auto candidate = image->OpenVolume(p.number, VolumeRoot(spec.file, p.number), why);
                if (!candidate) continue;
                const platform::AttachedVolume probe(VolumeRoot(spec.file, p.number), candidate);
                if (const auto windows = WindowsOn(*letter, VolumeRoot(spec.file, p.number))) {
                    notes.push_back("drive " + *letter + " is partition " + std::to_string(p.number) + " of " +
                                    VisibleText(spec.file) + " (" + p.file_system + ", " + *windows + ")");
                    volume = std::move(candidate);
                    number = p.number;
                    break;
                }
                if (!readable) {
                    readable = std::move(candidate);
                    readableNumber = p.number;
                }
            }
            if (!volume && readable) {
                volume = std::move(readable);
                number = readableNumber;
                notes.push_back("drive " + *letter + " is partition " + std::to_string(number) + " of " +
                                VisibleText(spec.file) + " (" + image->Partitions()[number - 1].file_system +
                                "; no Windows folder was found on any partition)");
            }
            if (!volume) why = "none of its partitions holds a file system that can be read";
        }
        if (!volume) {
            error = "the image " + VisibleText(spec.file) + " cannot be read: " + why;
            return 1;
        }
        const platform::HostPath root = VolumeRoot(spec.file, number);
        attached.volumes.push_back(std::make_unique<platform::AttachedVolume>(root, std::move(volume)));
        rest.push_back("--map");
        rest.push_back(*letter + "=" + platform::Utf8FromHostPath(root));
    }
    args = std::move(rest);
    return 0;
}

int RunListImage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "ostrevan-scan: --list-image wants one image file\n" << ImageHelp();
        return 2;
    }
    std::string why;
    const auto image = platform::DiskImage::Open(args[0], why);
    if (!image) {
        err << "ostrevan-scan: the image " << VisibleText(args[0]) << " cannot be read: " << why << "\n";
        return 1;
    }
    out << VisibleText(args[0]) << ": " << image->Format() << " image, " << Megabytes(image->Size()) << "\n";
    for (const platform::ImagePartition& p : image->Partitions()) {
        out << "  " << p.number << "  at " << p.offset << ", " << Megabytes(p.size) << ", "
            << (p.file_system.empty() ? "no file system that can be read" : p.file_system);
        if (!p.description.empty()) out << " (" << VisibleText(p.description) << ")";
        const platform::HostPath root = VolumeRoot(args[0], p.number);
        if (auto volume = image->OpenVolume(p.number, root, why)) {
            const platform::AttachedVolume attached(root, std::move(volume));
            const auto windows = WindowsOn("C:", root);
            out << ": " << (windows ? *windows : "no Windows folder");
        }
        out << "\n";
    }
    out.flush();
    return out ? 0 : 1;
}

std::string ImageHelp() {
    return "       ostrevan-scan --image X:=FILE[,PARTITION] [options] X:\n"
           "       ostrevan-scan --list-image FILE\n"
           "\n"
           "  --image X:=FILE[,PARTITION]  the drive letter X: stands for a volume inside the\n"
           "                   disk image FILE (raw or split raw, E01, VMDK or VHD; FAT or NTFS),\n"
           "                   read without mounting it; without PARTITION, the first partition\n"
           "                   that holds a Windows folder\n"
           "  --list-image FILE  lists the partitions of FILE with their file systems, sizes\n"
           "                   and the Windows found on each\n"
           "Example, a fleet report of three disk images:\n"
           "  for pc in a b c; do mkdir -p results/$pc\n"
           "    ostrevan-scan --image C:=$pc.vmdk --os drive --results results/$pc C:; done\n"
           "  ostrevan-scan --fleet fleet results/a results/b results/c\n";
}

}  // namespace ostrevan
