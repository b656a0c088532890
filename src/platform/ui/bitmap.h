#pragma once
// A 32-bit RGBA picture in memory, with the few drawing operations that the headless backend
// needs (pages of printed text, picture boxes), and PNG output for tests and screenshots.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rgba_image.h"
#include "platform/ui/ui_types.h"

namespace ostrevan::ui {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height, Color fill = kWhite);

    int Width() const { return w_; }
    int Height() const { return h_; }
    // The pixel at (x, y); outside the picture, transparent black.
    Color At(int x, int y) const;
    uint8_t AlphaAt(int x, int y) const;
    // Drawing outside the picture is clipped.
    void Set(int x, int y, Color c);
    void Fill(Color c);
    void FillRect(int x, int y, int w, int h, Color c);
    // Blends a straight-alpha image over the picture with its top-left corner at (x, y).
    void Blend(int x, int y, const RgbaImage& img);
    // Draws text in the built-in bitmap font, each character cellWidth by cellHeight pixels,
    // with (x, top) the top-left corner of the first cell. Returns the x after the text.
    int DrawString(int x, int top, std::string_view text, int cellWidth, int cellHeight,
                   Color c, bool bold);
    // Counts the pixels of colour c (tests use it to find drawn text).
    int Count(Color c) const;

    // The picture as a PNG file (8-bit RGBA, stored without compression).
    std::string ToPng() const;

private:
    int w_ = 0, h_ = 0;
    std::vector<uint8_t> px_;  // RGBA
};

// The built-in font: each character is kGlyphRows rows of 6 bits (bit 5 is the leftmost
// column); the cell is 6 by 12 pixels at its natural size.
inline constexpr int kGlyphRows = 12;
inline constexpr int kGlyphColumns = 6;
const uint8_t* GlyphRows(unsigned char c);

}  // namespace ostrevan::ui
