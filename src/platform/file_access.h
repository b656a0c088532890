#pragma once
// Files named by host paths, through the functions the system implements: on Windows 95, 98
// and ME the ANSI ones (the wide ones, which the standard library uses there, are stubs).
#include <fstream>
#include <vector>

#include "platform/host_path.h"

namespace ostrevan::platform {

bool PathExists(const HostPath& path);
bool IsDirectory(const HostPath& path);
bool IsFile(const HostPath& path);

// What tells one folder from another however it is spelt: its device and inode where the
// system has them, on Windows NT its volume serial and file index; on Windows 95/98/ME its
// spelling with case, trailing dots and blanks of each name and the "\\?\" prefix taken out.
// Empty when the folder cannot be found.
std::string FolderIdentity(const HostPath& dir);

// Every entry of the directory (hidden and system ones too), without "." and ".."; none when it
// cannot be read.
std::vector<HostPath> DirectoryEntries(const HostPath& dir);

// Opens the stream on the file in binary mode (the output stream truncates it).
void OpenStream(std::ifstream& in, const HostPath& path);
void OpenStream(std::ofstream& out, const HostPath& path);

// Puts the file `from` in the place of `to`, replacing it; false when that failed.
bool MoveFileOver(const HostPath& from, const HostPath& to);
// Deletes the file; false when it was not there or could not be deleted.
bool RemoveFile(const HostPath& path);

}  // namespace ostrevan::platform
