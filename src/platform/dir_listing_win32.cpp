#include <windows.h>

#include "platform/dir_listing.h"
#include "platform/vb_error.h"

namespace ostrevan::platform {
namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE h) : h_(h) {}
    ~FindHandle() {
        if (h_ != INVALID_HANDLE_VALUE) FindClose(h_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

// The search text for `dir`: long absolute paths take the "\\?\" form, which lifts the
// 260-character limit.
std::wstring SearchText(const HostPath& dir, const wchar_t* pattern) {
    std::wstring s = dir.wstring();
    if (!s.empty() && s.back() != L'\\' && s.back() != L'/') s += L'\\';
    s += pattern;
    if (s.size() >= MAX_PATH - 12 && s.size() > 2 && s[1] == L':') s = L"\\\\?\\" + s;
    return s;
}

}  // namespace

std::vector<DirEntry> ListDirectory(const HostPath& dir, ListPattern pattern) {
    const bool programs = pattern == ListPattern::kPrograms;
    WIN32_FIND_DATAW fd;
    // A removable drive without a medium fails here instead of asking the user for a disk.
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    FindHandle h(FindFirstFileW(SearchText(dir, programs ? L"*.exe" : L"*").c_str(), &fd));
    const DWORD error = GetLastError();
    SetErrorMode(old);
    std::vector<DirEntry> out;
    if (h.get() == INVALID_HANDLE_VALUE) {
        // An empty match is no failure; a directory that cannot be read is.
        if (error == ERROR_FILE_NOT_FOUND) return out;
        throw VbError(kErrPathNotFound, "Path not found");
    }
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        const DWORD a = fd.dwFileAttributes;
        if (a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        EntryKind kind = (a & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::kLink
                         : (a & FILE_ATTRIBUTE_DIRECTORY)   ? EntryKind::kDirectory
                         : (a & FILE_ATTRIBUTE_DEVICE)      ? EntryKind::kOther
                                                            : EntryKind::kFile;
        if (programs && kind != EntryKind::kFile) continue;
        out.push_back(DirEntry{StoredName(name), dir / name, kind});
    } while (FindNextFileW(h.get(), &fd));
    return out;
}

}  // namespace ostrevan::platform
