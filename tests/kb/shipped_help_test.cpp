// The seven help topics that ship beside the program (data/Help*.rtf): each must be an RTF
// document that the rich-text control and word processors read, and must say what its page
// needs the user to know, in the program's own words and colours.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "match/readiness.h"
#include "platform/text.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::ReadFileBytes;

const char* const kTopics[] = {"HelpINTR.rtf", "HelpMODE.rtf", "HelpDISK.rtf", "HelpSCAN.rtf",
                               "HelpREP.rtf",  "HelpBIOS.rtf", "HelpTS.rtf"};

std::string Topic(const std::string& name) {
    return ReadFileBytes(std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data" / name);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The document's text as a reader shows it: groups of the font and colour tables skipped,
// \par a line feed, \tab a TAB, \'hh the byte hh, other control words dropped. Returns nothing
// when the braces do not balance or the document does not end with its outer group.
std::optional<std::string> PlainText(const std::string& rtf) {
    std::string out;
    int depth = 0;
    int skipDepth = 0;  // depth of a skipped destination group, 0 when none
    size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            ++i;
            for (const char* dest : {"\\fonttbl", "\\colortbl", "\\*"}) {
                if (skipDepth == 0 && rtf.compare(i, std::string(dest).size(), dest) == 0) skipDepth = depth;
            }
            continue;
        }
        if (c == '}') {
            if (depth == skipDepth) skipDepth = 0;
            if (--depth < 0) return std::nullopt;
            ++i;
            if (depth == 0 && rtf.find_first_not_of("\r\n", i) != std::string::npos) return std::nullopt;
            continue;
        }
        if (c == '\\') {
            if (i + 1 >= rtf.size()) return std::nullopt;
            const char n = rtf[i + 1];
            if (n == '\\' || n == '{' || n == '}') {
                if (!skipDepth) out += n;
                i += 2;
                continue;
            }
            if (n == '\'') {
                if (i + 3 >= rtf.size() || HexDigit(rtf[i + 2]) < 0 || HexDigit(rtf[i + 3]) < 0) return std::nullopt;
                if (!skipDepth) out += static_cast<char>(HexDigit(rtf[i + 2]) * 16 + HexDigit(rtf[i + 3]));
                i += 4;
                continue;
            }
            size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            const std::string word = rtf.substr(i + 1, j - i - 1);
            if (j < rtf.size() && (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j])))) {
                ++j;
                while (j < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[j]))) ++j;
            }
            if (j < rtf.size() && rtf[j] == ' ') ++j;
            if (!skipDepth) {
                if (word == "par") out += '\n';
                if (word == "tab") out += '\t';
            }
            i = j;
            continue;
        }
        if (c != '\r' && c != '\n' && !skipDepth) out += c;
        ++i;
    }
    if (depth != 0) return std::nullopt;
    return out;
}

// The colour table's entries, index 1 first (index 0 is the automatic colour).
std::vector<Rgb> ColourTable(const std::string& rtf) {
    std::vector<Rgb> out;
    const size_t start = rtf.find("{\\colortbl");
    if (start == std::string::npos) return out;
    const size_t end = rtf.find('}', start);
    std::string table = rtf.substr(start, end - start);
    size_t pos = 0;
    while ((pos = table.find("\\red", pos)) != std::string::npos) {
        int r = 0, g = 0, b = 0;
        if (std::sscanf(table.c_str() + pos, "\\red%d\\green%d\\blue%d", &r, &g, &b) != 3) break;
        out.push_back(Rgb{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)});
        ++pos;
    }
    return out;
}

TEST(ShippedHelp, EveryTopicIsAWellFormedRtfDocumentInWindows1252) {
    for (const char* name : kTopics) {
        SCOPED_TRACE(name);
        const std::string rtf = Topic(name);
        EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
        EXPECT_NE(rtf.find("\\ansi"), std::string::npos);
        EXPECT_NE(rtf.find("{\\fonttbl"), std::string::npos);
        EXPECT_NE(rtf.find("{\\colortbl"), std::string::npos);
        for (unsigned char c : rtf) {
            EXPECT_TRUE(c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7F)) << "raw byte " << int(c);
        }
        const auto text = PlainText(rtf);
        ASSERT_TRUE(text.has_value()) << "braces do not balance, or text follows the document";
        EXPECT_GT(text->size(), 600u) << "a topic says more than a few lines";
        for (unsigned char c : *text) {
            // Escaped bytes must be characters of Windows-1252.
            EXPECT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) << int(c);
        }
    }
}

TEST(ShippedHelp, TheParserRefusesBrokenDocuments) {
    EXPECT_TRUE(PlainText("{\\rtf1 a\\{b\\}c}").has_value());
    EXPECT_EQ(*PlainText("{\\rtf1 {\\fonttbl{\\f0 Arial;}}x\\par y\\'e9}"), "x\ny\xe9");
    EXPECT_FALSE(PlainText("{\\rtf1 {x}").has_value());
    EXPECT_FALSE(PlainText("{\\rtf1 x}}").has_value());
    EXPECT_FALSE(PlainText("{\\rtf1 x} y").has_value());
    EXPECT_FALSE(PlainText("{\\rtf1 \\'zz}").has_value());
}

TEST(ShippedHelp, EachTopicCoversItsPage) {
    const std::map<std::string, std::vector<std::string>> keyPoints = {
        {"HelpINTR.rtf", {"Vendors.y2k", "APPS.y2k", "Mode Selection", "Disk Selection", "Disk Scan",
                          "Software Report", "BIOS Check", "changes nothing"}},
        {"HelpMODE.rtf", {"Create a Year 2000 Software Readiness Report",
                          "View the Previously Generated Report", "Files.y2k", "JFiles.y2k"}},
        {"HelpDISK.rtf", {"*.exe", "hidden", "network", "Abort!", "operating system"}},
        {"HelpSCAN.rtf", {"Year 2000 Ready", "Manufacturer Supplied No Info", "Year 2000 Ready With Issues",
                          "Not Year 2000 Ready", "Manufacturer Will Not Test", "Abort!",
                          "Not in Ostrevan Database"}},
        {"HelpREP.rtf", {"More Info...", "Advanced...", "Save...", "Print", "C:\\Temp.rtf",
                         "readiness request letter", "Version(s): "}},
        {"HelpBIOS.rtf", {"31 December 1999", "23:59", "1 January 2000", "29 February 2000",
                          "switch off", "2000.exe", "floppy", "never inside Windows",
                          "set the correct date and time again", "battery", "BIOS update"}},
        {"HelpTS.rtf", {"Unable to Print Help", "Print Error!!", "Ostrevan was Unable to Copy this File",
                        "Copy Error", "Vendors.y2k", "APPS.y2k", "Files.y2k"}},
    };
    for (const auto& [name, points] : keyPoints) {
        SCOPED_TRACE(name);
        const auto text = PlainText(Topic(name));
        ASSERT_TRUE(text.has_value());
        for (const std::string& p : points) EXPECT_TRUE(text::IContains(*text, p)) << "missing: " << p;
    }
}

// The utility's exit codes are listed one to a line, for batch files.
TEST(ShippedHelp, BiosTopicListsEveryExitCodeOfTheTestUtility) {
    const auto text = PlainText(Topic("HelpBIOS.rtf"));
    ASSERT_TRUE(text.has_value());
    for (const char* code : {"0", "1", "2", "6", "8", "16"}) {
        EXPECT_NE(text->find(std::string("\t") + code + ": "), std::string::npos) << "exit code " << code;
    }
}

// The pages that explain the classes use the program's own messages in the classes' colours.
TEST(ShippedHelp, ClassMessagesAppearInTheirReportColours) {
    for (const char* name : {"HelpINTR.rtf", "HelpREP.rtf"}) {
        SCOPED_TRACE(name);
        const std::string rtf = Topic(name);
        const auto colours = ColourTable(rtf);
        ASSERT_FALSE(colours.empty());
        for (const ReadinessClass& rc : kReadinessClasses) {
            if (rc.code < 0) continue;
            SCOPED_TRACE(rc.message);
            const size_t at = rtf.find(rc.message);
            ASSERT_NE(at, std::string::npos) << "the message is missing";
            const size_t cf = rtf.rfind("\\cf", at);
            ASSERT_NE(cf, std::string::npos);
            const size_t index = std::stoul(rtf.substr(cf + 3));
            ASSERT_GE(index, 1u);
            ASSERT_LE(index, colours.size());
            EXPECT_TRUE(colours[index - 1] == rc.colour) << "colour index " << index;
        }
    }
}

}  // namespace
}  // namespace ostrevan
