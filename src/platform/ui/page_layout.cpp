#include "platform/ui/page_layout.h"

#include <algorithm>

namespace ostrevan::ui {
namespace {

constexpr int kTabTwips = 720;

struct Piece {
    std::string text;
    CharFormat format;
};

enum class Kind { Word, Space, Tab };

struct Token {
    Kind kind;
    std::vector<Piece> pieces;  // a word may change format in its middle
};

struct Paragraph {
    std::vector<Token> tokens;
    CharFormat endFormat;  // the format of its line feed: the height of an empty line
    ParaFormat para;
};

std::vector<Paragraph> SplitParagraphs(const PrintableText& t) {
    std::vector<Paragraph> out(1);
    out[0].para = t.paragraphs.empty() ? ParaFormat{} : t.paragraphs[0];
    if (!t.runs.empty()) out[0].endFormat = t.runs[0].format;
    bool lastWasWord = false;
    for (const TextRun& r : t.runs) {
        size_t i = 0;
        while (i < r.text.size()) {
            const char c = r.text[i];
            if (c == '\n') {
                out.back().endFormat = r.format;
                const size_t n = out.size();
                out.emplace_back();
                out.back().endFormat = r.format;
                out.back().para = n < t.paragraphs.size() ? t.paragraphs[n] : out[n - 1].para;
                lastWasWord = false;
                ++i;
                continue;
            }
            Kind k = c == ' ' ? Kind::Space : c == '\t' ? Kind::Tab : Kind::Word;
            size_t j = i + 1;
            if (k != Kind::Tab) {
                while (j < r.text.size() && r.text[j] != '\n' && r.text[j] != '\t' &&
                       (r.text[j] == ' ') == (k == Kind::Space))
                    ++j;
            }
            Piece p{r.text.substr(i, j - i), r.format};
            auto& toks = out.back().tokens;
            if (k == Kind::Word && lastWasWord) toks.back().pieces.push_back(std::move(p));
            else toks.push_back(Token{k, {std::move(p)}});
            lastWasWord = k == Kind::Word;
            out.back().endFormat = r.format;
            i = j;
        }
    }
    return out;
}

class LineBuilder {
public:
    LineBuilder(PrintDevice& dev, std::vector<LaidOutLine>& out) : dev_(dev), out_(out) {}

    void Begin(int x) {
        line_ = LaidOutLine{};
        x_ = x;
    }
    int X() const { return x_; }
    void SetX(int x) { x_ = x; }
    bool Empty() const { return line_.pieces.empty(); }

    void Place(const Piece& p, int width) {
        Account(p.format);
        if (!line_.pieces.empty()) {
            PlacedPiece& last = line_.pieces.back();
            if (last.format == p.format && last.x + lastWidth_ == x_) {
                last.text += p.text;
                lastWidth_ += width;
                x_ += width;
                return;
            }
        }
        line_.pieces.push_back(PlacedPiece{x_, p.text, p.format});
        lastWidth_ = width;
        x_ += width;
    }

    void Finish(const CharFormat& emptyFormat) {
        if (line_.height == 0) Account(emptyFormat);
        out_.push_back(std::move(line_));
        line_ = LaidOutLine{};
    }

private:
    void Account(const CharFormat& f) {
        const FontMetrics m = dev_.Metrics(f);
        line_.height = std::max(line_.height, m.height);
        line_.ascent = std::max(line_.ascent, m.ascent);
    }

    PrintDevice& dev_;
    std::vector<LaidOutLine>& out_;
    LaidOutLine line_;
    int x_ = 0;
    int lastWidth_ = 0;
};

}  // namespace

std::vector<LaidOutLine> LayOutText(const PrintableText& text, PrintDevice& dev, int left,
                                    int right) {
    std::vector<LaidOutLine> lines;
    const int dpi = std::max(1, dev.DpiX());
    auto toDev = [&](int twips) { return static_cast<int>(static_cast<long long>(twips) * dpi / 1440); };
    const int tab = std::max(1, toDev(kTabTwips));

    for (const Paragraph& para : SplitParagraphs(text)) {
        const int x0 = std::clamp(left + toDev(para.para.leftIndent), 0, dev.PageWidth() - 1);
        // However narrow the indents make it, a line holds at least one character.
        const int x1 = std::max(x0 + 1, dev.PageWidth() - right - toDev(para.para.rightIndent));
        LineBuilder b(dev, lines);
        b.Begin(x0);
        std::vector<const Piece*> spaces;
        CharFormat lastFormat = para.endFormat;
        auto newLine = [&](const CharFormat& f) {
            b.Finish(f);
            b.Begin(x0);
            spaces.clear();
        };
        for (const Token& t : para.tokens) {
            lastFormat = t.pieces.back().format;
            if (t.kind == Kind::Space) {
                spaces.push_back(&t.pieces[0]);
                continue;
            }
            int spaceWidth = 0;
            for (const Piece* s : spaces) spaceWidth += dev.TextWidth(s->format, s->text);
            if (t.kind == Kind::Tab) {
                const int stop = x0 + ((b.X() + spaceWidth - x0) / tab + 1) * tab;
                if (stop > x1 && !b.Empty()) {
                    newLine(lastFormat);
                } else {
                    b.SetX(stop);
                    spaces.clear();
                }
                continue;
            }
            int width = 0;
            for (const Piece& p : t.pieces) width += dev.TextWidth(p.format, p.text);
            if (b.X() + spaceWidth + width > x1 && !b.Empty()) newLine(lastFormat);
            for (const Piece* s : spaces) b.Place(*s, dev.TextWidth(s->format, s->text));
            spaces.clear();
            if (b.X() + width <= x1) {
                for (const Piece& p : t.pieces) b.Place(p, dev.TextWidth(p.format, p.text));
                continue;
            }
            // A word longer than the line: as many characters as fit on each line, at least one.
            for (const Piece& p : t.pieces) {
                for (char c : p.text) {
                    const std::string one(1, c);
                    const int w = dev.TextWidth(p.format, one);
                    if (b.X() + w > x1 && !b.Empty()) newLine(p.format);
                    b.Place(Piece{one, p.format}, w);
                }
            }
        }
        b.Finish(lastFormat);
    }
    return lines;
}

}  // namespace ostrevan::ui
