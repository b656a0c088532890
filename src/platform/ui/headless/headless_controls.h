#pragma once
// The headless backend's controls: plain objects holding their state, which tests read
// directly and act on through the same interfaces the window code uses.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/bitmap.h"
#include "platform/ui/event.h"
#include "platform/ui/rich_document.h"
#include "platform/ui/window.h"

namespace ostrevan::ui::headless {

class HeadlessToolkit;
class HeadlessWindow;
class HeadlessContainer;

// State common to every headless control, and the container it sits on.
template <typename Base>
class ControlImpl : public Base {
public:
    ControlImpl(const ControlArgs& a, HeadlessContainer* parent)
        : name_(a.name), bounds_(a.bounds), visible_(a.visible), enabled_(a.enabled),
          parent_(parent) {}
    const std::string& Name() const override { return name_; }
    Rect Bounds() const override { return bounds_; }
    void SetBounds(const Rect& r) override { bounds_ = r; }
    bool Visible() const override { return visible_; }
    void SetVisible(bool v) override { visible_ = v; }
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool e) override { enabled_ = e; }
    // Whether the user can see it: it and every frame around it are visible.
    bool Shown() const;
    // Whether the user can use it: shown, and it and every frame around it are enabled.
    bool Usable() const;
    HeadlessContainer* Parent() const { return parent_; }

protected:
    std::string name_;
    Rect bounds_;
    bool visible_;
    bool enabled_;
    HeadlessContainer* parent_;
};

class HeadlessLabel : public ControlImpl<Label> {
public:
    HeadlessLabel(const ControlArgs& a, HeadlessContainer* p)
        : ControlImpl(a, p), caption_(a.caption) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& t) override { caption_ = t; ++captionChanges; }
    Color ForeColor() const override { return fore_; }
    void SetForeColor(Color c) override { fore_ = c; }
    Font GetFont() const override { return font_; }
    void SetFont(const Font& f) override { font_ = f; }
    Alignment GetAlignment() const override { return align_; }
    void SetAlignment(Alignment a) override { align_ = a; }
    bool Ellipsis() const override { return ellipsis_; }
    void SetEllipsis(bool on) override { ellipsis_ = on; }
    int captionChanges = 0;

private:
    std::string caption_;
    Color fore_ = kBlack;
    Font font_;
    Alignment align_ = Alignment::Left;
    bool ellipsis_ = false;
};

class HeadlessButton : public ControlImpl<Button> {
public:
    HeadlessButton(const ControlArgs& a, HeadlessContainer* p)
        : ControlImpl(a, p), caption_(a.caption) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& t) override { caption_ = t; }
    ButtonRole Role() const override { return role_; }
    void SetRole(ButtonRole r) override { role_ = r; }
    void Click() override {
        if (Usable()) FireEvent(onClick);
    }

private:
    std::string caption_;
    ButtonRole role_ = ButtonRole::Normal;
};

class HeadlessOption : public ControlImpl<OptionButton> {
public:
    HeadlessOption(const ControlArgs& a, HeadlessContainer* p)
        : ControlImpl(a, p), caption_(a.caption) {}
    std::string Caption() const override { return caption_; }
    void SetCaption(const std::string& t) override { caption_ = t; }
    bool Value() const override { return value_; }
    void SetValue(bool v) override;
    void Click() override;

private:
    std::string caption_;
    bool value_ = false;
};

class HeadlessLine : public ControlImpl<Line> {
public:
    HeadlessLine(const ControlArgs& a, HeadlessContainer* p, const Ends& e)
        : ControlImpl(a, p), ends_(e) {}
    // A line's box is the rectangle between its ends; setting it moves the ends.
    Rect Bounds() const override;
    void SetBounds(const Rect& r) override { ends_ = Ends{r.left, r.top, r.right(), r.bottom()}; }
    Ends Position() const override { return ends_; }
    void SetPosition(const Ends& e) override { ends_ = e; }
    Color BorderColor() const override { return color_; }
    void SetBorderColor(Color c) override { color_ = c; }

private:
    Ends ends_;
    Color color_ = kBlack;
};

class HeadlessShape : public ControlImpl<Shape> {
public:
    using ControlImpl::ControlImpl;
    ShapeKind Kind() const override { return kind_; }
    void SetKind(ShapeKind k) override { kind_ = k; }
    Color FillColor() const override { return fill_; }
    void SetFillColor(Color c) override { fill_ = c; }
    FillStyle GetFillStyle() const override { return style_; }
    void SetFillStyle(FillStyle s) override { style_ = s; }
    Color BorderColor() const override { return border_; }
    void SetBorderColor(Color c) override { border_ = c; }

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    Color fill_ = kBlack;
    FillStyle style_ = FillStyle::Transparent;
    Color border_ = kBlack;
};

// The picture is a bitmap of the box's size in pixels (15 twips a pixel).
class HeadlessPicture : public ControlImpl<PictureBox> {
public:
    HeadlessPicture(const ControlArgs& a, HeadlessContainer* p);
    void Clear() override;
    void DrawImage(int x, int y, const Image& image) override;
    Color BackColor() const override { return back_; }
    void SetBackColor(Color c) override;
    void SetBounds(const Rect& r) override;
    const Bitmap& Picture() const { return pic_; }
    int imagesDrawn = 0;

private:
    Color back_ = kButtonFace;
    Bitmap pic_;
};

class HeadlessTextBox : public ControlImpl<TextBox> {
public:
    HeadlessTextBox(const ControlArgs& a, HeadlessContainer* p, bool multiline)
        : ControlImpl(a, p), text_(a.caption), multiline_(multiline) {}
    std::string Text() const override { return text_; }
    void SetText(const std::string& t) override { text_ = t; }
    Color BackColor() const override { return back_; }
    void SetBackColor(Color c) override { back_ = c; }
    bool Multiline() const { return multiline_; }

private:
    std::string text_;
    bool multiline_;
    Color back_ = kWhite;
};

class HeadlessDriveList : public ControlImpl<DriveList> {
public:
    HeadlessDriveList(const ControlArgs& a, HeadlessContainer* p, HeadlessToolkit& tk);
    std::vector<std::string> Entries() const override { return entries_; }
    std::string Drive() const override;
    void SetDrive(const std::string& drive) override;
    void Refresh() override;
    // A pick by the user: selects entry i and runs onChange.
    void Pick(size_t i);

private:
    HeadlessToolkit& tk_;
    std::vector<std::string> entries_;
    size_t selected_ = 0;
};

class HeadlessRichText : public ControlImpl<RichText> {
public:
    HeadlessRichText(const ControlArgs& a, HeadlessContainer* p);
    void SetText(const std::string& text) override;
    std::string Text() const override { return doc_.Text(); }
    int TextLength() const override { return doc_.Length(); }
    void SetFontName(const std::string& face) override;
    void SetFontSize(double points) override;
    Color BackColor() const override { return back_; }
    void SetBackColor(Color c) override { back_ = c; }
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
    Color back_ = kWhite;
};

}  // namespace ostrevan::ui::headless
