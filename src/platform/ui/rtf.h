#pragma once
// Rich Text Format: writing formatted text as an RTF document that word processors open with
// its colours and faces, and reading RTF documents back into runs.
#include <string>
#include <string_view>

#include "platform/ui/rich_text_types.h"

namespace ostrevan::ui {

// An RTF document (Windows-1252, \ansicpg1252) with a font table and a colour table holding
// the faces and colours of the runs. Line feeds become \par, TABs \tab, bytes outside
// printable ASCII \'hh. The document ends with the last paragraph's own \par, as word
// processors write it.
std::string WriteRtf(const PrintableText& text);

// Reads an RTF document: the font table, the colour table, \f \fs \cf \b \i \plain, \pard \li
// \ri, \par \line \tab, \'hh, \u with its fallback, and the usual symbol words; destinations
// it does not show (style sheets, document information, pictures, \* groups) are skipped and
// unknown control words ignored. A \par that ends the document ends the last paragraph and
// adds no line feed. Malformed input never reads out of bounds: unclosed groups
// end with the data, stray closing braces are ignored. Characters without a face take
// defaults.face, without a size 12 points.
PrintableText ReadRtf(std::string_view rtf, const CharFormat& defaults = CharFormat{});

// Whether the bytes begin like an RTF document ("{\rtf", leading blanks allowed).
bool LooksLikeRtf(std::string_view data);

}  // namespace ostrevan::ui
