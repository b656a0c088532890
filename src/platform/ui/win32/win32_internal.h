#pragma once
// Internals of the win32 backend, shared by its *_win32.cpp files only.
#include <windows.h>

#include <utility>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/scoped_win.h"
#include "platform/text.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/event.h"
#include "platform/ui/rendering_printer.h"
#include "platform/ui/win32/win32_toolkit.h"

namespace ostrevan::ui::win32 {

class Win32Window;
class W32Container;

inline COLORREF ToRef(Color c) { return RGB(c.r, c.g, c.b); }
inline Color FromRef(COLORREF c) { return Color{GetRValue(c), GetGValue(c), GetBValue(c)}; }

// The top-level window that holds `h` (GetAncestor with GA_ROOT is missing on Windows 95).
inline HWND TopLevelOf(HWND h) {
    while (h && (GetWindowLongA(h, GWL_STYLE) & WS_CHILD) && GetParent(h)) h = GetParent(h);
    return h;
}

// Whether `h` lies inside `outer` (IsChild, written with GetParent: no new import for it). Only
// child windows are followed up: the parent of a top-level window is its owner.
inline bool Inside(HWND outer, HWND h) {
    while (h && (GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) {
        h = GetParent(h);
        if (h == outer) return true;
    }
    return false;
}

// The first control of top-level window `root` that can take the focus (visible, enabled, a tab
// stop), or null.
inline HWND FirstTabStop(HWND root) {
    HWND first = GetNextDlgTabItem(root, nullptr, FALSE);
    return first && IsWindowVisible(first) && IsWindowEnabled(first) ? first : nullptr;
}


// A caption as the native control shows it: "&" doubled (else it would underline), and "&"
// before the first letter that is the access key, whatever its case.
inline std::string NativeCaption(const std::string& caption, char key) {
    std::string out;
    bool marked = key == 0;
    for (char ch : caption) {
        if (ch == '&') out += '&';
        else if (!marked && text::ToUpper(static_cast<unsigned char>(ch)) == text::ToUpper(static_cast<unsigned char>(key))) {
            out += '&';
            marked = true;
        }
        out += ch;
    }
    return out;
}

// Text conversions between our Windows-1252 bytes and the wide API of RichEdit.
std::wstring Widen(const std::string& s);
std::string Narrow(const std::wstring& s);

// Calls an event handler through the toolkit's one event boundary.
inline void Fire(const std::function<void()>& f) { FireEvent(f); }

// Fonts by their description, created once per resolution and kept for the program run.
class FontCache {
public:
    // A font for the screen or for a device of the given resolution. A face that is not
    // installed falls back to a similar one (Impact to Arial Black, then Arial).
    HFONT Get(const std::string& face, int heightTwips, bool bold, bool italic, int dpi);
    HFONT Get(const Font& f, int dpi) {
        return Get(f.name, static_cast<int>(f.size * 20 + 0.5), f.bold, f.italic, dpi);
    }
    // The installed face that stands for `face`: itself, or the nearest fallback.
    std::string Resolve(const std::string& face);

private:
    std::map<std::tuple<std::string, int, bool, bool, int>, win::ScopedFont> fonts_;
    std::map<std::string, std::string> resolved_;
};

struct Win32Toolkit::State {
    Win32Toolkit* self = nullptr;
    int dpi = 96;
    FontCache fonts;
    std::vector<std::unique_ptr<Win32Window>> windows;
    Win32Window* main = nullptr;
    MousePointer pointer = MousePointer::Default;
    bool quit = false;
    std::string richClass;  // the RichEdit window class that could be loaded
    std::unique_ptr<Printer> printer;
    int Px(int twips) const { return MulDiv(twips, dpi, 1440); }
    int Tw(int px) const { return MulDiv(px, 1440, dpi); }
    // Dispatches one message, with keyboard navigation for our windows.
    void Dispatch(MSG& m);
};

// Every control of the backend, seen by its container.
class W32Element {
public:
    virtual ~W32Element() = default;
    virtual Control& AsControl() = 0;
    virtual HWND Hwnd() const { return nullptr; }
    // The window is gone: forget the native handle.
    virtual void Detach() {}
    // Notifications reflected from the container.
    virtual void OnCommand(WORD) {}
    virtual bool OnNotify(NMHDR*, LRESULT&) { return false; }
    // Controls drawn by their container paint themselves here (device pixels of the container).
    virtual void Paint(HDC) {}
    // The brush (and text background) for WM_CTLCOLOR*; nullptr for the container's.
    virtual HBRUSH ColorFor(HDC) { return nullptr; }
};

// State common to every control: a native child window, or a figure drawn by the container.
template <typename Base>
class W32Control : public Base, public W32Element {
public:
    template <typename... More>
    W32Control(const ControlArgs& a, W32Container& parent, More&&... more)
        : Base(a, std::forward<More>(more)...), parent_(parent) {}
    ~W32Control() override;
    Control& AsControl() override { return *this; }
    HWND Hwnd() const override { return hwnd_; }
    void Detach() override { hwnd_ = nullptr; }

protected:
    // A native child window moves, shows, hides and greys itself; a drawn control is drawn again
    // where it was and where it is.
    void OnBoundsChanged(const Rect& old) override;
    void OnVisibleChanged() override;
    void OnEnabledChanged() override;
    void Redraw() override { Invalidate(); }
    // Creates the native window of a windowed control.
    void CreateNative(const char* cls, DWORD style, DWORD exStyle, const std::string& text,
                      int extraHeightPx = 0);
    void Invalidate() const { Invalidate(this->bounds_); }
    void Invalidate(const Rect& box) const;
    RECT PixelRect() const { return PixelRect(this->bounds_); }
    RECT PixelRect(const Rect& box) const;
    Win32Toolkit::State& Kit() const;

    W32Container& parent_;
    HWND hwnd_ = nullptr;
    int extraHeightPx_ = 0;
};

class W32Frame;

class W32Container : public virtual Container {
public:
    W32Container(Win32Window& window, W32Frame* frame) : nativeWindow_(window), nativeFrame_(frame) {}
    ~W32Container() override;

    HWND ContainerHwnd() const { return hwnd_; }
    void SetHwnd(HWND h) { hwnd_ = h; }
    Win32Window& NativeWindow() const { return nativeWindow_; }
    W32Frame* NativeFrame() const { return nativeFrame_; }
    HBRUSH BackBrush();
    // Creates the native side of a control placed on it (the window keeps it).
    W32Element& Create(const ControlSpec& spec);
    // Paints the background and the drawn controls into dc (the container's pixels).
    void PaintContent(HDC dc, const RECT& client);
    // The container's window procedure, shared by windows and frames.
    virtual LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

protected:
    // The drawn controls and the background are painted again in the new colour.
    void OnBackColorChanged() override;

    Win32Window& nativeWindow_;
    W32Frame* nativeFrame_;
    HWND hwnd_ = nullptr;
    win::ScopedBrush brush_;
    std::vector<W32Element*> drawn_;
};

class W32Frame : public W32Control<Frame>, public W32Container {
public:
    W32Frame(const ControlArgs& a, W32Container& parent, Win32Window& w);
    void Paint(HDC) override {}
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
    void PaintFrame(HDC dc, const RECT& client);
    W32Container& ParentContainer() const { return parent_; }
    void Detach() override {
        W32Control<Frame>::Detach();
        SetHwnd(nullptr);
    }

protected:
    void OnCaptionChanged() override;
};

class Win32Window : public Window, public W32Container {
public:
    Win32Window(Win32Toolkit::State& kit, const WindowArgs& a);
    ~Win32Window() override;

    Rect Bounds() const override;
    void SetBounds(const Rect& r) override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    WindowState State() const override;
    void SetState(WindowState s) override;
    bool Visible() const override;
    void Show() override;
    void ShowInFront() override;
    void ShowModal() override;
    void Hide() override;
    void Unload() override;
    bool Unloaded() const override { return hwnd_ == nullptr; }

    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp) override;
    Win32Toolkit::State& Kit() const { return kit_; }
    HWND Hwnd() const { return hwnd_; }
    void Keep(std::unique_ptr<W32Element> e) { elements_.push_back(std::move(e)); }
    int NextId() { return nextId_++; }
    // Presses the button of the role, for Enter and Escape.
    void PressRole(ButtonRole role);
    // Where the focus goes when the control that had it cannot keep it: the default button
    // (so that Enter still presses it), else the first control that can take the focus, else
    // the window itself.
    HWND FocusHome() const;
    // When the focus is on `h` or inside it (a control or page being hidden), it goes home:
    // keys must not go to what the user cannot see.
    void MoveFocusOutOf(HWND h) const;

protected:
    Control& CreateControl(Container& on, const ControlSpec& spec) override;
    void OnCaptionChanged() override;

private:
    Win32Toolkit::State& kit_;
    // While shown modally: the windows it disabled and the window that was active before it.
    std::vector<HWND> disabled_;
    HWND previous_ = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND focus_ = nullptr;
    // Enables the windows the modal window disabled (before it hides: so the system can hand
    // the activation back to one of them).
    void EndModal();
    int nextId_ = 1000;
    std::vector<std::unique_ptr<W32Element>> elements_;
};

// ---- Printing on a device context ----

// Draws printed text on a device context: a printer's (with the document and page brackets)
// or any other, such as a bitmap's in tests.
class GdiPrintDevice : public PrintDevice {
public:
    // printer: whether dc is a printer's, whose document and pages must be opened and closed.
    GdiPrintDevice(HDC dc, bool printer, FontCache& fonts);
    FontMetrics Metrics(const CharFormat& f) override;
    int TextWidth(const CharFormat& f, std::string_view text) override;
    void StartDocument() override;
    void StartPage() override;
    void DrawString(int x, int y, const CharFormat& f, std::string_view text) override;
    void EndPage() override;
    void EndDocument() override;
    void AbortDocument() override;

private:
    HFONT Select(const CharFormat& f);
    HDC dc_;
    std::optional<win::Selection> font_;  // gives the context its own font back
    bool printer_;
    FontCache& fonts_;
};

// The system's default printer, found anew for each document.
class Win32Printer : public RenderingPrinter {
public:
    explicit Win32Printer(FontCache& fonts) : fonts_(fonts) {}
    ~Win32Printer() override;

protected:
    PrintDevice& OpenDevice() override;
    void CloseDevice() override;

private:
    FontCache& fonts_;
    win::ScopedDc dc_;
    std::unique_ptr<GdiPrintDevice> dev_;  // selects into dc_: closed first
};

// Creates the controls of a container (implemented beside each control).
std::unique_ptr<W32Element> MakeRichText(const ControlArgs& a, W32Container& parent);

}  // namespace ostrevan::ui::win32
