// Printing: the line printer, page breaks, wrapping within margins and indents, the absent
// printer, and the picture of a printed page.
#include <gtest/gtest.h>

#include "platform/rgba_image.h"

#include <algorithm>

#include "platform/ui/headless/headless_printer.h"
#include "platform/png_decoder.h"
#include "platform/ui/page_layout.h"
#include "platform/vb_error.h"
#include "support/test_support.h"

namespace ostrevan::ui::headless {
namespace {

using testing::ErrorOf;

const Color kRed{255, 0, 0}, kGreen{0, 192, 0};

TEST(Printer, LinesGoOneBelowTheOtherAndEndDocSendsTheDocument) {
    HeadlessPrinter p;
    p.EndDoc();
    EXPECT_TRUE(p.Documents().empty()) << "ending an empty document sends nothing";
    p.SetFontSize(12);
    p.PrintLine("");
    p.PrintLine("Dear Sir / Madam,");
    p.PrintLine("second");
    p.EndDoc();
    ASSERT_EQ(p.Documents().size(), 1u);
    const PrintedDocument& d = p.Documents()[0];
    ASSERT_EQ(d.pages.size(), 1u);
    ASSERT_EQ(d.pages[0].items.size(), 2u);
    const DrawnText& a = d.pages[0].items[0];
    EXPECT_EQ(a.text, "Dear Sir / Madam,");
    EXPECT_EQ(a.format.heightTwips, 240);
    // A half-inch margin at 96 dots per inch; below it one empty 12-point line.
    EXPECT_EQ(std::make_tuple(a.x, a.y, d.pages[0].items[1].y), std::make_tuple(48, 48 + 16, 48 + 32));
    EXPECT_EQ(d.lines.size(), 3u);
    EXPECT_EQ(d.lines[1], (std::pair<std::string, double>{"Dear Sir / Madam,", 12.0}));
}

TEST(Printer, LongDocumentsContinueOnNewPagesWithinTheMargins) {
    HeadlessPrinter p;
    p.SetFontSize(12);
    for (int i = 0; i < 150; ++i) p.PrintLine("line " + std::to_string(i));
    p.EndDoc();
    const PrintedDocument& d = p.Documents().at(0);
    // 1056 dots high, 48 of margin at top and bottom, 16 a line: 60 lines a page.
    ASSERT_EQ(d.pages.size(), 3u);
    EXPECT_EQ(d.pages[0].items.size(), 60u);
    EXPECT_EQ(d.pages[2].items.size(), 30u);
    EXPECT_EQ(d.pages[1].items[0].text, "line 60");
    for (const PrintedPage& pg : d.pages) {
        for (const DrawnText& t : pg.items) {
            EXPECT_GE(t.y, 48);
            EXPECT_LE(t.y + 16, 1056 - 48);
        }
    }
}

TEST(Printer, RichTextWrapsWithinIndentsAndKeepsColours) {
    HeadlessPrinter p;
    CharFormat f{"Courier", 165, false, false, kGreen};  // 11-dot cells, 5 dots wide
    std::string words;
    for (int i = 0; i < 60; ++i) words += "word" + std::to_string(i % 10) + " ";
    PrintableText t{{TextRun{words, f}, TextRun{"\nred", CharFormat{"Courier", 165, true, false, kRed}}},
                    {ParaFormat{1440, 1440}, ParaFormat{}}};
    p.PrintLine("");
    p.PrintText(t);
    p.EndDoc();
    const PrintedPage& pg = p.Documents().at(0).pages.at(0);
    ASSERT_GE(pg.items.size(), 3u);
    const int left = 48 + 96, right = 816 - 48 - 96;
    for (size_t i = 0; i + 1 < pg.items.size(); ++i) {
        const DrawnText& d = pg.items[i];
        EXPECT_EQ(d.x, left) << "indented paragraph, item " << i;
        EXPECT_LE(d.x + 5 * static_cast<int>(d.text.size()), right + 5) << d.text;
        EXPECT_EQ(d.format.color, kGreen);
        EXPECT_NE(d.text.substr(0, 4), "ord") << "words are not split";
    }
    EXPECT_EQ(pg.items.back().text + std::to_string(pg.items.back().x), "red48");
    EXPECT_EQ(pg.items.back().format.color, kRed);
    EXPECT_EQ(p.Documents()[0].texts.size(), 1u);
}

TEST(PageLayout, TabsSpacesAndOverlongWords) {
    HeadlessPrintDevice dev;  // 12-point text: 8 dots a character
    CharFormat f{"Courier", 240};
    struct Case { std::string text; int left, right; std::vector<std::pair<int, std::string>> first; int lines; };
    const Case cases[] = {
        {"\tVersion(s): 3.1", 0, 0, {{48, "Version(s): 3.1"}}, 1}, {"a\tb", 0, 0, {{0, "a"}, {48, "b"}}, 1},
        {"  lead", 0, 0, {{0, "  lead"}}, 1},
        // 816 dots minus 800 of margins leave 16: two characters a line.
        {"abcdef", 400, 400, {{400, "ab"}}, 3}, {"ab cd", 400, 400, {{400, "ab"}}, 2}, {"", 0, 0, {}, 1},
        {"x\n\ny", 0, 0, {{0, "x"}}, 3},
        {"a b", 396, 396, {{396, "a b"}}, 1},  // exactly the 24 dots of the line
        {"a\t", 384, 384, {{384, "a"}}, 1},     // a tab stop at the very end of the line
        {"ab", 900, 0, {{815, "a"}}, 2},        // a margin past the page: its last dot, a letter a line
    };
    for (const Case& c : cases) {
        const auto lines = LayOutText(PrintableText{{TextRun{c.text, f}}, {}}, dev, c.left, c.right);
        ASSERT_EQ(static_cast<int>(lines.size()), c.lines) << c.text;
        std::vector<std::pair<int, std::string>> first;
        for (const auto& piece : lines[0].pieces) first.emplace_back(piece.x, piece.text);
        EXPECT_EQ(first, c.first) << c.text;
        for (const auto& l : lines) EXPECT_EQ(l.height, 16) << c.text;
    }
}

// Printer fonts kern: a word may be narrower than its letters side by side. A word that fits the
// line whole is laid out whole, not broken where its letters alone would not fit.
TEST(PageLayout, AWordThatFitsWholeStaysWholeWhereItsLettersWouldNot) {
    struct KerningDevice : HeadlessPrintDevice {
        int TextWidth(const CharFormat& f, std::string_view text) override {
            return HeadlessPrintDevice::TextWidth(f, text) - (text.size() > 1 ? 1 : 0);
        }
    } dev;
    // 816 dots less margins of 400 and 401 leave 15: "ab" is 15 dots, "a" and "b" 8 each.
    const auto lines = LayOutText(PrintableText{{TextRun{"ab", CharFormat{"Courier", 240}}}, {}}, dev, 400, 401);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].pieces.size(), 1u);
    EXPECT_EQ(lines[0].pieces[0].text, "ab");
}

TEST(Printer, PageRasterShowsTheTextInItsColour) {
    HeadlessPrinter p;
    p.PrintText(PrintableText{{TextRun{"Acme", CharFormat{"Courier", 240, false, false, kRed}}}, {}});
    p.EndDoc();
    const Bitmap page = HeadlessPrinter::Rasterize(p.Documents().at(0).pages.at(0));
    EXPECT_EQ(std::make_pair(page.Width(), page.Height()), std::make_pair(816, 1056));
    int red = 0, outside = 0;
    for (int y = 0; y < page.Height(); ++y)
        for (int x = 0; x < page.Width(); ++x)
            if (page.At(x, y) == kRed) {
                ++red;
                outside += x < 48 || x >= 48 + 4 * 8 || y < 48 || y >= 48 + 16;
            }
    EXPECT_GT(red, 40);
    EXPECT_EQ(outside, 0);
}

// Characters outside printable ASCII are drawn as the same box, each within its own cell.
TEST(Printer, CharactersWithoutAGlyphShowAsABoxInsideTheirCell) {
    const uint8_t* box = GlyphRows(0x01);
    for (unsigned char c : {0x1F, 0x7F, 0x80, 0xE9, 0xFF})
        EXPECT_TRUE(std::equal(box, box + kGlyphRows, GlyphRows(c))) << int(c);
    EXPECT_FALSE(std::equal(box, box + kGlyphRows, GlyphRows('A')));
    Bitmap b(16, 24, kWhite);
    b.DrawString(0, 0, "\x01\xE9", 8, 12, kRed, false);
    EXPECT_GT(b.Count(kRed), 0);
    int below = 0;
    for (int y = 12; y < 24; ++y)
        for (int x = 0; x < 16; ++x) below += b.At(x, y) == kRed;
    EXPECT_EQ(below, 0);
    // A picture laid over the bitmap: opaque pixels cover, clear ones leave, half-clear ones mix.
    Bitmap over(3, 1, kWhite);
    over.Blend(0, 0, RgbaImage{3, 1, {255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 128}});
    EXPECT_EQ(std::vector<Color>({over.At(0, 0), over.At(1, 0), over.At(2, 0)}),
              std::vector<Color>({kRed, kWhite, Color{127, 127, 127}}));
    // A cell without height or width draws nothing and takes no room.
    EXPECT_EQ(b.DrawString(3, 0, "AB", 8, 0, kRed, false), 3);
    EXPECT_EQ(b.DrawString(3, 0, "AB", 0, 12, kRed, false), 3);
}

// The pictures of printed pages are PNG files that the icon reader's own decoder, which checks
// every checksum, reads back to the same pixels.
TEST(Png, PicturesLargerThanOneDeflateBlockDecodeToTheSamePixels) {
    for (auto [w, h] : {std::pair{2, 1}, {3, 2}, {200, 100}}) {
        Bitmap b(w, h, kWhite);
        b.Set(0, 0, kRed);
        b.Set(w - 1, h - 1, kGreen);
        b.Set(0, h, kRed);  // below and right of the picture: nothing
        b.Set(w, 0, kRed);
        EXPECT_EQ(b.Count(kRed) + b.Count(kGreen), 2) << "corners count";
        EXPECT_EQ(b.AlphaAt(w, 0) + b.AlphaAt(0, h) + b.AlphaAt(-1, 0) + b.AlphaAt(0, -1), 0) << "outside: clear";
        EXPECT_EQ(b.At(0, h), kBlack);
        const std::string png = b.ToPng();
        const auto image = icons::DecodePng(ByteView(reinterpret_cast<const uint8_t*>(png.data()), png.size()), 4096);
        ASSERT_TRUE(image) << w << "x" << h;
        ASSERT_EQ(std::make_pair(image->width, image->height), std::make_pair(w, h));
        EXPECT_EQ(image->At(0, 0), 0xFF0000FFu);
        EXPECT_EQ(image->At(w - 1, h - 1), 0x00C000FFu);
        EXPECT_EQ(image->At(w - 1, 0), h > 1 ? 0xFFFFFFFFu : 0x00C000FFu);
    }
    Bitmap fill(4, 4, kWhite);
    fill.FillRect(1, 1, 2, 2, kRed);
    EXPECT_EQ(fill.Count(kRed), 4);
    EXPECT_NE(GlyphRows('~'), GlyphRows(127)) << "the last printable character has a glyph";
}

}  // namespace
}  // namespace ostrevan::ui::headless
