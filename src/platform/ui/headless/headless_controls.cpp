#include "platform/ui/headless/headless_controls.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "platform/file_write.h"
#include "platform/text.h"
#include "platform/ui/headless/headless_toolkit.h"
#include "platform/ui/headless/headless_window.h"
#include "platform/ui/printer.h"
#include "platform/ui/rtf.h"
#include "platform/vb_error.h"

namespace ostrevan::ui::headless {

// ---- Picture box ----

namespace {
constexpr int kTwipsPerPixel = 15;
}

std::pair<int, int> HeadlessPicture::PixelSize(const Rect& box) const {
    return {box.width / kTwipsPerPixel, box.height / kTwipsPerPixel};
}

// ---- Drive list ----

HeadlessDriveList::HeadlessDriveList(const ControlArgs& a, HeadlessToolkit& tk) : DriveList(a), tk_(tk) {
    const std::vector<std::string> entries = tk.DriveEntries();
    Fill(tk.CurrentDrive() < entries.size() ? entries[tk.CurrentDrive()] : std::string());
}

std::vector<std::string> HeadlessDriveList::ListEntries() const { return tk_.DriveEntries(); }

// ---- Rich text ----

HeadlessRichText::HeadlessRichText(const ControlArgs& a) : RichText(a) {
    insert_ = base_;
    if (!a.caption.empty()) SetText(a.caption);
}

void HeadlessRichText::SetText(const std::string& text) {
    // New text takes the control's face and size in the default colour.
    doc_ = RichDocument();
    doc_.Replace(0, 0, text, base_);
    SetSelection(0, 0);
}

void HeadlessRichText::SetFontName(const std::string& face) {
    base_.face = face;
    insert_.face = face;
    doc_.SetFace(face);
}

void HeadlessRichText::SetFontSize(double points) {
    base_.heightTwips = PointsToTwips(points);
    insert_.heightTwips = base_.heightTwips;
    doc_.SetHeight(base_.heightTwips);
}

void HeadlessRichText::SetSelection(int start, int length) {
    const int n = doc_.Length();
    selStart_ = std::clamp(start, 0, n);
    selLength_ = std::clamp(length, 0, n - selStart_);
    // Typing at the caret continues the format of the character before it.
    const int from = selLength_ > 0 ? selStart_ : selStart_ - 1;
    insert_ = doc_.FormatAt(std::max(0, from), base_);
}

void HeadlessRichText::SetSelColor(Color c) {
    insert_.color = c;
    doc_.SetColor(selStart_, selLength_, c);
}

void HeadlessRichText::ReplaceSelection(const std::string& text) {
    doc_.Replace(selStart_, selLength_, text, insert_);
    selStart_ += static_cast<int>(text.size());
    selLength_ = 0;
}

void HeadlessRichText::LoadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw VbError(kErrFileNotFound, "File not found");
    const std::string data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw VbError(kErrPathAccess, "Path/File access error");
    if (LooksLikeRtf(data)) {
        doc_ = RichDocument(ReadRtf(data, base_));
    } else {
        // Plain text: line ends become line feeds.
        doc_ = RichDocument();
        doc_.Replace(0, 0, text::LineFeeds(data), base_);
    }
    SetSelection(0, 0);
}

void HeadlessRichText::DoubleClickAt(int pos) {
    if (!Usable()) return;
    SetSelection(pos, 0);
    FireEvent(onDoubleClick);
}

}  // namespace ostrevan::ui::headless
