#pragma once
// Where the scan gets a program's version fields from: normally the version reader over the
// program file itself.
#include <string>
#include <vector>

#include "platform/dir_listing.h"
#include "platform/host_path.h"

namespace ostrevan {

class VersionSource {
public:
    virtual ~VersionSource() = default;
    // The programs of a folder, in the order the walk will ask for them: a source may start
    // reading them now. Every later request is still answered as it would be without this.
    virtual void ReadAhead(const std::vector<platform::DirEntry>& programs) { (void)programs; }
    // Loads the version data of the program file at `program`, replacing the previous one.
    virtual void LoadVersionBlock(const platform::HostPath& program) = 0;
    // A field of the loaded data ("ProductName", "CompanyName", ...), or "None".
    virtual std::string GetInfoString(const std::string& field) = 0;
};

}  // namespace ostrevan
