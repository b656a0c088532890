#pragma once
// Paths of the machine the program runs on. The scan keeps two texts for every entry it
// visits: the Windows path it stores and shows ("C:\DIR\PROG.EXE", Windows-1252 bytes) and
// the host path it opens. On Windows the host path is the wide-character path, so a file whose
// name lies outside the code page is still opened; elsewhere it is the host's own (UTF-8) path.
#include <filesystem>
#include <string>

namespace ostrevan::platform {

using HostPath = std::filesystem::path;

// The name of one directory entry as the scan stores it: the host name (UTF-16 on Windows,
// UTF-8 elsewhere) converted to Windows-1252 with the best-fit rules of the version texts.
std::string StoredName(const HostPath::string_type& host_name);

// A host path from a Windows-1252 text (a path typed by the user). Every character of the code
// page converts exactly.
HostPath HostPathFromStored(const std::string& stored);

}  // namespace ostrevan::platform
