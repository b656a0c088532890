// Windows, frames and the common behaviour of controls in the win32 backend.
#include "platform/ui/win32/win32_controls.h"

namespace ostrevan::ui::win32 {

const char kFormClass[] = "OstrevanForm";
const char kFrameClass[] = "OstrevanFrame";
const char kElementProp[] = "OstrevanElement";

LRESULT CALLBACK ContainerProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    W32Container* c = nullptr;
    if (msg == WM_NCCREATE) {
        c = static_cast<W32Container*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(c));
        c->SetHwnd(h);
    } else {
        c = reinterpret_cast<W32Container*>(GetWindowLongPtrA(h, GWLP_USERDATA));
    }
    if (msg == WM_NCDESTROY) SetWindowLongPtrA(h, GWLP_USERDATA, 0);
    if (!c || c->ContainerHwnd() != h) return DefWindowProcA(h, msg, wp, lp);
    return c->Handle(msg, wp, lp);
}

W32Element* ElementOf(HWND h) {
    return h ? static_cast<W32Element*>(GetPropA(h, kElementProp)) : nullptr;
}

// ---- Controls ----

template <typename Base>
W32Control<Base>::~W32Control() {
    if (hwnd_ && IsWindow(hwnd_)) RemovePropA(hwnd_, kElementProp);
}

template <typename Base>
Win32Toolkit::State& W32Control<Base>::Kit() const {
    return parent_.NativeWindow().Kit();
}

template <typename Base>
RECT W32Control<Base>::PixelRect(const Rect& box) const {
    const auto& k = Kit();
    return RECT{k.Px(box.left), k.Px(box.top), k.Px(box.right()), k.Px(box.bottom())};
}

template <typename Base>
void W32Control<Base>::Invalidate(const Rect& box) const {
    if (!parent_.ContainerHwnd()) return;
    RECT r = PixelRect(box);
    InflateRect(&r, 2, 2);  // lines and borders reach a pixel beyond their box
    InvalidateRect(parent_.ContainerHwnd(), &r, FALSE);
}

template <typename Base>
void W32Control<Base>::CreateNative(const char* cls, DWORD style, DWORD exStyle,
                                    const std::string& text, int extraHeightPx) {
    const RECT r = PixelRect();
    extraHeightPx_ = extraHeightPx;
    style |= WS_CHILD | WS_CLIPSIBLINGS | (this->Visible() ? WS_VISIBLE : 0) | (this->Enabled() ? 0 : WS_DISABLED);
    hwnd_ = CreateWindowExA(exStyle, cls, text.c_str(), style, r.left, r.top, r.right - r.left,
                            r.bottom - r.top + extraHeightPx, parent_.ContainerHwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(parent_.NativeWindow().NextId())),
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return;
    SetPropA(hwnd_, kElementProp, static_cast<W32Element*>(this));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Kit().fonts.Get(Font{}, Kit().dpi)), FALSE);
}

template <typename Base>
void W32Control<Base>::OnBoundsChanged(const Rect& old) {
    if (hwnd_) {
        const RECT p = PixelRect();
        MoveWindow(hwnd_, p.left, p.top, std::max(0L, p.right - p.left),
                   std::max(0L, p.bottom - p.top + extraHeightPx_), TRUE);
    } else {
        Invalidate(old);
        Invalidate();
    }
}

template <typename Base>
void W32Control<Base>::OnVisibleChanged() {
    if (hwnd_) {
        ShowWindow(hwnd_, this->Visible() ? SW_SHOWNA : SW_HIDE);
        if (!this->Visible()) parent_.NativeWindow().MoveFocusOutOf(hwnd_);
    } else {
        Invalidate();
    }
}

template <typename Base>
void W32Control<Base>::OnEnabledChanged() {
    if (hwnd_) EnableWindow(hwnd_, this->Enabled());
    else Invalidate();
}

template class W32Control<Label>;
template class W32Control<Button>;
template class W32Control<OptionButton>;
template class W32Control<Line>;
template class W32Control<Shape>;
template class W32Control<PictureBox>;
template class W32Control<TextBox>;
template class W32Control<DriveList>;
template class W32Control<RichText>;
template class W32Control<Frame>;

// ---- Containers ----

W32Container::~W32Container() = default;

void W32Container::OnBackColorChanged() {
    brush_.reset();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

HBRUSH W32Container::BackBrush() {
    if (!brush_) brush_.reset(CreateSolidBrush(ToRef(BackColor())));
    return brush_.get();
}

void W32Container::PaintContent(HDC dc, const RECT& client) {
    FillRect(dc, &client, BackBrush());
    if (nativeFrame_) nativeFrame_->PaintFrame(dc, client);
    for (W32Element* e : drawn_) {
        if (e->AsControl().Visible()) e->Paint(dc);
    }
}

LRESULT W32Container::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NEXTDLGCTL: {
            // A multi-line edit asks its parent, as it would ask a dialog, to move the focus on
            // Tab: to the control named, or to the next (previous) one of the window.
            const HWND to = LOWORD(lp) ? reinterpret_cast<HWND>(wp)
                                       : GetNextDlgTabItem(TopLevelOf(hwnd_), GetFocus(), wp != 0);
            if (to) SetFocus(to);
            return 0;
        }
        case WM_COMMAND:
            if (W32Element* e = ElementOf(reinterpret_cast<HWND>(lp))) {
                e->OnCommand(HIWORD(wp));
                return 0;
            }
            break;
        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lp);
            LRESULT result = 0;
            if (W32Element* e = ElementOf(nm->hwndFrom); e && e->OnNotify(nm, result)) return result;
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT: {
            HDC dc = reinterpret_cast<HDC>(wp);
            if (W32Element* e = ElementOf(reinterpret_cast<HWND>(lp))) {
                if (HBRUSH b = e->ColorFor(dc)) return reinterpret_cast<LRESULT>(b);
            }
            if (msg == WM_CTLCOLOREDIT) break;
            SetBkColor(dc, ToRef(BackColor()));
            return reinterpret_cast<LRESULT>(BackBrush());
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT: {
            RECT rc;
            GetClientRect(hwnd_, &rc);
            PaintContent(reinterpret_cast<HDC>(wp), rc);
            return 0;
        }
        case WM_PAINT: {
            win::PaintDc paint(hwnd_);
            const RECT& dirty = paint.paint().rcPaint;
            RECT rc;
            GetClientRect(hwnd_, &rc);
            // Drawn off screen and copied in one go: changing labels do not flicker.
            win::ScopedDc mem(CreateCompatibleDC(paint.get()));
            win::ScopedBitmap bmp(
                CreateCompatibleBitmap(paint.get(), std::max(1L, rc.right), std::max(1L, rc.bottom)));
            win::Selection selected(mem.get(), bmp.get());
            PaintContent(mem.get(), rc);
            BitBlt(paint.get(), dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
                   mem.get(), dirty.left, dirty.top, SRCCOPY);
            return 0;
        }
        case WM_SETCURSOR:
            if (nativeWindow_.Kit().pointer == MousePointer::Hourglass) {
                SetCursor(LoadCursor(nullptr, IDC_WAIT));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

// ---- Frames ----

W32Frame::W32Frame(const ControlArgs& a, W32Container& parent, Win32Window& w)
    : W32Control<Frame>(a, parent, w), W32Container(w, this) {
    const RECT r = PixelRect();
    // The container procedure learns the handle during creation (WM_NCCREATE).
    CreateWindowExA(WS_EX_CONTROLPARENT, kFrameClass, Caption().c_str(),
                    WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0) |
                        (Enabled() ? 0 : WS_DISABLED),
                    r.left, r.top, r.right - r.left, r.bottom - r.top, parent.ContainerHwnd(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(w.NextId())),
                    GetModuleHandleA(nullptr), static_cast<W32Container*>(this));
    W32Control<Frame>::hwnd_ = W32Container::hwnd_;
    if (W32Control<Frame>::hwnd_) SetPropA(W32Control<Frame>::hwnd_, kElementProp, static_cast<W32Element*>(this));
}

void W32Frame::OnCaptionChanged() {
    if (W32Container::hwnd_) {
        SetWindowTextA(W32Container::hwnd_, Caption().c_str());
        InvalidateRect(W32Container::hwnd_, nullptr, FALSE);
    }
}

LRESULT W32Frame::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    // A page never closes: a RichEdit on it answers Escape by asking its parent to close.
    if (msg == WM_CLOSE) return 0;
    return W32Container::Handle(msg, wp, lp);
}

void W32Frame::PaintFrame(HDC dc, const RECT& client) {
    // An etched border, its top through the middle of the caption.
    HFONT font = nativeWindow_.Kit().fonts.Get(Font{}, nativeWindow_.Kit().dpi);
    win::Selection selectedFont(dc, font);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    RECT border = client;
    const std::string caption = Caption();
    border.top += caption.empty() ? 0 : tm.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    if (!caption.empty()) {
        SIZE sz{};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &sz);
        RECT text{8, 0, 8 + sz.cx + 4, tm.tmHeight};
        FillRect(dc, &text, BackBrush());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        TextOutA(dc, 10, 0, caption.c_str(), static_cast<int>(caption.size()));
    }
}

// ---- Windows ----

Control& Win32Window::CreateControl(Container& on, const ControlSpec& spec) {
    // Every container of the backend is a window or a frame, both native containers.
    return dynamic_cast<W32Container&>(on).Create(spec).AsControl();
}

Win32Window::Win32Window(Win32Toolkit::State& kit, const WindowArgs& a)
    : Window(a), W32Container(*this, nullptr), kit_(kit) {
    const DWORD style = Style() == WindowStyle::Sizable
                            ? WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN
                            : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD ex = WS_EX_CONTROLPARENT | (Style() == WindowStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0);
    RECT r{0, 0, kit.Px(a.clientWidth), kit.Px(a.clientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    const int w = r.right - r.left, h = r.bottom - r.top;
    // Dialogs open in the middle of the screen, other windows where the system puts them.
    const int x = Style() == WindowStyle::FixedDialog ? (GetSystemMetrics(SM_CXSCREEN) - w) / 2 : CW_USEDEFAULT;
    const int y = Style() == WindowStyle::FixedDialog ? (GetSystemMetrics(SM_CYSCREEN) - h) / 2 : CW_USEDEFAULT;
    const auto* owner = dynamic_cast<const Win32Window*>(a.owner);
    CreateWindowExA(ex, kFormClass, Caption().c_str(), style, x, y, w, h, owner ? owner->hwnd_ : nullptr, nullptr,
                    GetModuleHandleA(nullptr), static_cast<W32Container*>(this));
}

Win32Window::~Win32Window() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Win32Window::OnCaptionChanged() {
    if (hwnd_) SetWindowTextA(hwnd_, Caption().c_str());
}

Rect Win32Window::Bounds() const {
    if (!hwnd_) return Rect{};
    RECT r{};
    if (IsIconic(hwnd_)) {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        GetWindowPlacement(hwnd_, &wp);
        r = wp.rcNormalPosition;
    } else {
        GetWindowRect(hwnd_, &r);
    }
    return Rect{kit_.Tw(r.left), kit_.Tw(r.top), kit_.Tw(r.right - r.left), kit_.Tw(r.bottom - r.top)};
}

void Win32Window::SetBounds(const Rect& r) {
    if (!hwnd_) return;
    MoveWindow(hwnd_, kit_.Px(r.left), kit_.Px(r.top), std::max(0, kit_.Px(r.width)),
               std::max(0, kit_.Px(r.height)), TRUE);
}

int Win32Window::ClientWidth() const {
    RECT r{};
    if (hwnd_ && !IsIconic(hwnd_)) GetClientRect(hwnd_, &r);
    return kit_.Tw(r.right);
}

int Win32Window::ClientHeight() const {
    RECT r{};
    if (hwnd_ && !IsIconic(hwnd_)) GetClientRect(hwnd_, &r);
    return kit_.Tw(r.bottom);
}

WindowState Win32Window::State() const {
    if (hwnd_ && IsIconic(hwnd_)) return WindowState::Minimized;
    if (hwnd_ && IsZoomed(hwnd_)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Win32Window::SetState(WindowState s) {
    if (!hwnd_ || s == State()) return;
    ShowWindow(hwnd_, s == WindowState::Minimized   ? SW_MINIMIZE
                      : s == WindowState::Maximized ? SW_MAXIMIZE
                                                    : SW_RESTORE);
}

bool Win32Window::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Win32Window::Show() {
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOW);  // its own size messages come before the layout event below
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    BringWindowToTop(hwnd_);
    AfterShown();
}

void Win32Window::ShowInFront() {
    if (!hwnd_) return;
    ShowWindow(hwnd_, SW_SHOWNA);
    AfterShown();
}

void Win32Window::ShowModal() {
    if (!hwnd_) return;
    previous_ = GetActiveWindow();
    disabled_.clear();
    for (const auto& w : kit_.windows) {
        if (w.get() != this && w->hwnd_ && IsWindowEnabled(w->hwnd_)) {
            EnableWindow(w->hwnd_, FALSE);
            disabled_.push_back(w->hwnd_);
        }
    }
    SetModal(true);
    Show();
    if (auto hook = kit_.self->onModal) {
        hook(*this);
        // The user closes whatever the hook left open.
        if (Visible()) Handle(WM_CLOSE, 0, 0);
        if (Visible()) Hide();
    }
    MSG m;
    while (!kit_.quit && Visible()) {
        const BOOL got = GetMessageA(&m, nullptr, 0, 0);
        if (got <= 0) {
            kit_.quit = true;
            break;
        }
        kit_.Dispatch(m);
    }
    EndModal();
    SetModal(false);
}

void Win32Window::EndModal() {
    for (HWND h : disabled_) {
        if (IsWindow(h)) EnableWindow(h, TRUE);
    }
    disabled_.clear();
}

void Win32Window::Hide() {
    if (!hwnd_) return;
    const bool wasActive = GetActiveWindow() == hwnd_;
    if (Modal()) EndModal();
    ShowWindow(hwnd_, SW_HIDE);
    // A closed modal window hands the keyboard back to the window it was opened from.
    if (Modal() && wasActive && previous_ && IsWindow(previous_) && IsWindowVisible(previous_) &&
        IsWindowEnabled(previous_))
        SetActiveWindow(previous_);
}

void Win32Window::Unload() {
    if (!hwnd_) return;
    HWND h = hwnd_;
    ShowWindow(h, SW_HIDE);
    for (auto& e : elements_) e->Detach();
    DestroyWindow(h);
    hwnd_ = nullptr;
    if (kit_.main == this) kit_.self->EndProgram();
}

HWND Win32Window::FocusHome() const {
    for (const auto& e : elements_) {
        if (auto* b = dynamic_cast<W32Button*>(e.get()); b && b->Role() == ButtonRole::Default && b->Hwnd() &&
                                                          IsWindowVisible(b->Hwnd()) && IsWindowEnabled(b->Hwnd()))
            return b->Hwnd();
    }
    const HWND first = FirstTabStop(hwnd_);
    return first ? first : hwnd_;
}

void Win32Window::MoveFocusOutOf(HWND h) const {
    const HWND f = GetFocus();
    if (f && (f == h || Inside(h, f))) SetFocus(FocusHome());
}

void Win32Window::PressRole(ButtonRole role) {
    for (auto& e : elements_) {
        if (auto* b = dynamic_cast<W32Button*>(e.get()); b && b->Role() == role) {
            b->Click();
            return;
        }
    }
}

LRESULT Win32Window::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_SIZE:
            AfterResized();
            // Pages and buttons have moved: what was painted where they stood goes too.
            InvalidateRect(hwnd_, nullptr, TRUE);
            return 0;
        case WM_ACTIVATE: {
            // As in dialogs: the control that had the focus gets it back when the window is
            // activated again (after a message box, another window), else the first control.
            if (LOWORD(wp) == WA_INACTIVE) {
                const HWND f = GetFocus();
                if (f && Inside(hwnd_, f)) focus_ = f;
                break;
            }
            Fire(onActivate);
            if (HIWORD(wp)) break;  // minimized
            const HWND f = GetFocus();
            if (f && Inside(hwnd_, f)) return 0;  // the handler chose
            const bool keep = focus_ && IsWindow(focus_) && Inside(hwnd_, focus_) && IsWindowVisible(focus_) &&
                              IsWindowEnabled(focus_);
            SetFocus(keep ? focus_ : FocusHome());
            return 0;
        }
        case WM_CLOSE:
            if (onClose) Fire(onClose);
            else Hide();
            return 0;
        case WM_GETMINMAXINFO: {
            auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
            if (MinimumWidth() > 0) mm->ptMinTrackSize.x = kit_.Px(MinimumWidth());
            if (MinimumHeight() > 0) mm->ptMinTrackSize.y = kit_.Px(MinimumHeight());
            return 0;
        }
        case WM_COMMAND:
            if (lp == 0 && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
                PressRole(LOWORD(wp) == IDOK ? ButtonRole::Default : ButtonRole::Cancel);
                return 0;
            }
            break;
        default:
            break;
    }
    return W32Container::Handle(msg, wp, lp);
}

}  // namespace ostrevan::ui::win32
