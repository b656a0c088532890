#include <windows.h>

#include <algorithm>
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
    std::wstring w = path.wstring();
    bool exact = false;
    std::string ansi = ToAnsi(w, exact);
    // Windows 95/98/ME name every file in the code page (their listing is ANSI) and have no
    // wide short-name look-up.
    if (host::AnsiOnly() || (exact && ansi.size() < MAX_PATH)) return ansi;
    // The 8-bit functions stop at MAX_PATH characters; the short form of a deep path is
    // asked for through the "\\?\" form, which has no such limit.
    std::replace(w.begin(), w.end(), L'/', L'\\');
    const bool deep = w.size() >= MAX_PATH && w.size() > 2 && w[1] == L':';
    if (deep) w = L"\\\\?\\" + w;
    const DWORD n = GetShortPathNameW(w.c_str(), nullptr, 0);
    if (n == 0) return ansi;
    std::vector<wchar_t> buf(n);
    if (GetShortPathNameW(w.c_str(), buf.data(), n) == 0) return ansi;
    std::wstring shortPath(buf.data());
    if (deep && shortPath.rfind(L"\\\\?\\", 0) == 0) shortPath.erase(0, 4);
    std::string shortened = ToAnsi(shortPath, exact);
    return exact ? shortened : ansi;
}

}  // namespace ostrevan::platform
