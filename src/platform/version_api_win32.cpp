#include <windows.h>

#include <algorithm>

#include "platform/version_api.h"

// The system's version library, guarded so that a damaged block cannot make it read or write
// outside the buffer: it trusts the block's stored length.
namespace ostrevan::version::platform {
namespace {

// The 8-bit functions stop at MAX_PATH characters. A longer path (on a volume without short
// names) is read through the wide functions in the "\\?\" form; they are looked up when
// needed, as not every system has them.
bool TooLong(const std::string& path) { return path.size() >= MAX_PATH; }

std::wstring LongForm(const std::string& path) {
    const int n = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring w(static_cast<size_t>(std::max(n, 1)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, w.data(), n);
    w.resize(w.size() - 1);
    std::replace(w.begin(), w.end(), L'/', L'\\');
    return w.size() > 2 && w[1] == L':' ? L"\\\\?\\" + w : w;
}

template <typename F>
F Wide(const char* name) {
    HMODULE lib = GetModuleHandleA("version.dll");
    return lib ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(lib, name))) : nullptr;
}

}  // namespace

uint32_t GetFileVersionInfoSizeA(const std::string& path) {
    DWORD handle = 0;
    if (!TooLong(path)) return ::GetFileVersionInfoSizeA(path.c_str(), &handle);
    auto size = Wide<DWORD(WINAPI*)(LPCWSTR, LPDWORD)>("GetFileVersionInfoSizeW");
    return size ? size(LongForm(path).c_str(), &handle) : 0;
}

bool GetFileVersionInfoA(const std::string& path, uint32_t length, std::vector<uint8_t>& block) {
    if (block.size() < length) return false;
    if (!TooLong(path)) return ::GetFileVersionInfoA(path.c_str(), 0, length, block.data()) != 0;
    auto info = Wide<BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID)>("GetFileVersionInfoW");
    return info && info(LongForm(path).c_str(), 0, length, block.data()) != 0;
}

bool VerQueryValueA(std::vector<uint8_t>& block, const std::string& subBlock, const uint8_t** value,
                    uint32_t* length) {
    *value = nullptr;
    *length = 0;
    if (block.size() < 6) return false;
    const size_t stored = block[0] | (block[1] << 8);
    // Text values are converted behind the block: it needs twice its length plus 4.
    if (stored == 0 || stored * 2 + 4 > block.size()) return false;
    void* out = nullptr;
    UINT len = 0;
    if (!::VerQueryValueA(block.data(), subBlock.c_str(), &out, &len)) return false;
    const auto* p = static_cast<const uint8_t*>(out);
    const uint8_t* begin = block.data();
    const uint8_t* end = begin + block.size();
    if (p < begin || p > end) return false;
    *value = p;
    *length = static_cast<uint32_t>(std::min<size_t>(len, static_cast<size_t>(end - p)));
    return true;
}

}  // namespace ostrevan::version::platform
