#pragma once
// Small value types shared by every part of the user-interface toolkit: colours, rectangles
// and fonts. Geometry is always in twips (1/1440 inch); backends convert to device pixels.
#include <cstdint>
#include <string>

#include "platform/colour.h"

namespace ostrevan::ui {

using Color = ::ostrevan::Rgb;
constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) { return Color{r, g, b}; }
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
// The face colour of dialogs and frames.
inline constexpr Color kButtonFace{212, 208, 200};

// Left, top, width, height in twips, relative to the control's container.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A typeface as the windows name it; size in points (8.25 is the classic dialog size).
struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    bool bold = false;
    bool italic = false;
    friend bool operator==(const Font&, const Font&) = default;
};

enum class Alignment { Left, Right, Center };

}  // namespace ostrevan::ui
