#pragma once
// Character and paragraph formatting of rich text, shared by the rich-text document model, the
// RTF reader and writer, the page renderer and the printers.
#include <string>
#include <vector>

#include "platform/ui/ui_types.h"

namespace ostrevan::ui {

struct CharFormat {
    std::string face = "MS Sans Serif";
    int heightTwips = 165;  // font size in twentieths of a point: 165 is 8.25 points
    bool bold = false;
    bool italic = false;
    Color color = kBlack;
    double Points() const { return heightTwips / 20.0; }
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

// Indents of a paragraph in twips.
struct ParaFormat {
    int leftIndent = 0;
    int rightIndent = 0;
    friend bool operator==(const ParaFormat&, const ParaFormat&) = default;
};

// A piece of text in one format. A line feed (character 10) inside the text ends a paragraph;
// a TAB (character 9) advances to the next tab stop.
struct TextRun {
    std::string text;
    CharFormat format;
    friend bool operator==(const TextRun&, const TextRun&) = default;
};

// Text ready to print: its runs and the format of each of its paragraphs (one more paragraph
// than line feeds in the text).
struct PrintableText {
    std::vector<TextRun> runs;
    std::vector<ParaFormat> paragraphs;
};

// Converts a size in points to twentieths of a point, to the nearest whole number.
inline int PointsToTwips(double points) { return static_cast<int>(points * 20.0 + 0.5); }

}  // namespace ostrevan::ui
