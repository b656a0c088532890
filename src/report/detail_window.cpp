#include "report/detail_window.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <limits>

#include "rules/string_matcher.h"
#include "platform/short_date.h"
#include "platform/text.h"
#include "platform/vb_error.h"
#include "report/report_format.h"
#include "report/request_letter.h"
#include "report/skip.h"
#include "report/summary_report.h"

namespace ostrevan {

namespace {

int16_t To16(double v) {
    if (!(v >= std::numeric_limits<int16_t>::min() && v <= std::numeric_limits<int16_t>::max()))
        throw VbError(kErrOverflow, "Overflow");
    return static_cast<int16_t>(v);
}

}  // namespace

FrmDetail::FrmDetail(ui::Toolkit& tk, RunState& st)
    : today([] { return platform::ShortDateToday(); }),
      tk_(tk),
      st_(st),
      w_(tk.NewWindow({"frmDetail", "Detailed Report", 6510, 4530, ui::WindowStyle::FixedDialog})),
      lblProductTitle(w_.AddLabel({"lblProductTitle", {120, 120, 1095, 255}, "Product:"})),
      lblProduct(w_.AddLabel({"lblProduct", {1560, 120, 4815, 255}, "Product"})),
      lblVersionTitle(w_.AddLabel({"lblVersionTitle", {120, 360, 1215, 255}, "Version:"})),
      lblVersion(w_.AddLabel({"lblVersion", {1560, 360, 4815, 255}, "Version"})),
      lblManufacturerTitle(
          w_.AddLabel({"lblManufacturerTitle", {120, 720, 1215, 255}, "Manufacturer:"})),
      lblManufacturer(w_.AddLabel({"lblManufacturer", {1560, 720, 4815, 255}, "Manufacturer"})),
      lblAddressTitle(w_.AddLabel({"lblAddressTitle", {240, 960, 1215, 255}, "Address:"})),
      lblAddress1(w_.AddLabel({"lblAddress1", {1560, 960, 4695, 255}, "Address1"})),
      lblAddress2(w_.AddLabel({"lblAddress2", {1560, 1200, 4695, 255}, "Address2"})),
      lblPhoneNumTitle(
          w_.AddLabel({"lblPhoneNumTitle", {240, 1440, 1215, 255}, "Phone Number:"})),
      lblPhoneNum(w_.AddLabel({"lblPhoneNum", {1560, 1440, 4575, 255}, "PhoneNum"})),
      lblURLTitle(w_.AddLabel({"lblURLTitle", {240, 1680, 1215, 255}, "URL:"})),
      lblURL(w_.AddLabel({"lblURL", {1560, 1680, 4575, 255}, "URL"})),
      lblDirectoryTitle(w_.AddLabel({"lblDirectoryTitle", {120, 2040, 1215, 255}, "Directory:"})),
      lblDirectory(w_.AddLabel({"lblDirectory", {1560, 2040, 4815, 495}, "Directory"})),
      lblComplianceTitle(
          w_.AddLabel({"lblComplianceTitle", {120, 2520, 1335, 255}, "Readiness:"})),
      lblCompliance(w_.AddLabel({"lblCompliance", {1560, 2520, 4815, 375}, "Compliance"})),
      lblCommentsTitle(w_.AddLabel({"lblCommentsTitle", {120, 2880, 1335, 375}, "Comments:"})),
      txtComments(w_.AddTextBox({"txtComments", {1560, 2880, 4815, 855}, "Text1"}, true)),
      btnLEtter(w_.AddButton(
          {"btnLEtter", {2400, 3840, 1935, 615}, "Print Manufacturer Form Letter", true, true, 'P'})),
      btnOK(w_.AddButton({"btnOK", {4440, 3840, 1935, 615}, "Close", true, true, 'C'})) {
    txtComments.SetBackColor(ui::Color{192, 192, 192});
    // What a record holds may be longer than its label (a list of versions, a deep folder):
    // the label shows the lines that fit whole and says that more follows.
    for (ui::Label* l : {&lblProduct, &lblVersion, &lblManufacturer, &lblAddress1, &lblAddress2, &lblPhoneNum,
                         &lblURL, &lblDirectory})
        l->SetEllipsis(true);
    btnOK.SetRole(ui::ButtonRole::Cancel);
    btnOK.onClick = [this] { TryStep([&] { w_.Hide(); }); };
    btnLEtter.onClick = [this] { btnLEtter_Click(); };
}

FrmDetail::~FrmDetail() { TryStep([&] { w_.Unload(); }); }

void FrmDetail::Show() { w_.ShowModal(); }

void FrmDetail::btnLEtter_Click() {
    LetterAddressee to;
    to.code = lngCompCode;
    to.manufacturer = lblManufacturer.Caption();
    to.company = strCompany;
    to.note = strLetterNote;
    to.address1 = lblAddress1.Caption();
    to.address2 = lblAddress2.Caption();
    std::string date;
    TryStep([&] { date = today ? today() : platform::ShortDateToday(); });
    PrintRequestLetter(tk_, to, st_.cFiles, date);
}

int16_t RecordAtCaret(RunState& st, const ui::RichText& rtxtSummary) {
    const colFiles& files = st.cFiles;
    const int listed = ListedCount(files);
    if (listed == 0) return 0;
    int16_t target = 0;
    TryStep([&] {
        const int16_t curLine = To16(rtxtSummary.LineFromChar(rtxtSummary.SelStart()) - 1.0);
        const int16_t totLines = To16(rtxtSummary.LineFromChar(rtxtSummary.TextLength()));
        if (totLines == 0) throw VbError(kErrOverflow, "Overflow");
        // Only the listed records count, so records the report leaves out cannot shift the
        // estimate; a caret below the last entry stands for the last entry.
        const double share = static_cast<double>(curLine) / totLines * listed;
        target = std::max<int16_t>(1, std::min<int16_t>(To16(text::RoundHalfEven(share) + 1), listed));
    });
    int counter = 1;
    for (const int code : kReportOrder) {
        for (int i = 1; i <= files.Count(); ++i) {
            if (files.Item(static_cast<int16_t>(i)).CompliantCode != code) continue;
            if (counter == target) return static_cast<int16_t>(i);
            ++counter;
        }
    }
    // The estimate could not be made: the collection's first record, as Item(0) gives it.
    return target < 1 ? int16_t{1} : target;
}

void FillDetail(FrmDetail& f, RunState& st, int16_t index) {
    auto rec = [&]() -> clsFile& {
        if (index < 1) throw VbError(kErrSubscript, "Subscript out of range");
        return st.cFiles.Item(index);
    };
    TryStep([&] { f.lblProduct.SetCaption(rec().Name); });
    TryStep([&] { f.lblDirectory.SetCaption(rec().Directory); });
    TryStep([&] { f.lblManufacturer.SetCaption(rec().Vendor); });
    TryStep([&] { f.txtComments.SetText(rec().Comments); });
    TryStep([&] {
        const clsFile& r = rec();
        f.lblVersion.SetCaption(r.VersBegin == r.VersEnd ? r.VersBegin
                                                         : r.VersBegin + " - " + r.VersEnd);
    });
    TryStep([&] { f.lngCompCode = rec().CompliantCode; });
    // Without a record the colour test fails and its first branch (ready, green) runs.
    int code = 1;
    TryStep([&] { code = rec().CompliantCode; });
    TryStep([&] { f.lblCompliance.SetForeColor(ClassColor(code)); });
    TryStep([&] {
        f.lblCompliance.SetCaption(st.strCompMessages.at(static_cast<size_t>(rec().CompliantCode)));
    });
    TryStep([&] {
        std::string vendor = rec().Vendor;  // a copy: the record keeps its text
        std::string stripped = StripVendor(vendor);
        const int16_t id = st.cVendors.GetVendorID(stripped);
        for (int j = 1; j <= st.cVendors.Count(); ++j) {
            TryStep([&] {
                const clsVendor& v = st.cVendors.Item(static_cast<int16_t>(j));
                if (v.ID() != id) return;
                f.lblAddress1.SetCaption(v.Address1());
                f.lblAddress2.SetCaption(v.Address2());
                f.lblPhoneNum.SetCaption(v.PhoneNum());
                f.lblURL.SetCaption(v.URL());
                for (const clsY2KAPP& p : v.mvarApps.mvarCOL) {
                    if (p.ProductName != "ALLPRODUCTS") continue;
                    f.strCompany = p.AltProductName;
                    f.strLetterNote = p.EXEName;
                }
            });
        }
    });
}

std::unique_ptr<FrmDetail> NewProductDetail(RunState& st, ui::Toolkit& tk,
                                            const ui::RichText& rtxtSummary) {
    int16_t index = 0;
    TryStep([&] { index = RecordAtCaret(st, rtxtSummary); });
    auto f = std::make_unique<FrmDetail>(tk, st);
    FillDetail(*f, st, index);
    return f;
}

void OpenProductDetail(RunState& st, ui::Toolkit& tk, const ui::RichText& rtxtSummary) {
    if (ListedCount(st.cFiles) == 0) {
        tk.ShowMessage(kNoEntryToShow);
        return;
    }
    const std::unique_ptr<FrmDetail> f = NewProductDetail(st, tk, rtxtSummary);
    TryStep([&] { f->Show(); });
}

}  // namespace ostrevan
