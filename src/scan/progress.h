#pragma once
// The progress text of the scanning page.
#include <cstdint>
#include <optional>
#include <string>

namespace ostrevan {

// counter * 100 / total, rounded half to even, followed by "% Complete" ("12% Complete"). Not
// capped at 100. nullopt when it cannot be worked out (no files counted, or counter * 100 past
// 32 bits): the label then keeps what it showed.
std::optional<std::string> ProgressText(int32_t counter, int32_t total);

}  // namespace ostrevan
