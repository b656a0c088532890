#include "report/save_print.h"

#include <algorithm>

#include "platform/file_write.h"
#include "platform/ui/rtf.h"
#include "report/print_steps.h"
#include "report/report_format.h"
#include "report/skip.h"

namespace ostrevan {

std::string SaveRichText(const ui::RichText& rtxt, const std::string& path) {
    std::string rtf;
    try {
        rtf = ui::WriteRtf(rtxt.Content());
    } catch (const std::exception& e) {
        return std::string("The report could not be read: ") + e.what();
    }
    return platform::WriteWholeFile(platform::HostPathFromStored(path), rtf);
}

void SaveRichTextAs(ui::Toolkit& tk, const ui::RichText& rtxt) {
    const std::optional<std::string> answer =
        tk.AskInput("Enter Destination of File", "Save", kDefaultSavePath);
    if (!answer || answer->empty()) return;
    const std::string reason = SaveRichText(rtxt, *answer);
    if (!reason.empty())
        tk.ShowMessage("The file could not be saved.\n\nFile: " + *answer + "\nReason: " + reason);
}

ui::PrintableText IndentedForPrint(ui::PrintableText t) {
    size_t paragraphs = 1;
    for (const ui::TextRun& r : t.runs) paragraphs += std::count(r.text.begin(), r.text.end(), '\n');
    t.paragraphs.assign(paragraphs, ui::ParaFormat{kPrintIndent, kPrintIndent});
    return t;
}

void PrintRichText(ui::Toolkit& tk, ui::RichText& rtxt) {
    ui::Printer& printer = tk.DefaultPrinter();
    PrintSteps steps(tk);
    ui::PrintableText printed;
    if (!steps.Run([&] { rtxt.SetSelection(0, rtxt.TextLength()); })) return;
    if (!steps.Run([&] { printed = IndentedForPrint(rtxt.Content()); })) return;
    if (!steps.Run([&] { printer.PrintLine(""); })) return;  // opens the print job
    if (!steps.Run([&] { printer.PrintText(printed); })) return;
    if (!steps.Run([&] { rtxt.SetSelection(0, 0); })) return;
    TryStep([&] { printer.EndDoc(); });
}

}  // namespace ostrevan
