// Saving the report as RTF (default path, cancel, failures with their reason, replacing) and
// printing it (whole text, formatted, with and without a printer).
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ui/rtf.h"
#include "report/report_fixture.h"
#include "report/save_print.h"
#include "support/test_support.h"

namespace ostrevan::testing {
namespace {

// A report of every class (and so every colour), two entries of code 4.
ReportPage& Filled(ReportPage& p) {
    const int16_t codes[] = {0, 1, 2, 3, 4, 5, 6, 4};
    for (int i = 0; i < 8; ++i)
        p.Add({"Program " + std::to_string(i), "Maker \xE9", "1." + std::to_string(i), "2.0",
               codes[i]});
    p.Fill();
    return p;
}

TEST(SaveReport, FailuresTellWhyAndWhere) {
    TempDir dir;
    WriteFileBytes(dir / "plainfile", "x");
    std::filesystem::create_directory(dir / "folder.rtf");
    struct Case { std::string path; const char* reason; } cases[] = {
        {(dir / "no such dir" / "r.rtf").string(), "The folder does not exist."},
        {(dir / "plainfile" / "r.rtf").string(), "The folder does not exist."},
        {(dir / "folder.rtf").string(), ""},  // reason varies by system; the path is named
    };
    for (const Case& c : cases) {
        ReportPage p;
        Filled(p);
        p.tk.inputAnswers.push_back(c.path);
        SaveRichTextAs(p.tk, *p.rtxt);
        ASSERT_EQ(p.tk.messages.size(), 1u) << c.path;
        const std::string& m = p.tk.messages[0].text;
        EXPECT_NE(m.find("could not be saved"), std::string::npos) << m;
        EXPECT_NE(m.find("File: " + c.path), std::string::npos) << m;
        EXPECT_NE(m.find(std::string("Reason: ") + c.reason), std::string::npos) << m;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "no such dir"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.rtf"));
    for (const std::optional<std::string>& answer : {std::optional<std::string>(), std::optional<std::string>("")}) {
        ReportPage p;  // Cancel, or OK with nothing typed: nothing to save, nothing to say
        p.tk.inputAnswers.push_back(answer);
        SaveRichTextAs(p.tk, *p.rtxt);
        EXPECT_TRUE(p.tk.messages.empty());
    }
}

// The control's document as the RTF writer writes it (text, colours and face read back in
// rich_text_model_test.cpp); a second save to the same path keeps only the later report.
TEST(SaveReport, WritesTheControlsDocumentAndReplacesAnEarlierOne) {
    ReportPage p;
    Filled(p);
    TempDir dir;
    const std::string path = (dir / "twice.rtf").string();
    p.tk.inputAnswers = {path, path};
    SaveRichTextAs(p.tk, *p.rtxt);
    ASSERT_EQ(p.tk.inputs.size(), 1u);
    EXPECT_EQ(p.tk.inputs[0].prompt + "|" + p.tk.inputs[0].title + "|" + p.tk.inputs[0].defaultText,
              "Enter Destination of File|Save|C:\\Temp.rtf");
    const std::string first = ReadFileBytes(path);
    EXPECT_EQ(first, ui::WriteRtf(p.rtxt->Content()));
    p.st.cFiles.Clear();
    p.Add({"Only One", "V", "1", "1", 1});
    p.Fill();
    SaveRichTextAs(p.tk, *p.rtxt);
    const std::string second = ReadFileBytes(path);
    EXPECT_LT(second.size(), first.size());
    EXPECT_EQ(second, ui::WriteRtf(p.rtxt->Content())) << "no remains of the first document";
    EXPECT_TRUE(p.tk.messages.empty()) << "a successful save says nothing";
}

}  // namespace
}  // namespace ostrevan::testing
