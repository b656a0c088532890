#include <windows.h>

#include <algorithm>

#include "platform/dir_listing.h"
#include "platform/file_system.h"
#include "platform/host_api_win32.h"
#include "platform/scoped_win.h"
#include "platform/vb_error.h"

namespace ostrevan::platform {
namespace {

// The search text for `dir`: on NT, long absolute paths take the "\\?\" form, which lifts the
// 260-character limit (Windows 95/98/ME know no such form).
std::wstring SearchText(const HostPath& dir, const wchar_t* pattern) {
    std::wstring s = dir.wstring();
    if (!s.empty() && s.back() != L'\\' && s.back() != L'/') s += L'\\';
    s += pattern;
    if (!host::AnsiOnly() && s.size() >= MAX_PATH - 12 && s.size() > 2 && s[1] == L':')
        s = L"\\\\?\\" + s;
    return s;
}

// One entry as either family reports it.
struct Found {
    std::wstring name;
    DWORD attributes;
    std::wstring shortName;  // the 8.3 alias, empty when the name is one already
};

// Every entry that matches `search`, through FindFirstFileA on Windows 95/98/ME and
// FindFirstFileW elsewhere. False when the search could not start for another reason than
// an empty match.
bool Search(const std::wstring& search, std::vector<Found>& out) {
    DWORD err = ERROR_SUCCESS;
    // A removable drive without a medium fails here instead of asking the user for a disk.
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (host::AnsiOnly()) {
        WIN32_FIND_DATAA fd;
        win::ScopedFind h(FindFirstFileA(host::Ansi(HostPath(search)).c_str(), &fd));
        if (!h) {
            err = GetLastError();
        } else {
            do out.push_back(Found{host::FromAnsi(fd.cFileName).native(), fd.dwFileAttributes,
                                   host::FromAnsi(fd.cAlternateFileName).native()});
            while (FindNextFileA(h.get(), &fd));
        }
    } else {
        WIN32_FIND_DATAW fd;
        win::ScopedFind h(FindFirstFileW(search.c_str(), &fd));
        if (!h) {
            err = GetLastError();
        } else {
            do out.push_back(Found{fd.cFileName, fd.dwFileAttributes, fd.cAlternateFileName});
            while (FindNextFileW(h.get(), &fd));
        }
    }
    SetErrorMode(old);
    // An empty match is no failure; a directory that cannot be read is.
    return err == ERROR_SUCCESS || err == ERROR_FILE_NOT_FOUND || err == ERROR_NO_MORE_FILES;
}

// The name the report and the result files give an entry: its own, or, when that has no
// Windows-1252 spelling (Cyrillic, Greek, CJK ...), its 8.3 alias, the name the system gives
// such a file in the 8-bit world, so that the user can find it; question marks would not tell.
std::string ListedName(const Found& f) {
    std::string stored = StoredName(f.name);
    if (f.shortName.empty() || HostPathFromStored(stored).native() == f.name) return stored;
    return StoredName(f.shortName);
}

// The entries of `found` as the listing gives them: "." and "..", hidden and system entries
// left out, and with `programsOnly` only plain files.
std::vector<DirEntry> Entries(const HostPath& dir, const std::vector<Found>& found, bool programsOnly,
                              std::vector<DirEntry>* programs = nullptr) {
    std::vector<DirEntry> out;
    for (const Found& f : found) {
        const std::wstring& name = f.name;
        if (name == L"." || name == L"..") continue;
        const DWORD a = f.attributes;
        if (a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        EntryKind kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::kLink
                         : (a & FILE_ATTRIBUTE_DIRECTORY)   ? EntryKind::kDirectory
                         : (a & FILE_ATTRIBUTE_DEVICE)      ? EntryKind::kOther
                                                            : EntryKind::kFile;
        if (programsOnly && kind != EntryKind::kFile) continue;
        out.push_back(DirEntry{ListedName(f), dir / name, kind});
        // The system's "*.exe" matches the long name or the 8.3 alias.
        if (programs && kind == EntryKind::kFile && (HasProgramExtension(name) || HasProgramExtension(f.shortName)))
            programs->push_back(out.back());
    }
    return out;
}

}  // namespace

namespace system_fs {
std::vector<DirEntry> ListDirectory(const HostPath& dir, ListPattern pattern) {
    const bool programs = pattern == ListPattern::kPrograms;
    std::vector<Found> found;
    if (!Search(SearchText(dir, programs ? L"*.exe" : L"*"), found))
        throw VbError(kErrPathNotFound, "Path not found");
    return Entries(dir, found, programs);
}

// One search serves both lists: the programs are the plain files whose name or alias the
// system's "*.exe" would match, in the same order. On Windows NT the folder is held open while
// it is listed; a folder inside a listed one must not be a link and must still have that folder
// above it (Windows 95/98/ME cannot open a folder, and know no links to folders).
ProgramsAndAll ListProgramsAndAll(const HostPath& dir, const FolderKey& parent) {
    ProgramsAndAll out;
    host::OpenedFolder held;
    if (!host::AnsiOnly() && host::OpenFolder(dir, parent.known(), held)) {
        out.listed = false;
        if (parent.known()) {
            if (held.info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) return out;
            host::OpenedFolder up;
            const HostPath self = dir.has_filename() ? dir : dir.parent_path();  // "A\\" is A
            if (!host::OpenFolder(self.parent_path(), false, up) || !(up.key() == parent)) return out;
        }
        out.key = held.key();
    }
    std::vector<Found> found;
    out.listed = Search(SearchText(dir, L"*"), found);
    if (out.listed) out.all = Entries(dir, found, false, &out.programs);
    return out;
}
}  // namespace system_fs

}  // namespace ostrevan::platform
