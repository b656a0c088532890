#include "platform/drive_map.h"

#include <algorithm>

#include "platform/text.h"

namespace ostrevan::platform {
namespace {

char UpperLetter(char c) { return static_cast<char>(text::ToUpper(static_cast<unsigned char>(c))); }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::optional<std::string> DriveDesignator(std::string_view t) {
    if ((t.size() == 2 || (t.size() == 3 && (t[2] == '\\' || t[2] == '/'))) && IsLetter(t[0]) &&
        t[1] == ':')
        return std::string{UpperLetter(t[0]), ':'};
    return std::nullopt;
}

void DriveMap::Map(char letter, HostPath dir) { mapped_[UpperLetter(letter)] = std::move(dir); }

bool DriveMap::IsMapped(char letter) const { return mapped_.count(UpperLetter(letter)) != 0; }

std::optional<HostPath> DriveMap::Root(std::string_view designator) const {
    if (designator.size() < 2 || !IsLetter(designator[0]) || designator[1] != ':') return std::nullopt;
    const char letter = UpperLetter(designator[0]);
    if (auto it = mapped_.find(letter); it != mapped_.end()) return it->second;
    auto machine = MachineDriveLetters();
    if (std::find(machine.begin(), machine.end(), letter) == machine.end()) return std::nullopt;
    return HostPath(std::string{letter, ':', '\\'});
}

std::vector<std::string> DriveMap::Drives() const {
    std::vector<std::string> out;
    auto machine = MachineDriveLetters();
    for (char c = 'A'; c <= 'Z'; ++c)
        if (mapped_.count(c) || std::find(machine.begin(), machine.end(), c) != machine.end())
            out.push_back(std::string{c, ':'});
    return out;
}

}  // namespace ostrevan::platform
