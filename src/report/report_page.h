#pragma once
// Everything the report page and the help window do, for the main window to forward to:
//
//   after a scan / in view mode   FillReport(state, tk, rtxtSummary)
//   creating rtxtSummary          SetUpReportControl(rtxtSummary)
//   btnMoreInfo_Click, and the double click on rtxtSummary
//                                 OpenProductDetail(state, tk, rtxtSummary)
//   btnAdvanced_Click             OpenAdvancedListing(state.cJunkFiles, tk)
//   btnSave_Click                 SaveRichTextAs(tk, rtxtSummary)
//   btnPrint_Click                PrintRichText(tk, rtxtSummary)
//   FHelp                         FrmHelp(tk, programDir): options, LoadHelp, Show
#include "report/advanced_window.h"
#include "report/detail_window.h"
#include "report/help_window.h"
#include "report/save_print.h"
#include "report/summary_report.h"
