#include "report/save_print.h"

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

void PrintRichText(ui::Toolkit& tk, ui::RichText& rtxt) {
    ui::Printer& printer = tk.DefaultPrinter();
    PrintSteps steps(tk);
    if (!steps.Run([&] { rtxt.SetSelection(0, rtxt.TextLength()); })) return;
    if (!steps.Run([&] { rtxt.SetSelIndents(kPrintIndent, kPrintIndent); })) return;
    if (!steps.Run([&] { printer.PrintLine(""); })) return;  // opens the print job
    if (!steps.Run([&] { rtxt.PrintSelection(printer); })) return;
    if (!steps.Run([&] { rtxt.SetSelection(0, 0); })) return;
    TryStep([&] { printer.EndDoc(); });
}

}  // namespace ostrevan
