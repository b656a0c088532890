// Handles of the system that release themselves: GDI objects, device contexts (created or got
// from a window), an object selected into a context, a paint cycle, global and local memory, a
// global block's lock, find handles, icons and kernel handles. Each frees what it holds exactly
// once, when it goes out of scope, on every path out of a function, an exception's included.
#pragma once

#include <windows.h>

#include <utility>

namespace ostrevan::win {

// What a kind of handle holds when it holds nothing: null, or INVALID_HANDLE_VALUE (files and
// searches).
enum class NoHandle { Null, Invalid };

// One owned handle, freed by the call `Free`.
template <typename T, auto Free, NoHandle None = NoHandle::Null>
class Scoped {
public:
    Scoped() = default;
    explicit Scoped(T h) : h_(h) {}
    ~Scoped() { reset(); }
    Scoped(Scoped&& o) noexcept : h_(o.release()) {}
    Scoped& operator=(Scoped&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

    T get() const { return h_; }
    explicit operator bool() const { return h_ != Empty(); }
    // Gives the handle up without freeing it.
    T release() { return std::exchange(h_, Empty()); }
    void reset(T h = Empty()) {
        if (h_ != Empty()) Free(h_);
        h_ = h;
    }

private:
    static T Empty() {
        if constexpr (None == NoHandle::Invalid) return INVALID_HANDLE_VALUE;
        else return nullptr;
    }
    T h_ = Empty();
};

using ScopedPen = Scoped<HPEN, &DeleteObject>;
using ScopedBrush = Scoped<HBRUSH, &DeleteObject>;
using ScopedFont = Scoped<HFONT, &DeleteObject>;
using ScopedBitmap = Scoped<HBITMAP, &DeleteObject>;
using ScopedDc = Scoped<HDC, &DeleteDC>;  // a context of CreateCompatibleDC or CreateDC
using ScopedFind = Scoped<HANDLE, &FindClose, NoHandle::Invalid>;
using ScopedFile = Scoped<HANDLE, &CloseHandle, NoHandle::Invalid>;
using ScopedIcon = Scoped<HICON, &DestroyIcon>;
using ScopedGlobal = Scoped<HGLOBAL, &GlobalFree>;
using ScopedLocal = Scoped<HLOCAL, &LocalFree>;

// A window's context (GetDC; null: the screen's), released to its window.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// One paint cycle of a window: BeginPaint, and EndPaint when it ends.
class PaintDc {
public:
    explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintDc() { EndPaint(hwnd_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& paint() const { return ps_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// An object selected into a context; the context gets its previous object back. Declare it after
// the object it selects, so that the object is deselected before it is deleted.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(dc && obj ? SelectObject(dc, obj) : nullptr) {}
    ~Selection() {
        if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A global memory block locked for reading; null when there is no block or it cannot be locked.
template <typename T>
class GlobalLockOf {
public:
    explicit GlobalLockOf(HGLOBAL h) : h_(h), p_(h ? static_cast<T*>(GlobalLock(h)) : nullptr) {}
    ~GlobalLockOf() {
        if (p_) GlobalUnlock(h_);
    }
    GlobalLockOf(const GlobalLockOf&) = delete;
    GlobalLockOf& operator=(const GlobalLockOf&) = delete;
    T* get() const { return p_; }

private:
    HGLOBAL h_;
    T* p_;
};

}  // namespace ostrevan::win
