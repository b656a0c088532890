#include "platform/program_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/file_write.h"

namespace ostrevan::platform {

bool CopyWholeFile(const HostPath& from, const HostPath& to) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(from, ec)) return false;
    const auto size = std::filesystem::file_size(from, ec);
    if (ec || size > kMaxCopiedFile) return false;
    std::ifstream in(from, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad() || bytes.size() != size) return false;
    return WriteWholeFile(to, bytes).empty();
}

}  // namespace ostrevan::platform
