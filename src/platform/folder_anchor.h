#pragma once
// A folder the walk has listed, held open while its programs are read: the programs are then
// opened through the folder as it was listed, never through a link put in its place or above it
// meanwhile (on Windows the folder is not held and programs are opened by name).
#include <memory>
#include <string>

#include "platform/host_path.h"

namespace ostrevan::platform {

struct ListedFolder;

#if !defined(_WIN32)
// Holds the open descriptor `fd` of the folder at `path` (and closes it).
std::shared_ptr<const ListedFolder> HoldListedFolder(int fd, const HostPath& path);
#endif

// While an anchor lives, the programs of its listing (files directly in the folder) are opened
// through the folder as it was listed, never through a link put in its place or above it
// meanwhile. Anchors nest; the innermost one holds.
class FolderAnchor {
public:
    explicit FolderAnchor(std::shared_ptr<const ListedFolder> folder);
    ~FolderAnchor();
    FolderAnchor(const FolderAnchor&) = delete;
    FolderAnchor& operator=(const FolderAnchor&) = delete;

private:
    std::shared_ptr<const ListedFolder> folder_;
    const ListedFolder* previous_;
};

#if !defined(_WIN32)
// Opens `path` (open(2) flags) relative to the anchored folder when the file lies directly in
// it, without following a link; kNotAnchored when no anchor holds that folder.
inline constexpr int kNotAnchored = -2;
int OpenInAnchoredFolder(const std::string& path, int flags);
#endif

}  // namespace ostrevan::platform
