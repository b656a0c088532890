# The product knowledge base as a readable table. build_kb.py turns it into APPS.y2k.
#
# P(vendor key, code, product name, first version, last version, instructions,
#   exe=program file, alt=alternative product name, source=, as_of=)
#
# Codes: 1 ready; 2 no readiness data; 3 not ready, fix or workaround available;
#        4 not ready, upgrade or discontinue use; 5 ready with issues; 6 vendor will not test.
# Every record with a code other than 2 states a fact and names its source (a key of
# kb_sources.py) and the time the status holds for (`as_of`). A product whose maker's
# statement was not found gets one NS(...) record instead: code 2 for every version, saying
# that no statement was found.
# Versions: both bounds inclusive; N (open bound) on either side. A program's version matches a
# bound when they agree on every component that both have, so a single-version record "8"
# covers 8, 8.0, 8.0.1 and 8.0e alike, while "8.0" does not cover 8.5.
# A program matches a record when its name (company name removed) is part of the record's
# name or alternative name, so record names are the long form of the product's name.
# Within one vendor the first fitting record wins: narrow records first, NS records after the
# vendor's sourced ones, ALLPRODUCTS last (build_kb.py appends each vendor's ALLPRODUCTS
# record after its specific ones).

N = "NOLIMITS"
PRODUCTS = []


def P(vendor, code, name, vb, ve, text, exe="", alt="", source="", as_of="", examples=()):
    PRODUCTS.append({"vendor": vendor, "code": code, "name": name, "exe": exe, "vb": vb,
                     "ve": ve, "text": text, "alt": alt, "source": source, "as_of": as_of,
                     "examples": list(examples)})


NO_STATEMENT = ("no Year 2000 statement from its maker was found for this product, so "
                "Ostrevan cannot say whether it is ready. Print the readiness request letter "
                "from this window and send it to the maker.")


def NS(vendor, name, exe="", alt="", label=""):
    """A product known by name whose maker's Year 2000 statement was not found."""
    P(vendor, 2, name, N, N, (label or name) + ": " + NO_STATEMENT, exe=exe, alt=alt)


def NS_VERSION_TEXT(label, pages):
    """The instructions of a product whose maker rated other versions but not this one."""
    where = (" (the maker's Year 2000 pages: %s)" % pages) if pages else ""
    return (label + ": no Year 2000 statement from its maker was found for this version; the "
            "knowledge base has statements for other versions of this product" + where + ". Ask "
            "the maker whether this version is ready: print the readiness request letter from this "
            "window and send it.")


# The makers' Year 2000 pages, as the sources of the knowledge base cite them.
Y2K_PAGES = {"ms": "www.microsoft.com/y2k"}


def LATER(vendor, name, released, source, as_of, exe="", alt="", label="", vb=N, ve=N,
          examples=()):
    """A product first released on or after 1 January 2000, as its source dates it: ready by the
    same rule the operating-system check applies to Windows 2000 and later. `released` says when,
    as the source gives it ("in 2001", "in October 2003")."""
    P(vendor, 1, name, vb, ve,
      "%s: released %s, after the change of century, so no Year 2000 action is needed."
      % (label or name, released), exe=exe, alt=alt, source=source, as_of=as_of,
      examples=examples)


# ----------------------------------------------------------------------------------------------
# Records with a sourced statement, grouped by vendor.

# Microsoft. The ratings are those of Microsoft's Year 2000 product guide: "Compliant",
# "Compliant*" (compliant once the named prerequisite update is installed: code 3 until then),
# "Compliant#" (compliant with acceptable deviations: code 5). The guide's legend of these
# symbols is on the page of source ms-y2k-intellipoint.
OCT99 = "Status of October 1999."
W9X = "Microsoft Windows Operating System"
WNT = "Microsoft Windows NT Operating System"
P("ms", 3, W9X, "4.00.950", "4.00.1111",
  "Windows 95 (4.00.950 to 4.00.1111, the first release to OEM Service Release 2.1): install the "
  "Windows 95 Year 2000 Update (W95Y2K.EXE) from www.microsoft.com/y2k; with it Microsoft rates "
  "these versions compliant. Microsoft also recommends Internet Explorer 4.01 Service Pack 1 or "
  "later. The statement does not name OEM Service Release 2.5. Status of June 1999.",
  source="ms-y2k-win95", as_of="1999-06-08", examples=["4.00.950", "4.00.1111"])
# Windows 98 files carry 4.10.1998 and its hotfixes 4.10.1999 and up; Second Edition files carry
# 4.10.2222 and its hotfixes 4.10.2223 and up (Knowledge Base article Q206071). The operating-system
# check gives the matcher the build number too ("4.10.1998", "4.10.2222"); a system that gives none
# ("4.10") reaches the first record, whose text says so.
P("ms", 3, W9X, "4.10", "4.10.2221",
  "Windows 98 (4.10.1998): install the Windows 98 Year 2000 updates, the updated Microsoft Virtual "
  "Machine and the Outlook Express 4.01 update (Start menu, Windows Update, offers them); with these "
  "Microsoft rates Windows 98 compliant. Windows 98 Second Edition (4.10.2222) has a statement of "
  "its own; if this system reported no build number, check the version in Control Panel, System. "
  + OCT99, source="ms-y2k-win98", as_of="1999-09-28",
  examples=["4.10.1998", ("4.10.1999", "ms-kb-q206071")])
P("ms", 1, W9X, "4.10.2222", "4.10",
  "Windows 98 Second Edition (4.10.2222): UC Berkeley's Year 2000 checklist reports Microsoft's "
  "statement that this edition already incorporates all of Microsoft's Year 2000 fixes for "
  "Windows 98. Status of early 2000.", source="ucb-win98", as_of="2000",
  examples=[("4.10.2222", "ms-kb-q206071"), ("4.10.2223", "ms-kb-q206071")])
LATER("ms", W9X, "on 14 September 2000", "betawiki-winme", "2000-09-14", vb="4.90", ve="4.90",
      label="Windows Me (4.90)", examples=["4.90.3000"])
P("ms", 3, WNT, "3.51", "3.51",
  "Windows NT 3.51: Microsoft's Year 2000 fixes for NT 3.51 come as one post-Service Pack 5 "
  "update, Y2k351-i.exe for x86 (Y2k351-a.exe for Alpha, both of 5 November 1998), at "
  "ftp.microsoft.com/bussys/winnt/winnt-public/fixes/usa/NT351/hotfixes-postSP5/y2k-fix/; install "
  "Service Pack 5 and then that update. It corrects, for example, WINS and DHCP Admin showing the "
  "years 2000 to 2009 with one digit (Knowledge Base article Q193371).",
  source="ms-kb-q193371", as_of="2002-05-20", examples=["3.51"])
P("ms", 3, WNT, "4.0", "4.0",
  "Windows NT 4.0: install Service Pack 4 or 5 and the Year 2000 updates that follow it "
  "(www.microsoft.com/y2k); Microsoft rates NT 4.0 with them compliant. Status of November 1999.",
  source="ms-y2k-ntw4", as_of="1999-11-05", examples=["4.0"])
P("ms", 1, WNT, "5.0", "5.2",
  "Windows 2000 (released 17 February 2000), Windows XP (October 2001) or Windows Server 2003 "
  "(April 2003): released after 1999. No Year 2000 action required.",
  source="wp-windows2000", as_of="2003",
  examples=[("5.1.2600", "technet-nt-history"), ("5.2.3790", "technet-nt-history")])
P("ms", 1, WNT, "6.0", N,
  "Windows Vista, 7, 8 or a later Windows (version 6.0 and up; later systems also report 6.2 to "
  "older programs): released years after Windows XP. No Year 2000 action required.",
  source="technet-nt-history", as_of="2012", examples=["6.0.6001", "6.1.7601", "6.2.9200"])

P("ms", 3, "Microsoft Office 95", "7", "7",
  "Office 95: install the Office 95 Year 2000 update (officeupdate.microsoft.com); with it "
  "Microsoft rates Office 95 compliant. Status of August 1999.",
  alt="Microsoft Office for Windows 95", source="ms-y2k-office95", as_of="1999-08-12", examples=["7.0"])
P("ms", 3, "Microsoft Office 97", "8", "8",
  "Office 97: install Office 97 Service Release 2 (SR-2) and the Outlook 97 Year 2000 update; with "
  "them Microsoft rates Office 97 compliant. " + OCT99,
  alt="Microsoft Office 97 Professional", source="ms-y2k-office97", as_of="1999-09-14", examples=["8.0"])
P("ms", 1, "Microsoft Office 2000", "9", "9",
  "Office 2000: Microsoft rates it compliant with no prerequisite. Status of June 1999.",
  alt="Microsoft Office 2000 Premium", source="ms-y2k-office2000", as_of="1999-06-02", examples=["9.0"])
# After Office 2000: a program that calls itself "Office 2000" would otherwise reach this record,
# whose name contains its own.
P("ms", 1, "Microsoft Office 2000 Professional", "9", "9",
  "Office 2000 Professional: Microsoft rates it compliant with no prerequisite. Status of July 1999.",
  source="ms-y2k-office2000pro", as_of="1999-07-18", examples=["9.0"])

O95 = ("install the Office 95 Year 2000 update (officeupdate.microsoft.com), which corrects the "
       "known Year 2000 issues of the Office 95 programs. Status of August 1999.")
O97 = ("install Office 97 Service Release 2 (SR-2, officeupdate.microsoft.com); with it Microsoft "
       "rates the program compliant. " + OCT99)
O2K = "part of Office 2000, which Microsoft rates compliant with no prerequisite. Status of June 1999."
P("ms", 3, "Microsoft Word for Windows", "7", "7", "Word 95: " + O95, exe="WINWORD.EXE",
  alt="Microsoft Word", source="ms-y2k-office95", as_of="1999-08-12", examples=["7.0"])
P("ms", 3, "Microsoft Word for Windows", "8", "8", "Word 97: " + O97, exe="WINWORD.EXE",
  alt="Microsoft Word", source="ms-y2k-office97", as_of="1999-09-14", examples=["8.0"])
P("ms", 1, "Microsoft Word for Windows", "9", "9", "Word 2000: " + O2K, exe="WINWORD.EXE",
  alt="Microsoft Word", source="ms-y2k-office2000", as_of="1999-06-02", examples=["9.0"])
P("ms", 3, "Microsoft Excel", "2", "5",
  "Excel 2.0 to 5.0: UC Berkeley's Year 2000 advisory of November 1999 names Excel 2.0 through 97 "
  "among the programs that need a Year 2000 fix from their maker: look for the update on "
  "Microsoft's Year 2000 pages (www.microsoft.com/y2k) and type four-digit years.",
  exe="EXCEL.EXE", source="ucb-advisory-1999-11-12", as_of="1999-11-12", examples=["2.0"])
P("ms", 3, "Microsoft Excel", "7", "7", "Excel 95: " + O95, exe="EXCEL.EXE",
  source="ms-y2k-office95", as_of="1999-08-12", examples=["7.0"])
P("ms", 3, "Microsoft Excel", "8", "8",
  "Excel 97: install Office 97 Service Release 2 (SR-2, officeupdate.microsoft.com), Microsoft's "
  "prerequisite for Excel 97. Status of November 1999.", exe="EXCEL.EXE",
  source="ms-y2k-excel97", as_of="1999-11-15", examples=[("8.0", "ms-y2k-office97")])
P("ms", 1, "Microsoft Excel", "9", "9", "Excel 2000: " + O2K, exe="EXCEL.EXE",
  source="ms-y2k-office2000", as_of="1999-06-02", examples=["9.0"])
P("ms", 3, "Microsoft PowerPoint", "7", "7", "PowerPoint 95: " + O95, exe="POWERPNT.EXE",
  source="ms-y2k-office95", as_of="1999-08-12", examples=["7.0"])
P("ms", 3, "Microsoft PowerPoint", "8", "8", "PowerPoint 97: " + O97, exe="POWERPNT.EXE",
  source="ms-y2k-office97", as_of="1999-09-14", examples=["8.0"])
P("ms", 1, "Microsoft PowerPoint", "9", "9", "PowerPoint 2000: " + O2K, exe="POWERPNT.EXE",
  source="ms-y2k-office2000", as_of="1999-06-02", examples=["9.0"])
P("ms", 3, "Microsoft Access", "2", "2",
  "Access 2.0: install the Access 2.0 Two-Digit Date Patch (www.microsoft.com/y2k); with it "
  "Microsoft rates Access 2.0 compliant. " + OCT99, exe="MSACCESS.EXE",
  source="ms-y2k-access20", as_of="1999-10-01", examples=["2.0"])
P("ms", 3, "Microsoft Access", "8", "8",
  "Access 97: install Office 97 Service Release 2 and the Microsoft Jet 3.5 update "
  "(www.microsoft.com/y2k); with them Microsoft rates Access 97 compliant. " + OCT99,
  exe="MSACCESS.EXE", source="ms-y2k-access97", as_of="1999-09-29", examples=["8.0"])
P("ms", 3, "Microsoft Access", "7", "7",
  "Access 95 (7.0): UC Berkeley's Year 2000 advisory of November 1999 names Access 2.0 through 97 "
  "among the programs that need a Year 2000 fix from their maker: look for the update on "
  "Microsoft's Year 2000 pages (www.microsoft.com/y2k) and type four-digit years.",
  exe="MSACCESS.EXE", source="ucb-advisory-1999-11-12", as_of="1999-11-12",
  examples=[("7.0", "cde-office-versions")])
P("ms", 1, "Microsoft Access", "9", "9",
  "Access 2000: Microsoft rates it compliant with no prerequisite. " + OCT99, exe="MSACCESS.EXE",
  source="ms-y2k-access2000", as_of="1999-09-28", examples=["9.0"])
P("ms", 3, "Microsoft Outlook", "8.0", "8.4",
  "Outlook 97: install Office 97 Service Release 2, which brings the Year 2000 update of "
  "OUTLLIB.DLL (version 8.04), and the 097dtfix update (Knowledge Base article Q197237) for "
  "importing and exporting text files with two-digit years. " + OCT99,
  exe="OUTLOOK.EXE", source="ms-y2k-outlook97", as_of="1999-10-15", examples=["8.04"])
P("ms", 1, "Microsoft Outlook", "9", "9", "Outlook 2000: " + O2K, exe="OUTLOOK.EXE",
  source="ms-y2k-office2000", as_of="1999-06-02", examples=["9.0"])
P("ms", 5, "Microsoft Project", "8", "8",
  "Project 98 (also with Service Release 1): Microsoft rates it compliant with acceptable "
  "deviations and names no prerequisite; type four-digit years. " + OCT99,
  exe="WINPROJ.EXE", source="ms-y2k-project98", as_of="1999-10-14",
  examples=[("8", "technet-project-versions")])
P("ms", 3, "Microsoft Visual FoxPro", "6", "6",
  "Visual FoxPro 6.0: install Visual Studio 6.0 Service Pack 3 (msdn.microsoft.com), Microsoft's "
  "prerequisite for rating it compliant; use four-digit years or SET CENTURY TO ... ROLLOVER in "
  "your programs. Status of August 1999.", exe="VFP6.EXE", source="ms-y2k-vfp6", as_of="1999-08-23", examples=["6.0"])
P("ms", 1, "Microsoft IntelliPoint", "2.0", "2.2",
  "IntelliPoint 2.0 to 2.2 (mouse software): Microsoft rates it compliant with no prerequisite. "
  "Status of July 1999.", alt="IntelliPoint", source="ms-y2k-intellipoint", as_of="1999-07-30", examples=["2.0", "2.0a", "2.1", "2.2"])
# Bounds "2.6" to "2.60" take both spellings a version resource may carry ("2.60" is 60 to the
# matcher, not 6); FoxPro has no version between them.
P("ms", 5, "Microsoft FoxPro for Windows", "2.6", "2.60",
  "FoxPro 2.6: Microsoft rates it compliant with acceptable deviations: a two-digit year is always "
  "read as 19xx, so type four-digit years and use SET CENTURY ON. Status of May 1999.",
  exe="FOXPROW.EXE", source="ms-y2k-foxpro26", as_of="1999-05-21", examples=["2.6"])


# The Office programs numbered 10 and up belong to Office XP (2001) and its successors.
OFFICE_LATER = "in 2001 or later (version 10 and up: Office XP of 2001 and its successors)"
for prog, exe in (("Microsoft Word for Windows", "WINWORD.EXE"), ("Microsoft Excel", "EXCEL.EXE"),
                  ("Microsoft PowerPoint", "POWERPNT.EXE"), ("Microsoft Access", "MSACCESS.EXE"),
                  ("Microsoft Outlook", "OUTLOOK.EXE")):
    LATER("ms", prog, OFFICE_LATER, "cde-office-versions", "2001", exe=exe, vb="10", ve=N,
          alt="Microsoft Word" if exe == "WINWORD.EXE" else "",
          label=prog.replace("Microsoft ", "").replace(" for Windows", ""),
          examples=["10", "11", "12", "14", "15", "16"])
LATER("ms", "Microsoft FrontPage", "in 2001 or later (program version 5 is FrontPage 2002, 6 is "
      "FrontPage 2003 of October 2003)", "frontpage-history", "2003-10", vb="5", ve="6",
      label="FrontPage 2002 or 2003", examples=["5", "6"])

P("ms", 3, "Microsoft Office Small Business Edition 97", "8", "8",
  "Office 97 Small Business Edition: install Office 97 Service Release 2 (SR-2) and the Outlook 97 "
  "Year 2000 update; with them Microsoft rates it compliant. Status of August 1999.",
  source="ms-y2k-officesbe97", as_of="1999-08-17", examples=[("8.0", "ms-y2k-office97")])
P("ms", 1, "Microsoft Office 2000 Small Business Edition", "9", "9",
  "Office 2000 Small Business Edition: Microsoft rates it compliant with no prerequisite. "
  "Status of June 1999.", source="ms-y2k-office2000sbe", as_of="1999-06-17", examples=["9.0"])
P("ms", 3, "Microsoft Office Professional", "4", "4",
  "Office Professional 4.x: install the Access 2.0 software update (www.microsoft.com/y2k); with it "
  "Microsoft rates the suite compliant with acceptable deviations: type four-digit years in Access. "
  "Status of May 1999.", source="ms-y2k-office4pro", as_of="1999-05-19", examples=["4"])
# FrontPage numbers its program files on its own: FrontPage 2000 is version 4 (97 is 2, 98 is 3).
P("ms", 1, "Microsoft FrontPage", "4", "4",
  "FrontPage 2000 (program version 4): Microsoft rates it compliant with no prerequisite. "
  "Status of May 1999.", source="ms-y2k-frontpage2000", as_of="1999-05-19",
  examples=[("4", "frontpage-history")])
P("ms", 1, "Microsoft Money", "1", "1",
  "Money 1.x: Microsoft rates it compliant with no prerequisite (dates up to 2075). "
  "Status of August 1999.", exe="MSMONEY.EXE", source="ms-y2k-money1", as_of="1999-08-14",
  examples=["1"])
P("ms", 1, "Microsoft SideWinder", "2.0", "2.0",
  "SideWinder 2.0 (game controller software): Microsoft rates it compliant with no prerequisite. "
  "Status of July 1999.", source="ms-y2k-sidewinder2", as_of="1999-07-07", examples=["2.0"])
# "6.5" to "6.50": files may say 6.50.xxx (50 to the matcher); SQL Server has no 6.6 to 6.49.
P("ms", 3, "Microsoft SQL Server", "6.5", "6.50",
  "SQL Server 6.5: install Service Pack 5 or later (support.microsoft.com); with it Microsoft rates "
  "SQL Server 6.5 compliant. Status of August 1999.", source="ms-y2k-sql65", as_of="1999-08-31",
  examples=["6.5"])
P("ms", 1, "Microsoft SQL Server", "7.0", "7.0",
  "SQL Server 7.0 (Standard, Enterprise, Small Business and Evaluation editions): Microsoft rates "
  "it compliant with no prerequisite. Status of May 1999.", source="ms-y2k-sql70",
  as_of="1999-05-19", examples=["7.0"])
LATER("ms", "Microsoft Exchange Server", "in September 2000 or later (version 6.0 is Exchange 2000 Server, "
      "released in September 2000; the later versions followed it)", "dom-exchange2000", "2000-09-18",
      vb="6", ve=N, label="Exchange 2000 Server or a later Exchange",
      examples=[("6.0.4052.0", "winworld-exchange2000")])
LATER("ms", "Microsoft SQL Server", "in late 2000 or later (version 8.0 is SQL Server 2000; the later "
      "versions followed it)", "jimmcleod-sql2000", "2000", vb="8", ve=N,
      label="SQL Server 2000 or a later SQL Server", examples=["8.0"])
P("ms", 1, "Microsoft Exchange Server", "5.5", "5.5",
  "Exchange Server 5.5: Microsoft rates it compliant; check the Outlook or Exchange client "
  "separately. Status of September 1999.", source="ms-y2k-exchange55", as_of="1999-09-21", examples=["5.5"])
P("ms", 1, "Microsoft NetMeeting", "2.0", "2.0",
  "NetMeeting 2.0: Microsoft rates it compliant with no prerequisite. Status of May 1999.",
  alt="NetMeeting", source="ms-y2k-netmeeting2", as_of="1999-05-19", examples=["2.0"])
P("ms", 5, "MS-DOS", "6.0", "6.0",
  "MS-DOS 6.0: Microsoft rates it compliant with acceptable deviations and names no prerequisite: "
  "DIR shows two-digit years, and the DATE command takes years from 2000 on only with four digits "
  "(type 01-01-2000, not 01-01-00). Status of October 1999.", alt="Microsoft MS-DOS",
  source="ms-y2k-msdos60", as_of="1999-10-28", examples=["6.0"])
P("ms", 5, "MS-DOS", "6.22", "6.22",
  "MS-DOS 6.22: Microsoft's first Year 2000 list (April 1998) rated it compliant with minor issues "
  "(San Diego Daily Transcript's report of the list). Type four-digit years and look for "
  "Microsoft's later statement at www.microsoft.com/y2k.", alt="Microsoft MS-DOS",
  source="sddt-ms-y2k-1998", as_of="1998-04-20", examples=["6.22"])
# Word for MS-DOS: the head of Microsoft's Year 2000 effort, as the Associated Press quoted him.
WDOS = " (Everything2000's report of the Associated Press interview, December 1999)."
P("ms", 4, "Microsoft Word for MS-DOS", "5.0", "5.0",
  "Word for MS-DOS 5.0: Microsoft found it not Year 2000 compliant and gave its remaining users "
  "Word 5.5, which is; upgrade" + WDOS, alt="Word for MS-DOS", source="everything2000-ms-ready",
  as_of="1999-12", examples=["5.0", ("5.0", "sddt-ms-y2k-1998")])
P("ms", 1, "Microsoft Word for MS-DOS", "5.5", "5.5",
  "Word for MS-DOS 5.5: Microsoft calls it Year 2000 compliant" + WDOS, alt="Word for MS-DOS",
  source="everything2000-ms-ready", as_of="1999-12", examples=["5.5"])
# Internet Explorer's program files carry 4.70.x for IE 3.0x and 4.71.x or 4.72.x for IE 4.0 and
# 4.01 (Knowledge Base article Q164539); the press report of April 1998 is the only statement found.
# Internet Explorer 5.5 (files 5.50.x) and 6 and later were released after 1999.
LATER("ms", "Microsoft Internet Explorer", "in July 2000 (version 5.5)", "wikinfo-ie", "2000-07",
      exe="IEXPLORE.EXE", alt="Internet Explorer", vb="5.5", ve="5.50", label="Internet Explorer 5.5",
      examples=["5.5"])
LATER("ms", "Microsoft Internet Explorer", "in October 2001 or later (version 6.0 and the versions after it)",
      "wikinfo-ie", "2001-10", exe="IEXPLORE.EXE", alt="Internet Explorer", vb="6", ve=N,
      label="Internet Explorer 6 or later", examples=["6.0"])
P("ms", 1, "Microsoft Outlook Express", "4.01", "4.01",
  "Outlook Express 4.01 for Windows 3.1 (16-bit): Microsoft rates it compliant with no prerequisite. "
  "Status of September 1999.", source="ms-y2k-oe401-16", as_of="1999-09-29", examples=["4.01"])
IE98 = (" (ZDNet's report of Microsoft's statement when its Year 2000 site opened, April 1998; look "
        "for a later statement at www.microsoft.com/y2k).")
P("ms", 3, "Microsoft Internet Explorer", "4.70", "4.70",
  "Internet Explorer 3.0x (program version 4.70): Microsoft said its Year 2000 patches for "
  "Internet Explorer 3 were available free from its web site; install them" + IE98,
  exe="IEXPLORE.EXE", alt="Internet Explorer", source="zdnet-ms-y2k-1998", as_of="1998-04",
  examples=[("4.70.1155", "ms-kb-q164539"), ("4.70.1300", "ms-kb-q164539")])
P("ms", 3, "Microsoft Internet Explorer", "4.71", "4.72",
  "Internet Explorer 4.0 or 4.01 (program version 4.71 or 4.72): Microsoft said a service pack for "
  "Internet Explorer 4, free from its web site, carries the fixes that make it Year 2000 compliant; "
  "install it" + IE98, exe="IEXPLORE.EXE", alt="Internet Explorer", source="zdnet-ms-y2k-1998",
  as_of="1998-04", examples=[("4.71.1712.6", "ms-kb-q164539"), ("4.72.2106.8", "ms-kb-q164539"),
                             ("4.72.3612.1713", "ms-kb-q164539")])
P("ms", 3, "Microsoft NetShow", "3.0", "3.0",
  "NetShow 3.0: install the latest Microsoft Data Access Components (MDAC, www.microsoft.com/data), "
  "Microsoft's prerequisite for rating it compliant. Status of October 1999.",
  source="ms-y2k-netshow3", as_of="1999-10-28", examples=["3.0"])
P("ms", 3, "Microsoft Visual Basic", "6", "6",
  "Visual Basic 6.0: Microsoft rates it compliant with acceptable deviations once the updates its "
  "product guide names are installed (see www.microsoft.com/y2k); two-digit years are read as "
  "1930-2029. Status of August 1999.", source="ms-y2k-vb6", as_of="1999-08-23", examples=["6.0"])
P("ms", 4, "Microsoft Visual Basic", "1", "3",
  "Visual Basic 3.0, 2.0 or 1.0: Microsoft rates them not compliant: they read every two-digit "
  "year as 19xx. Programs built with them can still be made ready with four-digit years "
  "(Knowledge Base article Q162718); for new work use a later Visual Basic. Status of August 1999.",
  source="ms-y2k-vb3", as_of="1999-08-27", examples=["3.0", "2.0", "1.0"])
# "4.2" to "4.20": the program files may write the release 4.20; Visual C++ had no 4.3 to 4.19.
P("ms", 5, "Microsoft Visual C++", "4.2", "4.20",
  "Visual C++ 4.2: Microsoft rates it compliant with acceptable deviations and names no "
  "prerequisite; with the clock in 2000 a new MFC AppWizard program gets the copyright year 1900 "
  "(correct it in the resource editor), and time_t dates end in January 2038. Status of June 1999.",
  exe="MSDEV.EXE", source="ms-y2k-vc42", as_of="1999-06-10", examples=["4.2"])
# After the Visual C++ 4.2 record, whose bounds reach "4.10".
P("ms", 3, "Microsoft Visual C++", "4.0", "4.1",
  "Visual C++ 4.0 or 4.1: programs built with its MFC library (Mfc40.dll) show years after 1999 "
  "wrongly (2000 as 100) until the updated Mfc40.dll 4.1.6140 is installed; it comes with the "
  "Windows 95 and Windows 98 Year 2000 updates and as a hotfix for Windows NT 4.0 (Knowledge Base "
  "article Q225140).", exe="MSDEV.EXE", source="ms-kb-q225140", as_of="2002-07-22",
  examples=["4.0", "4.1"])
P("ms", 3, "Microsoft Schedule+ for Windows", "7.0", "7.5",
  "Schedule+ 7.0, 7.0a or 7.5: Microsoft made a separate Year 2000 software update for each of "
  "these three versions (www.microsoft.com/y2k). Check Help, About Microsoft Schedule+ for the exact "
  "version and install the update made for it: the update for 7.0 stops 7.0a from starting "
  "(Knowledge Base article Q242581). Status of April 2000.", alt="Microsoft Schedule+",
  source="ms-kb-q242581", as_of="2000-04-27", examples=["7.0", "7.0a", "7.5"])
MAILFIX = "ftp.microsoft.com/bussys/mail/pcmail-public/All-Y2K/"
# Mail Remote for Windows 3.2.2000.4025 is the client Microsoft names as the upgrade; the record for
# the earlier 3.2 clients ends just below it (a file that says only "3.2" stays with the first).
P("ms", 3, "Microsoft Mail Remote for Windows", "3.2", "3.2.2000.4024",
  "Mail Remote for Windows 3.2: after 1999 the client may show the year as 10; Microsoft's fix "
  "Remcy2k.exe (Msrmttr.dll 3.2.4025) is at " + MAILFIX + " (Knowledge Base article Q192238). "
  "Status of January 2000.", source="ms-kb-q192238", as_of="2000-01-20", examples=["3.2"])
P("ms", 1, "Microsoft Mail Remote for Windows", "3.2.2000.4025", "3.2",
  "Mail Remote for Windows 3.2.2000.4025 or a later 3.2 client: the version Microsoft names as the "
  "upgrade that shows dates after 1999 correctly in the client and its call logs (Knowledge Base "
  "article Q192545). Status of January 2000.", source="ms-kb-q192545", as_of="2000-01-23",
  examples=["3.2.2000.4025"])
P("ms", 3, "Microsoft Mail Remote for MS-DOS", "3.0", "3.0",
  "Mail Remote for MS-DOS 3.0: after 1999 its Date/Time function sets the year to 1900 instead of "
  "2000; Microsoft's fix Remcy2k.exe (Listen.exe, Mail.exe and Transmit.exe 3.0.4) is at " + MAILFIX
  + " (Knowledge Base article Q192241). Status of January 2000.", source="ms-kb-q192241",
  as_of="2000-01-19", examples=["3.0"])
P("ms", 3, "Microsoft Mail Gateway to MHS", "3.2", "3.2",
  "Mail Gateway to MHS 3.2: Sent.log and Recv.log record messages of 2000 to 2009 with the year 10; "
  "Microsoft's fix Mhsgy2k.exe (Inpost.exe and Outpost.exe 3.0.10) is at "
  "ftp.microsoft.com/bussys/mail/gateways-public/All-Y2K/ (Knowledge Base article Q192085). Status "
  "of January 2000.", source="ms-kb-q192085", as_of="2000-01-19", examples=["3.2"])
P("ms", 4, "Microsoft LinkAge Connector", "3.2", "3.2",
  "LinkAge 3.2 connectors (Notes, PROFS, SNADS and cc:Mail) for Exchange Server: Microsoft states "
  "that they are not certified for the Year 2000 and will not be; move to the Exchange Server 5.5 "
  "versions of these connectors, which Microsoft tested for the Year 2000 (Knowledge Base article "
  "Q229921).", alt="LinkAge", source="ms-kb-q229921", as_of="2001-08-03", examples=["3.2"])
# Schedule+ 1.0 keeps dates in a window from 1920 to 2019 by design.
P("ms", 5, "Microsoft Schedule+ for Windows", "1.0", "1.0",
  "Schedule+ 1.0: it handles the year 2000, but by design only the years 1920 to 2019: a later year "
  "typed in becomes 19xx, and from 1 January 2020 it refuses to start (Knowledge Base articles "
  "Q192200 and Q192201). Status of December 1999.", alt="Microsoft Schedule+",
  source="ms-kb-q192200", as_of="1999-12-17", examples=["1.0", ("1.0", "ms-kb-q192201")])
P("ms", 3, "Microsoft Mail for Windows", "2", "3.5",
  "Microsoft Mail for Windows 2.x to 3.5: after 1999 Postmaster messages and delivery and read "
  "receipts can show the year as 10 or 100; Microsoft's fix Exty2k.exe (External.exe, Async.ovl "
  "and X25eicon.ovl 3.5.34) is at " + MAILFIX + " (Knowledge Base article Q192239). Status of "
  "January 2000.", alt="Microsoft Mail", source="ms-kb-q192239", as_of="2000-01-19",
  examples=["3.0", "3.2", "3.5"])
P("ms", 3, "Microsoft Mail for PC Networks", "3.0", "3.5",
  "Microsoft Mail for PC Networks 3.0 to 3.5: after 1999 the Administrator program may show the "
  "year as 100, also in import and export request dates; Microsoft's fix Admy2k.exe (Admin.exe "
  "3.5.34) is at " + MAILFIX + " (Knowledge Base article Q192243). Status of January 2000.",
  source="ms-kb-q192243", as_of="2000-01-19", examples=["3.0", "3.2", "3.2a", "3.5"])
P("ms", 3, "Microsoft Internet Information Server", "4.0", "4.0",
  "Internet Information Server 4.0: the Configuration Back-Up page of the HTML Internet Service "
  "Manager may show the wrong date for configurations stored from 1 January 2000 on; install the "
  "latest Windows NT 4.0 service pack or Microsoft's separate update (Knowledge Base article "
  "Q230335).", source="ms-kb-q230335", as_of="2002-05-16", examples=["4.0"])
P("ms", 3, "Microsoft Internet Information Server", "3.0", "3.0",
  "Internet Information Server 3.0: its log converter Convlog.exe turns dates of 2000 into 2028; "
  "install the latest Windows NT 4.0 service pack or Microsoft's updated Convlog.exe (Knowledge "
  "Base article Q245329).", source="ms-kb-q245329", as_of="2001-08-13", examples=["3.0"])
P("ms", 3, "Microsoft SNA Server", "3.0", "3.0",
  "SNA Server 3.0 (up to Service Pack 3): the date of NetView alerts is set wrongly in the year "
  "2000; install SNA Server 3.0 Service Pack 4 or later, the first to correct it (Knowledge Base "
  "article Q196038).", source="ms-kb-q196038", as_of="2002-07-25", examples=["3.0"])
P("ms", 3, "Microsoft Visual Studio", "6", "6",
  "Visual Studio 6.0: some of its bundled products have known Year 2000 issues; install the "
  "updates the product guide names for each of them (www.microsoft.com/y2k), after which "
  "Microsoft rates it compliant with acceptable deviations. Status of August 1999.",
  source="ms-y2k-vs6", as_of="1999-08-20", examples=["6.0"])
P("ms", 3, "Microsoft Visual SourceSafe", "5", "5",
  "Visual SourceSafe 5.0: install the Visual SourceSafe 5.0 Year 2000 update (it mends history "
  "reports filtered by dates after 1999); with it Microsoft rates it compliant with acceptable "
  "deviations. Status of September 1999.", source="ms-y2k-vss5", as_of="1999-09-28", examples=["5.0"])
P("ms", 3, "Microsoft Visual Database Tools", "6", "6",
  "Visual Database Tools 6.0: install Visual Studio 6.0 Service Pack 3 and MDAC 2.0 Service Pack 2 "
  "or later, Microsoft's prerequisites for rating it compliant. Status of August 1999.",
  source="ms-y2k-vdt6", as_of="1999-08-24", examples=["6.0"])


# The release is 4.0.2; a file that writes it 4.02 (2 to the matcher, not 0.2) gets its own
# record, since a range from 4.0.2 to 4.02 would also take 4.0.3 and 4.1.
for vscan in ("4.0.2", "4.02"):
    P("nai", 1, "McAfee VirusScan", vscan, vscan,
      "VirusScan 4.0.2 (version %s): Network Associates states that this version is Year 2000 "
      "compliant (statement shipped with the program, 1999)." % vscan, exe="SCAN32.EXE",
      alt="VirusScan", source="nai-vscan402-y2k", as_of="1999", examples=[vscan])

# F-PROT: its maker's statement shipped with the program, and Command Software's letter on the
# F-PROT Professional edition it sold.
P("frisk", 1, "F-PROT", "3.06", "3.06",
  "F-PROT 3.06: its maker expects 3.06b to work normally in and after 2000 as long as the operating "
  "system gives the right date. F-PROT refuses to run once its virus database is more than a year "
  "old, so no release made before 1999 works in 2000: keep it up to date (F-PROT Year 2000 "
  "statement shipped with F-PROT 3.06c).", alt="F-PROT Antivirus", source="frisk-fprot306-y2k",
  as_of="1999", examples=["3.06b"])
P("command", 1, "F-PROT Professional", "2", "2",
  "F-PROT Professional 2.xx: Command Software states that it has no known Year 2000 problems and "
  "warrants the Year 2000 compatibility of licensed copies (Command Software's letter to customers, "
  "November 1996).", source="command-fprot-y2k", as_of="1996-11-08", examples=["2"])

# Windows 3.1: Microsoft rates it compliant with acceptable deviations (the operating-system check
# never runs on it; the record serves its files).
P("ms", 5, W9X, "3.1", "3.1",
  "Windows 3.1: Microsoft rates it compliant with acceptable deviations and names no prerequisite: "
  "the date cannot be set to 29 February 2000 with the mouse in the Date/Time control panel (use "
  "the keyboard), and the MS-DOS DATE command needs four-digit years. Status of May 1999.",
  source="ms-y2k-win31", as_of="1999-05-18", examples=["3.1"])

# Novell NetWare, as UC Berkeley's checklist reports Novell's statements (checked March 1999).
NW = " (UC Berkeley's NetWare checklist reporting Novell's statement, early 2000)."
NW_PATCH = "get the free update from Novell's Year 2000 web site; Novell rates it ready with it" + NW
for nwv in ("5", "4.2", "3.2"):
    P("novell", 1, "NetWare", nwv, nwv,
      "NetWare %s: Novell states that it is Year 2000 ready as shipped; no update is needed" % nwv
      + NW, source="ucb-netware", as_of="1999-03-05", examples=[nwv])
P("novell", 5, "NetWare", "4.11", "4.11",
  "NetWare 4.11 (intraNetWare): Novell states that it is Year 2000 ready except for minor issues in "
  "some utilities, which an optional patch from Novell's Year 2000 web site mends" + NW,
  source="ucb-netware", as_of="1999-03-05", examples=["4.11"])
P("novell", 3, "NetWare", "4.10", "4.10", "NetWare 4.10: " + NW_PATCH, source="ucb-netware",
  as_of="1999-03-05", examples=["4.10"])
P("novell", 3, "NetWare", "3.12", "3.12", "NetWare 3.12: " + NW_PATCH, source="ucb-netware",
  as_of="1999-03-05", examples=["3.12"])
P("novell", 4, "NetWare", N, "3.11",
  "NetWare 3.11 or earlier: Novell states that its Year 2000 issues will not be resolved; upgrade "
  "to a Year 2000 ready NetWare" + NW, source="ucb-netware", as_of="1999-03-05", examples=["3.11"])

# FileMaker Pro, as UC Berkeley reports FileMaker's statements.
FM = " (UC Berkeley, \"Be Y2K Savvy When Using FileMaker Pro\", early 2000)."
# A plain number equals every release of itself ("4.0" takes "4.0v3"), so each version's record
# ends just below its free update ("4.0" to "4.0v2") and the update has a record of its own.
for fmv, upd, below in (("3.0", "3.0v6", "3.0v5"), ("4.0", "4.0v3", "4.0v2"), ("4.1", "4.1v3", "4.1v2")):
    P("filemaker", 3, "FileMaker Pro", fmv, below,
      "FileMaker Pro %s: FileMaker calls it Year 2000 ready, but its releases before the free "
      "update to %s keep date problems: install that update, type four-digit years and turn on "
      "four-digit-year validation for important date fields" % (fmv, upd + (" (Windows)" if fmv == "3.0" else ""))
      + FM, exe="FMPRO.EXE", source="ucb-filemaker", as_of="2000", examples=[fmv])
    P("filemaker", 1, "FileMaker Pro", upd, upd,
      "FileMaker Pro %s: the free update with which FileMaker calls this version Year 2000 ready; "
      "type four-digit years all the same and turn on four-digit-year validation for important "
      "date fields" % upd + FM, exe="FMPRO.EXE", source="ucb-filemaker", as_of="2000", examples=[upd])
P("filemaker", 1, "FileMaker Pro", "5", "5",
  "FileMaker Pro 5 (released 27 September 1999): FileMaker states that it is Year 2000 ready; "
  "type four-digit years all the same" + FM, exe="FMPRO.EXE", source="ucb-filemaker", as_of="2000",
  examples=["5"])
P("filemaker", 4, "FileMaker Pro", N, "2.1",
  "FileMaker Pro 2.1 or earlier: upgrade to version 3.0 or later, as UC Berkeley advises from "
  "FileMaker's statements" + FM, exe="FMPRO.EXE", source="ucb-filemaker", as_of="2000",
  examples=["2.1"])

# Lotus Notes: Lotus's Knowledge Base (article 147238) on the releases, and Lotus's alert of
# January 2000 on a crash in three releases, as CNET News.com reported it.
# A file that says only "4.5" would also fit the 4.5.7 record (the shorter version ends the
# comparison), so Release 4.5 gets its own record first, ending below 4.5.7.
P("lotus", 1, "Lotus Notes", "4.5", "4.5.6",
  "Lotus Notes 4.5 (before 4.5.7): Lotus states that Notes handles Year 2000 dates; a "
  "two-digit year from 00 to 49 is read as 20xx (Lotus Knowledge Base article 147238).",
  exe="NOTES.EXE", alt="Notes", source="lotus-kb-147238", as_of="1998", examples=["4.5"])
for lnv in ("4.5.7", "4.6.6", "5"):
    P("lotus", 3, "Lotus Notes", lnv, lnv,
      "Lotus Notes %s: Lotus confirmed in January 2000 a Year 2000 bug that can crash the Notes "
      "client when a document in a message holds a year after 2000 or before 1950; apply the "
      "workaround on Lotus's web site and the maintenance release that fixes it (CNET News.com, "
      "January 2000)." % ("R5" if lnv == "5" else lnv), exe="NOTES.EXE", alt="Notes",
      source="cnet-lotus-notes-2000", as_of="2000-01", examples=[lnv])
P("lotus", 5, "Lotus Notes", "1", "4.4",
  "Lotus Notes before Release 4.5: Lotus states that Notes handles Year 2000 dates, but a "
  "two-digit year is always read as 19xx: type four-digit years (Lotus Knowledge Base article "
  "147238).", exe="NOTES.EXE", alt="Notes", source="lotus-kb-147238", as_of="1998",
  examples=["1.0"])

# OS/2 Warp, as the OS/2 user group newsletter VOICE reported the fix packs to install.
for warp, fp in (("4", "6"), ("3", "37")):
    P("ibm", 3, "IBM OS/2 Warp", warp, warp,
      "OS/2 Warp %s: install FixPak %s or later (VOICE newsletter of the OS/2 user group, March "
      "1999)." % (warp, fp), alt="OS/2", source="voice-os2-y2k", as_of="1999-03", examples=[warp])

# Visual FoxPro 3.0 and 5.0, as Columbia University's administrative computing reported them.
for vfp in ("3", "5"):
    P("ms", 1, "Microsoft Visual FoxPro", vfp, vfp,
      "Visual FoxPro %s.0: year 2000 compliant (Columbia University AIS, FoxPro Year 2000 "
      "Compliance); your own FoxPro programs still need SET CENTURY ON, date fields wide enough "
      "for four-digit years and DTOS() rather than DTOC() for ordering." % vfp,
      source="columbia-foxpro", as_of="1999", examples=[vfp + ".0"])

# Borland, renamed Inprise in 1998: the press reported the maker's statement; programs of the
# period carry either company name, so both vendors get the records.
INPRISE_SAID = ("Inprise (Borland) stated that {0} {1} Year 2000 compliant (as reported by "
                "About.com's Delphi guide, October 1999). Type four-digit years in your own "
                "programs and data.")
for vendor in ("borland", "inprise"):
    P(vendor, 1, "Delphi", "3", "5", INPRISE_SAID.format("Delphi 3, 4 and 5", "are"),
      exe="DELPHI32.EXE", source="about-delphi-y2k", as_of="1999-10-23", examples=["3", "4", "5"])
    P(vendor, 1, "Borland Database Engine", "4.5", "5", INPRISE_SAID.format("BDE 4.5 and 5", "are"),
      alt="BDE", source="about-delphi-y2k", as_of="1999-10-23", examples=["4.5", "5"])
    P(vendor, 1, "InterBase", "4.2", "5", INPRISE_SAID.format("InterBase 4.2 and 5", "are"),
      source="about-delphi-y2k", as_of="1999-10-23", examples=["4.2", "5"])
    LATER(vendor, "Delphi", "in 2001 or later (Delphi 6 came out in 2001, 7 in 2002, 8 in 2003)",
          "kolmck-delphi-versions", "2001", exe="DELPHI32.EXE", vb="6", ve=N, label="Delphi 6 or later",
          examples=["6", "7", "8"])

# Systems Management Server 1.2 is compliant with acceptable deviations through Service Pack 3 and
# compliant with Service Pack 4, the guide's prerequisite.
P("ms", 3, "Microsoft Systems Management Server", "1.2", "1.2",
  "Systems Management Server 1.2: install Service Pack 4, Microsoft's prerequisite for rating it "
  "compliant (up to Service Pack 3 Microsoft rates it compliant with acceptable deviations). "
  "Status of October 1999.", source="ms-y2k-sms12", as_of="1999-10-21", examples=["1.2"])
# The guide rates Encarta Encyclopedia 2000 by its year, not by a file version: the record names the
# year and follows the record for Encarta without one, which would otherwise reach it (a program's
# name is looked for inside the record's name).
NS("ms", "Microsoft Encarta Encyclopedia", alt="Encarta")
P("ms", 1, "Microsoft Encarta Encyclopedia 2000", N, N,
  "Encarta Encyclopedia 2000 (also Deluxe and Deluxe DVD): Microsoft rates it compliant with no "
  "prerequisite. Status of August 1999.", alt="Microsoft Encarta Encyclopedia 2000 Deluxe",
  source="ms-y2k-encarta2000", as_of="1999-08-26")
# The editions named after later years came out from 2000 on (BetaWiki's timeline: each edition
# appeared in the year before the one in its name); like the 2000 record they follow the record
# without a year.
for enc_year in range(2001, 2010):
    LATER("ms", "Microsoft Encarta Encyclopedia %d" % enc_year, "in %d" % (enc_year - 1),
          "betawiki-encarta", str(enc_year - 1), label="Encarta Encyclopedia %d" % enc_year)

# WinRAR: its author's certificate covers every version of RAR and WinRAR.
P("rar", 1, "WinRAR", N, N,
  "WinRAR (every version): its author certifies that RAR and WinRAR have no known Year 2000 "
  "problems; they keep file dates in a form that reaches 2100. Statement of 1999.",
  alt="RAR archiver", source="rar-y2k", as_of="1999")

# Meeting Maker: ON Technology names 5.03 and later compliant. A file that says 5.1 would compare
# below 5.03 (1 < 3) and fall to the record without a statement.
P("on", 1, "Meeting Maker", "5.03", N,
  "Meeting Maker 5.03 or later: ON Technology states that it is Year 2000 compliant (ON's Year 2000 "
  "readiness disclosure, 1999).", source="on-y2k", as_of="1999", examples=["5.03"])

# Free Agent: Forte certified only 1.2; the About box of the widespread 1.1 says 1.11, which a bound
# 1.1 does not take (11 is not 1), so each spelling has its own record.
P("forte", 1, "Free Agent", "1.2", "1.2",
  "Free Agent 1.2: Forte states that it handles dates correctly from the 20th century into the "
  "21st, leap years included (Forte's Year 2000 page, as Apogeo Online reported it in 1999).",
  alt="Forte Free Agent", source="apogeo-freeagent", as_of="1999", examples=["1.2"])
for fa in ("1.1", "1.11"):
    P("forte", 3, "Free Agent", fa, fa,
      "Free Agent 1.1 (version %s): Forte certifies only version 1.2 for the Year 2000; 1.1 has "
      "known date problems, among them years 2000 to 2009 shown without their leading zero. Install "
      "the free Free Agent 1.2 (Apogeo Online, 1999)." % fa, alt="Forte Free Agent",
      source="apogeo-freeagent", as_of="1999",
      examples=[fa if fa == "1.1" else (fa, "gnksa-freeagent")])

# ----------------------------------------------------------------------------------------------
# Products whose makers' statements were not found (after the sourced records, so that a
# sourced version range is chosen first).
NS('ms', 'Microsoft Windows Operating System')
NS('ms', 'Microsoft Windows NT Operating System')
NS('ms', 'Microsoft Office 95', alt='Microsoft Office for Windows 95')
NS('ms', 'Microsoft Office 97', alt='Microsoft Office 97 Professional')
NS('ms', 'Microsoft Office 2000', alt='Microsoft Office 2000 Premium')
LATER("ms", "Microsoft Office XP", "in 2001 (version 10)", "cde-office-versions", "2001", label="Office XP", examples=["10"])
LATER("ms", "Microsoft Office 2003", "after Office XP of 2001 (version 11)", "cde-office-versions", "2003", label="Office 2003", examples=["11"])
LATER("ms", "2007 Microsoft Office system", "after Office XP of 2001 (version 12)", "cde-office-versions", "2007", alt="Microsoft Office 2007", label="Office 2007", examples=["12"])
LATER("ms", "Microsoft Office 2010", "after Office XP of 2001 (version 14)", "cde-office-versions", "2010", label="Office 2010", examples=["14"])
LATER("ms", "Microsoft Office 2013", "after Office XP of 2001 (version 15)", "cde-office-versions", "2013", label="Office 2013", examples=["15"])
LATER("ms", "Microsoft Office 2016", "in 2015 (version 16)", "cde-office-versions", "2015", alt="Microsoft Office 365", label="Office 2016 or Office 365", examples=["16"])
NS('ms', 'Microsoft Word for Windows', exe='WINWORD.EXE', alt='Microsoft Word')
NS('ms', 'Microsoft Excel', exe='EXCEL.EXE')
NS('ms', 'Microsoft PowerPoint', exe='POWERPNT.EXE')
NS('ms', 'Microsoft Access', exe='MSACCESS.EXE')
NS('ms', 'Microsoft Outlook', exe='OUTLOOK.EXE')
NS('ms', 'Microsoft Outlook Express', exe='MSIMN.EXE')
NS('ms', 'Microsoft Project', exe='WINPROJ.EXE')
NS('ms', 'Microsoft Works')
NS('ms', 'Microsoft Money', exe='MSMONEY.EXE')
NS('ms', 'Microsoft Internet Explorer', exe='IEXPLORE.EXE', alt='Internet Explorer')
LATER("ms", "Microsoft Edge", "on 29 July 2015 with Windows 10", "wp-edge", "2015-07-29", exe="msedge.exe", label="Microsoft Edge")
NS('ms', 'Microsoft Visual Basic', exe='VB32.EXE')
NS('ms', 'Microsoft Visual C++', exe='MSDEV.EXE')
NS('ms', 'Microsoft Visual InterDev')
NS('ms', 'Microsoft Visual J++')
NS('ms', 'Microsoft Visual Studio')
NS('ms', 'Microsoft Visual FoxPro', exe='VFP6.EXE')
NS('ms', 'Microsoft FoxPro for Windows', exe='FOXPROW.EXE')
NS('ms', 'Microsoft SQL Server')
NS('ms', 'Microsoft Exchange Server')
NS('ms', 'Microsoft FrontPage')
NS('ms', 'Microsoft Office Small Business Edition 97')
NS('ms', 'Microsoft Office Professional')
NS('ms', 'Microsoft SideWinder')
NS('ms', 'Microsoft NetShow')
NS('ms', 'Microsoft Visual Database Tools')
NS('ms', 'Microsoft Visual SourceSafe')
LATER("ms", "Microsoft Visual Studio .NET", "in 2002", "packt-vs-history", "2002", label="Visual Studio .NET")
LATER("ms", "Microsoft Visual Studio 2005", "after Visual Studio .NET of 2002", "debugstory-vs-history", "2005", label="Visual Studio 2005")
LATER("ms", "Microsoft Visual Studio 2008", "after Visual Studio .NET of 2002", "debugstory-vs-history", "2008", label="Visual Studio 2008")
LATER("ms", "Microsoft Visual Studio 2010", "after Visual Studio .NET of 2002", "debugstory-vs-history", "2010", label="Visual Studio 2010")
# Windows Media Player 7, the first release whose program is wmplayer.exe (6.4 runs as mplayer2),
# came out in July 2000: Microsoft counted its downloads of the first ten days on 2 August 2000.
LATER("ms", "Microsoft Windows Media Player", "in July 2000 or later (version 7, downloadable from "
      "late July 2000)", "ms-wmp7-downloads", "2000-08-02", exe="wmplayer.exe", vb="7", ve=N,
      label="Windows Media Player 7 or later", examples=["7", ("7.0", "itpro-wmp7")])
NS('ms', 'Microsoft Windows Media Player', exe='wmplayer.exe')
LATER("ms", "Microsoft .NET Framework", "on 14 February 2002 (version 1.0, the first stable release)", "iprogrammer-dotnet-20", "2002-02-14", label=".NET Framework")
LATER("ms", "Microsoft OneDrive", "in August 2007 (as SkyDrive; renamed OneDrive in 2014)", "betawiki-onedrive", "2007-08", label="OneDrive")
LATER("ms", "Microsoft Teams", "on 14 March 2017", "windowscentral-teams", "2017-03-14", label="Microsoft Teams")
# Netscape 6 (14 November 2000) and the Netscape 7 that followed it came after 1999. A program that
# calls itself only "Netscape" fits both names below, so each takes its versions only.
LATER("netscape", "Netscape Navigator", "on 14 November 2000 or later (version 6, and 7 after it)",
      "piglix-netscape6", "2000-11-14", exe="NETSCAPE.EXE", vb="6", ve=N, label="Netscape 6 or later",
      examples=["6.0", "6.2.3"])
LATER("netscape", "Netscape 6", "on 14 November 2000", "piglix-netscape6", "2000-11-14", vb="6", ve="6",
      label="Netscape 6", examples=["6.2.3"])
NS('netscape', 'Netscape Navigator', exe='NETSCAPE.EXE')
NS('netscape', 'Netscape Communicator', exe='NETSCAPE.EXE', alt='Netscape Navigator')
NS('netscape', 'Netscape Enterprise Server')
LATER("mozilla", "Firefox", "on 9 November 2004 (version 1.0)", "internetnews-firefox", "2004-11-09", exe="firefox.exe", alt="Mozilla Firefox", label="Firefox", examples=["1.0"])
LATER("mozilla", "Thunderbird", "on 7 December 2004 (version 1.0)", "wordiq-thunderbird", "2004-12-07", exe="thunderbird.exe", alt="Mozilla Thunderbird", label="Thunderbird")
LATER("mozilla", "Mozilla SeaMonkey", "on 30 January 2006 (version 1.0)", "opentopia-seamonkey", "2006-01-30", alt="SeaMonkey", label="SeaMonkey")
LATER("google", "Google Chrome", "on 2 September 2008", "sharealink-chrome", "2008-09-02", exe="chrome.exe", label="Google Chrome", examples=["0.3.154.9"])
LATER("google", "Google Drive", "on 24 April 2012", "techhacktips-google-drive", "2012-04-24", label="Google Drive")
LATER("google", "Google Earth", "in June 2005", "skytruth-google-earth", "2005-06", label="Google Earth")
NS('qualcomm', 'Eudora', exe='EUDORA.EXE')
NS('qualcomm', 'Eudora Light', exe='EUDORA.EXE')
NS('qualcomm', 'Eudora Pro', exe='EUDORA.EXE')
NS('aol', 'America Online', exe='WAOL.EXE', alt='AOL')
NS('aol', 'AOL Instant Messenger', exe='AIM.EXE')
NS('real', 'RealPlayer', exe='RAPLAYER.EXE')
NS('real', 'RealJukebox')
NS('progressive', 'RealAudio Player', exe='RAPLAYER.EXE', alt='RealPlayer')
NS('ipswitch', 'WS_FTP', exe='WS_FTP95.EXE')
NS('ipswitch', 'WS_FTP Pro', exe='WS_FTP95.EXE', alt='WS_FTP')
NS('ipswitch', 'IMail Server')
NS('hilgraeve', 'HyperTerminal Private Edition', alt='HyperTerminal')
NS('apple', 'QuickTime', exe='QuickTimePlayer.exe', alt='QuickTime Player')
LATER("apple", "iTunes", "for Windows in October 2003", "poynter-itunes", "2003-10", exe="iTunes.exe", label="iTunes")
NS('corel', 'WordPerfect', exe='WPWIN.EXE', alt='Corel WordPerfect')
NS('corel', 'Quattro Pro', exe='QPW.EXE', alt='Corel Quattro Pro')
NS('corel', 'CorelDRAW', exe='CORELDRW.EXE', alt='Corel DRAW')
NS('corel', 'Paradox', exe='PDXWIN32.EXE', alt='Corel Paradox')
NS('lotus', 'Lotus 1-2-3', exe='123W.EXE', alt='1-2-3')
NS('lotus', 'Lotus SmartSuite', alt='SmartSuite')
NS('lotus', 'Lotus SmartSuite Millennium Edition', alt='SmartSuite Millennium')
NS('lotus', 'Lotus Word Pro', exe='WORDPRO.EXE', alt='Word Pro')
NS('lotus', 'Lotus Notes', exe='NOTES.EXE', alt='Notes')
NS('lotus', 'Lotus Organizer', exe='ORG.EXE', alt='Organizer')
NS('lotus', 'Lotus Approach', alt='Approach')
NS('lotus', 'Lotus Freelance Graphics', alt='Freelance Graphics')
NS('lotus', 'Lotus cc:Mail', alt='cc:Mail')
NS('adobe', 'Adobe Acrobat Reader', exe='ACRORD32.EXE', alt='Adobe Reader')
NS('adobe', 'Adobe Acrobat', exe='ACROBAT.EXE', alt='Acrobat Exchange')
NS('adobe', 'Adobe Photoshop', exe='PHOTOSHP.EXE', alt='Photoshop')
NS('adobe', 'Adobe Illustrator', exe='ILLUSTRATOR.EXE', alt='Illustrator')
NS('adobe', 'Adobe PageMaker', exe='PM65.EXE', alt='PageMaker')
NS('adobe', 'Adobe FrameMaker', alt='FrameMaker')
NS('adobe', 'Adobe Premiere', alt='Premiere')
NS('adobe', 'Adobe Type Manager', alt='ATM')
# The player carries Adobe's name only after Adobe bought Macromedia (December 2005); Adobe's first
# release of it, Flash Player 9, came in June 2006. Earlier players are Macromedia's.
LATER("adobe", "Adobe Flash Player", "by Adobe in June 2006 or later (Flash Player 9, Adobe's first "
      "release after it bought Macromedia)", "syscon-flash9", "2006-06", label="Adobe Flash Player",
      examples=["9"])
LATER("adobe", "Adobe Creative Cloud", "after its announcement in October 2011", "wp-creative-cloud", "2011-10", label="Adobe Creative Cloud")
NS('macromedia', 'Dreamweaver', alt='Macromedia Dreamweaver')
NS('macromedia', 'Flash', alt='Macromedia Flash')
NS('macromedia', 'Shockwave', alt='Shockwave Flash')
NS('macromedia', 'Director', alt='Macromedia Director')
NS('macromedia', 'FreeHand', alt='Macromedia FreeHand')
NS('allaire', 'ColdFusion', alt='ColdFusion Server')
NS('allaire', 'HomeSite', exe='HOMESITE.EXE', alt='Allaire HomeSite')
NS('visio', 'Visio', exe='VISIO32.EXE', alt='Visio Standard')
NS('micrografx', 'Micrografx Designer', alt='Designer')
NS('micrografx', 'Micrografx Picture Publisher', alt='Picture Publisher')
NS('micrografx', 'Micrografx ABC FlowCharter', alt='ABC FlowCharter')
NS('quark', 'QuarkXPress', exe='QXP32.EXE', alt='QuarkXPress Passport')
NS('jasc', 'Paint Shop Pro', exe='PSP.EXE')
NS('filemaker', 'FileMaker Pro', exe='FMPRO.EXE')
NS('ibm', 'ViaVoice')
NS('ibm', 'IBM Personal Communications', alt='Personal Communications')
NS('ibm', 'IBM DB2 Universal Database', alt='DB2')
NS('ibm', 'IBM OS/2 Warp', alt='OS/2')
NS('symantec', 'Norton AntiVirus', exe='NAVW32.EXE')
NS('symantec', 'Norton Utilities', exe='NORTON.EXE')
NS('symantec', 'Norton SystemWorks')
NS('symantec', 'Norton CleanSweep')
NS('symantec', 'Norton Commander')
NS('symantec', 'pcANYWHERE', exe='AWHOST32.EXE')
NS('symantec', 'WinFax PRO', alt='WinFax')
NS('symantec', 'ACT!', exe='ACTWIN.EXE')
NS('symantec', 'Norton Ghost', exe='GHOST.EXE', alt='Ghost')
NS('symantec', 'Symantec C++')
NS('symantec', 'Visual Cafe', alt='Visual Cafe for Java')
NS('nai', 'McAfee VirusScan', exe='SCAN32.EXE', alt='VirusScan')
NS('nai', 'PGP', alt='PGP Desktop')
NS('nai', 'Sniffer', alt='Sniffer Pro')
NS('nai', 'McAfee Nuts & Bolts', alt='Nuts & Bolts')
NS('mcafee', 'VirusScan', exe='SCAN32.EXE', alt='McAfee VirusScan')
NS('mcafee', 'WebScan')
NS('trend', 'PC-cillin')
NS('trend', 'OfficeScan')
NS('ca', 'InoculateIT')
NS('ca', 'ARCserve', alt='ARCserveIT')
NS('ca', 'Cheyenne AntiVirus', alt='Cheyenne InocuLAN')
NS('quarterdeck', 'QEMM')
NS('quarterdeck', 'CleanSweep', alt='Quarterdeck CleanSweep')
NS('quarterdeck', 'WebCompass')
NS('cybermedia', 'First Aid')
NS('cybermedia', 'Oil Change')
NS('nicomak', 'WinZip', exe='WINZIP32.EXE')
NS('pkware', 'PKZIP for Windows', alt='PKZIP')
NS('pkware', 'PKZIP', alt='PKUNZIP')
NS('powerquest', 'PartitionMagic', exe='PQMAGIC.EXE')
NS('powerquest', 'Drive Image', exe='PQDI.EXE')
NS('ontrack', 'EasyRecovery')
NS('ontrack', 'Disk Manager', alt='DiskManager')
NS('touchstone', 'CheckIt')
NS('touchstone', 'WINCheckIt')
NS('travsoft', 'LapLink', alt='LapLink Professional')
NS('seagate', 'Backup Exec', alt='Seagate Backup Exec')
NS('seagate', 'Crystal Reports', alt='Seagate Crystal Reports')
NS('veritas', 'Backup Exec', alt='VERITAS Backup Exec')
NS('veritas', 'NetBackup')
NS('iomega', 'Iomega Tools', alt='IomegaWare')
NS('iomega', '1-Step Backup')
NS('adaptec', 'Easy CD Creator', alt='Easy-CD Pro')
NS('adaptec', 'DirectCD', exe='DIRECTCD.EXE')
NS('adaptec', 'EZ-SCSI')
NS('citrix', 'WinFrame')
NS('citrix', 'MetaFrame', alt='Citrix ICA Client')
NS('borland', 'Borland C++', exe='BCW.EXE')
NS('borland', 'Delphi', exe='DELPHI32.EXE')
NS('borland', 'C++Builder', exe='BCB.EXE')
NS('borland', 'Turbo Pascal')
NS('borland', 'Paradox', alt='Paradox for Windows')
NS('borland', 'Quattro Pro')
NS('borland', 'Borland Database Engine', alt='BDE')
NS('borland', 'JBuilder')
NS('borland', 'InterBase')
NS('inprise', 'Delphi', exe='DELPHI32.EXE')
NS('inprise', 'C++Builder', exe='BCB.EXE')
NS('inprise', 'JBuilder')
NS('inprise', 'VisiBroker')
NS('inprise', 'InterBase')
NS('fsf', 'GNU C Compiler', exe='gcc.exe', alt='gcc')
NS('fsf', 'GNU Emacs', exe='emacs.exe', alt='Emacs')
NS('fsf', 'GNU Binutils', alt='binutils')
NS('fsf', 'GNU Make', exe='make.exe')
NS('fsf', 'GNU tar', exe='tar.exe')
# Java 1.3 (8 May 2000) and every release after it came after 1999 (Sun's list of release dates).
J2SE_LATER = "on 8 May 2000 or later (J2SE 1.3; 1.4.0 followed on 13 February 2002, 5.0 in 2004)"
J2SE_VERSIONS = ["1.3", "1.3.1", "1.4.0", "1.4.1", "1.4.2", "1.5.0"]
LATER("sun", "Java 2 Platform Standard Edition", J2SE_LATER, "sun-j2se-codenames", "2000-05-08",
      exe="java.exe", alt="Java(TM) 2 Platform Standard Edition", vb="1.3", ve=N,
      label="Java 2 Platform, Standard Edition 1.3 or later",
      examples=J2SE_VERSIONS)
LATER("sun", "Java Development Kit", J2SE_LATER, "sun-j2se-codenames", "2000-05-08", exe="java.exe",
      alt="Java Runtime Environment", vb="1.3", ve=N,
      label="Java Development Kit or Runtime Environment 1.3 or later", examples=J2SE_VERSIONS)
NS('sun', 'Java 2 Platform Standard Edition', exe='java.exe', alt='Java(TM) 2 Platform Standard Edition')
NS('sun', 'Java Development Kit', exe='java.exe', alt='Java Runtime Environment')
NS('sun', 'StarOffice', exe='soffice.exe')
LATER("sun", "Java Platform SE", "in December 2006 or later (Java SE 6 is the first release named Java SE; "
      "versions 1.2 to 1.4 were named J2SE)", "codejava-versions", "2006-12", alt="Java Platform SE binary",
      label="Java SE")
NS('sybase', 'PowerBuilder')
NS('sybase', 'SQL Anywhere', alt='Watcom SQL')
NS('sybase', 'Adaptive Server Anywhere')
NS('sybase', 'Watcom C/C++', alt='Watcom C')
NS('oracle', 'Oracle7')
NS('oracle', 'Oracle8', alt='Oracle8i')
NS('oracle', 'SQL*Plus')
NS('oracle', 'SQL*Net')
NS('oracle', 'Developer/2000')
NS('microfocus', 'Micro Focus COBOL', alt='COBOL')
NS('microfocus', 'NetExpress')
NS('rational', 'Rational Rose', alt='Rose')
NS('rational', 'ClearCase')
NS('rational', 'Purify')
NS('progress', 'Progress')
NS('pervasive', 'Btrieve')
NS('pervasive', 'Pervasive.SQL')
NS('mathworks', 'MATLAB')
NS('wolfram', 'Mathematica')
NS('mathsoft', 'Mathcad')
NS('mathsoft', 'S-PLUS')
NS('spss', 'SPSS for Windows', alt='SPSS')
NS('spss', 'SYSTAT')
NS('sas', 'SAS', alt='The SAS System')
NS('autodesk', 'AutoCAD', exe='ACAD.EXE')
NS('autodesk', 'AutoCAD LT')
NS('autodesk', '3D Studio MAX', alt='3D Studio VIZ')
NS('primavera', 'Primavera Project Planner')
NS('primavera', 'SureTrak Project Manager', alt='SureTrak')
NS('intuit', 'Quicken', exe='QW.EXE')
NS('intuit', 'QuickBooks', exe='QBW32.EXE')
NS('intuit', 'TurboTax')
NS('peachtree', 'Peachtree Accounting', alt='Peachtree Complete Accounting')
NS('goldmine', 'GoldMine')
NS('broderbund', 'Print Shop', alt='The Print Shop')
NS('broderbund', 'Family Tree Maker')
NS('broderbund', 'Myst')
NS('tlc', 'Reader Rabbit')
NS('tlc', 'Calendar Creator')
NS('ea', 'SimCity 2000', alt='SimCity')
NS('ea', 'FIFA')
NS('sonic', 'Sound Forge')
NS('sonic', 'ACID')
NS('wrq', 'Reflection', alt='Reflection X')
NS('hummingbird', 'Exceed')
NS('hummingbird', 'HostExplorer')
NS('netmanage', 'Chameleon', alt='NetManage Chameleon')
NS('netmanage', 'RUMBA')
NS('attachmate', 'EXTRA!', alt='EXTRA! Personal Client')
NS('novell', 'NetWare')
# After the NetWare records: a program that calls itself NetWare must not reach these.
for nwname in ("Personal NetWare", "NetWare Lite"):
    P("novell", 4, nwname, N, N,
      nwname + ": Novell states that its Year 2000 issues will not be resolved (UC Berkeley's "
      "NetWare checklist reporting Novell's statement, early 2000).", source="ucb-netware",
      as_of="1999-03-05")
NS('novell', 'Novell NetWare Client')
NS('novell', 'NetWare Client 32', alt='Novell Client for Windows 95')
NS('novell', 'GroupWise')
NS('3com', '3Com EtherLink', alt='EtherLink III')
NS('3com', 'Palm Desktop', alt='Pilot Desktop')
NS('creative', 'Sound Blaster', alt='Sound Blaster Live!')
NS('creative', 'Creative PlayCenter')
NS('creative', 'Creative Launcher', alt='AudioHQ')
NS('ati', 'ATI Display Driver', alt='ATI Radeon')
NS('ati', 'ATI Player', alt='ATI Multimedia Center')
NS('matrox', 'Matrox PowerDesk', alt='PowerDesk')
NS('diamond', 'Diamond InControl Tools', alt='InControl Tools')
NS('diamond', 'SupraExpress')
NS('s3', 'S3 Display Driver', alt='S3 Refresh')
NS('nvidia', 'NVIDIA Display Driver', alt='NVIDIA Control Panel')
NS('logitech', 'MouseWare', alt='Logitech MouseWare')
NS('logitech', 'QuickCam')
NS('epson', 'EPSON Status Monitor', alt='EPSON Printer Driver')
NS('epson', 'EPSON TWAIN')
NS('lexmark', 'Lexmark Printer Driver', alt='Lexmark MarkVision')
NS('hp', 'HP DeskJet', alt='HP DeskJet Toolbox')
NS('hp', 'HP LaserJet', alt='HP JetAdmin')
NS('hp', 'HP ScanJet', alt='DeskScan II')
NS('hp', 'HP OpenView')
NS('compaq', 'Compaq Diagnostics', alt='ROMPaq')
NS('compaq', 'Compaq Insight Manager')
NS('dell', 'Dell BIOS Update', alt='Dell OpenManage')
NS('gateway', 'Gateway BIOS Update')
NS('intel', 'Intel LANDesk', alt='LANDesk Client Manager')
NS('intel', 'Intel Indeo', alt='Indeo')
NS('intel', 'Intel BIOS Update')
NS('phoenix', 'Phoenix BIOS')
NS('award', 'Award BIOS', alt='AwardBIOS')
NS('ami', 'AMIBIOS')
NS('caere', 'OmniPage', alt='OmniPage Pro')
NS('caere', 'PageKeeper')
NS('dragon', 'Dragon NaturallySpeaking', alt='NaturallySpeaking')
NS('dragon', 'DragonDictate')
NS('ms', 'Microsoft Systems Management Server')
NS('on', 'Meeting Maker')
NS('forte', 'Free Agent', alt='Forte Free Agent')


def _other_versions_rated():
    """An NS record of a product that has sourced records for other versions says "for this
    version" and points to the maker's Year 2000 pages where the knowledge base cites them."""
    rated = {(p["vendor"], p["name"].upper()) for p in PRODUCTS if p["source"]}
    for p in PRODUCTS:
        if p["source"] or (p["vendor"], p["name"].upper()) not in rated:
            continue
        label = p["text"].split(": " + NO_STATEMENT)[0]
        p["text"] = NS_VERSION_TEXT(label, Y2K_PAGES.get(p["vendor"], ""))


_other_versions_rated()
