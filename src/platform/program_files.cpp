#include "platform/program_files.h"

#include <fstream>
#include <string>

#include "platform/file_access.h"
#include "platform/file_write.h"

namespace ostrevan::platform {

bool CopyWholeFile(const HostPath& from, const HostPath& to) {
    if (!IsFile(from)) return false;
    std::ifstream in;
    OpenStream(in, from);
    if (!in) return false;
    std::string bytes;
    char buf[1 << 16];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        bytes.append(buf, static_cast<size_t>(in.gcount()));
        if (bytes.size() > kMaxCopiedFile) return false;
    }
    if (in.bad()) return false;
    return WriteWholeFile(to, bytes).empty();
}

}  // namespace ostrevan::platform
