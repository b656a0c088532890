// Labels, buttons, option buttons, lines, shapes, pictures, text boxes and drive lists.
#include <algorithm>
#include <cctype>
#include <type_traits>

#include "platform/ui/text_fit.h"
#include "platform/ui/win32/win32_controls.h"

namespace ostrevan::ui::win32 {

// ---- Creating controls on a container ----

W32Element& W32Container::Create(const ControlSpec& spec) {
    const ControlArgs& a = spec.args;
    std::unique_ptr<W32Element> e;
    switch (spec.kind) {
        case ControlKind::Frame: e = std::make_unique<W32Frame>(a, *this, nativeWindow_); break;
        case ControlKind::Label: e = std::make_unique<W32Label>(a, *this); break;
        case ControlKind::Button: e = std::make_unique<W32Button>(a, *this); break;
        case ControlKind::Option: e = std::make_unique<W32Option>(a, *this); break;
        case ControlKind::Line: e = std::make_unique<W32Line>(a, *this, spec.ends); break;
        case ControlKind::Shape: e = std::make_unique<W32Shape>(a, *this); break;
        case ControlKind::Picture: e = std::make_unique<W32Picture>(a, *this); break;
        case ControlKind::TextBox: e = std::make_unique<W32TextBox>(a, *this, spec.multiline); break;
        case ControlKind::DriveList: e = std::make_unique<W32DriveList>(a, *this); break;
        case ControlKind::RichText: e = MakeRichText(a, *this); break;
    }
    W32Element& ref = *e;
    // Controls without a window of their own are drawn by the container, in creation order.
    if (spec.kind != ControlKind::Frame && !ref.Hwnd()) drawn_.push_back(&ref);
    nativeWindow_.Keep(std::move(e));
    return ref;
}

// ---- Labels ----

void W32Label::Paint(HDC dc) {
    RECT r = PixelRect();
    const std::string caption = Caption();
    win::Selection font(dc, Kit().fonts.Get(GetFont(), Kit().dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Enabled() ? ToRef(ForeColor()) : GetSysColor(COLOR_GRAYTEXT));
    const UINT align = GetAlignment() == Alignment::Right ? DT_RIGHT : GetAlignment() == Alignment::Center ? DT_CENTER : DT_LEFT;
    const UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | align;
    if (!Ellipsis()) {
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, flags);
        return;
    }
    // Only whole lines, and a long word (a folder without blanks) ends in "..." too.
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    const int line = tm.tmHeight > 0 ? static_cast<int>(tm.tmHeight) : 1;
    r.bottom = r.top + std::max(1, static_cast<int>((r.bottom - r.top) / line)) * line;
    const std::string shown = FitText(caption, [&](const std::string& t) {
        RECT c{r.left, r.top, r.right, r.top};
        DrawTextA(dc, t.c_str(), static_cast<int>(t.size()), &c, flags | DT_CALCRECT);
        return c.bottom <= r.bottom && c.right <= r.right;
    });
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &r, flags | DT_WORD_ELLIPSIS);
}


// ---- Buttons ----

void W32Button::OnRoleChanged() {
    if (hwnd_) {
        const WPARAM kind = Role() == ButtonRole::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        SendMessageA(hwnd_, BM_SETSTYLE, kind | BS_MULTILINE, TRUE);
    }
}

void W32Button::OnCommand(WORD code) {
    if (code == BN_CLICKED) Fire(onClick);
}

// ---- Option buttons ----

void W32Option::OnValueChanged() {
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, Value() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void W32Option::OnCommand(WORD code) {
    if (code != BN_CLICKED) return;
    SetValue(true);
    Fire(onClick);
}

// ---- Lines ----

void W32Line::Paint(HDC dc) {
    const Ends e = Position();
    win::ScopedPen pen(CreatePen(PS_SOLID, 1, ToRef(BorderColor())));
    win::Selection selected(dc, pen.get());
    const auto& k = Kit();
    MoveToEx(dc, k.Px(e.x1), k.Px(e.y1), nullptr);
    LineTo(dc, k.Px(e.x2), k.Px(e.y2));
    SetPixel(dc, k.Px(e.x2), k.Px(e.y2), ToRef(BorderColor()));  // LineTo leaves out the end
}

// ---- Shapes ----

void W32Shape::Paint(HDC dc) {
    RECT r = PixelRect();
    if (Kind() == ShapeKind::Square || Kind() == ShapeKind::Circle || Kind() == ShapeKind::RoundedSquare) {
        const int side = std::min(r.right - r.left, r.bottom - r.top);
        r.left += (r.right - r.left - side) / 2;
        r.top += (r.bottom - r.top - side) / 2;
        r.right = r.left + side;
        r.bottom = r.top + side;
    }
    win::ScopedPen pen(CreatePen(PS_SOLID, 1, ToRef(BorderColor())));
    win::ScopedBrush brush(GetFillStyle() == FillStyle::Solid ? CreateSolidBrush(ToRef(FillColor())) : nullptr);
    win::Selection selectedPen(dc, pen.get());
    win::Selection selectedBrush(dc, brush ? static_cast<HGDIOBJ>(brush.get()) : GetStockObject(NULL_BRUSH));
    switch (Kind()) {
        case ShapeKind::Oval:
        case ShapeKind::Circle: Ellipse(dc, r.left, r.top, r.right, r.bottom); break;
        case ShapeKind::RoundedRectangle:
        case ShapeKind::RoundedSquare: {
            const int round = std::min(r.right - r.left, r.bottom - r.top) / 4;
            RoundRect(dc, r.left, r.top, r.right, r.bottom, round, round);
            break;
        }
        default: Rectangle(dc, r.left, r.top, r.right, r.bottom); break;
    }
}

// ---- Pictures ----

std::pair<int, int> W32Picture::PixelSize(const Rect& box) const {
    const RECT p = PixelRect(box);
    return {p.right - p.left, p.bottom - p.top};
}

void W32Picture::Paint(HDC dc) {
    const Bitmap& pic = Picture();
    const int w = pic.Width(), h = pic.Height();
    if (w <= 0 || h <= 0) return;
    std::vector<uint8_t> bgra(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const Color c = pic.At(x, y);
            uint8_t* d = &bgra[(static_cast<size_t>(y) * w + x) * 4];
            d[0] = c.b;
            d[1] = c.g;
            d[2] = c.r;
            d[3] = 255;
        }
    }
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    const RECT r = PixelRect();
    SetDIBitsToDevice(dc, r.left, r.top, w, h, 0, 0, 0, h, bgra.data(), &bi, DIB_RGB_COLORS);
}

// ---- Text boxes ----

W32TextBox::W32TextBox(const ControlArgs& a, W32Container& p, bool multiline) : W32Control(a, p) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (multiline) style = WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
    CreateNative("EDIT", style, WS_EX_CLIENTEDGE, "");
    SetText(a.caption);
}

std::string W32TextBox::Text() const {
    if (!hwnd_) return {};
    const int n = GetWindowTextLengthA(hwnd_);
    std::string s(static_cast<size_t>(n) + 1, '\0');
    s.resize(static_cast<size_t>(GetWindowTextA(hwnd_, s.data(), n + 1)));
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') continue;
        out += s[i];
    }
    return out;
}

void W32TextBox::SetText(const std::string& t) {
    // The edit control breaks lines only at CR LF.
    std::string s;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\n' && (i == 0 || t[i - 1] != '\r')) s += '\r';
        s += t[i];
    }
    if (hwnd_) SetWindowTextA(hwnd_, s.c_str());
}

void W32TextBox::Redraw() {
    brush_.reset();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

HBRUSH W32TextBox::ColorFor(HDC dc) {
    if (!brush_) brush_.reset(CreateSolidBrush(ToRef(BackColor())));
    SetBkColor(dc, ToRef(BackColor()));
    return brush_.get();
}

// ---- Drive lists ----

std::vector<std::string> ListDrives() {
    std::vector<std::string> out;
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        const char root[4] = {static_cast<char>('A' + i), ':', '\\', 0};
        std::string entry = {static_cast<char>('a' + i), ':'};
        const UINT type = GetDriveTypeA(root);
        // Removable drives are not asked for their label: that would spin up a floppy drive.
        if (type != DRIVE_REMOVABLE && type != DRIVE_NO_ROOT_DIR) {
            char label[MAX_PATH + 1] = {};
            if (GetVolumeInformationA(root, label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0) &&
                label[0]) {
                entry += " [";
                entry += label;
                entry += "]";
            }
        }
        out.push_back(entry);
    }
    SetErrorMode(oldMode);
    return out;
}

W32DriveList::W32DriveList(const ControlArgs& a, W32Container& p) : W32Control(a, p) {
    CreateNative("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "", Kit().Px(3000));
    char cur[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, cur);
    Fill(std::string(1, cur[0]));
}

std::vector<std::string> W32DriveList::ListEntries() const { return ListDrives(); }

void W32DriveList::OnEntriesChanged() {
    if (!hwnd_) return;
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (const auto& e : Entries()) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    OnSelectionChanged();
}

void W32DriveList::OnSelectionChanged() {
    if (hwnd_) SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(Selected()), 0);
}

void W32DriveList::OnCommand(WORD code) {
    if (code != CBN_SELCHANGE || !hwnd_) return;
    const LRESULT sel = SendMessageA(hwnd_, CB_GETCURSEL, 0, 0);
    if (sel != CB_ERR) Pick(static_cast<size_t>(sel));
}

}  // namespace ostrevan::ui::win32
