#pragma once
// Breaks formatted text into printed lines: paragraphs at line feeds, words wrapped within the
// width between the paragraph's indents, TABs to stops every half inch, words longer than a
// line broken between characters.
#include <string>
#include <vector>

#include "platform/ui/print_device.h"

namespace ostrevan::ui {

struct PlacedPiece {
    int x = 0;  // device units from the left of the printable area
    std::string text;
    CharFormat format;
};

struct LaidOutLine {
    std::vector<PlacedPiece> pieces;
    int height = 0;
    int ascent = 0;
};

// left and right: the margins in device units; the paragraphs' indents (twips) are added.
std::vector<LaidOutLine> LayOutText(const PrintableText& text, PrintDevice& dev, int left,
                                    int right);

}  // namespace ostrevan::ui
