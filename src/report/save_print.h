#pragma once
// Saving and printing a rich-text listing (the report, the listing of undocumented programs):
// the handlers of the Save... and Print buttons forward here with their control.
#include <string>

#include "platform/ui/rich_text.h"
#include "platform/ui/toolkit.h"

namespace ostrevan {

inline constexpr const char* kDefaultSavePath = "C:\\Temp.rtf";

// Asks for a file name (default C:\Temp.rtf) and writes the control's whole content there as
// an RTF document, replacing an existing file. Cancel or an empty answer saves nothing. A save
// that fails tells the user why and where; a save that succeeds says nothing.
void SaveRichTextAs(ui::Toolkit& tk, const ui::RichText& rtxt);

// Writes the control's content to path as an RTF document; the empty text on success,
// otherwise the reason.
std::string SaveRichText(const ui::RichText& rtxt, const std::string& path);

// Prints the control's whole text, formatted and indented 100 twips on both sides, on the
// default printer, and leaves the caret at the start with nothing selected; the control keeps
// its own indents, on screen and in a later save. Without a printer "Unable to Print" comes
// twice and the procedure ends.
void PrintRichText(ui::Toolkit& tk, ui::RichText& rtxt);

// A document as it is printed: every paragraph indented 100 twips on both sides.
ui::PrintableText IndentedForPrint(ui::PrintableText t);

}  // namespace ostrevan
