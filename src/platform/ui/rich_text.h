#pragma once
// The rich-text view: coloured text in one face, addressed by 0-based character positions.
// A line feed (character 10) in the text is one character and starts a new line; Text()
// gives line feeds back the same way on every backend (never CR LF).
#include <filesystem>
#include <functional>
#include <string>

#include "platform/ui/controls.h"
#include "platform/ui/rich_text_types.h"

namespace ostrevan::ui {

class Printer;

class RichText : public Control {
public:
    using Control::Control;
    // Replaces the whole content; the caret goes to position 0 with nothing selected.
    virtual void SetText(const std::string& text) = 0;
    virtual std::string Text() const = 0;
    virtual int TextLength() const = 0;

    // The face of the whole content and of text inserted later; sizes stay as they are.
    virtual void SetFontName(const std::string& face) = 0;
    // The size of the whole content and of text inserted later.
    virtual void SetFontSize(double points) = 0;
    Color BackColor() const { return back_; }
    void SetBackColor(Color c) {
        back_ = c;
        Redraw();
    }

    // Selection: start and length are clamped to the text. Length 0 places only the caret.
    virtual void SetSelection(int start, int length) = 0;
    virtual int SelStart() const = 0;
    virtual int SelLength() const = 0;
    virtual std::string SelText() const = 0;
    // The colour of the selection; with an empty selection, of the text typed or inserted at
    // the caret next.
    virtual void SetSelColor(Color c) = 0;
    // Replaces the selection by text in the current insertion format; the caret ends after it.
    virtual void ReplaceSelection(const std::string& text) = 0;
    // Index (0-based) of the line holding the character at pos; a position at or past the
    // end gives the last line. Lines are those started by line feeds, not wrapped lines.
    virtual int LineFromChar(int pos) const = 0;
    // Replaces the content by the RTF document in the file (a file not in RTF is read as plain
    // text). Throws VbError 53 when it cannot be read; the content then stays as it was. The
    // path is the host's, so a folder name outside the code page still opens.
    virtual void LoadFile(const std::filesystem::path& path) = 0;

    // The content as runs (for saving, printing and tests).
    virtual PrintableText Content() const = 0;

    // Double click by the user: the caret already stands at the clicked position.
    std::function<void()> onDoubleClick;

private:
    Color back_ = kWhite;
};

}  // namespace ostrevan::ui
