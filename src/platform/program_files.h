#pragma once
// The program's own directory and whole-file copies.
#include "platform/host_path.h"

namespace ostrevan::platform {

// The directory that holds the running executable.
HostPath ProgramDirectory();

// Copies the plain file `from` (at most kMaxCopiedFile bytes) to `to` through the one writer,
// replacing an existing `to`. False when the copy failed (source missing, destination not
// ready, write-protected or full); a failed copy leaves no partial file under the target's name.
inline constexpr unsigned long long kMaxCopiedFile = 64ull << 20;
bool CopyWholeFile(const HostPath& from, const HostPath& to);

}  // namespace ostrevan::platform
