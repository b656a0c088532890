#include "platform/ui/headless/headless_window.h"

#include <algorithm>

#include "platform/ui/event.h"
#include "platform/ui/headless/headless_toolkit.h"

namespace ostrevan::ui::headless {

// ---- Containers ----

template <typename T, typename... Args>
T& HeadlessContainer::Add(const ControlArgs& a, Args&&... args) {
    T& c = window_.Keep(std::make_unique<T>(a, this, std::forward<Args>(args)...));
    window_.Register(a.name, &c);
    return c;
}

Frame& HeadlessContainer::AddFrame(const ControlArgs& a) {
    return Add<HeadlessFrame>(a, window_);
}
Label& HeadlessContainer::AddLabel(const ControlArgs& a) { return Add<HeadlessLabel>(a); }
Button& HeadlessContainer::AddButton(const ControlArgs& a) { return Add<HeadlessButton>(a); }
OptionButton& HeadlessContainer::AddOption(const ControlArgs& a) {
    HeadlessOption& o = Add<HeadlessOption>(a);
    options_.push_back(&o);
    return o;
}
Line& HeadlessContainer::AddLine(const ControlArgs& a, const Line::Ends& ends) {
    return Add<HeadlessLine>(a, ends);
}
Shape& HeadlessContainer::AddShape(const ControlArgs& a) { return Add<HeadlessShape>(a); }
PictureBox& HeadlessContainer::AddPicture(const ControlArgs& a) {
    return Add<HeadlessPicture>(a);
}
TextBox& HeadlessContainer::AddTextBox(const ControlArgs& a, bool multiline) {
    return Add<HeadlessTextBox>(a, multiline);
}
DriveList& HeadlessContainer::AddDriveList(const ControlArgs& a) {
    return Add<HeadlessDriveList>(a, window_.Kit());
}
RichText& HeadlessContainer::AddRichText(const ControlArgs& a) {
    return Add<HeadlessRichText>(a);
}

// ---- Windows ----

HeadlessWindow::HeadlessWindow(HeadlessToolkit& tk, const WindowArgs& a)
    : Window(a), HeadlessContainer(*this, nullptr), tk_(tk),
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
        if (auto* b = dynamic_cast<HeadlessButton*>(c.get()); b && b->Role() == ButtonRole::Default)
            return b->Click();
    }
}

void HeadlessWindow::PressEscape() {
    for (const auto& c : controls_) {
        if (auto* b = dynamic_cast<HeadlessButton*>(c.get()); b && b->Role() == ButtonRole::Cancel)
            return b->Click();
    }
}

void HeadlessWindow::Register(const std::string& name, Control* c) {
    if (!name.empty()) byName_.emplace_back(name, c);
}

Control* HeadlessWindow::FindControl(const std::string& name) const {
    for (const auto& [n, c] : byName_) {
        if (n == name) return c;
    }
    return nullptr;
}

}  // namespace ostrevan::ui::headless
