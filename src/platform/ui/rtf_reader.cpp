#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <vector>

#include "platform/ui/rich_document.h"
#include "platform/ui/rtf.h"

namespace ostrevan::ui {
namespace {

// Windows-1252 bytes 0x80..0x9F by their Unicode code points, for \u control words.
constexpr unsigned kHigh1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char FromUnicode(long u) {
    if (u < 0) u += 65536;  // \u takes a signed 16-bit number
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHigh1252[i] == static_cast<unsigned>(u)) return static_cast<char>(0x80 + i);
    }
    return '?';
}

bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

enum class Dest { Text, FontTable, ColorTable, Skip };

// What a group saves and restores.
struct State {
    Dest dest = Dest::Text;
    int font = -1;  // font table number; -1 = the default font (\deff)
    int color = 0;  // colour table index; 0 = automatic colour
    int height = 240;
    bool bold = false;
    bool italic = false;
    int uc = 1;  // characters of fallback text after \u
};

constexpr size_t kMaxDepth = 256;

// Destinations whose content is not shown.
const char* const kSkipped[] = {
    "stylesheet", "info", "pict", "object", "header", "footer", "headerl", "headerr",
    "headerf", "footerl", "footerr", "footerf", "listtable", "listoverridetable", "rsidtbl",
    "generator", "themedata", "colorschememapping", "latentstyles", "datastore", "xmlnstbl",
    "fldinst", "footnote", "filetbl", "revtbl", "pgdsctbl", "mmathPr", "xe", "tc", "private",
    "nonshppict", "shp", "bkmkstart", "bkmkend"};

class Reader {
public:
    Reader(std::string_view s, const CharFormat& defaults) : s_(s), defaults_(defaults) {}

    PrintableText Run() {
        Parse();
        // The paragraph mark that ends the document belongs to its last paragraph, as word
        // processors read it: "a\\par}" is the one line "a".
        if (endsWithPar_) doc_.Replace(doc_.Length() - 1, 1, "", CharFormat{});
        return doc_.All();
    }

private:
    void Parse() {
        while (i_ < s_.size()) {
            const char c = s_[i_++];
            if (c == '{') {
                if (stack_.size() < kMaxDepth) stack_.push_back(st_);
                else ++overflow_;
                groupStart_ = true;
                continue;
            }
            if (c == '}') {
                if (overflow_ > 0) {
                    --overflow_;
                } else if (!stack_.empty()) {
                    if (st_.dest == Dest::FontTable) FinishFontName();
                    st_ = stack_.back();
                    stack_.pop_back();
                    // Whatever follows the document's closing brace is not part of it.
                    if (stack_.empty()) return;
                }
                groupStart_ = false;
                continue;
            }
            if (c == '\\') {
                ControlWord();
            } else if (c != '\r' && c != '\n' && c != '\0') {
                Char(c);
            }
            groupStart_ = false;
        }
    }

    void Char(char c) {
        if (skipFallback_ > 0) {
            --skipFallback_;
            return;
        }
        switch (st_.dest) {
            case Dest::Text:
                // A NUL written as \'00 or \u0 would end the text in the system's controls.
                if (c) Emit(std::string(1, c));
                break;
            case Dest::FontTable:
                if (c == ';') FinishFontName();
                else fontName_ += c;
                break;
            case Dest::ColorTable:
                if (c == ';') {
                    colors_.push_back(pending_);
                    pending_.reset();
                }
                break;
            case Dest::Skip: break;
        }
    }

    void Emit(const std::string& text) {
        CharFormat f = defaults_;
        const int fontNum = st_.font < 0 ? deff_ : st_.font;
        if (auto it = fonts_.find(fontNum); it != fonts_.end()) f.face = it->second;
        if (st_.color > 0 && st_.color < static_cast<int>(colors_.size()) && colors_[st_.color])
            f.color = *colors_[st_.color];
        f.heightTwips = st_.height;
        f.bold = st_.bold;
        f.italic = st_.italic;
        endsWithPar_ = false;
        doc_.Replace(doc_.Length(), 0, text, f);
        if (text == "\n") doc_.SetParagraphFormat(doc_.Length(), 0, para_);
    }

    void FinishFontName() {
        const size_t a = fontName_.find_first_not_of(' ');
        if (a != std::string::npos && !fonts_.count(fontNum_))
            fonts_[fontNum_] = fontName_.substr(a, fontName_.find_last_not_of(' ') + 1 - a);
        fontName_.clear();
    }

    void ControlWord() {
        if (i_ >= s_.size()) return;
        const char c = s_[i_];
        if (!IsAlpha(c)) {
            ++i_;
            switch (c) {
                case '\\': case '{': case '}': Char(c); break;
                case '\'':
                    if (i_ + 2 <= s_.size()) {
                        const std::string hex(s_.substr(i_, 2));
                        i_ += 2;
                        char* end = nullptr;
                        const long v = std::strtol(hex.c_str(), &end, 16);
                        if (end == hex.c_str() + 2) Char(static_cast<char>(v));
                    } else {
                        i_ = s_.size();
                    }
                    break;
                case '~': Char(static_cast<char>(0xA0)); break;
                case '_': Char('-'); break;
                case '*': if (groupStart_) st_.dest = Dest::Skip; break;
                case '\r': case '\n': if (st_.dest == Dest::Text) Emit("\n"); break;
                default: break;  // \- optional hyphen, \: index entry, ...
            }
            return;
        }
        const size_t start = i_;
        while (i_ < s_.size() && IsAlpha(s_[i_]) && i_ - start < 32) ++i_;
        const std::string word(s_.substr(start, i_ - start));
        bool hasParam = false;
        long param = 0;
        size_t j = i_ + (i_ < s_.size() && s_[i_] == '-' ? 1 : 0);
        const size_t digits = j;
        while (j < s_.size() && IsDigit(s_[j]) && j - digits < 9) ++j;
        if (j > digits) {
            param = std::strtol(std::string(s_.substr(i_, j - i_)).c_str(), nullptr, 10);
            hasParam = true;
            i_ = j;
        }
        while (i_ < s_.size() && IsDigit(s_[i_])) ++i_;  // absurdly long numbers
        if (i_ < s_.size() && s_[i_] == ' ') ++i_;
        Word(word, hasParam, param);
    }

    void Word(const std::string& w, bool hasParam, long p) {
        if (w == "bin") {  // binary data: skipped whatever the destination
            const size_t n = hasParam && p > 0 ? static_cast<size_t>(p) : 0;
            i_ = n > s_.size() - i_ ? s_.size() : i_ + n;
            return;
        }
        if (st_.dest == Dest::Skip) return;
        if (w == "fonttbl") { st_.dest = Dest::FontTable; return; }
        if (w == "colortbl") { st_.dest = Dest::ColorTable; colors_.clear(); return; }
        for (const char* k : kSkipped) {
            if (w == k) { st_.dest = Dest::Skip; return; }
        }
        if (st_.dest == Dest::ColorTable) {
            const uint8_t v = static_cast<uint8_t>(std::clamp(p, 0L, 255L));
            if (!pending_) pending_ = Color{};
            if (w == "red") pending_->r = v;
            else if (w == "green") pending_->g = v;
            else if (w == "blue") pending_->b = v;
            return;
        }
        if (st_.dest == Dest::FontTable) {
            if (w == "f" && hasParam) {
                FinishFontName();
                fontNum_ = static_cast<int>(p);
            }
            return;
        }
        if (w == "par") {
            Emit("\n");
            endsWithPar_ = true;
            return;
        }
        if (w == "line" || w == "sect" || w == "page") { Emit("\n"); return; }
        if (w == "tab") { Emit("\t"); return; }
        if (w == "u" && hasParam) {
            Char(FromUnicode(p));
            skipFallback_ = st_.uc;
            return;
        }
        if (w == "uc") { st_.uc = hasParam && p >= 0 && p < 10 ? static_cast<int>(p) : 1; return; }
        if (w == "deff" && hasParam) { deff_ = static_cast<int>(p); return; }
        if (w == "plain") {
            const Dest d = st_.dest;
            const int uc = st_.uc;
            st_ = State{};
            st_.dest = d;
            st_.uc = uc;
            return;
        }
        if (w == "f") { st_.font = hasParam ? static_cast<int>(p) : -1; return; }
        if (w == "cf") { st_.color = hasParam ? static_cast<int>(p) : 0; return; }
        if (w == "fs") {
            st_.height = hasParam && p > 0 && p <= 3276 ? static_cast<int>(p) * 10 : 240;
            return;
        }
        if (w == "b") { st_.bold = !hasParam || p != 0; return; }
        if (w == "i") { st_.italic = !hasParam || p != 0; return; }
        if (w == "pard") { para_ = ParaFormat{}; li_ = fi_ = 0; ApplyPara(); return; }
        // Left indent: \\li for the paragraph, \\fi for its first line relative to it. Our
        // paragraphs have one left indent: that of the first line (their lines are short).
        if (w == "li" && hasParam) { li_ = static_cast<int>(p); ApplyPara(); return; }
        if (w == "fi" && hasParam) { fi_ = static_cast<int>(p); ApplyPara(); return; }
        if (w == "ri" && hasParam) { para_.rightIndent = static_cast<int>(p); ApplyPara(); return; }
        static const std::map<std::string, char> kSymbols = {
            {"lquote", '\x91'}, {"rquote", '\x92'}, {"ldblquote", '\x93'},
            {"rdblquote", '\x94'}, {"bullet", '\x95'}, {"endash", '\x96'},
            {"emdash", '\x97'}, {"emspace", ' '}, {"enspace", ' '}, {"qmspace", ' '}};
        if (auto it = kSymbols.find(w); it != kSymbols.end()) Char(it->second);
    }

    // Paragraph settings apply to the paragraph being read (the last one so far).
    void ApplyPara() {
        para_.leftIndent = std::max(0, li_ + fi_);
        doc_.SetParagraphFormat(doc_.Length(), 0, para_);
    }

    std::string_view s_;
    size_t i_ = 0;
    CharFormat defaults_;
    State st_;
    std::vector<State> stack_;
    size_t overflow_ = 0;
    bool groupStart_ = false;
    int skipFallback_ = 0;
    std::map<int, std::string> fonts_;
    int fontNum_ = 0;
    std::string fontName_;
    std::vector<std::optional<Color>> colors_;
    std::optional<Color> pending_;
    int deff_ = 0;
    ParaFormat para_;
    int li_ = 0, fi_ = 0;
    bool endsWithPar_ = false;
    RichDocument doc_;
};

}  // namespace

PrintableText ReadRtf(std::string_view rtf, const CharFormat& defaults) {
    return Reader(rtf, defaults).Run();
}

bool LooksLikeRtf(std::string_view data) {
    size_t i = 0;
    while (i < data.size() && (data[i] == ' ' || data[i] == '\r' || data[i] == '\n' ||
                               data[i] == '\t'))
        ++i;
    return data.substr(i, 5) == "{\\rtf";
}

}  // namespace ostrevan::ui
