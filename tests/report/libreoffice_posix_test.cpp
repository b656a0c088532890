// The saved report opened by another word processor: LibreOffice, run headless, converts the
// RTF to HTML, and every line of the report must come out with its text, its class colour and
// the Courier face.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "report/report_fixture.h"
#include "platform/codepage.h"
#include "platform/ui/rtf.h"
#include "report/save_print.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

struct Paragraph {
    std::string text;
    std::string colour;  // "#rrggbb" of the last colour before the text, lower case
    bool courier = false;
};

std::string CollapseBlanks(const std::string& s) {
    std::string out;
    for (char c : s) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (blank) {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string Unescape(std::string s) {
    const std::pair<const char*, const char*> entities[] = {
        {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&eacute;", "\xC3\xA9"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (size_t at; (at = s.find(from)) != std::string::npos;) s.replace(at, strlen(from), to);
    return s;
}

std::vector<Paragraph> ParagraphsOf(const std::string& html) {
    std::vector<Paragraph> out;
    const std::regex para("<p[^>]*>([\\s\\S]*?)</p>");
    const std::regex colour("color=\"(#[0-9a-fA-F]{6})\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), para);
         it != std::sregex_iterator(); ++it) {
        const std::string inner = (*it)[1];
        Paragraph p;
        for (auto c = std::sregex_iterator(inner.begin(), inner.end(), colour);
             c != std::sregex_iterator(); ++c) {
            p.colour = (*c)[1];
            for (char& ch : p.colour) ch = static_cast<char>(std::tolower(ch));
        }
        p.courier = inner.find("face=\"Courier") != std::string::npos ||
                    inner.find("font-family: \"Courier") != std::string::npos ||
                    inner.find("font-family: Courier") != std::string::npos;
        p.text = CollapseBlanks(Unescape(std::regex_replace(inner, std::regex("<[^>]*>"), "")));
        if (!p.text.empty()) out.push_back(p);
    }
    return out;
}

// Converts the RTF files in dir with LibreOffice, run headless, to `format` in dir/out.
std::string ConvertWithLibreOffice(const TempDir& dir, const std::string& format, const std::string& files) {
    const std::string cmd = "cd '" + dir.path().string() + "' && HOME='" + dir.path().string() +
                            "' timeout 300 soffice -env:UserInstallation=file://" + dir.path().string() +
                            "/profile --headless --convert-to '" + format + "' --outdir out " + files +
                            " >convert.log 2>&1";
    return std::system(cmd.c_str()) == 0 ? "" : ReadFileBytes(dir / "convert.log");
}

bool HaveLibreOffice() { return std::system("command -v soffice >/dev/null 2>&1") == 0; }

// Every help topic read by the help window's reader and by LibreOffice: the same words.
TEST(HelpTopicsInLibreOffice, SameTextAsTheReaderGives) {
    if (!HaveLibreOffice()) GTEST_SKIP() << "soffice is not installed (Debian package libreoffice-writer-nogui)";
    TempDir dir;
    const std::vector<std::string> topics = {"INTR", "MODE", "DISK", "SCAN", "REP", "BIOS", "TS"};
    std::string files;
    for (const auto& t : topics) {
        const std::string name = "Help" + t + ".rtf";
        WriteFileBytes(dir / name, ReadFileBytes(std::string(OSTREVAN_SOURCE_DIR) + "/data/" + name));
        files += " " + name;
    }
    ASSERT_EQ(ConvertWithLibreOffice(dir, "txt:Text (encoded):UTF8", files), "");
    for (const auto& t : topics) {
        std::string ours;
        for (const auto& run : ui::ReadRtf(ReadFileBytes(dir / ("Help" + t + ".rtf"))).runs) ours += run.text;
        std::string theirs = ReadFileBytes(dir / "out" / ("Help" + t + ".txt"));
        if (theirs.rfind("\xEF\xBB\xBF", 0) == 0) theirs.erase(0, 3);
        const std::string words = CollapseBlanks(codepage::Windows1252ToUtf8(ours));
        EXPECT_GT(words.size(), 200u) << t;
        EXPECT_EQ(words, CollapseBlanks(theirs)) << t;
    }
}

TEST(SavedReportInLibreOffice, TextColoursAndFaceSurvive) {
    if (!HaveLibreOffice())
        GTEST_SKIP() << "soffice is not installed (Debian package libreoffice-writer-nogui); "
                        "the saved report was not checked with LibreOffice";
    ReportPage p;
    const int16_t codes[] = {1, 4, 0, 3, 5, 2, 6};
    for (int i = 0; i < 7; ++i)
        p.Add({"Program " + std::to_string(i) + " & Co <x>", "Maker \xE9", "1.0",
               i % 2 ? "2.0" : "1.0", codes[i]});
    p.Fill();
    TempDir dir;
    const std::string rtf = (dir / "report.rtf").string();
    ASSERT_EQ(SaveRichText(*p.rtxt, rtf), "");
    ASSERT_EQ(ConvertWithLibreOffice(dir, "html", "report.rtf"), "");
    const std::string html = ReadFileBytes(dir / "out" / "report.html");
    const std::vector<Paragraph> got = ParagraphsOf(html);

    // The report's lines that carry text, each with the colour of its entry.
    const char* hex[] = {"#ff0000", "#ff0000", "#ff8000", "#0000ff",
                         "#ff00ff", "#00c000", "#000000"};
    std::vector<Paragraph> want;
    const std::vector<std::string> lines = Split(p.rtxt->Text());
    for (size_t l = 0; l < lines.size(); ++l) {
        if (lines[l].empty()) continue;
        std::string utf8;
        for (char c : lines[l]) utf8 += c == '\xE9' ? std::string("\xC3\xA9") : std::string(1, c);
        want.push_back({CollapseBlanks(utf8), hex[l / 5], true});
    }
    ASSERT_EQ(got.size(), want.size()) << html;
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].text, want[i].text) << i;
        // LibreOffice leaves out the colour of text in the automatic (black) colour.
        if (want[i].colour == "#000000")
            EXPECT_TRUE(got[i].colour.empty() || got[i].colour == "#000000") << got[i].text;
        else
            EXPECT_EQ(got[i].colour, want[i].colour) << got[i].text;
        EXPECT_TRUE(got[i].courier) << got[i].text;
    }
}

}  // namespace
}  // namespace ostrevan::testing
