// The readiness request letter: its lines for each kind of product, the refusal for ready
// products, and printing with and without a printer, also from the detail window.
#include <gtest/gtest.h>

#include "platform/short_date.h"
#include "report/detail_window.h"
#include "report/report_fixture.h"
#include "report/request_letter.h"

namespace ostrevan::testing {
namespace {

using ui::headless::HeadlessToolkit;
using ui::headless::HeadlessWindow;

const std::vector<std::string> kHead = {"", "", "", "", "", "1/2/2000", "",
                                        "Year 2000 Compliance Director", "Acme",
                                        "12 Main Street", "Springfield", "",
                                        "Dear Sir / Madam,", ""};
const std::vector<std::string> kParagraph = {
    "I am the owner of the following Acme programs and require",
    "information on all workarounds, fixes, and upgrades necessary to",
    "assure that they are year 2000 ready."};
const std::vector<std::string> kClosing = {
    "", "Please send me written year 2000 information on all of these",
    "programs as soon as possible.  Thank you.", "", "Your valued consumer,", "", "", ""};

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

colFiles AcmePrograms() {
    colFiles f;
    AddFound(f, {"Acme Writer", "Acme", "3.1", "3.1", 3});
    AddFound(f, {"Acme Old", "Acme", "0.9", "0.9", 4});
    AddFound(f, {"Other Tool", "Other", "1", "1", 3});
    AddFound(f, {"Acme Lower", "ACME", "1", "1", 3});  // differs only in case: not listed
    AddFound(f, {"Acme Draw", "Acme", "1.0", "2.0", 3});
    AddFound(f, {"Acme Unknown", "Acme", "5", "5", 0});
    AddFound(f, {"Acme Untested", "Acme", "6", "6.1", 6});
    AddFound(f, {"Acme Fine", "Acme", "6", "6", 1});
    return f;
}

TEST(RequestLetter, LinesForEachCode) {
    const colFiles files = AcmePrograms();
    struct Case { int32_t code; bool paragraph; std::vector<std::string> programs; } cases[] = {
        {3, true, {"Acme Writer Version:3.1", "Acme Draw Version:1.0 - 2.0"}},
        {4, true, {"Acme Old Version:0.9"}}, {2, true, {}}, {5, true, {}},
        {0, false, {"Acme Unknown Version:5"}}, {6, false, {"Acme Untested Version:6 - 6.1"}}, {-1, false, {}},
    };
    for (const Case& c : cases) {
        const LetterAddressee to{c.code, "Acme", "12 Main Street", "Springfield", "", ""};
        const auto expected = Join({kHead, c.paragraph ? kParagraph : std::vector<std::string>{},
                                    {""}, c.programs, kClosing});
        EXPECT_EQ(RequestLetterLines(to, files, "1/2/2000"), expected) << "code " << c.code;
    }
}

// The manufacturer is the vendor's matching key; the letter names the company as it names itself
// and states a change of the company, while the programs listed are still found by the key.
TEST(RequestLetter, AddressedToTheCompanyWithItsNote) {
    const LetterAddressee to{3, "Acme", "12 Main Street", "Springfield", "Acme Widget Works, Inc.",
                             "Acme Widget Works has been owned by Zenith Group since May 1999, and its "
                             "support line has moved to Zenith's offices in Springfield."};
    const auto l = RequestLetterLines(to, AcmePrograms(), "1/2/2000");
    ASSERT_GT(l.size(), 25u);
    EXPECT_EQ(l[8], "Acme Widget Works, Inc.");
    EXPECT_EQ(l[14], "I am the owner of the following Acme Widget Works, Inc. programs and require");
    std::string note;
    size_t i = 18;
    for (; i < l.size() && !l[i].empty(); ++i) {
        EXPECT_LE(l[i].size(), 66u) << l[i];
        if (!l[i + 1].empty()) {  // a line holds all the words that fit
            EXPECT_GT(l[i].size() + 1 + l[i + 1].find(' '), 66u) << l[i];
        }
        note += (note.empty() ? "" : " ") + l[i];
    }
    EXPECT_EQ(note, "I understand that " + to.note +
                        " If another company now answers for these programs, please pass this letter on to it.");
    EXPECT_GT(i, 20u) << "the note is wrapped over several lines";
    ASSERT_LT(i + 2, l.size());
    EXPECT_EQ(l[i + 1] + "|" + l[i + 2], "Acme Writer Version:3.1|Acme Draw Version:1.0 - 2.0");
}

TEST(RequestLetter, PrintedLineByLineAtTwelvePoints) {
    HeadlessToolkit tk;
    const colFiles files = AcmePrograms();
    const LetterAddressee to{3, "Acme", "12 Main Street", "Springfield", "", ""};
    PrintRequestLetter(tk, to, files, "1/2/2000");
    const auto& docs = tk.PrinterState().Documents();
    ASSERT_EQ(docs.size(), 1u) << "the document was ended";
    const auto expected = RequestLetterLines(to, files, "1/2/2000");
    std::vector<std::pair<std::string, double>> want;
    for (const std::string& l : expected) want.emplace_back(l, 12.0);
    EXPECT_EQ(docs[0].lines, want);
    EXPECT_TRUE(tk.messages.empty());
}

}  // namespace
}  // namespace ostrevan::testing
