#include "platform/dir_listing.h"

#include "platform/vb_error.h"

namespace ostrevan::platform {
#if !defined(_WIN32)
// Elsewhere "*.exe" is a plain suffix test, which one listing answers for both lists.
ProgramsAndAll ListProgramsAndAll(const HostPath& dir) {
    ProgramsAndAll out;
    try {
        out.all = ListDirectory(dir, ListPattern::kAll);
    } catch (const VbError&) {
        out.listed = false;
    }
    for (const DirEntry& e : out.all)
        if (e.kind == EntryKind::kFile && HasProgramExtension(e.host.filename().native())) out.programs.push_back(e);
    return out;
}
#endif

bool HasProgramExtension(const HostPath::string_type& host_name) {
    if (host_name.size() < 4) return false;
    const auto* tail = host_name.data() + host_name.size() - 4;
    auto lower = [](auto c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
    return tail[0] == '.' && lower(tail[1]) == 'e' && lower(tail[2]) == 'x' && lower(tail[3]) == 'e';
}

}  // namespace ostrevan::platform
