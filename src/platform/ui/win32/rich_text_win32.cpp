// The rich-text view on the system's RichEdit control.
#include <fstream>
#include <iterator>

#include "platform/text.h"
#include "platform/ui/printer.h"
#include "platform/ui/rtf.h"
#include "platform/ui/win32/win32_controls.h"
#include "platform/vb_error.h"

namespace ostrevan::ui::win32 {
namespace {

struct StreamBuffer {
    std::string data;
    size_t pos = 0;
};

DWORD CALLBACK StreamInProc(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* done) {
    auto* s = reinterpret_cast<StreamBuffer*>(cookie);
    const size_t n = std::min(static_cast<size_t>(cb), s->data.size() - s->pos);
    std::copy_n(s->data.data() + s->pos, n, buf);
    s->pos += n;
    *done = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK StreamOutProc(DWORD_PTR cookie, LPBYTE buf, LONG cb, LONG* done) {
    auto* s = reinterpret_cast<StreamBuffer*>(cookie);
    s->data.append(reinterpret_cast<const char*>(buf), static_cast<size_t>(cb));
    *done = cb;
    return 0;
}

class W32RichText : public W32Control<RichText> {
public:
    W32RichText(const ControlArgs& a, W32Container& p) : W32Control(a, p) {
        CreateNative(Kit().richClass.c_str(),
                     ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP |
                         ES_SAVESEL,
                     WS_EX_CLIENTEDGE, "");
        if (!hwnd_) return;
        // The default limit of 32767 characters would cut a long report short.
        SendMessageA(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        SendMessageA(hwnd_, EM_SETEVENTMASK, 0, ENM_MOUSEEVENTS);
        CHARFORMAT2W cf = Format(CFM_FACE | CFM_SIZE | CFM_COLOR);
        SetFace(cf, Widen(Shown("MS Sans Serif")));
        cf.yHeight = 165;
        cf.dwEffects = CFE_AUTOCOLOR;
        Apply(cf, SCF_ALL | SCF_DEFAULT);
        if (!a.caption.empty()) SetText(a.caption);
    }

    void SetText(const std::string& text) override {
        SetSelection(0, -1);
        ReplaceSelection(text);
        SetSelection(0, 0);
    }

    std::string Text() const override {
        if (!hwnd_) return {};
        GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
        const LRESULT n = SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0);
        if (n <= 0) return {};
        std::wstring w(static_cast<size_t>(n) + 1, L'\0');
        GETTEXTEX gt{};
        gt.cb = static_cast<DWORD>((n + 1) * sizeof(wchar_t));
        gt.flags = GT_DEFAULT;
        gt.codepage = 1200;
        const LRESULT got = SendMessageA(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt),
                                         reinterpret_cast<LPARAM>(w.data()));
        w.resize(static_cast<size_t>(std::max<LRESULT>(0, got)));
        std::string s = Narrow(w);
        // Paragraph breaks come back as CR (some versions give CR LF): one line feed each.
        return text::LineFeeds(s);
    }

    // Counted by the control (a paragraph break is one character), without reading the text:
    // appending to a long report asks for it at every entry.
    int TextLength() const override {
        if (!hwnd_) return 0;
        GETTEXTLENGTHEX gl{GTL_NUMCHARS | GTL_PRECISE, 1200};
        return static_cast<int>(std::max<LRESULT>(
            0, SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gl), 0)));
    }

    void SetFontName(const std::string& face) override {
        CHARFORMAT2W cf = Format(CFM_FACE);
        SetFace(cf, Widen(Shown(face)));
        Apply(cf, SCF_ALL | SCF_DEFAULT);
        Apply(cf, SCF_SELECTION);
    }

    void SetFontSize(double points) override {
        CHARFORMAT2W cf = Format(CFM_SIZE);
        cf.yHeight = PointsToTwips(points);
        Apply(cf, SCF_ALL | SCF_DEFAULT);
        Apply(cf, SCF_SELECTION);
    }

    // The background colour changed.
    void Redraw() override {
        if (hwnd_) SendMessageA(hwnd_, EM_SETBKGNDCOLOR, 0, ToRef(BackColor()));
    }

    void SetSelection(int start, int length) override {
        if (!hwnd_) return;
        const int n = TextLength();
        start = std::clamp(start, 0, n);
        length = length < 0 ? n - start : std::clamp(length, 0, n - start);
        CHARRANGE cr{start, start + length};
        SendMessageA(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    }

    CHARRANGE Selection() const {
        CHARRANGE cr{0, 0};
        if (hwnd_) SendMessageA(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
        return cr;
    }
    int SelStart() const override { return Selection().cpMin; }
    int SelLength() const override {
        const CHARRANGE cr = Selection();
        return cr.cpMax - cr.cpMin;
    }
    std::string SelText() const override {
        const CHARRANGE cr = Selection();
        return Text().substr(static_cast<size_t>(cr.cpMin), static_cast<size_t>(cr.cpMax - cr.cpMin));
    }

    void SetSelColor(Color c) override {
        CHARFORMAT2W cf = Format(CFM_COLOR);
        cf.crTextColor = ToRef(c);
        cf.dwEffects = 0;  // not the automatic colour
        Apply(cf, SCF_SELECTION);
    }

    void ReplaceSelection(const std::string& text) override {
        if (!hwnd_) return;
        std::string t = text;
        for (char& ch : t) {
            if (ch == '\n') ch = '\r';
        }
        // Inserted as plain text: a name that begins like an RTF document stays text.
        if (IsWindowUnicode(hwnd_)) {
            const std::wstring w = Widen(t);
            SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(w.c_str()));
        } else {
            SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(t.c_str()));
        }
    }

    int LineFromChar(int pos) const override {
        const std::string t = Text();
        pos = std::clamp(pos, 0, static_cast<int>(t.size()));
        return static_cast<int>(std::count(t.begin(), t.begin() + pos, '\n'));
    }

    void LoadFile(const std::filesystem::path& path) override {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw VbError(kErrFileNotFound, "File not found");
        StreamBuffer sb;
        sb.data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) throw VbError(kErrPathAccess, "Path/File access error");
        if (!hwnd_) return;
        const WPARAM format = LooksLikeRtf(sb.data) ? SF_RTF : ((1252 << 16) | SF_USECODEPAGE | SF_TEXT);
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&sb), 0, StreamInProc};
        SendMessageA(hwnd_, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
        if (es.dwError != 0) throw VbError(kErrPathAccess, "Path/File access error");
        SetSelection(0, 0);
    }

    // The document names the faces the program chose, not the ones standing in for them.
    PrintableText Content() const override {
        PrintableText t = ReadRtf(StreamOut(SF_RTF));
        for (TextRun& run : t.runs) {
            if (auto it = chosen_.find(run.format.face); it != chosen_.end()) run.format.face = it->second;
        }
        return t;
    }

    bool OnNotify(NMHDR* nm, LRESULT& result) override {
        if (nm->code != EN_MSGFILTER) return false;
        auto* mf = reinterpret_cast<MSGFILTER*>(nm);
        if (mf->msg != WM_LBUTTONDBLCLK) return false;
        // The handler runs with the caret where the user clicked (no word selected).
        POINTL pt{static_cast<short>(LOWORD(mf->lParam)), static_cast<short>(HIWORD(mf->lParam))};
        const LRESULT pos = SendMessageA(hwnd_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&pt));
        SetSelection(static_cast<int>(pos), 0);
        Fire(onDoubleClick);
        result = 1;
        return true;
    }

private:
    // The control takes the wide record through SendMessageA too (it tells the records apart
    // by their size), and SendMessageW is a stub on Windows 95/98/ME.
    // The face name, cut to the record's room (lstrcpynW is a stub on Windows 95).
    static void SetFace(CHARFORMAT2W& cf, const std::wstring& face) {
        const size_t n = std::min<size_t>(face.size(), LF_FACESIZE - 1);
        std::copy_n(face.begin(), n, cf.szFaceName);
        cf.szFaceName[n] = L'\0';
    }
    static CHARFORMAT2W Format(DWORD mask) {
        CHARFORMAT2W cf{};
        cf.cbSize = sizeof cf;
        cf.dwMask = mask;
        return cf;
    }
    void Apply(CHARFORMAT2W& cf, WPARAM scope) {
        if (hwnd_) SendMessageA(hwnd_, EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
    }
    std::string StreamOut(WPARAM format) const {
        StreamBuffer sb;
        if (!hwnd_) return WriteRtf(PrintableText{});
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&sb), 0, StreamOutProc};
        SendMessageA(hwnd_, EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&es));
        // A stream that broke off would pass for the whole content.
        if (es.dwError != 0) throw VbError(kErrPathAccess, "Path/File access error");
        // Some versions end the stream with a NUL byte, which does not belong in a file.
        while (!sb.data.empty() && sb.data.back() == '\0') sb.data.pop_back();
        return sb.data;
    }

    // A face the system lacks is shown in the nearest installed one (the control itself does
    // not substitute: a missing "Courier" would come out proportional).
    std::string Shown(const std::string& face) {
        std::string use = Kit().fonts.Resolve(face);
        chosen_[use] = face;
        return use;
    }

    std::map<std::string, std::string> chosen_;  // face shown -> face chosen
};

}  // namespace

std::unique_ptr<W32Element> MakeRichText(const ControlArgs& a, W32Container& parent) {
    return std::make_unique<W32RichText>(a, parent);
}

}  // namespace ostrevan::ui::win32
