#include "platform/program_files.h"

namespace ostrevan::platform {

HostPath ProgramDirectory() {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path(ec);
    return exe.parent_path();
}

}  // namespace ostrevan::platform
