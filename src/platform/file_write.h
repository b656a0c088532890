#pragma once
// The one way Ostrevan writes a file. The bytes go to a temporary file that is created new
// (never opened through a link or a file someone else placed there) in the target's folder and
// is renamed over the target only once it is complete, so the target is either the old file or
// the new one, never a torn one. A failure removes only the temporaries this writer made. While
// it writes, the writer holds a lock on the folder, so two programs saving into one folder take
// turns instead of mixing their files. Failures are told as a sentence naming the cause ("The
// disk is full.").
#include <string>
#include <string_view>
#include <vector>

#include "platform/host_path.h"

namespace ostrevan::platform {

struct FileContent {
    HostPath path;
    std::string_view bytes;
};

// Replaces several files of one folder together: every temporary is written completely before
// the first is renamed, so a failure while writing (a full disk) leaves all the old files as
// they were. The empty text when all were replaced, otherwise why not.
std::string WriteFilesTogether(const std::vector<FileContent>& files);

// Writes bytes as the whole content of the file at path, replacing an existing file. Returns
// the empty text when the file was written, otherwise why not. A target that exists and is not
// a plain file (a device, a link, a folder) is left alone and refused.
inline std::string WriteWholeFile(const HostPath& path, std::string_view bytes) {
    return WriteFilesTogether({{path, bytes}});
}

// Whether a file could be written at path, found out by creating and removing a temporary
// beside it; the empty text when it could, otherwise why not. For checking a target before
// long work whose result is to be saved there.
std::string CheckWritable(const HostPath& path);

// How long a save waits for another program's save into the same folder to end.
inline constexpr int kFolderLockWaitSeconds = 30;

}  // namespace ostrevan::platform
