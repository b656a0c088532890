#include "platform/file_access.h"
#include "platform/host_api_win32.h"

namespace ostrevan::platform {

bool PathExists(const HostPath& path) { return host::Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const HostPath& path) {
    const DWORD a = host::Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

// The library's wide opening (_wfopen) fails on Windows 95/98/ME; there the ANSI path is opened.
void OpenStream(std::ifstream& in, const HostPath& path) {
    if (host::AnsiOnly())
        in.open(host::Ansi(path), std::ios::binary);
    else
        in.open(path, std::ios::binary);
}

void OpenStream(std::ofstream& out, const HostPath& path) {
    const auto mode = std::ios::binary | std::ios::trunc;
    if (host::AnsiOnly())
        out.open(host::Ansi(path), mode);
    else
        out.open(path, mode);
}

bool MoveFileOver(const HostPath& from, const HostPath& to) { return host::Replace(from, to); }

bool RemoveFile(const HostPath& path) { return host::Remove(path); }

}  // namespace ostrevan::platform
