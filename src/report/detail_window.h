#pragma once
// The product detail window: one found program with its vendor's address, its readiness in
// the class colour and the knowledge base's instructions; from it the user prints the
// readiness request letter. A fresh window is made for every use and shown modally.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "match/run_state.h"
#include "platform/ui/rich_text.h"
#include "platform/ui/toolkit.h"

namespace ostrevan {

class FrmDetail {
public:
    // A hidden window with its design captions; st gives the letter its list of programs.
    FrmDetail(ui::Toolkit& tk, RunState& st);
    ~FrmDetail();
    FrmDetail(const FrmDetail&) = delete;
    FrmDetail& operator=(const FrmDetail&) = delete;

    // Shows the window modally; returns when the user has closed it.
    void Show();
    ui::Window& Form() { return w_; }

    // The readiness code of the product shown; decides the letter.
    int32_t lngCompCode = 0;
    // Today's date as the letter prints it (tests set a fixed one).
    std::function<std::string()> today;
    // The vendor as the letter addresses it: the company as it names itself and the note on a
    // company that had merged, been sold or failed; the vendor's ALLPRODUCTS record carries
    // them in its alternative name and program file, which its matching never reads.
    std::string strCompany;
    std::string strLetterNote;

private:
    ui::Toolkit& tk_;
    RunState& st_;
    ui::Window& w_;

public:
    ui::Label& lblProductTitle;
    ui::Label& lblProduct;
    ui::Label& lblVersionTitle;
    ui::Label& lblVersion;
    ui::Label& lblManufacturerTitle;
    ui::Label& lblManufacturer;
    ui::Label& lblAddressTitle;
    ui::Label& lblAddress1;
    ui::Label& lblAddress2;
    ui::Label& lblPhoneNumTitle;
    ui::Label& lblPhoneNum;
    ui::Label& lblURLTitle;
    ui::Label& lblURL;
    ui::Label& lblDirectoryTitle;
    ui::Label& lblDirectory;
    ui::Label& lblComplianceTitle;
    ui::Label& lblCompliance;
    ui::Label& lblCommentsTitle;
    ui::TextBox& txtComments;
    ui::Button& btnLEtter;
    ui::Button& btnOK;

private:
    void btnLEtter_Click();
};

// The record (1-based index in st.cFiles) whose report entry holds the caret of the report, as
// the detail window finds it: the caret's share of the report's lines estimates the entry,
// and replaying the report's order finds its record. A caret past the last entry (the empty
// line after it, the very end of the text) gives the last entry. 0 when the report lists no
// record; when the estimate cannot be made (an emptied text, a line beyond 32,767) the
// collection's first record.
int16_t RecordAtCaret(RunState& st, const ui::RichText& rtxtSummary);

// Fills the window with record `index` (1-based; 0 for none) of st.cFiles and its vendor's address (the vendor
// directory gains a record for a vendor it does not know yet). Steps that fail are skipped, so
// without such a record the window keeps its design captions.
void FillDetail(FrmDetail& f, RunState& st, int16_t index);

// A fresh, filled (still hidden) detail window for the entry under the report's caret.
std::unique_ptr<FrmDetail> NewProductDetail(RunState& st, ui::Toolkit& tk,
                                            const ui::RichText& rtxtSummary);

// The More Info... button of the report page and the double click on the report: opens a
// detail window for the entry under the caret and waits until it is closed. A report that lists
// no program has no entry to show: the user is told so and no window opens.
void OpenProductDetail(RunState& st, ui::Toolkit& tk, const ui::RichText& rtxtSummary);
inline constexpr const char* kNoEntryToShow = "The report lists no program, so there are no details to show.";

}  // namespace ostrevan
