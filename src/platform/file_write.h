#pragma once
// Writing a whole file with the reason of a failure in words, for the messages that tell the
// user why a document could not be saved.
#include <string>
#include <string_view>

#include "platform/host_path.h"

namespace ostrevan::platform {

// Writes bytes as the whole content of the file at path, replacing an existing file. Returns
// the empty text when the file was written, otherwise why not, as a sentence ("The folder does
// not exist."). A write that fails part way leaves no partial file under that name.
std::string WriteWholeFile(const HostPath& path, std::string_view bytes);

}  // namespace ostrevan::platform
