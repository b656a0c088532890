// The win32 toolkit: window classes, fonts, the event loop, dialogs and the screen.
#include "platform/host_api_win32.h"
#include "platform/ui/win32/win32_controls.h"

namespace ostrevan::ui::win32 {

std::wstring Widen(const std::string& s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(1252, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(1252, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string Narrow(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(1252, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, "?", nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(1252, 0, w.data(), static_cast<int>(w.size()), s.data(), n, "?", nullptr);
    return s;
}

// ---- Fonts ----

namespace {
int CALLBACK FoundFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const std::string& face) {
    win::WindowDc screen(nullptr);
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExA(screen.get(), &lf, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}
}  // namespace

std::string FontCache::Resolve(const std::string& face) {
    if (auto it = resolved_.find(face); it != resolved_.end()) return it->second;
    std::string use = face;
    if (!FaceInstalled(face)) {
        // Display faces that not every system has: the nearest common ones.
        static const std::vector<std::pair<std::string, std::vector<std::string>>> kFallbacks = {
            {"Impact", {"Arial Black", "Arial"}},
            {"Courier", {"Courier New", "Lucida Console", "Liberation Mono", "DejaVu Sans Mono"}},
            {"MS Sans Serif", {"Microsoft Sans Serif", "Tahoma", "Arial"}},
        };
        for (const auto& [name, alternatives] : kFallbacks) {
            if (lstrcmpiA(name.c_str(), face.c_str()) != 0) continue;
            for (const auto& alt : alternatives) {
                if (FaceInstalled(alt)) {
                    use = alt;
                    break;
                }
            }
        }
    }
    resolved_[face] = use;
    return use;
}

HFONT FontCache::Get(const std::string& face, int heightTwips, bool bold, bool italic, int dpi) {
    const auto key = std::make_tuple(face, heightTwips, bold, italic, dpi);
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        const std::string use = Resolve(face);
        it = fonts_.emplace(key, win::ScopedFont(CreateFontA(-MulDiv(heightTwips, dpi, 1440), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL,
                          italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          use.c_str()))).first;
    }
    // A font that could not be made is the system's own (which is never deleted).
    return it->second ? it->second.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// ---- The toolkit ----

namespace {

void MakeDpiAware() {
    // Not on XP: looked up at run time.
    using SetAware = BOOL(WINAPI*)();
    if (HMODULE user = GetModuleHandleA("user32.dll")) {
        if (auto f = reinterpret_cast<SetAware>(reinterpret_cast<void*>(GetProcAddress(user, "SetProcessDPIAware")))) f();
    }
}

// The newest RichEdit the system has: 4.1 (XP SP1 and later), else 2.0 or 3.0 (Windows 98,
// ME, 2000; NT 4.0 and 95 with Internet Explorer), else 1.0.
// On Windows 95/98/ME every window is an ANSI one (IsWindowUnicode answers false), so a
// wide-class RichEdit there would take the ANSI texts sent to it for wide ones: the ANSI class
// of RichEdit 2.0/3.0 is the one for that family (Msftedit never shipped for it).
std::string LoadRichEdit() {
    if (!platform::host::AnsiOnly() && LoadLibraryA("Msftedit.dll")) return "RICHEDIT50W";
    if (LoadLibraryA("Riched20.dll")) return "RichEdit20A";
    if (LoadLibraryA("Riched32.dll")) return "RICHEDIT";
    return "";
}

void RegisterClasses() {
    static bool done = false;
    if (done) return;
    done = true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = ContainerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    if (!wc.hIcon) wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    wc.lpszClassName = kFormClass;
    RegisterClassExA(&wc);
    wc.hIcon = nullptr;
    wc.lpszClassName = kFrameClass;
    RegisterClassExA(&wc);
}

bool IsOurForm(HWND h) {
    char cls[32] = {};
    GetClassNameA(h, cls, sizeof cls);
    return lstrcmpA(cls, kFormClass) == 0;
}

}  // namespace

void Win32Toolkit::State::Dispatch(MSG& m) {
    HWND root = TopLevelOf(m.hwnd);
    if (root && IsOurForm(root)) {
        // A RichEdit keeps Tab for itself (in a dialog it asks its parent, here a frame, to
        // move on): Tab moves on from it in the window's tab order.
        char cls[32] = {};
        if (m.message == WM_KEYDOWN && m.wParam == VK_TAB && GetClassNameA(m.hwnd, cls, sizeof cls) &&
            lstrcmpiA(cls, richClass.c_str()) == 0) {
            if (HWND next = GetNextDlgTabItem(root, m.hwnd, GetKeyState(VK_SHIFT) < 0)) SetFocus(next);
            return;
        }
        // Tab, Enter and Escape as in dialogs.
        if (IsDialogMessageA(root, &m)) return;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
}

Win32Toolkit::Win32Toolkit() : s_(std::make_unique<State>()) {
    s_->self = this;
    MakeDpiAware();
    // The classes of Internet Explorer 4's common controls; the standard ones are asked for
    // apart, since a version that does not know them may refuse the whole request.
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    icc.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&icc);
    RegisterClasses();
    s_->richClass = LoadRichEdit();
    s_->dpi = std::max(1, GetDeviceCaps(win::WindowDc(nullptr).get(), LOGPIXELSX));
    s_->printer = std::make_unique<Win32Printer>(s_->fonts);
}

Win32Toolkit::~Win32Toolkit() {
    s_->printer.reset();
    for (auto& w : s_->windows) {
        if (!w->Unloaded()) DestroyWindow(w->Hwnd());
    }
    // The quit message EndProgram posted belongs to this toolkit: left in the thread's queue it
    // would end a later toolkit's event loop at its first look.
    MSG m;
    while (PeekMessageA(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

Window& Win32Toolkit::NewWindow(const WindowArgs& a) {
    s_->windows.push_back(std::make_unique<Win32Window>(*s_, a));
    return *s_->windows.back();
}

void Win32Toolkit::SetMainWindow(Window& w) { s_->main = dynamic_cast<Win32Window*>(&w); }

void Win32Toolkit::ShowMessage(const std::string& text, const std::string& title) {
    if (onMessage) return onMessage(text, title);
    MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), MB_OK);
}

std::optional<std::string> Win32Toolkit::AskInput(const std::string& prompt, const std::string& title,
                                                  const std::string& defaultText) {
    if (onInput) return onInput(prompt, title, defaultText);
    // A small dialog built with the toolkit itself.
    Window& w = NewWindow({"InputBox", title, 6000, 1800, WindowStyle::FixedDialog});
    w.AddLabel({"lblPrompt", {120, 120, 4455, 1000}, prompt});
    Button& ok = w.AddButton({"btnOK", {4680, 120, 1215, 375}, "OK"});
    Button& cancel = w.AddButton({"btnCancel", {4680, 600, 1215, 375}, "Cancel"});
    TextBox& box = w.AddTextBox({"txtInput", {120, 1320, 5775, 315}, defaultText}, false);
    ok.SetRole(ButtonRole::Default);
    cancel.SetRole(ButtonRole::Cancel);
    std::optional<std::string> answer;
    ok.onClick = [&] {
        answer = box.Text();
        w.Hide();
    };
    cancel.onClick = [&] { w.Hide(); };
    if (HWND edit = static_cast<HWND>(NativeHandle(box))) {
        SendMessageA(edit, EM_SETSEL, 0, -1);
        SetFocus(edit);
    }
    w.ShowModal();
    w.Unload();
    return answer;
}

int Win32Toolkit::Dpi() const { return s_->dpi; }
int Win32Toolkit::ScreenWidth() const { return s_->Tw(GetSystemMetrics(SM_CXSCREEN)); }
int Win32Toolkit::ScreenHeight() const { return s_->Tw(GetSystemMetrics(SM_CYSCREEN)); }
MousePointer Win32Toolkit::GetMousePointer() const { return s_->pointer; }

void Win32Toolkit::SetMousePointer(MousePointer p) {
    s_->pointer = p;
    SetCursor(LoadCursor(nullptr, p == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

void Win32Toolkit::DoEvents() {
    MSG m;
    while (!s_->quit && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            s_->quit = true;
            break;
        }
        s_->Dispatch(m);
    }
}

void Win32Toolkit::Run() {
    MSG m;
    while (!s_->quit) {
        const BOOL got = GetMessageA(&m, nullptr, 0, 0);
        if (got <= 0) break;
        s_->Dispatch(m);
    }
    s_->quit = true;
}

void Win32Toolkit::EndProgram() {
    if (s_->quit) return;
    s_->quit = true;
    for (auto& w : s_->windows) w->Unload();
    PostQuitMessage(0);
}

Printer& Win32Toolkit::DefaultPrinter() { return *s_->printer; }

void* NativeHandle(const Window& w) {
    auto* ww = dynamic_cast<const Win32Window*>(&w);
    return ww ? ww->Hwnd() : nullptr;
}

void* NativeHandle(const Control& c) {
    auto* e = dynamic_cast<const W32Element*>(&c);
    return e ? e->Hwnd() : nullptr;
}

}  // namespace ostrevan::ui::win32
