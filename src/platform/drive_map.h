#pragma once
// Drive letters and the host directories behind them. The scan names everything by Windows
// paths ("C:\DIR\PROG.EXE"). On Windows every letter of the machine is its own drive unless it
// is mapped to a directory; elsewhere only mapped letters exist.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/host_path.h"

namespace ostrevan::platform {

class DriveMap {
public:
    // Maps the drive letter (either case) to a host directory.
    void Map(char letter, HostPath dir);

    // The host directory of a drive designator ("C:", "c:\", "C:\..."): only its first
    // letter counts. nullopt for a letter that is neither mapped nor a drive of the machine.
    std::optional<HostPath> Root(std::string_view designator) const;

    // The drive designators ("C:") of the mapped letters and the machine's drives, A to Z.
    std::vector<std::string> Drives() const;

    bool IsMapped(char letter) const;

private:
    std::map<char, HostPath> mapped_;
};

// "X:" when the text is a drive designator (a letter and a colon, optionally a backslash),
// nullopt otherwise.
std::optional<std::string> DriveDesignator(std::string_view text);

// The machine's own drive letters (Windows: the logical drives; elsewhere none).
std::vector<char> MachineDriveLetters();

}  // namespace ostrevan::platform
