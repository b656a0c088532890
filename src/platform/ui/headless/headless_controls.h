#pragma once
// The headless backend's controls: the portable controls with their container, plus what only
// memory can play (a text box's text, the simulated drives, a count of drawn images), which
// tests read directly and act on through the same interfaces the window code uses.
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
class HeadlessContainer;

// Every headless control knows the container it sits on.
template <typename Base>
class ControlImpl : public Base {
public:
    template <typename... More>
    ControlImpl(const ControlArgs& a, HeadlessContainer* parent, More&&... more)
        : Base(a, std::forward<More>(more)...), parent_(parent) {}
    HeadlessContainer* Parent() const { return parent_; }

protected:
    const Control* EnclosingFrame() const override;
    HeadlessContainer* parent_;
};

using HeadlessLabel = ControlImpl<Label>;

using HeadlessButton = ControlImpl<Button>;

class HeadlessOption : public ControlImpl<OptionButton> {
public:
    using ControlImpl::ControlImpl;

protected:
    std::vector<OptionButton*> Group() const override;
};

using HeadlessLine = ControlImpl<Line>;
using HeadlessShape = ControlImpl<Shape>;

// The picture is a bitmap of the box's size in pixels (15 twips a pixel).
class HeadlessPicture : public ControlImpl<PictureBox> {
public:
    HeadlessPicture(const ControlArgs& a, HeadlessContainer* p) : ControlImpl(a, p) { NewPicture(); }
    int imagesDrawn = 0;

protected:
    std::pair<int, int> PixelSize(const Rect& box) const override;
    void OnImageDrawn() override { ++imagesDrawn; }
};

class HeadlessTextBox : public ControlImpl<TextBox> {
public:
    HeadlessTextBox(const ControlArgs& a, HeadlessContainer* p, bool multiline)
        : ControlImpl(a, p), text_(a.caption), multiline_(multiline) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& t) override { text_ = t; }
    bool Multiline() const { return multiline_; }

private:
    std::string text_;
    bool multiline_;
};

class HeadlessDriveList : public ControlImpl<DriveList> {
public:
    HeadlessDriveList(const ControlArgs& a, HeadlessContainer* p, HeadlessToolkit& tk);

protected:
    std::vector<std::string> ListEntries() const override;

private:
    HeadlessToolkit& tk_;
};

class HeadlessRichText : public ControlImpl<RichText> {
public:
    HeadlessRichText(const ControlArgs& a, HeadlessContainer* p);
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
