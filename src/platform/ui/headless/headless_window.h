#pragma once
// Headless containers (window client areas and frames) and windows.
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/headless/headless_controls.h"

namespace ostrevan::ui::headless {

// A window in memory; it owns every control placed on it or on its frames.
class HeadlessWindow : public Window {
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

    // Used by the toolkit.
    Control* FindControl(const std::string& name) const;
    HeadlessToolkit& Kit() const { return tk_; }
    void FireActivate();
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

protected:
    Control& CreateControl(Container& on, const ControlSpec& spec) override;

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
