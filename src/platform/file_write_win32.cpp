#include <windows.h>

#include <memory>
#include <string>

#include "platform/ansi_path.h"

#include "platform/file_write.h"
#include "platform/host_api_win32.h"
#include "platform/scoped_win.h"

namespace ostrevan::platform {
namespace {

std::string Reason(DWORD err) {
    switch (err) {
        case ERROR_PATH_NOT_FOUND:
        case ERROR_FILE_NOT_FOUND: return "The folder does not exist.";
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME: return "The drive does not exist.";
        case ERROR_NOT_READY: return "The drive is not ready (no disk in it).";
        case ERROR_WRITE_PROTECT: return "The disk is write-protected.";
        case ERROR_ACCESS_DENIED:
            return "Access is denied: the file or its folder is read-only or protected.";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return "The file is in use by another program.";
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return "The disk is full.";
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY: return "The name is not valid.";
        case ERROR_FILENAME_EXCED_RANGE: return "The name is too long.";
        case ERROR_TIMEOUT: return "Another program is saving into the same folder.";
        default: break;
    }
    char buf[512] = {};
    DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                             err, 0, buf, sizeof buf, nullptr);
    std::string s(buf, n);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
    if (s.empty()) s = "Error " + std::to_string(err) + ".";
    return s;
}


// The 8-bit functions throughout: they are the ones every Windows this runs on has.
constexpr const char* kNotPlain = "Something that is not a plain file (a device or a folder) has that name.";
constexpr const char* kLockName = "ostrevan.lck";

struct Target {
    std::string folder;  // 8-bit, without a trailing backslash
    std::string path;
};

Target TargetOf(const HostPath& path) {
    const HostPath dir = path.has_parent_path() ? path.parent_path() : HostPath(".");
    std::string folder = AnsiOpenablePath(dir);
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    return {folder, folder + "\\" + AnsiOpenablePath(path.filename())};
}

// MoveFileExA replaces in one step where the system has it; the 95/98/ME family answers that
// it is not implemented, and there the old file is deleted first.
DWORD ReplaceFile(const std::string& from, const std::string& to) {
    using MoveEx = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    static const MoveEx moveEx = reinterpret_cast<MoveEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "MoveFileExA")));
    if (moveEx) {
        if (moveEx(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return 0;
        const DWORD err = GetLastError();
        if (err == ERROR_ACCESS_DENIED) {
            // A target that another program holds open is "in use", not protected.
            const win::ScopedFile probe(
                CreateFileA(to.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (!probe && GetLastError() == ERROR_SHARING_VIOLATION) return ERROR_SHARING_VIOLATION;
        }
        if (err != ERROR_CALL_NOT_IMPLEMENTED) return err;
    }
    if (!DeleteFileA(to.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return GetLastError();
    return MoveFileA(from.c_str(), to.c_str()) ? 0 : GetLastError();
}

// The folder's lock: a file in it that one program at a time can hold open.
class FolderLock {
public:
    explicit FolderLock(const std::string& folder) : path_(folder + "\\" + kLockName) {
        for (int waited = 0;; waited += 50) {
            h_.reset(CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_HIDDEN, nullptr));
            if (h_) return;
            err_ = GetLastError();
            if (err_ != ERROR_SHARING_VIOLATION) return;
            if (waited >= kFolderLockWaitSeconds * 1000) {
                err_ = ERROR_TIMEOUT;
                return;
            }
            Sleep(50);
        }
    }
    ~FolderLock() {
        if (!h_) return;
        h_.reset();
        DeleteFileA(path_.c_str());  // fails harmlessly while the next program holds it
    }
    DWORD error() const { return h_ ? 0 : err_; }

private:
    std::string path_;
    win::ScopedFile h_;
    DWORD err_ = 0;
};

// A temporary created new (CREATE_NEW never opens an existing name) beside its target.
class Temporary {
public:
    explicit Temporary(const Target& target) : target_(target.path) {
        static unsigned counter = 0;
        for (int attempt = 0; attempt < 100; ++attempt) {
            const std::string name = target.folder + "\\~os" + std::to_string(GetCurrentThreadId() % 100000) + "_" +
                                     std::to_string(++counter) + ".tmp";
            h_.reset(CreateFileA(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            if (h_) {
                path_ = name;
                return;
            }
            err_ = GetLastError();
            if (err_ != ERROR_FILE_EXISTS && err_ != ERROR_ALREADY_EXISTS) return;
        }
    }
    ~Temporary() {
        h_.reset();
        if (!path_.empty() && !committed_) DeleteFileA(path_.c_str());
    }
    DWORD Write(std::string_view bytes) {
        if (!h_) return err_;
        DWORD err = 0;
        const char* p = bytes.data();
        size_t n = bytes.size();
        while (n > 0 && err == 0) {
            const DWORD chunk = n > 0x100000 ? 0x100000 : static_cast<DWORD>(n);
            DWORD written = 0;
            if (!WriteFile(h_.get(), p, chunk, &written, nullptr)) err = GetLastError();
            p += written;
            n -= written;
        }
        if (err == 0 && !FlushFileBuffers(h_.get())) err = GetLastError();
        // Closing can report a late write failure, so this one close is checked.
        if (!CloseHandle(h_.release()) && err == 0) err = GetLastError();
        return err;
    }
    DWORD Commit() {
        const DWORD err = ReplaceFile(path_, target_);
        committed_ = err == 0;
        return err;
    }

private:
    std::string target_, path_;
    win::ScopedFile h_;
    DWORD err_ = 0;
    bool committed_ = false;
};

std::string CheckTarget(const Target& t) {
    const DWORD attributes = GetFileAttributesA(t.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {};
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) ? kNotPlain : std::string();
}

}  // namespace

std::string WriteFilesTogether(const std::vector<FileContent>& files) {
    if (files.empty()) return {};
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    struct Restore {
        UINT mode;
        ~Restore() { SetErrorMode(mode); }
    } restore{oldMode};
    std::vector<Target> targets;
    for (const FileContent& f : files) {
        if (f.path.empty()) return Reason(ERROR_PATH_NOT_FOUND);
        targets.push_back(TargetOf(f.path));
        if (std::string why = CheckTarget(targets.back()); !why.empty()) return why;
    }
    FolderLock lock(targets.front().folder);
    if (DWORD err = lock.error()) return Reason(err);
    std::vector<std::unique_ptr<Temporary>> temps;
    for (size_t i = 0; i < files.size(); ++i) {
        temps.push_back(std::make_unique<Temporary>(targets[i]));
        if (DWORD err = temps.back()->Write(files[i].bytes)) return Reason(err);
    }
    for (auto& t : temps)
        if (DWORD err = t->Commit()) return Reason(err);
    return {};
}

std::string CheckWritable(const HostPath& path) {
    if (path.empty()) return Reason(ERROR_PATH_NOT_FOUND);
    const Target t = TargetOf(path);
    if (std::string why = CheckTarget(t); !why.empty()) return why;
    Temporary probe(t);
    const DWORD err = probe.Write({});
    return err ? Reason(err) : std::string();
}

}  // namespace ostrevan::platform
