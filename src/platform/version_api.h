#pragma once
// The three version-library operations the reader relies on, with the platform's results:
//  - GetFileVersionInfoSizeA: the size of buffer the file's version block needs (0 when the
//    file has none or cannot be read): twice the resource's size plus 4 for a 32-bit program
//    file, four times (the resource's size minus 52) for a 16-bit one.
//  - GetFileVersionInfoA: copies the raw version block into the buffer (at most `length`
//    bytes); the rest of the buffer is room for the 8-bit copies VerQueryValueA makes.
//  - VerQueryValueA: finds a sub-block ("\VarFileInfo\Translation",
//    "\StringFileInfo\040904E4\ProductName", "\"): keys match whole and without regard to
//    case. A text value of a 32-bit block is answered in Windows-1252 (best fit for other
//    characters), converted into the buffer's spare room; its length counts characters as
//    stored (the terminating zero included when it was stored). Other values answer their
//    size in bytes. An empty text value answers length 0 and a pointer that must not be read.
//  - LoadVersionInfo: both first steps with one reading of the file: `block` becomes a buffer
//    of the size the first answers plus two zero bytes, holding the raw block; false (and
//    `block` empty) when the file has none.
// A version resource is read as at most its first 64 KiB: the root's 16-bit length cannot
// claim more, and a file claiming a larger one must not make the reader allocate it. A buffer
// above kMaxVersionBuffer (which only a damaged file can ask for) is never made.
// The `platform` functions are the system's own where there is one (Windows) and the portable
// reader elsewhere; the `portable` ones are always the portable reader. Unlike the system's,
// these never read or write outside the buffer: a block whose stored lengths point past it
// answers fewer sub-blocks.
#include <cstdint>
#include <string>
#include <vector>

namespace ostrevan::version {

inline constexpr uint32_t kMaxVersionResource = 0xFFFF;
// Four times a 64 KiB 16-bit resource, the largest buffer either kind of block needs.
inline constexpr uint32_t kMaxVersionBuffer = 4 * 0x10000 + 4;

namespace platform {
uint32_t GetFileVersionInfoSizeA(const std::string& path);
bool GetFileVersionInfoA(const std::string& path, uint32_t length, std::vector<uint8_t>& block);
bool VerQueryValueA(std::vector<uint8_t>& block, const std::string& subBlock, const uint8_t** value,
                    uint32_t* length);
bool LoadVersionInfo(const std::string& path, std::vector<uint8_t>& block);
}  // namespace platform

namespace portable {
uint32_t GetFileVersionInfoSizeA(const std::string& path);
bool GetFileVersionInfoA(const std::string& path, uint32_t length, std::vector<uint8_t>& block);
bool VerQueryValueA(std::vector<uint8_t>& block, const std::string& subBlock, const uint8_t** value,
                    uint32_t* length);
bool LoadVersionInfo(const std::string& path, std::vector<uint8_t>& block);
}  // namespace portable

}  // namespace ostrevan::version
