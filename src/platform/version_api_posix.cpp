#include "platform/version_api.h"

// Without the system's version library the portable reader answers.
namespace ostrevan::version::platform {

uint32_t GetFileVersionInfoSizeA(const std::string& path) { return portable::GetFileVersionInfoSizeA(path); }

bool GetFileVersionInfoA(const std::string& path, uint32_t length, std::vector<uint8_t>& block) {
    return portable::GetFileVersionInfoA(path, length, block);
}

bool VerQueryValueA(std::vector<uint8_t>& block, const std::string& subBlock, const uint8_t** value,
                    uint32_t* length) {
    return portable::VerQueryValueA(block, subBlock, value, length);
}

bool LoadVersionInfo(const std::string& path, std::vector<uint8_t>& block) {
    return portable::LoadVersionInfo(path, block);
}

}  // namespace ostrevan::version::platform
