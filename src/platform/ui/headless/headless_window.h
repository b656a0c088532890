#pragma once
// Headless containers (window client areas and frames) and windows.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/headless/headless_controls.h"

namespace ostrevan::ui::headless {

class HeadlessFrame;

// Creates controls on a window or a frame; the window owns them all.
class HeadlessContainer : public virtual Container {
public:
    HeadlessContainer(HeadlessWindow& window, HeadlessFrame* frame)
        : window_(window), frame_(frame) {}
    Frame& AddFrame(const ControlArgs& a) override;
    Label& AddLabel(const ControlArgs& a) override;
    Button& AddButton(const ControlArgs& a) override;
    OptionButton& AddOption(const ControlArgs& a) override;
    Line& AddLine(const ControlArgs& a, const Line::Ends& ends) override;
    Shape& AddShape(const ControlArgs& a) override;
    PictureBox& AddPicture(const ControlArgs& a) override;
    TextBox& AddTextBox(const ControlArgs& a, bool multiline) override;
    DriveList& AddDriveList(const ControlArgs& a) override;
    RichText& AddRichText(const ControlArgs& a) override;

    HeadlessWindow& OwnerWindow() const { return window_; }
    // The frame this container is, or nullptr for a window's client area.
    HeadlessFrame* AsFrame() const { return frame_; }
    // The option buttons placed directly on this container (one group).
    const std::vector<HeadlessOption*>& Options() const { return options_; }

private:
    template <typename T, typename... Args>
    T& Add(const ControlArgs& a, Args&&... args);

    HeadlessWindow& window_;
    HeadlessFrame* frame_;
    std::vector<HeadlessOption*> options_;
};

class HeadlessFrame : public ControlImpl<Frame>, public HeadlessContainer {
public:
    HeadlessFrame(const ControlArgs& a, HeadlessContainer* parent, HeadlessWindow& w)
        : ControlImpl(a, parent), HeadlessContainer(w, this) {
        SetBackColor(parent->BackColor());
    }
};

class HeadlessWindow : public Window, public HeadlessContainer {
public:
    // The frame around the client area: the outer size is the client size plus these.
    static constexpr int kFrameWidth = 120;
    static constexpr int kFrameHeight = 405;

    HeadlessWindow(HeadlessToolkit& tk, const WindowArgs& a);

    Rect Bounds() const override { return bounds_; }
    void SetBounds(const Rect& r) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    WindowState State() const override { return state_; }
    void SetState(WindowState s) override;
    bool Visible() const override { return visible_; }
    void Show() override;
    void ShowInFront() override;
    void ShowModal() override;
    void Hide() override;
    void Unload() override;
    bool Unloaded() const override { return unloaded_; }

    // What the user does to the window, for tests.
    // Drags the frame to an outer size; the frame keeps it at least the minimum size.
    void DragTo(int width, int height);
    // The close box of the frame.
    void CloseBox();
    // Enter and Escape: press the default or the cancel button, if it can be used.
    void PressEnter();
    void PressEscape();

    int resizeEvents = 0;
    int activateEvents = 0;

    // Used by the containers and the toolkit.
    template <typename T>
    T& Keep(std::unique_ptr<T> c) {
        T& ref = *c;
        controls_.push_back(std::move(c));
        return ref;
    }
    void Register(const std::string& name, Control* c);
    Control* FindControl(const std::string& name) const;
    HeadlessToolkit& Kit() const { return tk_; }
    void FireActivate();
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

private:
    void OnLayout() override;  // counts the layout events, then runs onResize
    HeadlessToolkit& tk_;
    Rect bounds_;
    WindowState state_ = WindowState::Normal;
    bool visible_ = false;
    bool unloaded_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<std::pair<std::string, Control*>> byName_;
};

}  // namespace ostrevan::ui::headless
