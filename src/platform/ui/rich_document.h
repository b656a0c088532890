#pragma once
// Rich text held in memory: the characters, the format of each character and the format of
// each paragraph. The headless rich-text view keeps its content here; the win32 backend uses
// it to hold what it reads back from the native control for printing.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/rich_text_types.h"

namespace ostrevan::ui {

class RichDocument {
public:
    RichDocument() = default;
    explicit RichDocument(const PrintableText& content);

    const std::string& Text() const { return text_; }
    int Length() const { return static_cast<int>(text_.size()); }

    // Replaces the characters [start, start + length) (clamped to the text) by text in format
    // f. Paragraphs joined by removing line feeds keep the first one's format; paragraphs
    // created by inserted line feeds take the format of the paragraph they were split from.
    void Replace(int start, int length, const std::string& text, const CharFormat& f);
    // The format of the character at pos (clamped; the last character's for pos at the end).
    // With an empty text, the given fallback.
    CharFormat FormatAt(int pos, const CharFormat& fallback) const;
    // Changes the colour of the characters [start, start + length).
    void SetColor(int start, int length, Color c);
    // Changes the face or the size of every character.
    void SetFace(const std::string& face);
    void SetHeight(int heightTwips);

    int ParagraphCount() const { return static_cast<int>(paras_.size()); }
    // Index of the paragraph (line) holding the character at pos; positions at or past the
    // end belong to the last paragraph.
    int ParagraphOf(int pos) const;
    const std::vector<ParaFormat>& Paragraphs() const { return paras_; }
    // Sets the indents of every paragraph that the range [start, start + length) touches.
    void SetParagraphFormat(int start, int length, const ParaFormat& p);

    // The characters [start, start + length) as runs of equal format, with their paragraphs.
    PrintableText Slice(int start, int length) const;
    PrintableText All() const { return Slice(0, Length()); }

private:
    uint16_t FormatIndex(const CharFormat& f);
    // Applies change to every format in use.
    void ChangeEveryFormat(const std::function<void(CharFormat&)>& change);
    void Clamp(int& start, int& length) const;

    std::string text_;
    std::vector<uint16_t> fmt_;        // per character, index into formats_
    std::vector<CharFormat> formats_;  // distinct formats in use (grows only)
    std::vector<ParaFormat> paras_{ParaFormat{}};
};

}  // namespace ostrevan::ui
