#pragma once
// Where the scan gets a program's version fields from: normally the version reader over the
// program file itself.
#include <string>

#include "platform/host_path.h"

namespace ostrevan {

class VersionSource {
public:
    virtual ~VersionSource() = default;
    // Loads the version data of the program file at `program`, replacing the previous one.
    virtual void LoadVersionBlock(const platform::HostPath& program) = 0;
    // A field of the loaded data ("ProductName", "CompanyName", ...), or "None".
    virtual std::string GetInfoString(const std::string& field) = 0;
};

}  // namespace ostrevan
