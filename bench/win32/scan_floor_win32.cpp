// The floor of a Windows scan: walk a tree, open every .EXE and read its first 4 KB and the
// 64 KB after its headers, nothing more. Timed by bench/scan_floor.py --wine beside
// ostrevan-scan.exe, it tells what of the Windows scan's time is the system's own file access.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

char buffer[4096 + 65536];
long programs = 0;

void Walk(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            Walk(path);
            continue;
        }
        if (name.size() < 4 || lstrcmpiA(name.c_str() + name.size() - 4, ".exe") != 0) continue;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD got = 0;
        if (ReadFile(file, buffer, 4096, &got, nullptr) && SetFilePointer(file, 8192, nullptr, FILE_BEGIN) != 0xFFFFFFFF)
            ReadFile(file, buffer + 4096, 65536, &got, nullptr);
        CloseHandle(file);
        ++programs;
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ostrevan-scan-floor FOLDER\n");
        return 2;
    }
    Walk(argv[1]);
    std::printf("%ld programs\n", programs);
    return 0;
}
