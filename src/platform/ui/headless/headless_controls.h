#pragma once
// The headless backend's controls: the portable controls as they are (labels, buttons, option
// buttons, lines, shapes and frames need nothing more), plus what only memory can play (a text
// box's text, the simulated drives, a count of drawn images, a rich-text document), which tests
// read directly and act on through the same interfaces the window code uses.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/event.h"
#include "platform/ui/rich_document.h"
#include "platform/ui/window.h"

namespace ostrevan::ui::headless {

class HeadlessToolkit;
class HeadlessWindow;

// The picture is a bitmap of the box's size in pixels (15 twips a pixel).
class HeadlessPicture : public PictureBox {
public:
    explicit HeadlessPicture(const ControlArgs& a) : PictureBox(a) { NewPicture(); }
    int imagesDrawn = 0;

protected:
    std::pair<int, int> PixelSize(const Rect& box) const override;
    void OnImageDrawn() override { ++imagesDrawn; }
};

class HeadlessTextBox : public TextBox {
public:
    HeadlessTextBox(const ControlArgs& a, bool multiline) : TextBox(a), text_(a.caption), multiline_(multiline) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& t) override { text_ = t; }
    bool Multiline() const { return multiline_; }

private:
    std::string text_;
    bool multiline_;
};

class HeadlessDriveList : public DriveList {
public:
    HeadlessDriveList(const ControlArgs& a, HeadlessToolkit& tk);

protected:
    std::vector<std::string> ListEntries() const override;

private:
    HeadlessToolkit& tk_;
};

class HeadlessRichText : public RichText {
public:
    explicit HeadlessRichText(const ControlArgs& a);
    void SetText(const std::string& text) override;
    std::string Text() const override { return doc_.Text(); }
    int TextLength() const override { return doc_.Length(); }
    void SetFontName(const std::string& face) override;
    void SetFontSize(double points) override;
    void SetSelection(int start, int length) override;
    int SelStart() const override { return selStart_; }
    int SelLength() const override { return selLength_; }
    std::string SelText() const override { return doc_.Text().substr(selStart_, selLength_); }
    void SetSelColor(Color c) override;
    void ReplaceSelection(const std::string& text) override;
    int LineFromChar(int pos) const override { return doc_.ParagraphOf(pos); }
    void LoadFile(const std::filesystem::path& path) override;
    PrintableText Content() const override { return doc_.All(); }

    // A double click by the user at character position pos.
    void DoubleClickAt(int pos);
    // The format that text inserted at the caret takes.
    const CharFormat& InsertionFormat() const { return insert_; }
    const RichDocument& Document() const { return doc_; }

private:
    RichDocument doc_;
    CharFormat base_;    // face and size of the control
    CharFormat insert_;  // format of the next inserted text
    int selStart_ = 0;
    int selLength_ = 0;
};

}  // namespace ostrevan::ui::headless
