#pragma once
// The controls of the win32 backend. Buttons, option buttons, text boxes, drive lists and
// rich text are native child windows; labels, lines, shapes and pictures are drawn by their
// container (so that labels lie on shapes without a box around them, and change without
// flicker).
#include <string>
#include <vector>

#include "platform/ui/win32/win32_internal.h"

namespace ostrevan::ui::win32 {

extern const char kFormClass[];
extern const char kFrameClass[];
LRESULT CALLBACK ContainerProc(HWND h, UINT msg, WPARAM wp, LPARAM lp);
W32Element* ElementOf(HWND h);

class W32Label : public W32Control<Label> {
public:
    using W32Control::W32Control;
    void Paint(HDC dc) override;
};

// Buttons and option buttons: native BUTTON windows of a style, whose caption marks the access key.
template <typename Base>
class W32Pressable : public W32Control<Base> {
public:
    W32Pressable(const ControlArgs& a, W32Container& p, DWORD style) : W32Control<Base>(a, p) {
        this->CreateNative("BUTTON", style | WS_TABSTOP, 0, NativeCaption(this->Caption(), this->AccessKey()));
    }

protected:
    void OnCaptionChanged() override {
        if (this->hwnd_) SetWindowTextA(this->hwnd_, NativeCaption(this->Caption(), this->AccessKey()).c_str());
    }
};

// A caption too wide for a button wraps onto a second line, as the designs expect ("Print
// Manufacturer Form Letter" on a two-line-high button).
class W32Button : public W32Pressable<Button> {
public:
    W32Button(const ControlArgs& a, W32Container& p) : W32Pressable(a, p, BS_PUSHBUTTON | BS_MULTILINE) {}
    void OnCommand(WORD code) override;

protected:
    void OnRoleChanged() override;
};

class W32Option : public W32Pressable<OptionButton> {
public:
    W32Option(const ControlArgs& a, W32Container& p) : W32Pressable(a, p, BS_RADIOBUTTON) {}
    void OnCommand(WORD code) override;

protected:
    void OnValueChanged() override;
};

class W32Line : public W32Control<Line> {
public:
    using W32Control::W32Control;
    void Paint(HDC dc) override;
};

class W32Shape : public W32Control<Shape> {
public:
    using W32Control::W32Control;
    void Paint(HDC dc) override;
};

class W32Picture : public W32Control<PictureBox> {
public:
    W32Picture(const ControlArgs& a, W32Container& p) : W32Control(a, p) { NewPicture(); }
    void Paint(HDC dc) override;

protected:
    std::pair<int, int> PixelSize(const Rect& box) const override;
};

class W32TextBox : public W32Control<TextBox> {
public:
    W32TextBox(const ControlArgs& a, W32Container& p, bool multiline);
    std::string Text() const override;
    void SetText(const std::string& t) override;
    HBRUSH ColorFor(HDC dc) override;

protected:
    void Redraw() override;

private:
    win::ScopedBrush brush_;
};

class W32DriveList : public W32Control<DriveList> {
public:
    W32DriveList(const ControlArgs& a, W32Container& p);
    void OnCommand(WORD code) override;

protected:
    std::vector<std::string> ListEntries() const override;
    void OnEntriesChanged() override;
    void OnSelectionChanged() override;
};

// The drives of the machine as the drive list shows them: "c: [LABEL]", "a:".
std::vector<std::string> ListDrives();

}  // namespace ostrevan::ui::win32
