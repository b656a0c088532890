#pragma once
// The controls a window is made of, owned by their window; the window code keeps plain
// references to them. Each control holds its own state and does what it does once for every
// backend; a backend derives from it only to make the screen follow a change (the On...Changed
// and Redraw hooks), to draw it, and to keep what the native control itself holds (a text box's
// text). Events are std::function members that the window code assigns; a backend calls them
// when the user acts (or a test acts in the user's place).
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/rgba_image.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/ui_types.h"

namespace ostrevan::ui {

class Container;

// Creation settings common to every control. Bounds are twips inside the container.
struct ControlArgs {
    std::string name = {};
    Rect bounds = {};
    std::string caption = {};  // caption of labels, buttons, options, frames; text of a text box
    bool visible = true;
    bool enabled = true;
    // A button's or option's access key: Alt and this letter of its caption press it (the
    // caption's text stays as it is; Windows underlines the letter). 0: none.
    char accessKey = 0;
};

// What every control has: a name (for tests and diagnostics), the container it sits on, a place
// inside it, visibility and an enabled state. The control holds them; its backend only makes the
// screen follow a change.
class Control {
public:
    explicit Control(const ControlArgs& a)
        : bounds_(a.bounds), name_(a.name), visible_(a.visible), enabled_(a.enabled) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& Name() const { return name_; }
    virtual Rect Bounds() const { return bounds_; }
    virtual void SetBounds(const Rect& r) {
        const Rect old = bounds_;
        bounds_ = r;
        OnBoundsChanged(old);
    }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) {
        if (visible == visible_) return;
        visible_ = visible;
        OnVisibleChanged();
    }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) {
        if (enabled == enabled_) return;
        enabled_ = enabled;
        OnEnabledChanged();
    }
    // Whether the user can see it: it and every frame around it are visible.
    bool Shown() const;
    // Whether the user can use it: shown, and it and every frame around it are enabled.
    bool Usable() const;

    // Conveniences over Bounds/SetBounds.
    void Move(int left, int top) { Rect r = Bounds(); r.left = left; r.top = top; SetBounds(r); }
    void Resize(int width, int height) {
        Rect r = Bounds(); r.width = width; r.height = height; SetBounds(r);
    }
    void SetTop(int top) { Rect r = Bounds(); r.top = top; SetBounds(r); }
    void SetLeft(int left) { Rect r = Bounds(); r.left = left; SetBounds(r); }

    // The container it sits on (a window's client area or a frame); nullptr until it is placed.
    Container* Parent() const { return container_; }

protected:
    // The frame the control sits on; nullptr when it sits on a window.
    const Control* EnclosingFrame() const;
    // The backend makes the screen follow a change of the control's own state.
    virtual void OnBoundsChanged(const Rect& /*old*/) {}
    virtual void OnVisibleChanged() {}
    virtual void OnEnabledChanged() {}
    // Something the container draws for the control changed: draw it again.
    virtual void Redraw() {}

    Rect bounds_;

private:
    friend class Container;  // places it
    Container* container_ = nullptr;
    std::string name_;
    bool visible_;
    bool enabled_;
};

// A static text. Labels draw on their container's background (they have none of their own)
// and wrap their caption within their width.
class Label : public Control {
public:
    explicit Label(const ControlArgs& a) : Control(a), caption_(a.caption) {}
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& text) {
        if (text == caption_) return;
        caption_ = text;
        Redraw();
    }
    Color ForeColor() const { return fore_; }
    void SetForeColor(Color c) { fore_ = c; Redraw(); }
    Font GetFont() const { return font_; }
    void SetFont(const Font& f) { font_ = f; Redraw(); }
    Alignment GetAlignment() const { return align_; }
    void SetAlignment(Alignment a) { align_ = a; Redraw(); }
    // Whether a caption longer than the label shows only the lines that fit whole, the last
    // one ending in "..." (for data such as a folder or a list of versions); off by default,
    // as designed captions are drawn as they come.
    bool Ellipsis() const { return ellipsis_; }
    void SetEllipsis(bool on) { ellipsis_ = on; Redraw(); }

private:
    std::string caption_;
    Color fore_ = kBlack;
    Font font_;
    Alignment align_ = Alignment::Left;
    bool ellipsis_ = false;
};

enum class ButtonRole {
    Normal,
    Default,  // pressed by Enter anywhere in its window (the wizard's Next)
    Cancel,   // pressed by Escape anywhere in its window (a dialog's Close)
};

// A control the user presses, with a caption and an access key.
class CaptionedControl : public Control {
public:
    explicit CaptionedControl(const ControlArgs& a) : Control(a), caption_(a.caption), accessKey_(a.accessKey) {}
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& text) {
        caption_ = text;
        OnCaptionChanged();
    }
    // The letter that Alt presses it with; 0: none.
    char AccessKey() const { return accessKey_; }

protected:
    virtual void OnCaptionChanged() {}

private:
    std::string caption_;
    char accessKey_;
};

class Button : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    ButtonRole Role() const { return role_; }
    void SetRole(ButtonRole role) {
        role_ = role;
        OnRoleChanged();
    }
    // Presses the button as the user would: nothing happens while it is disabled or hidden.
    void Click();
    std::function<void()> onClick;

protected:
    virtual void OnRoleChanged() {}

private:
    ButtonRole role_ = ButtonRole::Normal;
};

// An option button. The option buttons of one container form one group: selecting one clears
// the others. SetValue changes the state only; Click() selects it and runs onClick, as a
// press by the user does.
class OptionButton : public CaptionedControl {
public:
    using CaptionedControl::CaptionedControl;
    bool Value() const { return value_; }
    void SetValue(bool selected);
    void Click();
    std::function<void()> onClick;

protected:
    virtual void OnValueChanged() {}

private:
    bool value_ = false;
};

// A straight line drawn on the container; coordinates in twips inside the container. Its
// Bounds are the rectangle between its ends; setting them moves the ends.
class Line : public Control {
public:
    struct Ends { int x1 = 0, y1 = 0, x2 = 0, y2 = 0; };
    Line(const ControlArgs& a, const Ends& e) : Control(a), ends_(e) { bounds_ = Box(e); }
    Rect Bounds() const override { return Box(ends_); }
    void SetBounds(const Rect& r) override { SetPosition(Ends{r.left, r.top, r.right(), r.bottom()}); }
    Ends Position() const { return ends_; }
    void SetPosition(const Ends& e) {
        const Rect old = Box(ends_);
        ends_ = e;
        bounds_ = Box(e);
        OnBoundsChanged(old);
    }
    Color BorderColor() const { return color_; }
    void SetBorderColor(Color c) {
        color_ = c;
        Redraw();
    }

private:
    static Rect Box(const Ends& e);
    Ends ends_;
    Color color_ = kBlack;
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
enum class FillStyle { Solid, Transparent };

// A filled or outlined figure drawn on the container, below the labels.
class Shape : public Control {
public:
    using Control::Control;
    ShapeKind Kind() const { return kind_; }
    void SetKind(ShapeKind k) { kind_ = k; Redraw(); }
    Color FillColor() const { return fill_; }
    void SetFillColor(Color c) { fill_ = c; Redraw(); }
    FillStyle GetFillStyle() const { return style_; }
    void SetFillStyle(FillStyle s) { style_ = s; Redraw(); }
    Color BorderColor() const { return border_; }
    void SetBorderColor(Color c) { border_ = c; Redraw(); }

private:
    ShapeKind kind_ = ShapeKind::Rectangle;
    Color fill_ = kBlack;
    FillStyle style_ = FillStyle::Transparent;
    Color border_ = kBlack;
};

// Picture boxes draw the system's image type (straight alpha, R, G, B, A a pixel).
using Image = RgbaImage;

class PictureBox : public Control {
public:
    using Control::Control;
    // Empties the picture: the box shows only its background.
    void Clear() {
        pic_.Fill(back_);
        Redraw();
    }
    // Draws the image with its top-left corner at (x, y) pixels of the box, blended by alpha.
    void DrawImage(int x, int y, const Image& image) {
        pic_.Blend(x, y, image);
        OnImageDrawn();
    }
    Color BackColor() const { return back_; }
    void SetBackColor(Color c) {
        back_ = c;
        Clear();
    }
    void SetBounds(const Rect& r) override {
        Control::SetBounds(r);
        NewPicture();
    }
    // What the box shows, a pixel of the screen a pixel of the picture.
    const Bitmap& Picture() const { return pic_; }

protected:
    // The size in pixels of a box of the given twips, as the backend's screen has them.
    virtual std::pair<int, int> PixelSize(const Rect& box) const = 0;
    virtual void OnImageDrawn() { Redraw(); }
    // A picture of the box's size in its background colour; backends call it once created.
    void NewPicture() {
        const auto [w, h] = PixelSize(bounds_);
        pic_ = Bitmap(w, h, back_);
    }

private:
    Color back_ = kButtonFace;
    Bitmap pic_;
};

// A text box; line ends read back as line feeds.
class TextBox : public Control {
public:
    using Control::Control;
    // The text is the native control's, which the user edits.
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    Color BackColor() const { return back_; }
    void SetBackColor(Color c) {
        back_ = c;
        Redraw();
    }

private:
    Color back_ = kWhite;
};

// The list of the machine's drives. Each entry begins with the drive letter and a colon,
// followed by what the platform shows (a volume label in brackets, a network path).
class DriveList : public Control {
public:
    using Control::Control;
    std::vector<std::string> Entries() const { return entries_; }
    // The selected entry ("c: [SYSTEM]"); its first two characters are the drive.
    std::string Drive() const;
    // Selects the entry of the drive whose letter begins the text ("d:", "D:\", "d: [x]");
    // a letter that is not listed changes nothing. Runs onChange when the selection changes.
    void SetDrive(const std::string& drive);
    // Lists the drives again (a medium inserted, a network drive mapped).
    void Refresh() { Fill(Drive()); }
    // A pick by the user: selects entry i and runs onChange when it is another.
    void Pick(size_t i);
    std::function<void()> onChange;

protected:
    // The drives as the platform shows them.
    virtual std::vector<std::string> ListEntries() const = 0;
    // The native list follows new entries, or a new selection.
    virtual void OnEntriesChanged() {}
    virtual void OnSelectionChanged() {}
    // Lists the drives and selects the one whose letter begins `keep`, else the first.
    void Fill(const std::string& keep);
    int Selected() const { return selected_; }

private:
    std::optional<size_t> Find(const std::string& drive) const;
    std::vector<std::string> entries_;
    int selected_ = -1;
};

}  // namespace ostrevan::ui
