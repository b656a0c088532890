#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/command_line.h"
#include "platform/host_api_win32.h"
#include "platform/scoped_win.h"

namespace ostrevan::platform {

// The machine's own answers, from the path's attributes.
namespace system_fs {
bool PathExists(const HostPath& path) { return host::Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const HostPath& path) {
    const DWORD a = host::Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFile(const HostPath& path) {
    const DWORD a = host::Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE));
}
}  // namespace system_fs

namespace {

// The volume serial and file index of the opened folder: one folder however it is spelt (case,
// trailing dots, the long-path prefix, a short name, a junction). Windows NT only: Windows
// 95/98/ME cannot open a folder as a file, and there the spelling is compared instead.
std::string OpenedFolderIdentity(const HostPath& dir) {
    host::OpenedFolder f;
    if (host::AnsiOnly() || !host::OpenFolder(dir, false, f) || !(f.info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return {};
    return "volume " + std::to_string(f.key().device) + " folder " + std::to_string(f.key().inode);
}

}  // namespace

std::string FolderIdentity(const HostPath& dir) {
    if (!IsDirectory(dir)) return {};
    if (std::string opened = OpenedFolderIdentity(dir); !opened.empty()) return opened;
    std::string spelt = Utf8FromHostPath(dir);
    if (spelt.rfind("\\\\?\\", 0) == 0) spelt.erase(0, 4);
    spelt = Utf8FromHostPath((HostPathFromUtf8(spelt) / "").lexically_normal());
    std::string id;
    for (size_t from = 0; from <= spelt.size();) {
        size_t end = spelt.find_first_of("\\/", from);
        if (end == std::string::npos) end = spelt.size();
        std::string name = spelt.substr(from, end - from);
        // Windows drops trailing dots and blanks of a name ("PC-01." is PC-01), except in "." and "..".
        if (name != "." && name != "..")
            while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
        for (char& c : name)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        id += name + "\\";
        from = end + 1;
    }
    return id;
}

namespace system_fs {
std::vector<HostPath> DirectoryEntries(const HostPath& dir) {
    std::vector<HostPath> out;
    const auto keep = [&](const std::wstring& name) {
        if (name != L"." && name != L"..") out.push_back(dir / name);
    };
    const UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    if (host::AnsiOnly()) {
        WIN32_FIND_DATAA fd;
        const win::ScopedFind h(FindFirstFileA(host::Ansi(dir / L"*").c_str(), &fd));
        if (h) {
            do keep(host::FromAnsi(fd.cFileName).native());
            while (FindNextFileA(h.get(), &fd));
        }
    } else {
        WIN32_FIND_DATAW fd;
        const win::ScopedFind h(FindFirstFileW((dir / L"*").c_str(), &fd));
        if (h) {
            do keep(fd.cFileName);
            while (FindNextFileW(h.get(), &fd));
        }
    }
    SetErrorMode(old);
    return out;
}
}  // namespace system_fs

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
