#pragma once
// The controls a window is made of. Each is a thin object owned by its window; the window
// code keeps plain references to them. Events are std::function members that the window code
// assigns; a backend calls them when the user acts (or a test acts in the user's place).
#include <functional>
#include <string>
#include <vector>

#include "platform/rgba_image.h"
#include "platform/ui/ui_types.h"

namespace ostrevan::ui {

class Container;

// What every control has: a name (for tests and diagnostics), a place inside its container,
// visibility and an enabled state.
class Control {
public:
    virtual ~Control() = default;
    virtual const std::string& Name() const = 0;
    virtual Rect Bounds() const = 0;
    virtual void SetBounds(const Rect& r) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;

    // Conveniences over Bounds/SetBounds.
    void Move(int left, int top) { Rect r = Bounds(); r.left = left; r.top = top; SetBounds(r); }
    void Resize(int width, int height) {
        Rect r = Bounds(); r.width = width; r.height = height; SetBounds(r);
    }
    void SetTop(int top) { Rect r = Bounds(); r.top = top; SetBounds(r); }
    void SetLeft(int left) { Rect r = Bounds(); r.left = left; SetBounds(r); }
};

// A static text. Labels draw on their container's background (they have none of their own)
// and wrap their caption within their width.
class Label : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual Color ForeColor() const = 0;
    virtual void SetForeColor(Color c) = 0;
    virtual Font GetFont() const = 0;
    virtual void SetFont(const Font& f) = 0;
    virtual Alignment GetAlignment() const = 0;
    virtual void SetAlignment(Alignment a) = 0;
    // Whether a caption longer than the label shows only the lines that fit whole, the last
    // one ending in "..." (for data such as a folder or a list of versions); off by default,
    // as designed captions are drawn as they come.
    virtual bool Ellipsis() const = 0;
    virtual void SetEllipsis(bool on) = 0;
};

enum class ButtonRole {
    Normal,
    Default,  // pressed by Enter anywhere in its window (the wizard's Next)
    Cancel,   // pressed by Escape anywhere in its window (a dialog's Close)
};

class Button : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual ButtonRole Role() const = 0;
    virtual void SetRole(ButtonRole role) = 0;
    // Presses the button as the user would: nothing happens while it is disabled or hidden.
    virtual void Click() = 0;
    std::function<void()> onClick;
};

// An option button. The option buttons of one container form one group: selecting one clears
// the others. SetValue changes the state only; Click() selects it and runs onClick, as a
// press by the user does.
class OptionButton : public Control {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual bool Value() const = 0;
    virtual void SetValue(bool selected) = 0;
    virtual void Click() = 0;
    std::function<void()> onClick;
};

// A straight line drawn on the container; coordinates in twips inside the container. Its
// Bounds are the rectangle between its ends.
class Line : public Control {
public:
    struct Ends { int x1 = 0, y1 = 0, x2 = 0, y2 = 0; };
    virtual Ends Position() const = 0;
    virtual void SetPosition(const Ends& e) = 0;
    virtual Color BorderColor() const = 0;
    virtual void SetBorderColor(Color c) = 0;
};

enum class ShapeKind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };
enum class FillStyle { Solid, Transparent };

// A filled or outlined figure drawn on the container, below the labels.
class Shape : public Control {
public:
    virtual ShapeKind Kind() const = 0;
    virtual void SetKind(ShapeKind k) = 0;
    virtual Color FillColor() const = 0;
    virtual void SetFillColor(Color c) = 0;
    virtual FillStyle GetFillStyle() const = 0;
    virtual void SetFillStyle(FillStyle s) = 0;
    virtual Color BorderColor() const = 0;
    virtual void SetBorderColor(Color c) = 0;
};

// Picture boxes draw the system's image type (straight alpha, R, G, B, A a pixel).
using Image = RgbaImage;

class PictureBox : public Control {
public:
    // Empties the picture: the box shows only its background.
    virtual void Clear() = 0;
    // Draws the image with its top-left corner at (x, y) pixels of the box, blended by alpha.
    virtual void DrawImage(int x, int y, const Image& image) = 0;
    virtual Color BackColor() const = 0;
    virtual void SetBackColor(Color c) = 0;
};

// A text box; line ends read back as line feeds.
class TextBox : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual Color BackColor() const = 0;
    virtual void SetBackColor(Color c) = 0;
};

// The list of the machine's drives. Each entry begins with the drive letter and a colon,
// followed by what the platform shows (a volume label in brackets, a network path).
class DriveList : public Control {
public:
    virtual std::vector<std::string> Entries() const = 0;
    // The selected entry ("c: [SYSTEM]"); its first two characters are the drive.
    virtual std::string Drive() const = 0;
    // Selects the entry of the drive whose letter begins the text ("d:", "D:\", "d: [x]");
    // a letter that is not listed changes nothing. Runs onChange when the selection changes.
    virtual void SetDrive(const std::string& drive) = 0;
    // Lists the drives again (a medium inserted, a network drive mapped).
    virtual void Refresh() = 0;
    std::function<void()> onChange;
};

}  // namespace ostrevan::ui
