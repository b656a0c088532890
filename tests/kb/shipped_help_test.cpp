// The seven help topics that ship beside the program (data/Help*.rtf): each must be an RTF
// document that the rich-text control and word processors read, and must say what its page
// needs the user to know, in the program's own words and colours.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "rules/readiness.h"
#include "platform/text.h"
#include "platform/ui/rtf.h"
#include "support/test_support.h"

namespace ostrevan {
namespace {

using testing::ReadFileBytes;

const char* const kTopics[] = {"HelpINTR.rtf", "HelpMODE.rtf", "HelpDISK.rtf", "HelpSCAN.rtf",
                               "HelpREP.rtf",  "HelpBIOS.rtf", "HelpTS.rtf"};

std::string Topic(const std::string& name) {
    return ReadFileBytes(std::filesystem::path(OSTREVAN_SOURCE_DIR) / "data" / name);
}

// The document as the help window reads it, and its text.
ui::PrintableText Read(const std::string& name) { return ui::ReadRtf(Topic(name)); }
std::string PlainText(const ui::PrintableText& doc) {
    std::string out;
    for (const auto& run : doc.runs) out += run.text;
    return out;
}

// Whether the braces balance and nothing follows the document's outer group.
bool BracesBalance(const std::string& rtf) {
    int depth = 0;
    for (size_t i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') ++i;
        else if (rtf[i] == '{') ++depth;
        else if (rtf[i] == '}' && --depth == 0) return rtf.find_first_not_of("\r\n", i + 1) == std::string::npos;
    }
    return false;
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
        EXPECT_TRUE(BracesBalance(rtf)) << "braces do not balance, or text follows the document";
        const std::string text = PlainText(ui::ReadRtf(rtf));
        EXPECT_GT(text.size(), 600u) << "a topic says more than a few lines";
        for (unsigned char c : text) {
            // Escaped bytes must be characters of Windows-1252.
            EXPECT_TRUE(c != 0x81 && c != 0x8D && c != 0x8F && c != 0x90 && c != 0x9D) << int(c);
        }
    }
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
                          "set the correct date and time again", "battery", "BIOS update",
                          // the utility's exit codes, one to a line, for batch files
                          "\t0: ", "\t1: ", "\t2: ", "\t6: ", "\t8: ", "\t16: "}},
        {"HelpTS.rtf", {"Unable to Print Help", "Print Error!!", "Ostrevan was Unable to Copy this File",
                        "Copy Error", "Vendors.y2k", "APPS.y2k", "Files.y2k"}},
    };
    for (const auto& [name, points] : keyPoints) {
        SCOPED_TRACE(name);
        const std::string text = PlainText(Read(name));
        for (const std::string& p : points) EXPECT_TRUE(text::IContains(text, p)) << "missing: " << p;
    }
}

// The pages that explain the classes use the program's own messages in the classes' colours.
TEST(ShippedHelp, ClassMessagesAppearInTheirReportColours) {
    for (const char* name : {"HelpINTR.rtf", "HelpREP.rtf"}) {
        SCOPED_TRACE(name);
        const ui::PrintableText doc = Read(name);
        for (const ReadinessClass& rc : kReadinessClasses) {
            if (rc.code < 0) continue;
            bool found = false;
            for (const auto& run : doc.runs) {
                if (run.text.find(rc.message) == std::string::npos) continue;
                found = true;
                EXPECT_EQ(run.format.color, rc.colour) << rc.message;
            }
            EXPECT_TRUE(found) << "missing: " << rc.message;
        }
    }
}

}  // namespace
}  // namespace ostrevan
