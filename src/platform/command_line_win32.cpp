#include <windows.h>
#include <shellapi.h>
#include <io.h>

#include "platform/command_line.h"
#include "platform/host_api_win32.h"
#include "platform/scoped_win.h"

namespace ostrevan::platform {
namespace {

// UTF-8 from UTF-16, encoded here: Windows 95 converts only to its code pages.
std::string ToUtf8(const wchar_t* w) {
    std::string s;
    for (; *w; ++w) {
        uint32_t c = static_cast<uint16_t>(*w);
        if (c >= 0xD800 && c < 0xDC00 && w[1] >= 0xDC00 && w[1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint16_t>(*++w) - 0xDC00);
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else {
            const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
            s += static_cast<char>(((0xFF00 >> (extra + 1)) & 0xFF) | (c >> (6 * extra)));
            for (int i = extra - 1; i >= 0; --i) s += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
        }
    }
    return s;
}

}  // namespace

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int n = 0;
    // Windows 95/98/ME have no wide command line: their arguments are in the code page. On NT
    // the shell's splitter is looked up, so that the program needs no more of the shell.
    using SplitFn = LPWSTR*(WINAPI*)(LPCWSTR, int*);
    HMODULE shell = host::AnsiOnly() ? nullptr : LoadLibraryA("shell32.dll");
    const auto split = shell ? reinterpret_cast<SplitFn>(reinterpret_cast<void*>(
                                   GetProcAddress(shell, "CommandLineToArgvW")))
                             : nullptr;
    wchar_t** wargv = split ? split(GetCommandLineW(), &n) : nullptr;
    if (!wargv) {
        std::vector<std::string> out;
        for (int i = 1; i < argc; ++i) out.push_back(ToUtf8(host::FromAnsi(argv[i]).c_str()));
        return out;
    }
    const win::ScopedLocal block(static_cast<HLOCAL>(wargv));
    std::vector<std::string> out;
    for (int i = 1; i < n; ++i) out.push_back(ToUtf8(wargv[i]));
    return out;
}

HostPath HostPathFromUtf8(const std::string& utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    if (n <= 1) return HostPath();
    std::wstring w(static_cast<size_t>(n - 1), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, w.data(), n);
    return HostPath(w);
}

std::string Utf8FromHostPath(const HostPath& path) { return ToUtf8(path.c_str()); }

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

}  // namespace ostrevan::platform
