#include <windows.h>

#include <string>

#include "platform/file_write.h"
#include "platform/host_api_win32.h"

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

}  // namespace

std::string WriteWholeFile(const HostPath& path, std::string_view bytes) {
    if (path.empty()) return Reason(ERROR_PATH_NOT_FOUND);
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS);
    HANDLE h = host::Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        SetErrorMode(oldMode);
        return Reason(err);
    }
    DWORD err = 0;
    const char* p = bytes.data();
    size_t n = bytes.size();
    while (n > 0) {
        const DWORD chunk = n > 0x100000 ? 0x100000 : static_cast<DWORD>(n);
        DWORD written = 0;
        if (!WriteFile(h, p, chunk, &written, nullptr)) {
            err = GetLastError();
            break;
        }
        p += written;
        n -= written;
    }
    if (!CloseHandle(h) && err == 0) err = GetLastError();
    if (err != 0) host::Remove(path);
    SetErrorMode(oldMode);
    return err != 0 ? Reason(err) : std::string();
}

}  // namespace ostrevan::platform
