#include "platform/dir_listing.h"

namespace ostrevan::platform {

bool HasProgramExtension(const HostPath::string_type& host_name) {
    if (host_name.size() < 4) return false;
    const auto* tail = host_name.data() + host_name.size() - 4;
    auto lower = [](auto c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
    return tail[0] == '.' && lower(tail[1]) == 'e' && lower(tail[2]) == 'x' && lower(tail[3]) == 'e';
}

}  // namespace ostrevan::platform
