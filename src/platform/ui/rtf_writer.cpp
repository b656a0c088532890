#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/ui/rtf.h"
#include "platform/text.h"

namespace ostrevan::ui {
namespace {

// The font family keyword, so that a reader lacking the face picks a similar one.
const char* FamilyOf(const std::string& face) {
    static const char* const kModern[] = {"Courier", "Courier New", "Lucida Console",
                                          "Consolas", "Fixedsys", "Terminal"};
    for (const char* m : kModern) {
        if (text::IEquals(face, m)) return "\\fmodern";
    }
    static const char* const kRoman[] = {"Times New Roman", "Times", "Georgia"};
    for (const char* m : kRoman) {
        if (text::IEquals(face, m)) return "\\froman";
    }
    return "\\fswiss";
}

// Adds v to the table unless it is there already.
template <typename T>
void Remember(std::vector<T>& table, const T& v) {
    if (std::find(table.begin(), table.end(), v) == table.end()) table.push_back(v);
}

// The place of v in a table that holds it.
template <typename T>
int IndexOf(const std::vector<T>& table, const T& v) {
    return static_cast<int>(std::find(table.begin(), table.end(), v) - table.begin());
}

void AppendEscaped(std::string& out, const std::string& s) {
    for (unsigned char c : s) {
        if (c == '\n') {
            out += "\\par\r\n";
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\'%02x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
}

std::string Num(const char* word, int v) { return std::string(word) + text::Decimal(v); }

}  // namespace

std::string WriteRtf(const PrintableText& t) {
    std::vector<std::string> fonts;
    std::vector<Color> colors;
    for (const TextRun& r : t.runs) {
        Remember(fonts, r.format.face);
        Remember(colors, r.format.color);
    }
    if (fonts.empty()) fonts.push_back("MS Sans Serif");

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl";
    for (size_t i = 0; i < fonts.size(); ++i) {
        out += "{" + Num("\\f", static_cast<int>(i)) + FamilyOf(fonts[i]) + "\\fcharset0 ";
        AppendEscaped(out, fonts[i]);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (const Color& c : colors) {
        out += Num("\\red", c.r) + Num("\\green", c.g) + Num("\\blue", c.b) + ";";
    }
    out += "}\r\n\\viewkind4\\uc1";

    size_t para = 0;
    auto paraFormat = [&](size_t i) {
        return i < t.paragraphs.size() ? t.paragraphs[i] : ParaFormat{};
    };
    auto startParagraph = [&] {
        const ParaFormat p = paraFormat(para);
        out += "\\pard";
        if (p.leftIndent) out += Num("\\li", p.leftIndent);
        if (p.rightIndent) out += Num("\\ri", p.rightIndent);
        out += ' ';
    };
    startParagraph();
    const CharFormat* cur = nullptr;
    for (const TextRun& r : t.runs) {
        const CharFormat& f = r.format;
        if (!cur || !(f == *cur)) {
            out += Num("\\f", IndexOf(fonts, f.face));
            // \fs counts half points; 8.25 points (165 twips) is written as 17, as word
            // processors write it.
            out += Num("\\fs", (f.heightTwips + 5) / 10);
            out += Num("\\cf", IndexOf(colors, f.color) + 1);
            out += f.bold ? "\\b" : "\\b0";
            out += f.italic ? "\\i " : "\\i0 ";
            cur = &f;
        }
        // Split at line feeds so that a paragraph whose indents differ starts with \pard.
        for (size_t from = 0;;) {
            const size_t nl = r.text.find('\n', from);
            AppendEscaped(out, r.text.substr(from, nl == std::string::npos ? nl : nl - from));
            if (nl == std::string::npos) break;
            out += "\\par\r\n";
            ++para;
            if (!(paraFormat(para) == paraFormat(para - 1))) startParagraph();
            from = nl + 1;
        }
    }
    // The mark that ends the last paragraph, which readers do not count as a line of its own.
    out += "\\par\r\n}\r\n";
    return out;
}

}  // namespace ostrevan::ui
