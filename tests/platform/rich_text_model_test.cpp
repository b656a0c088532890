// The rich-text document model and the RTF reader and writer.
#include <gtest/gtest.h>

#include "platform/ui/rich_document.h"
#include "platform/ui/rtf.h"
#include "support/test_support.h"

namespace ostrevan::ui {

void PrintTo(const TextRun& r, std::ostream* os) {
    *os << "{\"" << r.text << "\" " << r.format.face << " " << r.format.heightTwips << " rgb("
        << int(r.format.color.r) << "," << int(r.format.color.g) << "," << int(r.format.color.b)
        << ")" << (r.format.bold ? " bold" : "") << "}";
}

namespace {

CharFormat Fmt(Color c, std::string face = "Courier", int twips = 165, bool bold = false) {
    return CharFormat{std::move(face), twips, bold, false, c};
}

const Color kGreen{0, 192, 0}, kRed{255, 0, 0}, kBlue{0, 0, 255};

TEST(RichDocument, AppendingKeepsEachPieceInItsFormatAndMergesEqualNeighbours) {
    RichDocument d;
    d.Replace(0, 0, "ab", Fmt(kRed));
    d.Replace(2, 0, "cd", Fmt(kRed));
    d.Replace(4, 0, "ef", Fmt(kGreen));
    EXPECT_EQ(d.All().runs, (std::vector<TextRun>{{"abcd", Fmt(kRed)}, {"ef", Fmt(kGreen)}}));
}

TEST(RichDocument, ReplacingInTheMiddleKeepsTheFormatsAround) {
    RichDocument d;
    d.Replace(0, 0, "aaaa", Fmt(kRed));
    d.Replace(1, 2, "XYZ", Fmt(kBlue));
    EXPECT_EQ(d.Text(), "aXYZa");
    EXPECT_EQ((std::vector<Color>{d.FormatAt(0, {}).color, d.FormatAt(2, {}).color, d.FormatAt(4, {}).color}),
              (std::vector<Color>{kRed, kBlue, kRed}));
    // Out-of-range requests are clamped rather than refused.
    d.Replace(-5, 100, "z", Fmt(kGreen));
    EXPECT_EQ(d.Text(), "z");
    EXPECT_EQ(d.FormatAt(99, {}).color, kGreen);
}

TEST(RichDocument, ParagraphFormatsFollowInsertedAndRemovedLineFeeds) {
    RichDocument d;
    d.Replace(0, 0, "a\nb\nc", Fmt(kBlack));
    d.SetParagraphFormat(2, 0, ParaFormat{100, 200});  // paragraph "b"
    EXPECT_EQ(d.Paragraphs(), (std::vector<ParaFormat>{{}, {100, 200}, {}}));
    // Splitting "b" gives both halves its indents.
    d.Replace(3, 0, "\n", Fmt(kBlack));
    EXPECT_EQ(d.Paragraphs(), (std::vector<ParaFormat>{{}, {100, 200}, {100, 200}, {}}));
    // Joining "a" with what follows keeps the first paragraph's format.
    d.Replace(1, 1, "", Fmt(kBlack));
    EXPECT_EQ(d.Text(), "ab\n\nc");
    EXPECT_EQ(d.Paragraphs(), (std::vector<ParaFormat>{{}, {100, 200}, {}}));
    // A range ending just after a line feed does not touch the next paragraph.
    d.SetParagraphFormat(0, 3, ParaFormat{7, 7});
    EXPECT_EQ(d.Paragraphs(), (std::vector<ParaFormat>{{7, 7}, {100, 200}, {}}));
}

TEST(RichDocument, SliceGivesTheRunsAndParagraphsOfARange) {
    RichDocument d;
    d.Replace(0, 0, "ab\ncd", Fmt(kRed));
    d.SetColor(1, 3, kGreen);
    d.SetParagraphFormat(4, 0, ParaFormat{100, 100});
    const PrintableText t = d.Slice(1, 3);
    EXPECT_EQ(t.runs, (std::vector<TextRun>{{"b\nc", Fmt(kGreen)}}));
    EXPECT_EQ(t.paragraphs, (std::vector<ParaFormat>{{}, {100, 100}}));
    // A document made of them takes the formats of its own paragraphs only, and paragraphs
    // given no format keep the plain one.
    EXPECT_EQ(RichDocument(PrintableText{t.runs, {{}, {100, 100}, {50, 50}}}).All().paragraphs, t.paragraphs);
    EXPECT_EQ(RichDocument(PrintableText{t.runs, {{50, 50}}}).All().paragraphs,
              (std::vector<ParaFormat>{{50, 50}, {}}));
}

// ---- RTF ----

PrintableText Sample() {
    PrintableText t;
    // Sizes in whole half points: RTF has no finer sizes (8.25 points is written as 8.5).
    t.runs = {{"Acme Writer\n\tVersion(s): 3.1\n", Fmt(kGreen, "Courier", 170)},
              {"Caf\xE9 {braces} back\\slash \x80 \x01\x7F", Fmt(kRed, "Courier", 240, true)},
              {"\n\nplain", Fmt(kBlack, "Times New Roman", 200)}};
    t.paragraphs = {{100, 100}, {100, 100}, {0, 0}, {0, 0}, {0, 250}};
    return t;
}

TEST(Rtf, WrittenDocumentReadsBackToTheSameRunsAndIndents) {
    const PrintableText in = Sample();
    const PrintableText out = ReadRtf(WriteRtf(in));
    EXPECT_EQ(out.runs, in.runs);
    EXPECT_EQ(out.paragraphs, in.paragraphs);
}

TEST(Rtf, TrailingLineFeedsSurviveTheFinalParagraphMark) {
    for (const std::string text : {"a", "a\n", "a\n\n", "\n", ""}) {
        const PrintableText in{{TextRun{text, CharFormat{}}}, {}};
        EXPECT_EQ(testing::PlainText(ReadRtf(WriteRtf(in))), text);
    }
    // What word processors write: the last \par ends the last line; \line does not.
    EXPECT_EQ(ReadRtf("{\\rtf1 a\\par b\\par\r\n}").runs.at(0).text, "a\nb");
    EXPECT_EQ(ReadRtf("{\\rtf1 a\\line}").runs.at(0).text, "a\n");
}

TEST(Rtf, FirstLineIndentCountsForTheParagraph) {
    const PrintableText t = ReadRtf("{\\rtf1\\pard\\fi100\\ri100 one\\par two\\par\\pard\\li200\\fi-50 three}");
    EXPECT_EQ(t.paragraphs, (std::vector<ParaFormat>{{100, 100}, {100, 100}, {150, 0}}));
}

TEST(Rtf, WriterUsesTablesAndEscapesThatWordProcessorsRead) {
    const std::string rtf = WriteRtf(Sample());
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_NE(rtf.find("\\fs17"), std::string::npos);  // 8.25 points
    EXPECT_NE(rtf.find("Caf\\'e9 \\{braces\\} back\\\\slash \\'80 \\'01\\'7f"), std::string::npos);
    EXPECT_NE(rtf.find("\\pard\\li100\\ri100 "), std::string::npos);
    // Nothing but 7-bit text, so the file survives any transfer.
    for (unsigned char c : rtf) EXPECT_LT(c, 0x80);
}

TEST(Rtf, ReadsADocumentAsWordProcessorsWriteIt) {
    const std::string rtf =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 "
        "Calibri;}{\\f1\\fmodern Courier New;}}\r\n"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\r\n"
        "{\\*\\generator Riched20 10.0.19041}{\\info{\\author someone}}\\viewkind4\\uc1 \r\n"
        "{\\stylesheet{\\s0 Normal;}}"
        "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Hello \\cf1\\b red\\b0\\cf0  "
        "\\f1\\fs20 mono\\par\r\n"
        "\\cf2 caf\\'e9\\line x\\tab y \\u8364?euro \\uc2\\u8212--dash\\uc1  \\lquote q\\rquote\\par\r\n"
        "{\\pict\\wmetafile8 0102ff}{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}\\par\r\n}";
    const PrintableText t = ReadRtf(rtf);
    EXPECT_EQ(testing::PlainText(t), "Hello red mono\ncaf\xE9\nx\ty \x80" "euro \x97" "dash \x91q\x92\nlink");
    ASSERT_GE(t.runs.size(), 5u);
    EXPECT_EQ(t.runs[0], (TextRun{"Hello ", Fmt(kBlack, "Calibri", 220)}));
    EXPECT_EQ(t.runs[1], (TextRun{"red", Fmt(kRed, "Calibri", 220, true)}));
    EXPECT_EQ(t.runs[2].format.color, kBlack);  // \cf0: the automatic colour
    EXPECT_EQ(t.runs[3].format, Fmt(kBlack, "Courier New", 200));
    EXPECT_EQ(t.runs[4].format.color, kBlue);
}

TEST(Rtf, GroupsRestoreTheFormatBeforeThem) {
    const PrintableText t = ReadRtf(
        "{\\rtf1{\\colortbl\\red7;\\red1\\green2\\blue3;}a{\\cf1\\b b}c{\\plain\\fs40 d}e{\\fs0 f}}");
    const CharFormat plain = t.runs.at(0).format, big{plain.face, 400};
    const CharFormat bold = Fmt(Color{1, 2, 3}, plain.face, plain.heightTwips, true);
    EXPECT_EQ(t.runs, (std::vector<TextRun>{{"a", plain}, {"b", bold}, {"c", plain}, {"d", big}, {"ef", plain}}))
        << "a font size of 0 is the default 12 points";
}

TEST(Rtf, FontNumbersChooseTheirFaces) {
    // \deff gives the face of text without \f; a number named twice keeps its first name; a blank
    // name leaves the default face; a name may end with its group instead of a semicolon.
    const PrintableText t = ReadRtf("{\\rtf1\\deff1{\\fonttbl{\\f0 A;}{\\f1 B;}{\\f1 C;}{\\f2  ;}{\\f3 D}}x\\f0 y\\f2 z\\f3 w}");
    ASSERT_EQ(t.runs.size(), 4u);
    EXPECT_EQ(t.runs[0].format.face + t.runs[1].format.face + t.runs[2].format.face + t.runs[3].format.face,
              "BA" + CharFormat{}.face + "D");
}

TEST(Rtf, ADocumentIsTakenForRtfByItsFirstWordAfterBlanks) {
    EXPECT_TRUE(LooksLikeRtf(" \r\n\t{\\rtf1 x}"));
    EXPECT_FALSE(LooksLikeRtf("x{\\rtf1}"));
    const std::vector<char> blanks(3, ' ');  // the check reads no byte past those it is given
    EXPECT_FALSE(LooksLikeRtf(std::string_view(blanks.data(), blanks.size())));
}

TEST(Rtf, MalformedInputEndsCleanly) {
    struct Case { const char* name; std::string rtf; std::string text; };
    const Case cases[] = {
        {"unclosed groups, a control word last", "{\\rtf1 abc{\\b def\\b", "abcdef"},
        {"text after the document", "{\\rtf1 a}}}b}", "a"},
        {"NUL bytes", std::string("{\\rtf1 a\0b}\0", 12), "ab"},
        {"escape cut short", "{\\rtf1 x\\'4", "x"},
        {"escape last", "{\\rtf1 x\\'41", "xA"},
        {"bad hex digits", "{\\rtf1 x\\'zzy}", "xy"},
        {"backslash at the end", "{\\rtf1 x\\", "x"},
        {"binary longer than the data", "{\\rtf1 a\\bin999999 xyz", "a"},
        {"binary of no or a negative length", "{\\rtf1 a\\bin b\\bin-5 c}", "abc"},
        {"huge numbers", "{\\rtf1\\fs99999999999999999999 a\\cf-99999999999 b\\u-1? c}", "ab? c"},
        {"NUL by number", "{\\rtf1 a\\u0?b\\'00c}", "abc"},
        {"characters of every range by number", "{\\rtf1 \\u65?\\u127?\\u128?\\u160?\\u255?\\u8364?\\u256?\\u-3971?}", "A\x7F?\xA0\xFF\x80??"},
        {"colour index just past the table", "{\\rtf1{\\colortbl;\\red9;}\\cf2 z}", "z"},
        {"deep nesting", std::string(5000, '{') + "\\rtf1 deep" + std::string(5000, '}'), "deep"},
        {"font table without braces", "{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1 Courier;}\\f1 t}", "t"},
        {"unknown control words, any case", "{\\rtf1 \\xmpZoz a\\Zed b}", "ab"},
        {"a control word ends after 32 letters", "{\\rtf1 \\" + std::string(32, 'x') + "y z}", "y z"},
        {"empty and blank font names", "{\\rtf1{\\fonttbl{\\f0;}{\\f1   ;}}\\f0 t\\f1 u}", "tu"},
    };
    for (const Case& c : cases) EXPECT_EQ(testing::PlainText(ReadRtf(c.rtf)), c.text) << c.name;
    EXPECT_EQ(ReadRtf("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1 Courier;}\\f1 t}").runs[0].format.face,
              "Courier");
}

}  // namespace
}  // namespace ostrevan::ui
