#pragma once
// The readiness request letter: a form letter to a manufacturer asking for written Year-2000
// information on the user's programs of that manufacturer that share the readiness class of
// the product shown, printed line by line on the default printer.
#include <cstdint>
#include <string>
#include <vector>

#include "kb/file_collection.h"
#include "platform/ui/toolkit.h"

namespace ostrevan {

// What the letter is about: the readiness code of the product shown and the manufacturer and
// address as the detail window shows them; the company as it names itself (when the knowledge
// base has it) and a note on a company that had changed, such as a merger.
struct LetterAddressee {
    int32_t code = 0;
    std::string manufacturer;
    std::string address1;
    std::string address2;
    std::string company;  // empty: the manufacturer's name
    std::string note;     // empty: nothing to say
};

// The letter's lines, top to bottom ("" for an empty line). It is addressed to the company, or
// to the manufacturer when the company is not known; a note follows the opening paragraph,
// wrapped to the letter's width. The programs listed are those of files with the addressee's
// code whose vendor text equals the manufacturer exactly.
std::vector<std::string> RequestLetterLines(const LetterAddressee& to, const colFiles& files,
                                            const std::string& date);

// Prints the letter at 12 points, or refuses it for a ready product (code 1) with a message.
// Without a printer "Unable to Print" comes twice and the letter is abandoned.
void PrintRequestLetter(ui::Toolkit& tk, const LetterAddressee& to, const colFiles& files,
                        const std::string& date);

}  // namespace ostrevan
