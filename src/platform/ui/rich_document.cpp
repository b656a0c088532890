#include "platform/ui/rich_document.h"

#include <algorithm>

namespace ostrevan::ui {

RichDocument::RichDocument(const PrintableText& content) {
    for (const TextRun& r : content.runs) Replace(Length(), 0, r.text, r.format);
    for (size_t i = 0; i < paras_.size() && i < content.paragraphs.size(); ++i) {
        paras_[i] = content.paragraphs[i];
    }
}

void RichDocument::Clamp(int& start, int& length) const {
    start = std::clamp(start, 0, Length());
    length = std::clamp(length, 0, Length() - start);
}

uint16_t RichDocument::FormatIndex(const CharFormat& f) {
    for (size_t i = 0; i < formats_.size(); ++i) {
        if (formats_[i] == f) return static_cast<uint16_t>(i);
    }
    // Formats are never removed; a text that somehow needs more than 65535 distinct formats
    // reuses the last one rather than overflowing the index.
    if (formats_.size() >= 0xFFFF) return static_cast<uint16_t>(formats_.size() - 1);
    formats_.push_back(f);
    return static_cast<uint16_t>(formats_.size() - 1);
}

void RichDocument::Replace(int start, int length, const std::string& text, const CharFormat& f) {
    Clamp(start, length);
    const int para = ParagraphOf(start);
    const auto removedBreaks =
        std::count(text_.begin() + start, text_.begin() + start + length, '\n');
    const auto addedBreaks = std::count(text.begin(), text.end(), '\n');
    paras_.erase(paras_.begin() + para + 1, paras_.begin() + para + 1 + removedBreaks);
    paras_.insert(paras_.begin() + para + 1, addedBreaks, paras_[para]);

    const uint16_t idx = text.empty() ? 0 : FormatIndex(f);
    text_.replace(start, length, text);
    fmt_.erase(fmt_.begin() + start, fmt_.begin() + start + length);
    fmt_.insert(fmt_.begin() + start, text.size(), idx);
}

CharFormat RichDocument::FormatAt(int pos, const CharFormat& fallback) const {
    if (text_.empty()) return fallback;
    pos = std::clamp(pos, 0, Length() - 1);
    return formats_[fmt_[pos]];
}

void RichDocument::SetColor(int start, int length, Color c) {
    Clamp(start, length);
    for (int i = start; i < start + length; ++i) {
        CharFormat f = formats_[fmt_[i]];
        f.color = c;
        fmt_[i] = FormatIndex(f);
    }
}

void RichDocument::SetFace(const std::string& face) {
    ChangeEveryFormat([&](CharFormat& f) { f.face = face; });
}

void RichDocument::SetHeight(int heightTwips) {
    ChangeEveryFormat([&](CharFormat& f) { f.heightTwips = heightTwips; });
}

void RichDocument::ChangeEveryFormat(const std::function<void(CharFormat&)>& change) {
    std::vector<uint16_t> map(formats_.size());
    for (size_t i = 0; i < map.size(); ++i) {
        CharFormat f = formats_[i];
        change(f);
        map[i] = FormatIndex(f);
    }
    for (auto& i : fmt_) i = map[i];
}

int RichDocument::ParagraphOf(int pos) const {
    pos = std::clamp(pos, 0, Length());
    // Counted from the nearer end, so that appending to a long text stays cheap.
    if (pos >= Length() / 2) {
        const auto after = std::count(text_.begin() + pos, text_.end(), '\n');
        return static_cast<int>(paras_.size() - 1 - after);
    }
    return static_cast<int>(std::count(text_.begin(), text_.begin() + pos, '\n'));
}

void RichDocument::SetParagraphFormat(int start, int length, const ParaFormat& p) {
    Clamp(start, length);
    const int first = ParagraphOf(start);
    // The paragraph holding the range's last character; an empty range touches one paragraph.
    const int last = length > 0 ? ParagraphOf(start + length - 1) : first;
    for (int i = first; i <= last; ++i) paras_[i] = p;
}

PrintableText RichDocument::Slice(int start, int length) const {
    Clamp(start, length);
    PrintableText out;
    for (int i = start; i < start + length;) {
        int j = i + 1;
        while (j < start + length && fmt_[j] == fmt_[i]) ++j;
        out.runs.push_back(TextRun{text_.substr(i, j - i), formats_[fmt_[i]]});
        i = j;
    }
    const int first = ParagraphOf(start);
    const int last = ParagraphOf(start + length);
    out.paragraphs.assign(paras_.begin() + first, paras_.begin() + last + 1);
    return out;
}

}  // namespace ostrevan::ui
