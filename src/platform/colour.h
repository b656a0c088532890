#pragma once
// The one colour type of the system: the readiness classes, the scanning page and every control
// of the toolkit use it.
#include <cstdint>

namespace ostrevan {

// An RGB colour, the same triple the windows' design uses (RGB 0, 192, 0 is the "ready" green).
struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    constexpr bool operator==(const Rgb&) const = default;
};

}  // namespace ostrevan
