#include "report/request_letter.h"

#include <algorithm>

#include "report/print_steps.h"
#include "report/skip.h"

namespace ostrevan {

namespace {

constexpr size_t kLetterWidth = 66;  // the width of the letter's own lines

// Adds text as lines of at most kLetterWidth characters, broken between words (a longer word
// gets a line of its own).
void AddWrapped(std::vector<std::string>& l, const std::string& text) {
    std::string line;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        if (word.empty()) continue;
        if (!line.empty() && line.size() + 1 + word.size() > kLetterWidth) {
            l.push_back(line);
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty()) l.push_back(line);
}

}  // namespace

std::vector<std::string> RequestLetterLines(const LetterAddressee& to, const colFiles& files,
                                            const std::string& date) {
    const std::string& company = to.company.empty() ? to.manufacturer : to.company;
    std::vector<std::string> l(5, "");
    l.insert(l.end(), {date, "", "Year 2000 Compliance Director", company, to.address1,
                       to.address2, "", "Dear Sir / Madam,", ""});
    if (to.code >= 2 && to.code <= 5) {
        l.push_back("I am the owner of the following " + company + " programs and require");
        l.push_back("information on all workarounds, fixes, and upgrades necessary to");
        l.push_back("assure that they are year 2000 ready.");
    }
    if (!to.note.empty()) {
        l.push_back("");
        AddWrapped(l, "I understand that " + to.note +
                          " If another company now answers for these programs, please pass "
                          "this letter on to it.");
    }
    l.push_back("");
    for (const clsFile& f : files.mvarCOL) {
        if (f.CompliantCode != to.code || f.Vendor != to.manufacturer) continue;
        std::string line = f.Name + " Version:" + f.VersBegin;
        if (f.VersBegin != f.VersEnd) line += " - " + f.VersEnd;
        l.push_back(std::move(line));
    }
    l.insert(l.end(), {"", "Please send me written year 2000 information on all of these",
                       "programs as soon as possible.  Thank you.", "", "Your valued consumer,",
                       "", "", ""});
    return l;
}

void PrintRequestLetter(ui::Toolkit& tk, const LetterAddressee& to, const colFiles& files,
                        const std::string& date) {
    if (to.code == 1) {
        tk.ShowMessage("No Need to Print a Letter for Compliant Products", "Ostrevan");
        return;
    }
    ui::Printer& printer = tk.DefaultPrinter();
    PrintSteps steps(tk);
    if (!steps.Run([&] { printer.SetFontSize(12); })) return;
    for (const std::string& line : RequestLetterLines(to, files, date))
        if (!steps.Run([&] { printer.PrintLine(line); })) return;
    TryStep([&] { printer.EndDoc(); });
}

}  // namespace ostrevan
