#pragma once
// Windows and the containers that hold controls (a window's client area, a frame).
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/controls.h"
#include "platform/ui/event.h"
#include "platform/ui/rich_text.h"

namespace ostrevan::ui {

class Frame;
class Window;

// The kinds of control, and what a container asks its window's backend to create.
enum class ControlKind { Frame, Label, Button, Option, Line, Shape, Picture, TextBox, DriveList, RichText };
struct ControlSpec {
    ControlKind kind;
    ControlArgs args;
    Line::Ends ends = {};    // a line's ends
    bool multiline = false;  // a text box of several lines
};

// Something controls are placed on. The controls belong to the window that holds the
// container and live as long as it; the references returned stay valid until then.
// Tab order follows the order of creation.
class Container {
public:
    virtual ~Container() = default;
    Frame& AddFrame(const ControlArgs& a);
    Label& AddLabel(const ControlArgs& a) { return Add<Label>({ControlKind::Label, a}); }
    Button& AddButton(const ControlArgs& a) { return Add<Button>({ControlKind::Button, a}); }
    OptionButton& AddOption(const ControlArgs& a);
    Line& AddLine(const ControlArgs& a, const Line::Ends& ends) { return Add<Line>({ControlKind::Line, a, ends}); }
    Shape& AddShape(const ControlArgs& a) { return Add<Shape>({ControlKind::Shape, a}); }
    PictureBox& AddPicture(const ControlArgs& a) { return Add<PictureBox>({ControlKind::Picture, a}); }
    TextBox& AddTextBox(const ControlArgs& a, bool multiline) {
        return Add<TextBox>({ControlKind::TextBox, a, {}, multiline});
    }
    DriveList& AddDriveList(const ControlArgs& a) { return Add<DriveList>({ControlKind::DriveList, a}); }
    RichText& AddRichText(const ControlArgs& a) { return Add<RichText>({ControlKind::RichText, a}); }
    // The background colour on which the container's labels, lines and shapes are drawn. A
    // frame starts with the colour of the container it is placed on.
    Color BackColor() const { return back_; }
    void SetBackColor(Color c) {
        back_ = c;
        OnBackColorChanged();
    }
    // The window that holds it (itself, for a window).
    Window& OwnerWindow() const { return *owner_; }
    // The frame this container is, or nullptr for a window's client area.
    const Frame* AsFrame() const { return frame_; }
    // The option buttons placed directly on it: one group, in which selecting one clears the others.
    const std::vector<OptionButton*>& Options() const { return options_; }

protected:
    virtual void OnBackColorChanged() {}
    Window* owner_ = nullptr;
    const Frame* frame_ = nullptr;

private:
    // Has the window's backend create the control, and places it here.
    template <typename T>
    T& Add(const ControlSpec& spec);
    std::vector<OptionButton*> options_;
    Color back_ = kButtonFace;
};

// A frame: a bordered area with an optional caption, holding controls of its own. Controls
// inside a hidden frame are hidden with it.
class Frame : public Control, public virtual Container {
public:
    Frame(const ControlArgs& a, Window& owner) : Control(a), caption_(a.caption) {
        owner_ = &owner;
        frame_ = this;
    }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& text) {
        caption_ = text;
        OnCaptionChanged();
    }

protected:
    virtual void OnCaptionChanged() {}

private:
    std::string caption_;
};

enum class WindowState { Normal, Minimized, Maximized };

enum class WindowStyle {
    Sizable,      // resizable, with minimise and maximise buttons
    FixedDialog,  // fixed size, no minimise or maximise button
};

struct WindowArgs {
    std::string name = {};
    std::string caption = {};
    int clientWidth = 6000;   // twips
    int clientHeight = 4000;  // twips
    WindowStyle style = WindowStyle::Sizable;
    // The window it belongs to and always stays in front of (a help window beside the main
    // window); none when nullptr.
    const class Window* owner = nullptr;
};

// A top-level window. It is created hidden; Show or ShowModal brings it up.
class Window : public virtual Container {
public:
    explicit Window(const WindowArgs& a) : name_(a.name), caption_(a.caption), style_(a.style) { owner_ = this; }
    const std::string& Name() const { return name_; }
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& text) {
        caption_ = text;
        OnCaptionChanged();
    }
    WindowStyle Style() const { return style_; }

    // Outer position and size in twips, on the screen.
    virtual Rect Bounds() const = 0;
    virtual void SetBounds(const Rect& r) = 0;
    // Inner (client) size in twips.
    virtual int ClientWidth() const = 0;
    virtual int ClientHeight() const = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState s) = 0;
    // The frame will not let the user drag the outer size below this (twips); 0 = no limit.
    void SetMinimumSize(int width, int height) { minWidth_ = width, minHeight_ = height; }
    int MinimumWidth() const { return minWidth_; }
    int MinimumHeight() const { return minHeight_; }

    virtual bool Visible() const = 0;
    // Shows the window without waiting (a modeless window) and brings it in front.
    virtual void Show() = 0;
    // Shows the window while the active window keeps the keyboard; a window with an owner is
    // in front of it (a help window beside the window the user works in).
    virtual void ShowInFront() = 0;
    // Shows the window and returns only when it is hidden or unloaded again; the other
    // windows of the program take no input meanwhile.
    virtual void ShowModal() = 0;
    virtual void Hide() = 0;
    // Closes the window for good; its controls are gone afterwards. Unloading the last
    // visible window, or any window marked as the main window, ends the event loop.
    virtual void Unload() = 0;
    virtual bool Unloaded() const = 0;
    // Whether it is shown modally now.
    bool Modal() const { return modal_; }

    // Runs after every change of size or state (also when the window first appears).
    std::function<void()> onResize;
    // Runs when the window becomes the active window of the program.
    std::function<void()> onActivate;
    // Runs when the user closes the window through its frame (the close box, Alt+F4). Without
    // a handler the window hides itself, which also ends a modal display.
    std::function<void()> onClose;

    // Conveniences.
    void Move(int left, int top) { Rect r = Bounds(); r.left = left; r.top = top; SetBounds(r); }
    void Resize(int width, int height) {
        Rect r = Bounds(); r.width = width; r.height = height; SetBounds(r);
    }

protected:
    friend class Container;
    // The backend creates a control on container `on` of this window and keeps it as long as
    // the window; the container places it.
    virtual Control& CreateControl(Container& on, const ControlSpec& spec) = 0;
    virtual void OnCaptionChanged() {}
    // The backends report what happened to the window: it appeared (the first appearance lays
    // it out), its size or state changed (which lays it out once it has appeared), a modal
    // display began or ended.
    void AfterShown() {
        if (shownOnce_) return;
        shownOnce_ = true;
        OnLayout();
    }
    void AfterResized() {
        if (shownOnce_) OnLayout();
    }
    void SetModal(bool modal) { modal_ = modal; }
    // Lays the window out: runs onResize.
    virtual void OnLayout() { FireEvent(onResize); }

private:
    bool shownOnce_ = false;
    bool modal_ = false;
    std::string name_;
    std::string caption_;
    WindowStyle style_;
    int minWidth_ = 0, minHeight_ = 0;
};

template <typename T>
T& Container::Add(const ControlSpec& spec) {
    Control& c = owner_->CreateControl(*this, spec);
    c.container_ = this;
    return dynamic_cast<T&>(c);
}

inline Frame& Container::AddFrame(const ControlArgs& a) {
    Frame& f = Add<Frame>({ControlKind::Frame, a});
    f.SetBackColor(BackColor());
    return f;
}

inline OptionButton& Container::AddOption(const ControlArgs& a) {
    OptionButton& o = Add<OptionButton>({ControlKind::Option, a});
    options_.push_back(&o);
    return o;
}

}  // namespace ostrevan::ui
