# The product knowledge base as a readable table. build_kb.py turns it into APPS.y2k.
#
# P(vendor key, code, product name, first version, last version, instructions,
#   exe=program file, alt=alternative product name)
#
# Codes: 1 ready; 2 no readiness data; 3 not ready, fix or workaround available;
#        4 not ready, upgrade or discontinue use; 5 ready with issues; 6 vendor will not test.
# Versions: both bounds inclusive; N (open bound) on either side. A program's version matches a
# bound when they agree on every component that both have, so a single-version record "8"
# covers 8, 8.0, 8.0.1 and 8.0e alike, while "8.0" does not cover 8.5.
# A program matches a record when its name (company name removed) is part of the record's
# name or alternative name, so record names are the long form of the product's name.
# Within one vendor the first fitting record wins: narrow records first, ALLPRODUCTS last
# (build_kb.py appends each vendor's ALLPRODUCTS record after its specific ones).

N = "NOLIMITS"
PRODUCTS = []


def P(vendor, code, name, vb, ve, text, exe="", alt=""):
    PRODUCTS.append((vendor, code, name, exe, vb, ve, text, alt))


AFTER_2000 = "released after 2000; dates after 1999 are handled. No Year 2000 action required."
def SR2(product):
    return (product + ": " +
"install Office 97 Service Release 2 (SR-2) from officeupdate.microsoft.com or the Office "
            "97 SR-2 CD; with SR-2 Microsoft lists it as compliant with minor issues. Type "
            "four-digit years. (Status of December 1999.)")
def VS6SP3(product):
    return (product + ": " +
"install Visual Studio 6.0 Service Pack 3 or later from msdn.microsoft.com/vstudio; "
            "Microsoft's Year 2000 statement for this product assumes it. Review your own "
            "programs' date handling separately. (Status of December 1999.)")
def VS97SP3(product):
    return (product + ": " +
"install Visual Studio 97 Service Pack 3 from msdn.microsoft.com/vstudio, or move "
            "to version 6.0 with Service Pack 3. Review your own programs' date handling "
            "separately. (Status of December 1999.)")
UPGRADE_CURRENT = ("Older release without a Year 2000 statement from its maker; upgrade to the "
                   "current release before relying on dates after 1999.")

# ----------------------------------------------------------------------------------------------
# Microsoft operating systems: the operating-system check names the running system "Microsoft
# Windows Operating System" (Windows 95/98/Me) or "Microsoft Windows NT Operating System" (NT
# family) with the version major.minor the system reports.
W9X = "Microsoft Windows Operating System"
WNT = "Microsoft Windows NT Operating System"
P("ms", 3, W9X, "3.10", "3.11",
  "Windows 3.1 or Windows for Workgroups 3.11: install the updated File Manager (WINFILE.EXE) "
  "from www.microsoft.com/y2k, which shows dates after 1999 correctly; type four-digit years. "
  "Plan a move to a current Windows. (Status of December 1999.)")
P("ms", 3, W9X, "4.0", "4.0",
  "Windows 95: install the Windows 95 Year 2000 Update from www.microsoft.com/y2k or Windows "
  "Update, and bring Internet Explorer up to 5.01 or later. With these Microsoft lists Windows 95 "
  "as compliant with minor issues. (Status of December 1999.)")
P("ms", 3, W9X, "4.10", "4.10",
  "Windows 98 or Windows 98 Second Edition (both report 4.10): install the Windows 98 Year 2000 "
  "Update offered by Windows Update (Start menu, Windows Update) or www.microsoft.com/y2k; on "
  "Second Edition install the date updates offered for it there. (Status of December 1999.)")
P("ms", 1, W9X, "4.90", "4.90",
  "Windows Me: released in 2000 with the Year 2000 updates built in. No action required.")
P("ms", 2, W9X, "4.0", N,
  "A Windows 95/98 family version not listed here. Check www.microsoft.com/y2k for its status.")
P("ms", 4, WNT, "3.10", "3.10",
  "Windows NT 3.1: Microsoft provides Year 2000 updates only for Windows NT 3.51 and later. "
  "Upgrade to Windows NT 4.0 with Service Pack 6a or to Windows 2000.")
P("ms", 4, WNT, "3.50", "3.50",
  "Windows NT 3.5: Microsoft provides Year 2000 updates only for Windows NT 3.51 and later. "
  "Upgrade to Windows NT 4.0 with Service Pack 6a or to Windows 2000.")
P("ms", 3, WNT, "3.51", "3.51",
  "Windows NT 3.51: install Service Pack 5 and the Year 2000 update for NT 3.51 from "
  "www.microsoft.com/y2k; the lasting answer is Windows 2000. (Status of December 1999.)")
P("ms", 3, WNT, "4.0", "4.0",
  "Windows NT 4.0: install Service Pack 6a from www.microsoft.com/ntserver or "
  "www.microsoft.com/y2k. Service Pack 4 was the first with the Year 2000 updates; 6a includes "
  "them and the later date fixes. (Status of December 1999.)")
P("ms", 1, WNT, "5.0", "5.0",
  "Windows 2000: compliant as shipped. Keep the current service pack installed.")
P("ms", 1, WNT, "5.1", "5.1", "Windows XP: " + AFTER_2000)
P("ms", 1, WNT, "5.2", "5.2", "Windows Server 2003 or Windows XP x64 Edition: " + AFTER_2000)
P("ms", 1, WNT, "6.0", "6.0", "Windows Vista or Windows Server 2008: " + AFTER_2000)
P("ms", 1, WNT, "6.1", "6.1", "Windows 7 or Windows Server 2008 R2: " + AFTER_2000)
P("ms", 1, WNT, "6.2", "6.2",
  "Windows 8 or Windows Server 2012 (later Windows versions also report 6.2 to older "
  "programs): " + AFTER_2000)
P("ms", 1, WNT, "6.3", "6.3", "Windows 8.1 or Windows Server 2012 R2: " + AFTER_2000)
P("ms", 1, WNT, "10.0", "10.0", "Windows 10 or Windows 11: " + AFTER_2000)
P("ms", 1, WNT, "5.0", N, "A Windows NT family version after Windows 2000: " + AFTER_2000)

# Office suites (the programs of Office 2000 and later name the suite as their product).
P("ms", 3, "Microsoft Office 95", "7", "7",
  "Office 95: Microsoft lists Word, Excel and PowerPoint 95 as compliant with minor issues and "
  "Access 95 as needing its update; install the Office 95 updates from www.microsoft.com/y2k "
  "and type four-digit years, or move to Office 2000. (Status of December 1999.)",
  alt="Microsoft Office for Windows 95")
P("ms", 3, "Microsoft Office 97", "8", "8", SR2("Office 97"), alt="Microsoft Office 97 Professional")
P("ms", 1, "Microsoft Office 2000", "9", "9",
  "Office 2000: compliant. Two-digit years follow the Windows regional setting (1930-2029 "
  "unless changed). Service Release 1 (2000) adds later fixes.",
  alt="Microsoft Office 2000 Premium")
P("ms", 1, "Microsoft Office XP", "10", "10", "Office XP: " + AFTER_2000)
P("ms", 1, "Microsoft Office 2003", "11", "11", "Office 2003: " + AFTER_2000)
P("ms", 1, "2007 Microsoft Office system", "12", "12", "Office 2007: " + AFTER_2000,
  alt="Microsoft Office 2007")
P("ms", 1, "Microsoft Office 2010", "14", "14", "Office 2010: " + AFTER_2000)
P("ms", 1, "Microsoft Office 2013", "15", "15", "Office 2013: " + AFTER_2000)
P("ms", 1, "Microsoft Office 2016", "16", "16",
  "Office 2016, 2019, 2021 or Microsoft 365 (all report version 16): " + AFTER_2000,
  alt="Microsoft Office 365")

# Office programs.
P("ms", 5, "Microsoft Word for Windows", "6", "6",
  "Word 6.0: compliant with minor issues; date fields with two-digit years print 00 for 2000. "
  "Use four-digit date formats, or upgrade to Word 2000.", exe="WINWORD.EXE", alt="Microsoft Word")
P("ms", 5, "Microsoft Word for Windows", "7", "7",
  "Word 95: compliant with minor issues; use four-digit date formats in date fields, or "
  "upgrade to Word 2000. (Status of December 1999.)", exe="WINWORD.EXE", alt="Microsoft Word 95")
P("ms", 3, "Microsoft Word for Windows", "8", "8", SR2("Word 97"), exe="WINWORD.EXE", alt="Microsoft Word 97")
P("ms", 1, "Microsoft Word for Windows", "9", "9", "Word 2000: compliant.", exe="WINWORD.EXE",
  alt="Microsoft Word 2000")
P("ms", 1, "Microsoft Word for Windows", "10", N, "Word 2002 or later: " + AFTER_2000,
  exe="WINWORD.EXE", alt="Microsoft Word")
P("ms", 5, "Microsoft Excel", "5", "5",
  "Excel 5.0: compliant with minor issues; two-digit years 00-19 are read as 2000-2019 and "
  "20-99 as 1920-1999. Type four-digit years, or upgrade to Excel 2000.", exe="EXCEL.EXE",
  alt="Microsoft Excel for Windows")
P("ms", 5, "Microsoft Excel", "7", "7",
  "Excel 95: compliant with minor issues; two-digit years 00-19 are read as 2000-2019 and "
  "20-99 as 1920-1999. Type four-digit years, or upgrade to Excel 2000.", exe="EXCEL.EXE",
  alt="Microsoft Excel for Windows 95")
P("ms", 3, "Microsoft Excel", "8", "8", SR2("Excel 97"), exe="EXCEL.EXE", alt="Microsoft Excel 97")
P("ms", 1, "Microsoft Excel", "9", "9",
  "Excel 2000: compliant; two-digit years follow the Windows regional setting.", exe="EXCEL.EXE",
  alt="Microsoft Excel 2000")
P("ms", 1, "Microsoft Excel", "10", N, "Excel 2002 or later: " + AFTER_2000, exe="EXCEL.EXE")
P("ms", 5, "Microsoft PowerPoint", "7", "7",
  "PowerPoint 95: compliant with minor issues (date fields on slides); type four-digit years.",
  exe="POWERPNT.EXE", alt="Microsoft PowerPoint for Windows 95")
P("ms", 3, "Microsoft PowerPoint", "8", "8", SR2("PowerPoint 97"), exe="POWERPNT.EXE", alt="Microsoft PowerPoint 97")
P("ms", 1, "Microsoft PowerPoint", "9", N, "PowerPoint 2000 or later: compliant.",
  exe="POWERPNT.EXE")
P("ms", 3, "Microsoft Access", "2", "2",
  "Access 2.0: install the Access 2.0 Service Pack (Jet 2.5) from www.microsoft.com/y2k and "
  "type four-digit years, or move to Access 2000.", exe="MSACCESS.EXE")
P("ms", 3, "Microsoft Access", "7", "7",
  "Access 95: install the Access 95 Year 2000 update from www.microsoft.com/y2k and type "
  "four-digit years in date fields and criteria, or move to Access 2000.", exe="MSACCESS.EXE",
  alt="Microsoft Access for Windows 95")
P("ms", 3, "Microsoft Access", "8", "8",
  "Access 97: install Office 97 SR-2 and the Jet 3.5 Service Pack 3 (Jet35sp3.exe) from "
  "www.microsoft.com/y2k; check date criteria in queries use four-digit years.",
  exe="MSACCESS.EXE", alt="Microsoft Access 97")
P("ms", 1, "Microsoft Access", "9", N,
  "Access 2000 or later: compliant; install the current Jet 4.0 service pack.", exe="MSACCESS.EXE")
P("ms", 3, "Microsoft Outlook", "8.0", "8.4",
  "Outlook 97: install Office 97 SR-2, or move to Outlook 98 or Outlook 2000. (Status of "
  "December 1999.)", exe="OUTLOOK.EXE", alt="Microsoft Outlook 97")
P("ms", 1, "Microsoft Outlook", "8.5", "8.5", "Outlook 98: compliant; keep its updates installed.",
  exe="OUTLOOK.EXE", alt="Microsoft Outlook 98")
P("ms", 1, "Microsoft Outlook", "9", N, "Outlook 2000 or later: compliant.", exe="OUTLOOK.EXE")
P("ms", 3, "Microsoft Outlook Express", "4.72", "4.72",
  "Outlook Express 4: install Internet Explorer 5.01 or later, which brings Outlook Express 5.",
  exe="MSIMN.EXE")
P("ms", 1, "Microsoft Outlook Express", "5", N, "Outlook Express 5 or later: compliant.",
  exe="MSIMN.EXE")
P("ms", 5, "Microsoft Project", "4", "4",
  "Project 4.0/4.1: compliant with minor issues; type four-digit years for dates, or move to "
  "Project 98 with SR-1 or Project 2000.", exe="WINPROJ.EXE")
P("ms", 3, "Microsoft Project", "8", "8",
  "Project 98: install Project 98 Service Release 1 (SR-1) from www.microsoft.com/y2k.",
  exe="WINPROJ.EXE", alt="Microsoft Project 98")
P("ms", 1, "Microsoft Project", "9", N, "Project 2000 or later: compliant.", exe="WINPROJ.EXE")
P("ms", 5, "Microsoft Works", "4", "4",
  "Works 4.0/4.5: compliant with minor issues (two-digit years in the spreadsheet and "
  "database); type four-digit years, or move to Works 2000.")
P("ms", 1, "Microsoft Works", "5", N, "Works 2000 or later: compliant.")
P("ms", 2, "Microsoft Money", "4", "6",
  "Money 96, 97 or 98: Microsoft's statements for these versions changed during 1999; back up "
  "your data and upgrade to Money 2000 before entering dates after 1999.", exe="MSMONEY.EXE")
P("ms", 1, "Microsoft Money", "8", N, "Money 2000 or later: compliant.", exe="MSMONEY.EXE")

# Internet Explorer: the programs report the file versions 4.40 (1.0/2.0), 4.70 (3.x),
# 4.71 (4.0), 4.72 (4.01), 5.00 (5.0/5.01), 5.50, 6.
IE = "Microsoft Internet Explorer"
P("ms", 4, IE, "4.40", "4.40",
  "Internet Explorer 1.0 or 2.0: no longer supported. Install Internet Explorer 5.01 or later "
  "(free from www.microsoft.com/windows/ie).", exe="IEXPLORE.EXE", alt="Internet Explorer")
P("ms", 3, IE, "4.70", "4.70",
  "Internet Explorer 3.x: install Internet Explorer 5.01 or later (free from "
  "www.microsoft.com/windows/ie).", exe="IEXPLORE.EXE", alt="Internet Explorer")
P("ms", 3, IE, "4.71", "4.72.3611",
  "Internet Explorer 4.0/4.01: install Internet Explorer 4.01 Service Pack 2, or better 5.01 "
  "or later (free from www.microsoft.com/windows/ie).", exe="IEXPLORE.EXE",
  alt="Internet Explorer")
P("ms", 5, IE, "4.72.3612", "4.72.9999",
  "Internet Explorer 4.01 Service Pack 2: compliant with minor issues; Internet Explorer 5.01 "
  "or later is recommended.", exe="IEXPLORE.EXE", alt="Internet Explorer")
P("ms", 3, IE, "5.00", "5.00.2918",
  "Internet Explorer 5.0: install Internet Explorer 5.01 or later, which carries the later "
  "date fixes (free from www.microsoft.com/windows/ie).", exe="IEXPLORE.EXE",
  alt="Internet Explorer")
P("ms", 1, IE, "5.00.2919", "5.00.9999", "Internet Explorer 5.01: compliant.",
  exe="IEXPLORE.EXE", alt="Internet Explorer")
P("ms", 1, IE, "5.50", "5.50", "Internet Explorer 5.5: compliant.", exe="IEXPLORE.EXE",
  alt="Internet Explorer")
P("ms", 1, IE, "6", N, "Internet Explorer 6 or later: " + AFTER_2000, exe="IEXPLORE.EXE",
  alt="Internet Explorer")
P("ms", 1, "Microsoft Edge", N, N, "Microsoft Edge: " + AFTER_2000, exe="msedge.exe")

# Development tools and servers.
P("ms", 5, "Microsoft Visual Basic", "4", "4",
  "Visual Basic 4.0: compliant with minor issues; two-digit years in date conversions follow "
  "the system's rules. Use four-digit years, or move to Visual Basic 6.0 with Service Pack 3.",
  exe="VB32.EXE")
P("ms", 3, "Microsoft Visual Basic", "5", "5", VS97SP3("Visual Basic 5.0"), exe="VB5.EXE")
P("ms", 3, "Microsoft Visual Basic", "6", "6", VS6SP3("Visual Basic 6.0"), exe="VB6.EXE")
P("ms", 5, "Microsoft Visual C++", "4", "4",
  "Visual C++ 4.x: compliant with minor issues; move to Visual C++ 6.0 with Service Pack 3. "
  "Review your own programs' date handling separately.")
P("ms", 3, "Microsoft Visual C++", "5", "5", VS97SP3("Visual C++ 5.0"), exe="MSDEV.EXE")
P("ms", 3, "Microsoft Visual C++", "6", "6", VS6SP3("Visual C++ 6.0"), exe="MSDEV.EXE")
P("ms", 3, "Microsoft Visual InterDev", "6", "6", VS6SP3("Visual InterDev 6.0"))
P("ms", 3, "Microsoft Visual J++", "6", "6", VS6SP3("Visual J++ 6.0"))
P("ms", 3, "Microsoft Visual Studio", "6", "6", VS6SP3("Visual Studio 6.0"))
P("ms", 5, "Microsoft Visual FoxPro", "3", "5",
  "Visual FoxPro 3.0/5.0: compliant with minor issues; use SET CENTURY ON and four-digit "
  "years, or move to Visual FoxPro 6.0 (SET CENTURY ROLLOVER, SET STRICTDATE).")
P("ms", 1, "Microsoft Visual FoxPro", "6", N,
  "Visual FoxPro 6.0 or later: compliant; use SET STRICTDATE to find ambiguous dates in your "
  "own code.", exe="VFP6.EXE")
P("ms", 5, "Microsoft FoxPro for Windows", "2.5", "2.6",
  "FoxPro 2.5/2.6: compliant with minor issues; use SET CENTURY ON and four-digit years, or "
  "move to Visual FoxPro 6.0.", exe="FOXPROW.EXE")
P("ms", 4, "Microsoft SQL Server", "4.2", "4.2",
  "SQL Server 4.2: not updated for the year 2000; upgrade to SQL Server 7.0.")
P("ms", 3, "Microsoft SQL Server", "6.50", "6.50",
  "SQL Server 6.5: install Service Pack 5a from www.microsoft.com/sql. (Status of December "
  "1999.)")
P("ms", 1, "Microsoft SQL Server", "7", N, "SQL Server 7.0 or later: compliant.")
P("ms", 1, "Microsoft Visual Studio .NET", "7", "7", "Visual Studio .NET: " + AFTER_2000)
P("ms", 1, "Microsoft Visual Studio 2005", "8", "8", "Visual Studio 2005: " + AFTER_2000)
P("ms", 1, "Microsoft Visual Studio 2008", "9", "9", "Visual Studio 2008: " + AFTER_2000)
P("ms", 1, "Microsoft Visual Studio 2010", "10", "10", "Visual Studio 2010: " + AFTER_2000)
P("ms", 1, "Microsoft Visual Studio", "11", N, "Visual Studio 2012 or later: " + AFTER_2000,
  exe="devenv.exe")
P("ms", 1, "Microsoft Windows Media Player", "7", N, "Windows Media Player 7 or later: "
  + AFTER_2000, exe="wmplayer.exe")
P("ms", 1, "Microsoft .NET Framework", N, N, ".NET Framework: " + AFTER_2000)
P("ms", 1, "Microsoft OneDrive", N, N, "OneDrive: " + AFTER_2000)
P("ms", 1, "Microsoft Teams", N, N, "Teams: " + AFTER_2000)

# ----------------------------------------------------------------------------------------------
# Browsers, mail and Internet programs.
P("netscape", 4, "Netscape Navigator", "1", "2",
  "Navigator 1.x/2.x: not supported for the year 2000. Install Netscape Communicator 4.7 or "
  "later, free from home.netscape.com.", exe="NETSCAPE.EXE")
P("netscape", 3, "Netscape Navigator", "3", "3",
  "Navigator 3.x: upgrade to Netscape Communicator 4.7 or later, free from home.netscape.com. "
  "(Status of December 1999.)", exe="NETSCAPE.EXE")
P("netscape", 3, "Netscape Communicator", "4.0", "4.04",
  "Communicator 4.0 to 4.04: upgrade to Communicator 4.7 or later, free from "
  "home.netscape.com. (Status of December 1999.)", exe="NETSCAPE.EXE", alt="Netscape Navigator")
P("netscape", 1, "Netscape Communicator", "4.05", "4.99",
  "Communicator 4.5 or later: compliant; 4.7 is the current release (December 1999). Releases "
  "4.05 to 4.08 report version numbers that compare like 4.5 to 4.8: if yours is one of them, "
  "install Communicator 4.7 or later.", exe="NETSCAPE.EXE", alt="Netscape Navigator")
P("netscape", 1, "Netscape Communicator", "6", N, "Netscape 6 or later: " + AFTER_2000,
  alt="Netscape Navigator")
P("netscape", 3, "Netscape Enterprise Server", "3", "3",
  "Enterprise Server 3.x: upgrade to Enterprise Server 3.6 or later from home.netscape.com. "
  "(Status of December 1999.)")
P("mozilla", 1, "Firefox", N, N, "Firefox: " + AFTER_2000, exe="firefox.exe",
  alt="Mozilla Firefox")
P("mozilla", 1, "Thunderbird", N, N, "Thunderbird: " + AFTER_2000, exe="thunderbird.exe",
  alt="Mozilla Thunderbird")
P("mozilla", 1, "Mozilla SeaMonkey", N, N, "Mozilla suite and SeaMonkey: " + AFTER_2000)
P("google", 1, "Google Chrome", N, N, "Google Chrome: " + AFTER_2000, exe="chrome.exe")
P("google", 1, "Google Drive", N, N, "Google Drive: " + AFTER_2000)
P("google", 1, "Google Earth", N, N, "Google Earth: " + AFTER_2000)
P("qualcomm", 4, "Eudora Light", "1", "2",
  "Eudora Light 1.x/2.x: upgrade to Eudora Light 3.0.6 or Eudora Pro 4.2, from www.eudora.com.",
  exe="EUDORA.EXE")
P("qualcomm", 1, "Eudora Light", "3.0.6", "3.9",
  "Eudora Light 3.0.6 or later: compliant. (Status of December 1999.)", exe="EUDORA.EXE")
P("qualcomm", 3, "Eudora Pro", "3", "3",
  "Eudora Pro 3.x: upgrade to Eudora Pro 4.2 or later from www.eudora.com.", exe="EUDORA.EXE")
P("qualcomm", 1, "Eudora Pro", "4.2", "4.99",
  "Eudora Pro 4.2 or later: compliant. (Status of December 1999.)", exe="EUDORA.EXE",
  alt="Eudora")
P("qualcomm", 1, "Eudora", "5", N, "Eudora 5 or later: " + AFTER_2000, exe="EUDORA.EXE")
P("aol", 3, "America Online", "2", "3",
  "AOL 2.5/3.0: upgrade to AOL 4.0 or 5.0, free on request from AOL (keyword: Upgrade) or "
  "www.aol.com.", exe="WAOL.EXE", alt="AOL")
P("aol", 1, "America Online", "4", N, "AOL 4.0 or later: compliant.", exe="AOL.EXE", alt="AOL")
P("aol", 1, "AOL Instant Messenger", N, N, "AOL Instant Messenger: compliant.", exe="AIM.EXE")
P("real", 3, "RealPlayer", "4", "5",
  "RealPlayer 4.0/5.0: upgrade to RealPlayer G2 or later, free from www.real.com.",
  exe="RAPLAYER.EXE")
P("real", 1, "RealPlayer", "6", N, "RealPlayer G2 (6.0) or later: compliant.",
  exe="REALPLAY.EXE", alt="RealPlayer G2")
P("real", 1, "RealJukebox", N, N, "RealJukebox: compliant.")
P("progressive", 4, "RealAudio Player", N, N,
  "RealAudio Player (Progressive Networks): no longer supported; install RealPlayer G2 or later "
  "from www.real.com.", exe="RAPLAYER.EXE", alt="RealPlayer")
P("ipswitch", 3, "WS_FTP", "4", "4",
  "WS_FTP 4.x: upgrade to WS_FTP Pro 6.0 or later from www.ipswitch.com.", exe="WS_FTP95.EXE")
P("ipswitch", 1, "WS_FTP Pro", "5", N, "WS_FTP Pro 5.0 or later: compliant.",
  exe="WS_FTP95.EXE", alt="WS_FTP")
P("ipswitch", 1, "IMail Server", "5", N, "IMail Server 5.0 or later: compliant.")
P("hilgraeve", 1, "HyperTerminal Private Edition", N, N,
  "HyperTerminal Private Edition: compliant; the HyperTerminal shipped with Windows is covered "
  "by the Windows record.", alt="HyperTerminal")
P("apple", 3, "QuickTime", "2", "2",
  "QuickTime 2.x for Windows: upgrade to QuickTime 4 or later, free from www.apple.com/quicktime.",
  alt="QuickTime for Windows")
P("apple", 1, "QuickTime", "3", N, "QuickTime 3 or later: compliant.",
  exe="QuickTimePlayer.exe", alt="QuickTime Player")
P("apple", 1, "iTunes", N, N, "iTunes: " + AFTER_2000, exe="iTunes.exe")

# ----------------------------------------------------------------------------------------------
# Office suites and desktop programs of other vendors.
P("corel", 4, "WordPerfect", "5", "6.0",
  "WordPerfect 5.x/6.0 for Windows: upgrade to WordPerfect 8 or WordPerfect Office 2000.",
  exe="WPWIN.EXE", alt="WordPerfect for Windows")
P("corel", 3, "WordPerfect", "6.1", "7",
  "WordPerfect 6.1/7: install the latest interim release from www.corel.com and use four-digit "
  "years, or upgrade to WordPerfect 8 or 9. (Status of December 1999.)",
  exe="WPWIN7.EXE", alt="Corel WordPerfect")
P("corel", 1, "WordPerfect", "8", "9",
  "WordPerfect 8/9: compliant with the current service pack (www.corel.com).",
  alt="Corel WordPerfect")
P("corel", 1, "WordPerfect", "10", N, "WordPerfect 10 or later: " + AFTER_2000,
  alt="Corel WordPerfect")
P("corel", 3, "Quattro Pro", "6", "7",
  "Quattro Pro 6/7: type four-digit years; install the latest interim release or upgrade to "
  "Quattro Pro 8 or later.", alt="Corel Quattro Pro")
P("corel", 1, "Quattro Pro", "8", N, "Quattro Pro 8 or later: compliant.", exe="QPW.EXE",
  alt="Corel Quattro Pro")
P("corel", 3, "CorelDRAW", "5", "6",
  "CorelDRAW 5/6: upgrade to CorelDRAW 8 or 9; the drawing data itself is not date-bound.",
  alt="Corel DRAW")
P("corel", 1, "CorelDRAW", "7", N, "CorelDRAW 7 or later: compliant.", exe="CORELDRW.EXE",
  alt="Corel DRAW")
P("corel", 1, "Paradox", "8", N, "Paradox 8 or later: compliant; use four-digit years in "
  "date fields.", exe="PDXWIN32.EXE", alt="Corel Paradox")
P("corel", 3, "Corel Paradox", "5", "7",
  "Paradox 5-7: install the latest interim release and use four-digit years, or upgrade to "
  "Paradox 9.", alt="Paradox")
P("lotus", 4, "Lotus 1-2-3", "1", "4",
  "1-2-3 Release 4 and earlier: upgrade to 1-2-3 Millennium Edition. (Status of December "
  "1999.)", exe="123W.EXE", alt="1-2-3")
P("lotus", 3, "Lotus 1-2-3", "5", "5",
  "1-2-3 Release 5: install the Year 2000 fix from www.lotus.com and type four-digit years, or "
  "upgrade to 1-2-3 Millennium Edition.", exe="123W.EXE", alt="1-2-3")
P("lotus", 1, "Lotus 1-2-3", "9", "9", "1-2-3 Millennium Edition: compliant.", exe="123W.EXE",
  alt="1-2-3")
P("lotus", 3, "Lotus 1-2-3", "96", "97",
  "1-2-3 96/97: install the SmartSuite 97 Year 2000 fix pack from www.lotus.com, or upgrade to "
  "1-2-3 Millennium Edition.", exe="123W.EXE", alt="1-2-3")
P("lotus", 3, "Lotus SmartSuite", "96", "97",
  "SmartSuite 96/97: install the SmartSuite Year 2000 fix pack from www.lotus.com, or upgrade "
  "to SmartSuite Millennium Edition.", alt="SmartSuite")
P("lotus", 1, "Lotus SmartSuite Millennium Edition", N, N,
  "SmartSuite Millennium Edition: compliant.", alt="SmartSuite Millennium")
P("lotus", 3, "Lotus Word Pro", "96", "97",
  "Word Pro 96/97: install the SmartSuite 97 fix pack, or upgrade to Word Pro Millennium "
  "Edition.", exe="WORDPRO.EXE", alt="Word Pro")
P("lotus", 1, "Lotus Word Pro", "9", "9", "Word Pro Millennium Edition: compliant.",
  exe="WORDPRO.EXE", alt="Word Pro")
P("lotus", 4, "Lotus Notes", "1", "3",
  "Notes 3.x and earlier: upgrade to Notes R5 or the current R4.6 maintenance release.",
  exe="NOTES.EXE", alt="Notes")
P("lotus", 3, "Lotus Notes", "4", "4",
  "Notes R4: install the current R4.6 maintenance release from www.lotus.com, or move to R5. "
  "(Status of December 1999.)", exe="NOTES.EXE", alt="Notes")
P("lotus", 1, "Lotus Notes", "5", N, "Notes R5 or later: compliant.", exe="NOTES.EXE",
  alt="Notes")
P("lotus", 3, "Lotus Organizer", N, N,
  "Organizer: install the current release (Organizer Millennium Edition) from www.lotus.com; "
  "earlier releases need Lotus's Year 2000 fix.", exe="ORG.EXE", alt="Organizer")
P("lotus", 3, "Lotus Approach", "96", "97",
  "Approach 96/97: install the SmartSuite 97 fix pack and use four-digit years.",
  alt="Approach")
P("lotus", 3, "Lotus Freelance Graphics", "96", "97",
  "Freelance Graphics 96/97: install the SmartSuite 97 fix pack, or upgrade to the Millennium "
  "Edition.", alt="Freelance Graphics")
P("lotus", 2, "Lotus cc:Mail", N, N,
  "cc:Mail: Lotus's statement depends on the release and the post office; check "
  "www.lotus.com and plan a move to Notes.", alt="cc:Mail")
P("adobe", 4, "Adobe Acrobat Reader", "1", "2",
  "Acrobat Reader 1.x/2.x: install Acrobat Reader 4.0, free from www.adobe.com.",
  alt="Acrobat Reader")
P("adobe", 1, "Adobe Acrobat Reader", "3", N,
  "Acrobat Reader 3.0 or later (Adobe Reader from version 6): compliant.",
  exe="ACRORD32.EXE", alt="Adobe Reader")
P("adobe", 1, "Adobe Acrobat", "3", N, "Acrobat 3.0 or later: compliant.", exe="ACROBAT.EXE",
  alt="Acrobat Exchange")
P("adobe", 1, "Adobe Photoshop", "3", N, "Photoshop 3.0 or later: compliant; image files "
  "carry no critical dates.", exe="PHOTOSHP.EXE", alt="Photoshop")
P("adobe", 1, "Adobe Illustrator", "6", N, "Illustrator 6.0 or later: compliant.",
  exe="ILLUSTRATOR.EXE", alt="Illustrator")
P("adobe", 1, "Adobe PageMaker", "6", N, "PageMaker 6.0 or later: compliant.", exe="PM65.EXE",
  alt="PageMaker")
P("adobe", 5, "Adobe PageMaker", "5", "5",
  "PageMaker 5.0: compliant with minor issues (date stamps in publications); upgrade to 6.5 "
  "if dates are printed from it.", alt="PageMaker")
P("adobe", 1, "Adobe FrameMaker", "5.5", N, "FrameMaker 5.5 or later: compliant.",
  alt="FrameMaker")
P("adobe", 1, "Adobe Premiere", "4", N, "Premiere 4.2 or later: compliant.", alt="Premiere")
P("adobe", 1, "Adobe Type Manager", "4", N, "Adobe Type Manager 4.0 or later: compliant.",
  alt="ATM")
P("adobe", 1, "Adobe Flash Player", N, N, "Flash Player (Adobe): " + AFTER_2000)
P("adobe", 1, "Adobe Creative Cloud", N, N, "Creative Cloud programs: " + AFTER_2000)
P("macromedia", 1, "Dreamweaver", "2", N, "Dreamweaver 2 or later: compliant.",
  alt="Macromedia Dreamweaver")
P("macromedia", 1, "Flash", "3", N, "Flash 3 or later: compliant.", alt="Macromedia Flash")
P("macromedia", 1, "Shockwave", N, N, "Shockwave and Flash players: compliant; install the "
  "current player from www.macromedia.com.", alt="Shockwave Flash")
P("macromedia", 1, "Director", "6", N, "Director 6 or later: compliant.",
  alt="Macromedia Director")
P("macromedia", 3, "FreeHand", "5", "7",
  "FreeHand 5-7: upgrade to FreeHand 8 or later from www.macromedia.com.",
  alt="Macromedia FreeHand")
P("macromedia", 1, "FreeHand", "8", N, "FreeHand 8 or later: compliant.",
  alt="Macromedia FreeHand")
P("allaire", 3, "ColdFusion", "3", "3",
  "ColdFusion 3.x: upgrade to ColdFusion 4.0.1 or later; check date functions in your "
  "templates.", alt="ColdFusion Server")
P("allaire", 1, "ColdFusion", "4", N, "ColdFusion 4 or later: compliant.",
  alt="ColdFusion Server")
P("allaire", 1, "HomeSite", "3", N, "HomeSite 3 or later: compliant.", exe="HOMESITE.EXE",
  alt="Allaire HomeSite")
P("visio", 1, "Visio", "4", N, "Visio 4.0 or later: compliant; use four-digit years in "
  "date fields of shapes.", exe="VISIO32.EXE", alt="Visio Professional")
P("visio", 4, "Visio", "1", "3", "Visio 3.0 and earlier: upgrade to Visio 2000.",
  alt="Visio Standard")
P("micrografx", 1, "Micrografx Designer", "7", N, "Designer 7 or later: compliant.",
  alt="Designer")
P("micrografx", 1, "Micrografx Picture Publisher", "7", N,
  "Picture Publisher 7 or later: compliant.", alt="Picture Publisher")
P("micrografx", 1, "Micrografx ABC FlowCharter", "7", N, "ABC FlowCharter 7 or later: "
  "compliant.", alt="ABC FlowCharter")
P("quark", 1, "QuarkXPress", "4", N, "QuarkXPress 4.0 or later: compliant.",
  exe="QXP32.EXE", alt="QuarkXPress Passport")
P("quark", 5, "QuarkXPress", "3", "3",
  "QuarkXPress 3.3x: compliant with minor issues; upgrade to 4.0x if documents carry dates.")
P("jasc", 1, "Paint Shop Pro", "4", N, "Paint Shop Pro 4 or later: compliant.",
  exe="PSP.EXE")
P("filemaker", 3, "FileMaker Pro", "3", "3",
  "FileMaker Pro 3.0: upgrade to FileMaker Pro 4.1 or later (www.filemaker.com) and use "
  "four-digit years.", exe="FMPRO.EXE")
P("filemaker", 1, "FileMaker Pro", "4", N, "FileMaker Pro 4.0 or later: compliant; use "
  "four-digit years.", exe="FMPRO.EXE")
P("ibm", 3, "ViaVoice", "1", "1", "ViaVoice 1.x: upgrade to ViaVoice 98 or later.")
P("ibm", 1, "ViaVoice", "4", N, "ViaVoice 98 or later: compliant.")
P("ibm", 3, "IBM Personal Communications", "4.0", "4.1",
  "Personal Communications 4.0/4.1: install the current CSD or upgrade to 4.3.",
  alt="Personal Communications")
P("ibm", 1, "IBM Personal Communications", "4.2", N, "Personal Communications 4.2 or "
  "later: compliant.", alt="Personal Communications")
P("ibm", 1, "IBM DB2 Universal Database", "5", N, "DB2 UDB 5.0 or later: compliant; "
  "install the current FixPak.", alt="DB2")
P("ibm", 3, "IBM OS/2 Warp", "3", "4",
  "OS/2 Warp 3/4: install the current FixPak from www.ibm.com/year2000.", alt="OS/2")

# ----------------------------------------------------------------------------------------------
# Utilities: virus scanners, disk tools, compression, backup, remote control.
P("symantec", 4, "Norton AntiVirus", "1", "2",
  "Norton AntiVirus 1.x/2.x: virus definitions are no longer issued for these versions; "
  "upgrade to Norton AntiVirus 2000.", exe="NAVW32.EXE")
P("symantec", 3, "Norton AntiVirus", "4", "5",
  "Norton AntiVirus 4.0/5.0: run LiveUpdate to install the current program updates, or "
  "upgrade to Norton AntiVirus 2000. (Status of December 1999.)", exe="NAVW32.EXE")
P("symantec", 1, "Norton AntiVirus", "6", N,
  "Norton AntiVirus 2000 (6.0) or later: compliant; run LiveUpdate regularly.",
  exe="NAVW32.EXE")
P("symantec", 3, "Norton Utilities", "2", "3",
  "Norton Utilities 2.0/3.0 for Windows 95: run LiveUpdate, or upgrade to Norton Utilities "
  "2000. Disk repair tools of this age do not know later file systems either.",
  exe="NORTON.EXE")
P("symantec", 1, "Norton Utilities", "4", N, "Norton Utilities 4.0 or later: compliant; run "
  "LiveUpdate.", exe="NORTON.EXE")
P("symantec", 3, "Norton SystemWorks", "1", "1",
  "Norton SystemWorks 1.0: run LiveUpdate to install the updates, or upgrade to SystemWorks "
  "2000.")
P("symantec", 1, "Norton SystemWorks", "2", N, "Norton SystemWorks 2.0 or later: compliant.")
P("symantec", 3, "Norton CleanSweep", N, N,
  "CleanSweep: run LiveUpdate to install the current release (CleanSweep 2000).")
P("symantec", 3, "Norton Commander", N, N,
  "Norton Commander: type four-digit years where dates are entered; no further updates are "
  "made. Consider a current file manager.")
P("symantec", 3, "pcANYWHERE", "7", "8",
  "pcANYWHERE 7.x/8.x: install the latest maintenance release via LiveUpdate, or upgrade to "
  "pcANYWHERE 9.", exe="AWHOST32.EXE", alt="pcANYWHERE32")
P("symantec", 1, "pcANYWHERE", "9", N, "pcANYWHERE 9 or later: compliant.",
  alt="pcANYWHERE32")
P("symantec", 3, "WinFax PRO", "7", "8",
  "WinFax PRO 7/8: install the latest maintenance release via LiveUpdate (www.symantec.com), "
  "or upgrade to WinFax PRO 9 or later.", alt="WinFax")
P("symantec", 1, "WinFax PRO", "9", N, "WinFax PRO 9 or later: compliant.", alt="WinFax")
P("symantec", 3, "ACT!", "2", "3",
  "ACT! 2.0/3.0: upgrade to ACT! 4.0 or 2000 and use four-digit years.", exe="ACTWIN.EXE")
P("symantec", 1, "ACT!", "4", N, "ACT! 4.0 or later: compliant.", exe="ACTWIN2.EXE")
P("symantec", 1, "Norton Ghost", "5", N, "Norton Ghost 5 or later: compliant.",
  exe="GHOST.EXE", alt="Ghost")
P("symantec", 5, "Symantec C++", "7", "7",
  "Symantec C++ 7.x: compliant with minor issues, no further releases; move to a current "
  "compiler. Review your own programs' date handling separately.")
P("symantec", 5, "Visual Cafe", "2", "3",
  "Visual Cafe 2/3: compliant with minor issues; install the latest update from "
  "www.symantec.com.", alt="Visual Cafe for Java")
P("nai", 3, "McAfee VirusScan", "3", "3",
  "VirusScan 3.x: upgrade to VirusScan 4.x (www.nai.com); older engines will not "
  "receive new virus definitions. (Status of December 1999.)", exe="SCAN32.EXE",
  alt="VirusScan")
P("nai", 1, "McAfee VirusScan", "4", N, "VirusScan 4.0 or later: compliant; keep the virus "
  "definitions current.", exe="SCAN32.EXE", alt="VirusScan")
P("nai", 1, "PGP", "6", N, "PGP 6.0 or later: compliant.", alt="PGP Desktop")
P("nai", 1, "Sniffer", N, N, "Sniffer Pro: compliant in the current release.",
  alt="Sniffer Pro")
P("nai", 1, "McAfee Nuts & Bolts", N, N, "Nuts & Bolts 98 or later: compliant.",
  alt="Nuts & Bolts")
P("mcafee", 3, "VirusScan", N, N,
  "VirusScan by McAfee Associates (before 1998): upgrade to Network Associates VirusScan 4.x; "
  " the old engine receives no new definitions.", exe="SCAN32.EXE",
  alt="McAfee VirusScan")
P("mcafee", 2, "WebScan", N, N, "Older McAfee utility: no Year 2000 statement; upgrade or "
  "remove it.")
P("trend", 1, "PC-cillin", "6", N, "PC-cillin 6 or later: compliant.", alt="PC-cillin 2000")
P("trend", 1, "OfficeScan", N, N, "OfficeScan: compliant in the current release.")
P("ca", 3, "InoculateIT", "4", "4",
  "InoculateIT 4.x: install the current maintenance release from www.cai.com.")
P("ca", 3, "ARCserve", "6", "6",
  "ARCserve 6.x: install the current patches or upgrade to ARCserveIT 6.6 (www.cai.com).",
  alt="ARCserveIT")
P("ca", 1, "ARCserve", "7", N, "ARCserve 7 or later: compliant.", alt="BrightStor ARCserve")
P("ca", 3, "Cheyenne AntiVirus", N, N,
  "Cheyenne AntiVirus: replaced by InoculateIT; upgrade to the current release.",
  alt="Cheyenne InocuLAN")
P("quarterdeck", 4, "QEMM", "7", "8",
  "QEMM 7/8: not updated for later systems; remove it or upgrade to QEMM 97.", alt="QEMM-386")
P("quarterdeck", 1, "QEMM", "9", N, "QEMM 97 (9.0): compliant.", alt="QEMM 97")
P("quarterdeck", 3, "CleanSweep", "3", "3",
  "CleanSweep 3.x: upgrade to Norton CleanSweep 2000 (Symantec took over CleanSweep).",
  alt="Quarterdeck CleanSweep")
P("quarterdeck", 3, "WebCompass", N, N, "WebCompass: no further releases; upgrade or remove.")
P("cybermedia", 3, "First Aid", "97", "98",
  "First Aid 97/98: install the current update, or upgrade to First Aid 2000.",
  alt="First Aid 97")
P("cybermedia", 1, "First Aid", "2000", N, "First Aid 2000: compliant.",
  alt="First Aid 2000")
P("cybermedia", 3, "Oil Change", N, N, "Oil Change: run its own update to the current "
  "release.")
P("nicomak", 1, "WinZip", "6", N,
  "WinZip 6.0 or later: compliant; archive dates after 1999 are stored and shown correctly. "
  "Version 7.0 is current (December 1999).", exe="WINZIP32.EXE")
P("nicomak", 3, "WinZip", "5", "5",
  "WinZip 5.x: upgrade to WinZip 7.0 (www.winzip.com).", exe="WINZIP.EXE")
P("pkware", 1, "PKZIP for Windows", "2.5", N, "PKZIP for Windows 2.5 or later: compliant.",
  alt="PKZIP")
P("pkware", 1, "PKZIP", "2.04", "2.50",
  "PKZIP 2.04g/2.50 (DOS): compliant; ZIP file dates run to 2107.", alt="PKUNZIP")
P("powerquest", 1, "PartitionMagic", "4", N, "PartitionMagic 4.0 or later: compliant.",
  exe="PQMAGIC.EXE")
P("powerquest", 3, "PartitionMagic", "3", "3",
  "PartitionMagic 3.x: upgrade to PartitionMagic 4.0 or later.", exe="PQMAGIC.EXE")
P("powerquest", 1, "Drive Image", "2", N, "Drive Image 2.0 or later: compliant.",
  exe="PQDI.EXE")
P("ontrack", 1, "EasyRecovery", N, N, "EasyRecovery: compliant.")
P("ontrack", 3, "Disk Manager", N, N,
  "Disk Manager (Ontrack): install the current release from www.ontrack.com; older releases "
  "may not hold the date of large drives correctly.", alt="DiskManager")
P("touchstone", 2, "CheckIt", N, N,
  "CheckIt: Touchstone's statement depends on the release; CheckIt 98 and later include their "
  "own clock test. Upgrade older releases and see the BIOS Check help topic.",
  alt="CheckIt 98 Diagnostics")
P("touchstone", 3, "WINCheckIt", N, N, "WINCheckIt: upgrade to the current release.")
P("travsoft", 3, "LapLink", "7", "7",
  "LapLink 7 for Windows 95: upgrade to LapLink Professional or LapLink 2000.",
  alt="LapLink for Windows 95")
P("travsoft", 1, "LapLink", "8", N, "LapLink Professional or later: compliant.",
  alt="LapLink Professional")
P("seagate", 3, "Backup Exec", "6", "7",
  "Backup Exec 6.x/7.x: install the latest service pack from www.seagatesoftware.com. "
  "(Status of December 1999.)", alt="Seagate Backup Exec")
P("seagate", 3, "Crystal Reports", "5", "6",
  "Crystal Reports 5/6: install the latest maintenance release from www.seagatesoftware.com "
  "and use four-digit years in formulas, or upgrade to 7.", alt="Seagate Crystal Reports")
P("seagate", 1, "Crystal Reports", "7", N, "Crystal Reports 7 or later: compliant.",
  alt="Seagate Crystal Reports")
P("veritas", 1, "Backup Exec", "8", N, "Backup Exec 8 or later: compliant.",
  alt="VERITAS Backup Exec")
P("veritas", 1, "NetBackup", "3.2", N, "NetBackup 3.2 or later: compliant.")
P("iomega", 1, "Iomega Tools", N, N, "Iomega Tools and Zip drivers: compliant in the current "
  "release (www.iomega.com).", alt="IomegaWare")
P("iomega", 3, "1-Step Backup", N, N, "1-Step Backup: install the current IomegaWare from "
  "www.iomega.com.")
P("adaptec", 3, "Easy CD Creator", "3", "3",
  "Easy CD Creator 3.x: upgrade to Easy CD Creator 4 (www.adaptec.com).", alt="Easy-CD Pro")
P("adaptec", 1, "Easy CD Creator", "4", N, "Easy CD Creator 4 or later: compliant.")
P("adaptec", 1, "DirectCD", "2", N, "DirectCD 2.0 or later: compliant.", exe="DIRECTCD.EXE")
P("adaptec", 1, "EZ-SCSI", "5", N, "EZ-SCSI 5 or later: compliant.")
P("citrix", 3, "WinFrame", N, N,
  "WinFrame 1.6/1.7: install the current service pack and Windows NT 3.51 fixes, or move to "
  "MetaFrame.")
P("citrix", 1, "MetaFrame", N, N, "MetaFrame: compliant.", alt="Citrix ICA Client")

# ----------------------------------------------------------------------------------------------
# Compilers, development tools and databases.
P("borland", 5, "Borland C++", "4", "5",
  "Borland C++ 4.x/5.x: compliant with minor issues; install the 5.02 patches from "
  "www.borland.com or move to C++Builder. Review your own programs' date handling.",
  exe="BCW.EXE")
P("borland", 5, "Delphi", "1", "2",
  "Delphi 1/2: compliant with minor issues; two-digit years in StrToDate are read in the "
  "current century. Move to Delphi 4 or 5 (TwoDigitYearCenturyWindow).", exe="DELPHI32.EXE")
P("borland", 3, "Delphi", "3", "3",
  "Delphi 3: install the Delphi 3.02 update from www.borland.com, or move to Delphi 5.",
  exe="DELPHI32.EXE")
P("borland", 1, "Delphi", "4", N, "Delphi 4 or later: compliant with the current update "
  "pack; set TwoDigitYearCenturyWindow in your own programs.", exe="DELPHI32.EXE")
P("borland", 3, "C++Builder", "1", "3",
  "C++Builder 1/3: install the latest patch from www.borland.com, or move to C++Builder 4.",
  exe="BCB.EXE")
P("borland", 1, "C++Builder", "4", N, "C++Builder 4 or later: compliant.", exe="BCB.EXE")
P("borland", 4, "Turbo Pascal", N, N,
  "Turbo Pascal: no longer developed or updated; GetDate works with four-digit years, but "
  "review your own programs' date handling or move them to Delphi.")
P("borland", 3, "Paradox", "5", "7",
  "Paradox 5-7 (Borland): install the latest interim release and use four-digit years, or "
  "upgrade to Corel Paradox 9.", alt="Paradox for Windows")
P("borland", 3, "Quattro Pro", "5", "6",
  "Quattro Pro 5/6 (Borland): upgrade to Corel Quattro Pro 8 or later.")
P("borland", 3, "Borland Database Engine", "4", "5.0",
  "Borland Database Engine 4.x/5.0: install BDE 5.01 or later from www.borland.com.",
  alt="BDE")
P("borland", 1, "Borland Database Engine", "5.01", N, "BDE 5.01 or later: compliant.",
  alt="BDE")
P("borland", 1, "JBuilder", "2", N, "JBuilder 2 or later: compliant.")
P("inprise", 1, "Delphi", "5", N, "Delphi 5 or later: compliant.", exe="DELPHI32.EXE")
P("inprise", 1, "C++Builder", "4", N, "C++Builder 4 or later: compliant.", exe="BCB.EXE")
P("inprise", 1, "JBuilder", "3", N, "JBuilder 3 or later: compliant.")
P("inprise", 1, "VisiBroker", "3.3", N, "VisiBroker 3.3 or later: compliant.")
P("inprise", 3, "InterBase", "4", "5.1",
  "InterBase 4.x-5.1: install the current 5.x update, and use four-digit years in dialect 1 "
  "date literals.")
P("inprise", 1, "InterBase", "5.5", N, "InterBase 5.5 or later: compliant.")
P("fsf", 1, "GNU C Compiler", "2.95", N,
  "GCC 2.95 or later: the compiler has no date logic of its own; review your own programs' "
  "date handling.", exe="gcc.exe", alt="gcc")
P("fsf", 1, "GNU Emacs", "20", N, "GNU Emacs 20 or later: compliant.", exe="emacs.exe",
  alt="Emacs")
P("fsf", 1, "GNU Binutils", N, N, "GNU Binutils: no date logic that the year 2000 affects.",
  alt="binutils")
P("fsf", 1, "GNU Make", N, N, "GNU Make: compares file times as numbers; compliant.",
  exe="make.exe")
P("fsf", 1, "GNU tar", "1.12", N, "GNU tar 1.12 or later: compliant.", exe="tar.exe")
P("sun", 1, "Java 2 Platform Standard Edition", "1.2", N,
  "Java 2 (JDK/JRE 1.2) or later: compliant.", exe="java.exe",
  alt="Java(TM) 2 Platform Standard Edition")
P("sun", 3, "Java Development Kit", "1.0", "1.1.5",
  "JDK/JRE 1.0-1.1.5: Sun recommends JDK 1.1.8 or later, or Java 2, from java.sun.com.",
  exe="java.exe", alt="Java Runtime Environment")
P("sun", 1, "Java Development Kit", "1.1.6", "1.1.9",
  "JDK/JRE 1.1.6 or later: compliant; 1.1.8 is recommended.", exe="java.exe",
  alt="Java Runtime Environment")
P("sun", 1, "StarOffice", "5", N, "StarOffice 5 or later: compliant.", exe="soffice.exe")
P("sun", 1, "Java Platform SE", N, N, "Java SE: " + AFTER_2000,
  alt="Java Platform SE binary")
P("sybase", 3, "PowerBuilder", "4", "5",
  "PowerBuilder 4/5: install the latest maintenance release, or move to PowerBuilder 6.5 or 7; "
  "check DateTime handling in your own programs.")
P("sybase", 1, "PowerBuilder", "6", N, "PowerBuilder 6 or later: compliant.")
P("sybase", 3, "SQL Anywhere", "5", "5",
  "SQL Anywhere 5.x: install the latest EBF from www.sybase.com, or upgrade to Adaptive Server "
  "Anywhere 6.", alt="Watcom SQL")
P("sybase", 1, "Adaptive Server Anywhere", "6", N, "Adaptive Server Anywhere 6 or later: "
  "compliant.")
P("sybase", 5, "Watcom C/C++", "10", "11",
  "Watcom C/C++ 10.x/11.0: compliant with minor issues; no further releases. Review your own "
  "programs' date handling.", alt="Watcom C")
P("oracle", 3, "Oracle7", "7.0", "7.2",
  "Oracle7 7.0-7.2: upgrade to 7.3.4 or Oracle8 (www.oracle.com/year2000).")
P("oracle", 1, "Oracle7", "7.3", "7.3", "Oracle 7.3.x: compliant at 7.3.4 with the current "
  "patch set.")
P("oracle", 1, "Oracle8", "8", N, "Oracle8 and Oracle8i: compliant; install the current patch "
  "set.", alt="Oracle8i")
P("oracle", 1, "SQL*Plus", "8", N, "SQL*Plus 8 or later: compliant.")
P("oracle", 3, "SQL*Net", "2", "2",
  "SQL*Net 2.x: move to Net8 with the Oracle8 client.")
P("oracle", 3, "Developer/2000", "1", "1",
  "Developer/2000 1.x: install the current patch set, or upgrade to Developer 6.")
P("microfocus", 3, "Micro Focus COBOL", "3", "3",
  "Micro Focus COBOL 3.x: upgrade to Object COBOL 4.0 or NetExpress; check date fields in "
  "your own programs.", alt="COBOL")
P("microfocus", 1, "NetExpress", "3", N, "NetExpress 3 or later: compliant.")
P("rational", 1, "Rational Rose", "98", N, "Rose 98 or later: compliant.", alt="Rose")
P("rational", 3, "Rational Rose", "4", "4",
  "Rose 4.0: upgrade to Rose 98i or later.", alt="Rose")
P("rational", 1, "ClearCase", "3.2", N, "ClearCase 3.2 or later: compliant.")
P("rational", 1, "Purify", "5", N, "Purify 5 or later: compliant.")
P("progress", 3, "Progress", "7", "8",
  "Progress 7/8: install the latest maintenance release from www.progress.com or upgrade to "
  "Progress 9, and use four-digit year formats in your own programs.")
P("progress", 1, "Progress", "9", N, "Progress 9 or later: compliant.")
P("pervasive", 3, "Btrieve", "5", "6.14",
  "Btrieve 5.x/6.x: upgrade to Pervasive.SQL 7 (www.pervasive.com) and check how your own "
  "applications store dates.")
P("pervasive", 1, "Pervasive.SQL", "7", N, "Pervasive.SQL 7 or later: compliant.")
P("mathworks", 3, "MATLAB", "4", "5.2",
  "MATLAB 4.x-5.2: install the Year 2000 update (datenum, datestr) from www.mathworks.com, or "
  "upgrade to 5.3.")
P("mathworks", 1, "MATLAB", "5.3", N, "MATLAB 5.3 or later: compliant.")
P("wolfram", 1, "Mathematica", "3", N, "Mathematica 3 or later: compliant.")
P("wolfram", 5, "Mathematica", "2", "2",
  "Mathematica 2.x: compliant with minor issues in Date functions; upgrade to 3 or later.")
P("mathsoft", 1, "Mathcad", "7", N, "Mathcad 7 or later: compliant.")
P("mathsoft", 3, "Mathcad", "5", "6",
  "Mathcad 5/6: upgrade to Mathcad 7 or 2000.")
P("mathsoft", 1, "S-PLUS", "4", N, "S-PLUS 4 or later: compliant.")
P("spss", 3, "SPSS for Windows", "6", "7",
  "SPSS 6.x/7.x: set the century range for two-digit years in the Options dialog and use "
  "four-digit years, or upgrade to SPSS 9 or 10.", alt="SPSS")
P("spss", 1, "SPSS for Windows", "8", N, "SPSS 8 or later: compliant; check the century "
  "range for two-digit years.", alt="SPSS")
P("spss", 1, "SYSTAT", "8", N, "SYSTAT 8 or later: compliant.")
P("sas", 3, "SAS", "6.09", "6.11",
  "SAS 6.09-6.11: install the Year 2000 maintenance and set the YEARCUTOFF option, or upgrade "
  "to 6.12.", alt="The SAS System")
P("sas", 1, "SAS", "6.12", N, "SAS 6.12 or later: compliant; check YEARCUTOFF.",
  alt="The SAS System")
P("autodesk", 1, "AutoCAD", "14", N, "AutoCAD Release 14 or later: compliant.",
  exe="ACAD.EXE", alt="AutoCAD 2000")
P("autodesk", 3, "AutoCAD", "13", "13",
  "AutoCAD Release 13: install the latest update from www.autodesk.com, or upgrade to AutoCAD "
  "2000.", exe="ACAD.EXE")
P("autodesk", 4, "AutoCAD", "1", "12",
  "AutoCAD Release 12 and earlier: Autodesk does not update them; upgrade to AutoCAD 2000.",
  exe="ACAD.EXE")
P("autodesk", 1, "AutoCAD LT", "97", N, "AutoCAD LT 97 or later: compliant.")
P("autodesk", 1, "3D Studio MAX", "2", N, "3D Studio MAX 2 or later: compliant.",
  alt="3D Studio VIZ")
P("primavera", 3, "Primavera Project Planner", "2", "2",
  "P3 2.0: upgrade to P3 3.0 or later (www.primavera.com).", alt="P3")
P("primavera", 1, "Primavera Project Planner", "3", N, "P3 3.0 or later: compliant.",
  alt="P3")
P("primavera", 1, "SureTrak Project Manager", "2.0", N,
  "SureTrak 2.0 or later: compliant.", alt="SureTrak")

# ----------------------------------------------------------------------------------------------
# Finance and business programs.
P("intuit", 4, "Quicken", "1", "4",
  "Quicken 4 and earlier: Intuit does not update them for the year 2000; upgrade to Quicken "
  "2000 and convert your data file.", exe="QW.EXE")
P("intuit", 3, "Quicken", "5", "7",
  "Quicken 5 to 98: look for the Year 2000 update for your version at www.intuit.com, or "
  "upgrade to Quicken 2000. Back up your data file first. (Status of December 1999.)",
  exe="QW.EXE")
P("intuit", 1, "Quicken", "8", N, "Quicken 99 or later: compliant.", exe="QW.EXE")
P("intuit", 3, "QuickBooks", "3", "5",
  "QuickBooks 3-5: look for the Year 2000 update for your version at www.intuit.com, or "
  "upgrade to QuickBooks 2000. Back up the company file first.", exe="QBW32.EXE")
P("intuit", 1, "QuickBooks", "6", N, "QuickBooks 99 or later: compliant.", exe="QBW32.EXE")
P("intuit", 3, "TurboTax", N, N,
  "TurboTax: each year's release handles its own tax year only; use the release for the year "
  "you file.")
P("peachtree", 3, "Peachtree Accounting", "3", "5",
  "Peachtree Accounting 3.x-5.x for Windows: install the Year 2000 update or upgrade to "
  "Peachtree 2000 (www.peachtree.com). Back up the company data first.",
  alt="Peachtree Accounting for Windows")
P("peachtree", 1, "Peachtree Accounting", "6", N, "Peachtree 6.0 or later: compliant.",
  alt="Peachtree Complete Accounting")
P("goldmine", 3, "GoldMine", "3", "4.0",
  "GoldMine 3.x/4.0: install the latest 4.0 maintenance release from www.goldminesw.com.")
P("goldmine", 1, "GoldMine", "4.1", N, "GoldMine 4.1 or later (GoldMine 5): compliant.")

# Education, home and games.
P("broderbund", 1, "Print Shop", "5", N, "Print Shop 5 or later: compliant; calendars beyond "
  "1999 print correctly in the current release.", alt="The Print Shop")
P("broderbund", 3, "Print Shop", "1", "4",
  "Print Shop 4 and earlier: calendar projects after 1999 may not print correctly; upgrade to "
  "the current release.", alt="The Print Shop")
P("broderbund", 1, "Family Tree Maker", "5", N, "Family Tree Maker 5 or later: compliant.")
P("broderbund", 2, "Myst", N, N, "Myst: a game without date logic; no statement published.")
P("tlc", 3, "Reader Rabbit", N, N, "Reader Rabbit: older releases show the date wrongly in "
  "progress reports; install the current release.")
P("tlc", 1, "Calendar Creator", "5", N, "Calendar Creator 5 or later: compliant.")
P("tlc", 3, "Calendar Creator", "1", "4",
  "Calendar Creator 4 and earlier: upgrade to the current release to print calendars after "
  "1999.")
P("ea", 2, "SimCity 2000", N, N, "SimCity 2000: the game's calendar is its own; no statement "
  "published.", alt="SimCity")
P("ea", 2, "FIFA", N, N, "Game without dependence on the system date.")
P("sonic", 1, "Sound Forge", "4", N, "Sound Forge 4 or later: compliant.")
P("sonic", 1, "ACID", N, N, "ACID loop software: compliant.")

# Terminal and network programs.
P("wrq", 3, "Reflection", "5", "6",
  "Reflection 5/6: install the latest maintenance release from www.wrq.com, or upgrade to "
  "Reflection 7.", alt="Reflection for IBM")
P("wrq", 1, "Reflection", "7", N, "Reflection 7 or later: compliant.",
  alt="Reflection X")
P("hummingbird", 3, "Exceed", "5", "5",
  "Exceed 5: upgrade to Exceed 6.1 or later (www.hummingbird.com).")
P("hummingbird", 1, "Exceed", "6", N, "Exceed 6 or later: compliant.")
P("hummingbird", 1, "HostExplorer", "6", N, "HostExplorer 6 or later: compliant.")
P("netmanage", 3, "Chameleon", "4", "6",
  "Chameleon 4-6: install the latest maintenance release from www.netmanage.com, or upgrade to "
  "Chameleon 7.", alt="NetManage Chameleon")
P("netmanage", 1, "Chameleon", "7", N, "Chameleon 7 or later: compliant.")
P("netmanage", 1, "RUMBA", "6", N, "RUMBA 6 or later: compliant.")
P("attachmate", 3, "EXTRA!", "5", "6.1",
  "EXTRA! 5-6.1: upgrade to EXTRA! 6.2 or later (www.attachmate.com).",
  alt="EXTRA! Personal Client")
P("attachmate", 1, "EXTRA!", "6.2", N, "EXTRA! 6.2 or later: compliant.")
P("novell", 3, "NetWare", "3", "4.10",
  "NetWare 3.x/4.10: install the Year 2000 patches from support.novell.com, or upgrade to "
  "NetWare 4.11 or 5.")
P("novell", 3, "NetWare Client 32", "2", "2.20",
  "Novell Client 32 2.x: install the Novell Client 3.x for Windows 95/98 from www.novell.com.",
  alt="Novell Client for Windows 95")
P("novell", 1, "Novell Client", "3", N, "Novell Client 3.x or later: compliant.",
  alt="Novell NetWare Client")
P("novell", 3, "GroupWise", "4", "5.2",
  "GroupWise 4.x-5.2: install the latest support pack, or upgrade to GroupWise 5.5.")
P("novell", 1, "GroupWise", "5.5", N, "GroupWise 5.5 or later: compliant.")
P("3com", 1, "3Com EtherLink", N, N, "EtherLink drivers and diagnostics: no date logic; "
  "compliant.", alt="EtherLink III")
P("3com", 1, "Palm Desktop", "3", N, "Palm Desktop 3.0 or later: compliant; install the Palm "
  "Year 2000 update on Palm devices with PalmOS 2.x.", alt="HotSync Manager")
P("3com", 3, "Palm Desktop", "1", "2",
  "Palm Desktop 2.x: install Palm Desktop 3.0 or later from www.palm.com, and the Year 2000 "
  "update on the device.", alt="Pilot Desktop")

# Hardware makers: drivers and utilities.
P("creative", 1, "Sound Blaster", N, N, "Sound Blaster drivers and mixers: no date logic; "
  "compliant.", alt="Sound Blaster Live!")
P("creative", 1, "Creative PlayCenter", N, N, "PlayCenter: compliant.")
P("creative", 1, "Creative Launcher", N, N, "Creative Launcher and Sound Blaster utilities: "
  "compliant.", alt="AudioHQ")
P("ati", 1, "ATI Display Driver", N, N, "ATI display drivers: no date logic; compliant.",
  alt="ATI Radeon")
P("ati", 1, "ATI Player", N, N, "ATI Player and multimedia utilities: compliant.",
  alt="ATI Multimedia Center")
P("matrox", 1, "Matrox PowerDesk", N, N, "Matrox PowerDesk and display drivers: compliant.",
  alt="PowerDesk")
P("diamond", 1, "Diamond InControl Tools", N, N, "InControl Tools and display drivers: "
  "compliant.", alt="InControl Tools")
P("diamond", 1, "SupraExpress", N, N, "Supra modem utilities: compliant.")
P("s3", 1, "S3 Display Driver", N, N, "S3 display drivers: no date logic; compliant.",
  alt="S3 Refresh")
P("nvidia", 1, "NVIDIA Display Driver", N, N, "NVIDIA display drivers: " + AFTER_2000,
  alt="NVIDIA Control Panel")
P("logitech", 1, "MouseWare", N, N, "MouseWare: compliant.", alt="Logitech MouseWare")
P("logitech", 1, "QuickCam", N, N, "QuickCam software: compliant in the current release.")
P("epson", 1, "EPSON Status Monitor", N, N, "Printer drivers and Status Monitor: compliant.",
  alt="EPSON Printer Driver")
P("epson", 1, "EPSON TWAIN", N, N, "Scanner driver: compliant.")
P("lexmark", 1, "Lexmark Printer Driver", N, N, "Printer drivers: compliant.",
  alt="Lexmark MarkVision")
P("hp", 1, "HP DeskJet", N, N, "DeskJet printer drivers and toolbox: compliant.",
  alt="HP DeskJet Toolbox")
P("hp", 1, "HP LaserJet", N, N, "LaserJet drivers: compliant.", alt="HP JetAdmin")
P("hp", 3, "HP ScanJet", N, N, "ScanJet software: install the current DeskScan or PrecisionScan "
  "release from www.hp.com.", alt="DeskScan II")
P("hp", 2, "HP OpenView", N, N, "OpenView: the status depends on the module and release; see "
  "www.hp.com/year2000.")
P("compaq", 3, "Compaq Diagnostics", N, N,
  "Compaq diagnostics and ROMPaq: run the current ROMPaq for your model from www.compaq.com to "
  "bring the system ROM (BIOS) up to date; see the BIOS Check help topic.", alt="ROMPaq")
P("compaq", 1, "Compaq Insight Manager", N, N, "Insight Manager: compliant in the current "
  "release.")
P("dell", 3, "Dell BIOS Update", N, N,
  "Dell system utilities: download the current BIOS for your model from support.dell.com; see "
  "the BIOS Check help topic.", alt="Dell OpenManage")
P("gateway", 3, "Gateway BIOS Update", N, N,
  "Gateway system utilities: download the current BIOS for your model from www.gateway.com; "
  "see the BIOS Check help topic.")
P("intel", 1, "Intel LANDesk", N, N, "LANDesk: compliant in the current release.",
  alt="LANDesk Client Manager")
P("intel", 1, "Intel Indeo", N, N, "Indeo video codecs: compliant.", alt="Indeo")
P("intel", 3, "Intel BIOS Update", N, N,
  "Intel desktop boards: install the current BIOS for your board from "
  "developer.intel.com; see the BIOS Check help topic.")
P("phoenix", 3, "Phoenix BIOS", N, N,
  "Phoenix BIOS: the BIOS in your PC is supplied and updated by the PC's maker; get the "
  "current BIOS from them and check the clock as in the BIOS Check help topic.")
P("award", 3, "Award BIOS", N, N,
  "Award BIOS: the BIOS in your PC is supplied and updated by the PC's or board's maker; get "
  "the current BIOS from them and check the clock as in the BIOS Check help topic.",
  alt="AwardBIOS")
P("ami", 3, "AMIBIOS", N, N,
  "AMIBIOS: the BIOS in your PC is supplied and updated by the PC's or board's maker; get the "
  "current BIOS from them and check the clock as in the BIOS Check help topic.")
P("caere", 3, "OmniPage", "6", "8",
  "OmniPage 6-8: upgrade to OmniPage Pro 9 or later (www.caere.com).", alt="OmniPage Pro")
P("caere", 1, "OmniPage", "9", N, "OmniPage 9 or later: compliant.", alt="OmniPage Pro")
P("caere", 1, "PageKeeper", N, N, "PageKeeper: compliant in the current release.")
P("dragon", 1, "Dragon NaturallySpeaking", "3", N, "NaturallySpeaking 3 or later: "
  "compliant.", alt="NaturallySpeaking")
P("dragon", 3, "DragonDictate", N, N, "DragonDictate: upgrade to NaturallySpeaking.")
