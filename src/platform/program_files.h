#pragma once
// The program's own directory and whole-file copies.
#include "platform/host_path.h"

namespace ostrevan::platform {

// The directory that holds the running executable.
HostPath ProgramDirectory();

// Copies the file `from` to `to`, replacing an existing `to`. False when the copy failed
// (source missing, destination not ready, write-protected or full); a failed copy leaves no
// partial file under the target's name.
bool CopyWholeFile(const HostPath& from, const HostPath& to);

}  // namespace ostrevan::platform
