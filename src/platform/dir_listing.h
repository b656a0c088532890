#pragma once
// Directory listing with the attribute filter of the scan: entries marked hidden or system are
// never listed, "." and ".." are never listed, names come in the order the file system gives
// them (nothing is sorted). Symbolic links, junctions and other reparse points are listed as
// links and are never followed, so a link that points back up the tree cannot make a walk
// endless.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/folder_anchor.h"
#include "platform/host_path.h"

namespace ostrevan::platform {

enum class EntryKind { kFile, kDirectory, kLink, kOther };

struct DirEntry {
    std::string name;  // the stored name (Windows-1252)
    HostPath host;     // the entry's host path, to open or to list
    EntryKind kind = EntryKind::kOther;
};

enum class ListPattern {
    kPrograms,  // "*.exe": plain files whose name ends in ".exe", without regard to case
    kAll,       // every visible name: files, directories, links and others
};

// Lists the directory at host path `dir`. Throws VbError 76 (path not found) when the
// directory cannot be listed (missing, not a directory, no permission).
std::vector<DirEntry> ListDirectory(const HostPath& dir, ListPattern pattern);

// One directory as a walk needs it: what kPrograms lists and what kAll lists, each in the
// file system's order and each empty when it cannot be listed, from one listing. Where the
// system's own "*.exe" match also tries short names, a file whose 8.3 alias ends in ".EXE" is a
// program too.
//
// A walk names the folder it listed each directory in (`parent`, the key that folder's listing
// gave): a directory that is no longer inside that folder when it is entered, because it or a
// folder above it was swapped for a link meanwhile, is not listed. The top of a walk has no
// parent and may be reached through links.
struct FolderKey {
    uint64_t device = 0, inode = 0;  // on Windows NT the volume serial and file index
    bool known() const { return device != 0 || inode != 0; }
    friend bool operator==(const FolderKey&, const FolderKey&) = default;
};
struct ProgramsAndAll {
    std::vector<DirEntry> programs, all;
    bool listed = true;  // false: the directory could not be listed (no permission, gone)
    FolderKey key;       // the folder listed, to name as the parent of its subdirectories
    std::shared_ptr<const ListedFolder> folder;
};
ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent = {});


// True when `host_name` ends in ".exe" without regard to letter case.
bool HasProgramExtension(const HostPath::string_type& host_name);

}  // namespace ostrevan::platform
