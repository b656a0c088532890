#include <windows.h>

#include <vector>

#include "platform/ansi_path.h"
#include "platform/host_api_win32.h"

namespace ostrevan::platform {
namespace {

// The ANSI text of `w`, and whether every character had its own spelling.
std::string ToAnsi(const std::wstring& w, bool& exact) {
    BOOL lossy = FALSE;
    const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, nullptr, 0, nullptr, &lossy);
    exact = false;
    if (n <= 0) return "";
    std::string s(static_cast<size_t>(n), '\0');
    lossy = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, s.data(), n, nullptr, &lossy);
    s.resize(static_cast<size_t>(n - 1));
    exact = !lossy;
    return s;
}

}  // namespace

std::string AnsiOpenablePath(const HostPath& path) {
    const std::wstring w = path.wstring();
    bool exact = false;
    std::string ansi = ToAnsi(w, exact);
    // Windows 95/98/ME name every file in the code page (their listing is ANSI) and have no
    // wide short-name look-up.
    if (exact || host::AnsiOnly()) return ansi;
    const DWORD n = GetShortPathNameW(w.c_str(), nullptr, 0);
    if (n == 0) return ansi;
    std::vector<wchar_t> buf(n);
    if (GetShortPathNameW(w.c_str(), buf.data(), n) == 0) return ansi;
    std::string shortened = ToAnsi(std::wstring(buf.data()), exact);
    return exact ? shortened : ansi;
}

}  // namespace ostrevan::platform
