#pragma once
// Which of the system's file functions the Windows services call. Windows 95, 98 and ME
// implement only the ANSI ("A") functions, whose texts are in the system's code page; their
// wide ("W") functions are stubs that fail. The NT family implements both, and the wide ones
// reach every name. The choice is made once, from the platform id that GetVersionExA reports,
// and never by trying a wide call and looking at its failure.
#include <windows.h>

#include <string>

#include "platform/dir_listing.h"
#include "platform/host_path.h"
#include "platform/scoped_win.h"

namespace ostrevan::platform::host {

// True on Windows 95, 98 and ME (VER_PLATFORM_WIN32_WINDOWS).
bool AnsiOnly();

// A host path in the system's ANSI code page, and back.
std::string Ansi(const HostPath& path);
HostPath FromAnsi(const char* ansi);

// Whole-file services in the chosen family. Attributes are INVALID_FILE_ATTRIBUTES when the
// path does not exist.
DWORD Attributes(const HostPath& path);
bool SetAttributes(const HostPath& path, DWORD attributes);
HANDLE Open(const HostPath& path, DWORD access, DWORD share, DWORD disposition);
bool Remove(const HostPath& path);
// Replaces `to` with `from` (MoveFileEx on NT; on Windows 95/98/ME, which lack it, a delete and a
// move: no file is lost, but for a moment `to` does not exist).
bool Replace(const HostPath& from, const HostPath& to);

// A folder opened on Windows NT for its attributes, as itself when it is a link (`link` true)
// or as what the link leads to, without leave to delete: while the handle is held, the folder
// cannot be renamed or removed. False when it cannot be opened (and always on Windows 95/98/ME,
// which cannot open a folder as a file: callers do not ask there).
struct OpenedFolder {
    win::ScopedFile handle;
    BY_HANDLE_FILE_INFORMATION info{};
    // The volume serial and file index: one folder however it is spelt.
    FolderKey key() const {
        return {info.dwVolumeSerialNumber, (uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    }
};
bool OpenFolder(const HostPath& dir, bool link, OpenedFolder& out);

}  // namespace ostrevan::platform::host
