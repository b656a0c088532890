#include "platform/os_identity.h"

namespace ostrevan::platform {

OsIdentity QueryOsIdentity() { return OsIdentity{}; }

}  // namespace ostrevan::platform
