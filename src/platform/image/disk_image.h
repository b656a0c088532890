#pragma once
// Disk images read without mounting them: raw copies of a disk (one file or split in
// segments), E01 evidence files and the virtual disks of VMDK and VHD, with or without a
// partition table, holding FAT12/16/32 or NTFS volumes (and what else the library reads). A
// volume is read through the FileSystem interface, so a scan walks it as it walks a folder.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace ostrevan::platform {

struct ImagePartition {
    int number = 0;            // 1, 2, ...: the volumes of the image in the order of its table
    uint64_t offset = 0;       // bytes from the start of the disk
    uint64_t size = 0;         // bytes
    std::string description;   // the partition table's word for it, e.g. "DOS FAT16 (0x06)"
    std::string file_system;   // "FAT16", "NTFS", ...; empty when none could be read
};

class DiskImage {
public:
    // Opens the image; nullptr, with the reason in `error`, when it cannot be read as one.
    static std::unique_ptr<DiskImage> Open(const std::string& path, std::string& error);
    ~DiskImage();
    DiskImage(const DiskImage&) = delete;
    DiskImage& operator=(const DiskImage&) = delete;

    // "raw", "ewf", "vmdk", "vhdi", ...
    const std::string& Format() const { return format_; }
    uint64_t Size() const { return size_; }
    // The volumes: those of its partition table, or the whole image as one volume when it has
    // none.
    const std::vector<ImagePartition>& Partitions() const { return partitions_; }

    // The file system of partition `number`, to attach under `root` (the paths it answers are
    // `root` and those below it). nullptr, with the reason in `error`, when the number names no
    // partition or its file system cannot be read.
    std::shared_ptr<const FileSystem> OpenVolume(int number, const HostPath& root, std::string& error) const;

    struct Image;  // the library's handle of the open image

private:
    DiskImage() = default;
    std::shared_ptr<Image> image_;
    std::string format_;
    uint64_t size_ = 0;
    std::vector<ImagePartition> partitions_;
};

}  // namespace ostrevan::platform
