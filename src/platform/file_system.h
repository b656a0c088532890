#pragma once
// The folders and files a scan reads, through one interface with an implementation per kind of
// volume: the machine's own file system (POSIX or Windows) and volumes read without mounting
// them (a partition inside a disk image). A volume that is not the machine's is attached under
// a root of its own; every path below that root is then read through it, so the walk, the
// search for the Windows on a drive and the program-file reader work on it unchanged.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/byte_reader.h"
#include "platform/dir_listing.h"
#include "platform/host_path.h"

namespace ostrevan::platform {

enum class PathKind { kMissing, kFile, kDirectory, kOther };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    // The walk's listing of one folder (see dir_listing.h).
    virtual ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent) const = 0;
    // Every entry of the folder, hidden and system ones too; none when it cannot be read.
    virtual std::vector<HostPath> DirectoryEntries(const HostPath& dir) const = 0;
    virtual PathKind KindOf(const HostPath& path) const = 0;
    // A plain file opened for bounded reading; nullopt when it cannot be read.
    virtual std::optional<FileBytes> OpenBytes(const HostPath& path) const = 0;
};

// The machine's own file system.
const FileSystem& SystemFileSystem();

// The file system that holds `path`: the attached volume whose root it lies in, else the
// machine's.
const FileSystem& FileSystemOf(const HostPath& path);

// While it lives, the volume is read for every path at or below `root` (compared as written,
// component by component). Attachments nest; the latest holds where roots overlap.
class AttachedVolume {
public:
    AttachedVolume(HostPath root, std::shared_ptr<const FileSystem> volume);
    ~AttachedVolume();
    AttachedVolume(const AttachedVolume&) = delete;
    AttachedVolume& operator=(const AttachedVolume&) = delete;

private:
    HostPath root_;
};

// The machine's own implementations, which the functions of dir_listing.h, file_access.h and
// FileBytes::Open use for paths of no attached volume.
namespace system_fs {
std::vector<DirEntry> ListDirectory(const HostPath& dir, ListPattern pattern);
ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent);
std::vector<HostPath> DirectoryEntries(const HostPath& dir);
bool PathExists(const HostPath& path);
bool IsDirectory(const HostPath& path);
bool IsFile(const HostPath& path);
std::optional<FileBytes> OpenBytes(const std::string& path);
}  // namespace system_fs

}  // namespace ostrevan::platform
