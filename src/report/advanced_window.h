#pragma once
// The advanced listing: the undocumented program files of the scan (no product name, company
// or version in their version data), by file name and directory, with Save and Print.
#include <string>

#include "kb/file_collection.h"
#include "platform/ui/toolkit.h"

namespace ostrevan {

class FrmAdvanced {
public:
    explicit FrmAdvanced(ui::Toolkit& tk);
    ~FrmAdvanced();
    FrmAdvanced(const FrmAdvanced&) = delete;
    FrmAdvanced& operator=(const FrmAdvanced&) = delete;

    // Replaces the listing by the entries of junk, in list order, under the hourglass; yields
    // after each hundred entries, showing the count listed so far in the caption, and stops
    // when the window is closed meanwhile.
    void FillListing(const colFiles& junk);
    // Shows the window modally, first filling it with junk's entries when given; returns when
    // the user has closed it.
    void Show(const colFiles* junk = nullptr);
    ui::Window& Form() { return w_; }

private:
    ui::Toolkit& tk_;
    ui::Window& w_;

public:
    ui::Label& lblTitle;
    ui::RichText& rtxtAdvanced;
    ui::Button& btnSave;
    ui::Button& btnLEtter;
    ui::Button& btnOK;

private:
    void Form_Resize();
    bool stopFilling_ = false;
    bool listed_ = false;
};

// The three lines of one entry: "File:" and the name, "Directory Found In:" and the
// directory, an empty line.
std::string ListingEntryText(const clsFile& rec);

// The Advanced... button of the report page: lists the undocumented programs in a fresh
// window and waits until it is closed.
void OpenAdvancedListing(const colFiles& cJunkFiles, ui::Toolkit& tk);

}  // namespace ostrevan
