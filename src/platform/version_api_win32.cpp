#include <windows.h>

#include <algorithm>

#include "platform/version_api.h"

// The system's version library, guarded so that a damaged block cannot make it read or write
// outside the buffer: it trusts the block's stored length.
namespace ostrevan::version::platform {

uint32_t GetFileVersionInfoSizeA(const std::string& path) {
    DWORD handle = 0;
    return ::GetFileVersionInfoSizeA(path.c_str(), &handle);
}

bool GetFileVersionInfoA(const std::string& path, uint32_t length, std::vector<uint8_t>& block) {
    if (block.size() < length) return false;
    return ::GetFileVersionInfoA(path.c_str(), 0, length, block.data()) != 0;
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

bool LoadVersionInfo(const std::string& path, std::vector<uint8_t>& block) {
    block.clear();
    const uint32_t size = GetFileVersionInfoSizeA(path);
    if (size == 0 || size > kMaxVersionBuffer) return false;
    block.assign(uint64_t{size} + 2, 0);
    if (GetFileVersionInfoA(path, size, block)) return true;
    block.clear();
    return false;
}

}  // namespace ostrevan::version::platform
