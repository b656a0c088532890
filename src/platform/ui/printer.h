#pragma once
// The system's default printer, used as a line printer and as the page on which rich text is
// printed. The first print of a document opens the print job; EndDoc sends it. Every operation
// throws VbError 482 ("Printer error") when there is no printer or it refuses the job.
#include <string>

#include "platform/ui/rich_text_types.h"

namespace ostrevan::ui {

class Printer {
public:
    virtual ~Printer() = default;
    // Size of the lines printed next, in the printer's default face.
    virtual void SetFontSize(double points) = 0;
    virtual double FontSize() const = 0;
    // Prints the text on the current line and begins the next line; pages as needed.
    virtual void PrintLine(const std::string& text) = 0;
    // Prints formatted text from the current line on, wrapping within the page and the
    // paragraphs' indents, and continuing on new pages as needed.
    virtual void PrintText(const PrintableText& text) = 0;
    // Ends the document: its pages go to the printer; the next print begins a new document.
    // Ending when nothing was printed does nothing.
    virtual void EndDoc() = 0;
};

}  // namespace ostrevan::ui
