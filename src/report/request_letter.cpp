#include "report/request_letter.h"

#include "report/print_steps.h"
#include "report/skip.h"

namespace ostrevan {

std::vector<std::string> RequestLetterLines(const LetterAddressee& to, const colFiles& files,
                                            const std::string& date) {
    std::vector<std::string> l(5, "");
    l.insert(l.end(), {date, "", "Year 2000 Compliance Director", to.manufacturer, to.address1,
                       to.address2, "", "Dear Sir / Madam,", ""});
    if (to.code >= 2 && to.code <= 5) {
        l.push_back("I am the owner of the following " + to.manufacturer +
                    " programs and require");
        l.push_back("information on all workarounds, fixes, and upgrades necessary to");
        l.push_back("assure that they are year 2000 ready.");
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
