#pragma once
// Inflating zlib streams (the compression PNG uses), with every read checked and the output
// bounded.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/byte_reader.h"

namespace ostrevan {

// The data of a zlib stream (header, deflate blocks, Adler-32 check), or nullopt when it is
// damaged, fails its check or would exceed `maxOutput` bytes.
std::optional<std::vector<uint8_t>> ZlibInflate(ByteView stream, size_t maxOutput);

}  // namespace ostrevan
