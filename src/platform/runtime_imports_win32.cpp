#include <windows.h>
#include <sys/stat.h>

// Functions that the C and C++ runtimes linked into the program import, answered here instead:
// - CreateSemaphoreW (the unnamed semaphores of the -win32 thread model's locks), GetModuleHandleW
//   (the C runtime's look-up of msvcrt.dll for its newer functions) and LoadLibraryW (its
//   look-up of advapi32.dll for random numbers): Windows 95, 98 and ME export them only as stubs
//   that fail, so they are answered through the ANSI functions, which every Windows implements;
// - _fstat64 (the file streams' size query): msvcrt.dll has it only from Windows XP on, so it is
//   answered through _fstati64, which the msvcrt.dll of Windows 98 and NT 4.0 has.
// The linker is told to take these definitions (see CMakeLists.txt), so the system's own are
// never imported.
namespace {

// The ANSI spelling of a short system name ("msvcrt.dll"); false when it does not fit.
bool Narrow(LPCWSTR wide, char (&out)[MAX_PATH]) {
    return WideCharToMultiByte(CP_ACP, 0, wide, -1, out, MAX_PATH, nullptr, nullptr) > 0;
}

HANDLE WINAPI CreateSemaphoreThroughAnsi(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                                         LPCWSTR name) {
    char narrow[MAX_PATH];
    if (name && !Narrow(name, narrow)) {
        SetLastError(ERROR_INVALID_NAME);
        return nullptr;
    }
    return CreateSemaphoreA(security, initial, maximum, name ? narrow : nullptr);
}

HMODULE WINAPI GetModuleHandleThroughAnsi(LPCWSTR name) {
    char narrow[MAX_PATH];
    if (name && !Narrow(name, narrow)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return GetModuleHandleA(name ? narrow : nullptr);
}

HMODULE WINAPI LoadLibraryThroughAnsi(LPCWSTR name) {
    char narrow[MAX_PATH];
    if (!name || !Narrow(name, narrow)) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return LoadLibraryA(narrow);
}

}  // namespace

#if defined(__i386__)
// The 32-bit msvcrt.dll's own _fstati64 (the headers name _fstat64 so), with 32-bit times. The
// 64-bit msvcrt.dll always has _fstat64, and its _fstati64 has another layout.
extern "C" int __cdecl msvcrt_fstati64(int fd, struct _stat32i64* out) __asm__("__fstati64");

extern "C" int __cdecl ostrevan_fstat64(int fd, struct _stat64* out) {
    struct _stat32i64 s;
    if (msvcrt_fstati64(fd, &s) != 0) return -1;
    out->st_dev = s.st_dev;
    out->st_ino = s.st_ino;
    out->st_mode = s.st_mode;
    out->st_nlink = s.st_nlink;
    out->st_uid = s.st_uid;
    out->st_gid = s.st_gid;
    out->st_rdev = s.st_rdev;
    out->st_size = s.st_size;
    out->st_atime = s.st_atime;
    out->st_mtime = s.st_mtime;
    out->st_ctime = s.st_ctime;
    return 0;
}
#endif

// The import slots the runtime's code reads (32-bit names carry the stdcall decoration and one
// more underscore). The 64-bit build for the tests under Wine takes the same answers to the
// wide functions.
#if defined(__i386__)
#define OSTREVAN_IMPORT_SLOT(name, bytes) __asm__("__imp__" #name "@" #bytes)
#else
#define OSTREVAN_IMPORT_SLOT(name, bytes) __asm__("__imp_" #name)
#endif

extern "C" {
extern const decltype(&CreateSemaphoreThroughAnsi) ostrevan_create_semaphore_w
    OSTREVAN_IMPORT_SLOT(CreateSemaphoreW, 16);
const decltype(&CreateSemaphoreThroughAnsi) ostrevan_create_semaphore_w = &CreateSemaphoreThroughAnsi;
extern const decltype(&GetModuleHandleThroughAnsi) ostrevan_get_module_handle_w
    OSTREVAN_IMPORT_SLOT(GetModuleHandleW, 4);
const decltype(&GetModuleHandleThroughAnsi) ostrevan_get_module_handle_w = &GetModuleHandleThroughAnsi;
extern const decltype(&LoadLibraryThroughAnsi) ostrevan_load_library_w
    OSTREVAN_IMPORT_SLOT(LoadLibraryW, 4);
const decltype(&LoadLibraryThroughAnsi) ostrevan_load_library_w = &LoadLibraryThroughAnsi;
#if defined(__i386__)
extern const decltype(&ostrevan_fstat64) ostrevan_fstat64_slot __asm__("__imp___fstat64");
const decltype(&ostrevan_fstat64) ostrevan_fstat64_slot = &ostrevan_fstat64;
#endif
}
