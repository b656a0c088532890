#include "platform/ui/headless/headless_window.h"

#include <algorithm>

#include "platform/ui/event.h"
#include "platform/ui/headless/headless_toolkit.h"

namespace ostrevan::ui::headless {

// ---- Controls ----

Control& HeadlessWindow::CreateControl(Container& /*on*/, const ControlSpec& spec) {
    const ControlArgs& a = spec.args;
    std::unique_ptr<Control> c;
    switch (spec.kind) {
        case ControlKind::Frame: c = std::make_unique<Frame>(a, *this); break;
        case ControlKind::Label: c = std::make_unique<Label>(a); break;
        case ControlKind::Button: c = std::make_unique<Button>(a); break;
        case ControlKind::Option: c = std::make_unique<OptionButton>(a); break;
        case ControlKind::Line: c = std::make_unique<Line>(a, spec.ends); break;
        case ControlKind::Shape: c = std::make_unique<Shape>(a); break;
        case ControlKind::Picture: c = std::make_unique<HeadlessPicture>(a); break;
        case ControlKind::TextBox: c = std::make_unique<HeadlessTextBox>(a, spec.multiline); break;
        case ControlKind::DriveList: c = std::make_unique<HeadlessDriveList>(a, tk_); break;
        case ControlKind::RichText: c = std::make_unique<HeadlessRichText>(a); break;
    }
    if (!a.name.empty()) byName_.emplace_back(a.name, c.get());
    controls_.push_back(std::move(c));
    return *controls_.back();
}

// ---- Windows ----

HeadlessWindow::HeadlessWindow(HeadlessToolkit& tk, const WindowArgs& a)
    : Window(a), tk_(tk),
      bounds_{0, 0, a.clientWidth + kFrameWidth, a.clientHeight + kFrameHeight} {}

int HeadlessWindow::ClientWidth() const {
    return state_ == WindowState::Minimized ? 0 : std::max(0, bounds_.width - kFrameWidth);
}

int HeadlessWindow::ClientHeight() const {
    return state_ == WindowState::Minimized ? 0 : std::max(0, bounds_.height - kFrameHeight);
}

void HeadlessWindow::SetBounds(const Rect& r) {
    if (unloaded_) return;
    const bool resized = r.width != bounds_.width || r.height != bounds_.height;
    bounds_ = r;
    bounds_.width = std::max(0, bounds_.width);
    bounds_.height = std::max(0, bounds_.height);
    if (resized) AfterResized();
}

void HeadlessWindow::SetState(WindowState s) {
    if (unloaded_ || s == state_) return;
    state_ = s;
    AfterResized();
}

void HeadlessWindow::OnLayout() {
    ++resizeEvents;
    Window::OnLayout();
}

void HeadlessWindow::FireActivate() {
    ++activateEvents;
    FireEvent(onActivate);
}

void HeadlessWindow::Show() {
    if (unloaded_) return;
    ShowInFront();
    tk_.Activate(this);
}

void HeadlessWindow::ShowInFront() {
    if (unloaded_) return;
    visible_ = true;
    AfterShown();
}

void HeadlessWindow::ShowModal() {
    if (unloaded_) return;
    SetModal(true);
    Show();
    if (tk_.onModal) tk_.onModal(*this);
    // The user closes whatever the test left open.
    if (visible_ && !unloaded_) CloseBox();
    if (visible_ && !unloaded_) Hide();
    SetModal(false);
}

void HeadlessWindow::Hide() {
    if (!visible_) return;
    visible_ = false;
    SetModal(false);
    tk_.WindowGone(this);
}

void HeadlessWindow::Unload() {
    if (unloaded_) return;
    Hide();
    unloaded_ = true;
    byName_.clear();
    tk_.WindowGone(this);
    if (tk_.MainWindow() == this) tk_.EndProgram();
}

void HeadlessWindow::DragTo(int width, int height) {
    if (Style() == WindowStyle::FixedDialog) return;
    Resize(std::max(width, MinimumWidth()), std::max(height, MinimumHeight()));
}

void HeadlessWindow::CloseBox() {
    if (unloaded_) return;
    if (onClose) FireEvent(onClose);
    else Hide();
}

void HeadlessWindow::PressEnter() {
    for (const auto& c : controls_) {
        if (auto* b = dynamic_cast<Button*>(c.get()); b && b->Role() == ButtonRole::Default)
            return b->Click();
    }
}

void HeadlessWindow::PressEscape() {
    for (const auto& c : controls_) {
        if (auto* b = dynamic_cast<Button*>(c.get()); b && b->Role() == ButtonRole::Cancel)
            return b->Click();
    }
}

Control* HeadlessWindow::FindControl(const std::string& name) const {
    for (const auto& [n, c] : byName_) {
        if (n == name) return c;
    }
    return nullptr;
}

}  // namespace ostrevan::ui::headless
