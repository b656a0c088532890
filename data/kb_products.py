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


def P(vendor, code, name, vb, ve, text, exe="", alt="", source="", as_of=""):
    PRODUCTS.append({"vendor": vendor, "code": code, "name": name, "exe": exe, "vb": vb,
                     "ve": ve, "text": text, "alt": alt, "source": source, "as_of": as_of})


NO_STATEMENT = ("no Year 2000 statement from its maker was found for this product, so "
                "Ostrevan cannot say whether it is ready. Print the readiness request letter "
                "from this window and send it to the maker.")


def NS(vendor, name, exe="", alt="", label=""):
    """A product known by name whose maker's Year 2000 statement was not found."""
    P(vendor, 2, name, N, N, (label or name) + ": " + NO_STATEMENT, exe=exe, alt=alt)


# ----------------------------------------------------------------------------------------------
# Records with a sourced statement, grouped by vendor.

# Microsoft. The ratings are those of Microsoft's Year 2000 product guide: "Compliant",
# "Compliant*" (compliant once the named prerequisite update is installed: code 3 until then),
# "Compliant#" (compliant with acceptable deviations: code 5). The guide's legend of these
# symbols is on the page of source ms-y2k-intellipoint.
OCT99 = "Status of October 1999."
W9X = "Microsoft Windows Operating System"
WNT = "Microsoft Windows NT Operating System"
P("ms", 3, W9X, "4.0", "4.0",
  "Windows 95: install the Windows 95 Year 2000 Update (W95Y2K.EXE) from www.microsoft.com/y2k; "
  "with it Microsoft rates Windows 95 compliant. Microsoft also recommends Internet Explorer "
  "4.01 Service Pack 1 or later. Status of June 1999.", source="ms-y2k-win95", as_of="1999-06-08")
P("ms", 3, W9X, "4.10", "4.10",
  "Windows 98: install the Windows 98 Year 2000 updates, the updated Microsoft Virtual Machine and "
  "the Outlook Express 4.01 update (Start menu, Windows Update, offers them); with these Microsoft "
  "rates Windows 98 compliant. " + OCT99, source="ms-y2k-win98", as_of="1999-09-28")
P("ms", 3, WNT, "4.0", "4.0",
  "Windows NT 4.0: install Service Pack 4 or 5 and the Year 2000 updates that follow it "
  "(www.microsoft.com/y2k); Microsoft rates NT 4.0 with them compliant. Status of November 1999.",
  source="ms-y2k-ntw4", as_of="1999-11-05")
P("ms", 1, WNT, "5.0", "5.2",
  "Windows 2000 (released 17 February 2000), Windows XP (October 2001) or Windows Server 2003 "
  "(April 2003): released after 1999. No Year 2000 action required.",
  source="wp-windows2000", as_of="2003")
P("ms", 1, WNT, "6.0", N,
  "Windows Vista, 7, 8 or a later Windows (version 6.0 and up; later systems also report 6.2 to "
  "older programs): released years after Windows XP. No Year 2000 action required.",
  source="technet-nt-history", as_of="2012")

P("ms", 3, "Microsoft Office 95", "7", "7",
  "Office 95: install the Office 95 Year 2000 update (officeupdate.microsoft.com); with it "
  "Microsoft rates Office 95 compliant. Status of August 1999.",
  alt="Microsoft Office for Windows 95", source="ms-y2k-office95", as_of="1999-08-12")
P("ms", 3, "Microsoft Office 97", "8", "8",
  "Office 97: install Office 97 Service Release 2 (SR-2) and the Outlook 97 Year 2000 update; with "
  "them Microsoft rates Office 97 compliant. " + OCT99,
  alt="Microsoft Office 97 Professional", source="ms-y2k-office97", as_of="1999-09-14")
P("ms", 1, "Microsoft Office 2000", "9", "9",
  "Office 2000: Microsoft rates it compliant with no prerequisite. Status of June 1999.",
  alt="Microsoft Office 2000 Premium", source="ms-y2k-office2000", as_of="1999-06-02")

O95 = ("install the Office 95 Year 2000 update (officeupdate.microsoft.com), which corrects the "
       "known Year 2000 issues of the Office 95 programs. Status of August 1999.")
O97 = ("install Office 97 Service Release 2 (SR-2, officeupdate.microsoft.com); with it Microsoft "
       "rates the program compliant. " + OCT99)
O2K = "part of Office 2000, which Microsoft rates compliant with no prerequisite. Status of June 1999."
P("ms", 3, "Microsoft Word for Windows", "7", "7", "Word 95: " + O95, exe="WINWORD.EXE",
  alt="Microsoft Word", source="ms-y2k-office95", as_of="1999-08-12")
P("ms", 3, "Microsoft Word for Windows", "8", "8", "Word 97: " + O97, exe="WINWORD.EXE",
  alt="Microsoft Word", source="ms-y2k-office97", as_of="1999-09-14")
P("ms", 1, "Microsoft Word for Windows", "9", "9", "Word 2000: " + O2K, exe="WINWORD.EXE",
  alt="Microsoft Word", source="ms-y2k-office2000", as_of="1999-06-02")
P("ms", 3, "Microsoft Excel", "7", "7", "Excel 95: " + O95, exe="EXCEL.EXE",
  source="ms-y2k-office95", as_of="1999-08-12")
P("ms", 3, "Microsoft Excel", "8", "8",
  "Excel 97: install Office 97 Service Release 2 (SR-2, officeupdate.microsoft.com), Microsoft's "
  "prerequisite for Excel 97. Status of November 1999.", exe="EXCEL.EXE",
  source="ms-y2k-excel97", as_of="1999-11-15")
P("ms", 1, "Microsoft Excel", "9", "9", "Excel 2000: " + O2K, exe="EXCEL.EXE",
  source="ms-y2k-office2000", as_of="1999-06-02")
P("ms", 3, "Microsoft PowerPoint", "7", "7", "PowerPoint 95: " + O95, exe="POWERPNT.EXE",
  source="ms-y2k-office95", as_of="1999-08-12")
P("ms", 3, "Microsoft PowerPoint", "8", "8", "PowerPoint 97: " + O97, exe="POWERPNT.EXE",
  source="ms-y2k-office97", as_of="1999-09-14")
P("ms", 1, "Microsoft PowerPoint", "9", "9", "PowerPoint 2000: " + O2K, exe="POWERPNT.EXE",
  source="ms-y2k-office2000", as_of="1999-06-02")
P("ms", 3, "Microsoft Access", "2", "2",
  "Access 2.0: install the Access 2.0 Two-Digit Date Patch (www.microsoft.com/y2k); with it "
  "Microsoft rates Access 2.0 compliant. " + OCT99, exe="MSACCESS.EXE",
  source="ms-y2k-access20", as_of="1999-10-01")
P("ms", 3, "Microsoft Access", "8", "8",
  "Access 97: install Office 97 Service Release 2 and the Microsoft Jet 3.5 update "
  "(www.microsoft.com/y2k); with them Microsoft rates Access 97 compliant. " + OCT99,
  exe="MSACCESS.EXE", source="ms-y2k-access97", as_of="1999-09-29")
P("ms", 1, "Microsoft Access", "9", "9",
  "Access 2000: Microsoft rates it compliant with no prerequisite. " + OCT99, exe="MSACCESS.EXE",
  source="ms-y2k-access2000", as_of="1999-09-28")
P("ms", 3, "Microsoft Outlook", "8.0", "8.4",
  "Outlook 97: install Office 97 Service Release 2, which brings the Year 2000 update of "
  "OUTLLIB.DLL (version 8.04), and the 097dtfix update (Knowledge Base article Q197237) for "
  "importing and exporting text files with two-digit years. " + OCT99,
  exe="OUTLOOK.EXE", source="ms-y2k-outlook97", as_of="1999-10-15")
P("ms", 1, "Microsoft Outlook", "9", "9", "Outlook 2000: " + O2K, exe="OUTLOOK.EXE",
  source="ms-y2k-office2000", as_of="1999-06-02")
P("ms", 5, "Microsoft Project", "8", "8",
  "Project 98 (also with Service Release 1): Microsoft rates it compliant with acceptable "
  "deviations and names no prerequisite; type four-digit years. " + OCT99,
  exe="WINPROJ.EXE", source="ms-y2k-project98", as_of="1999-10-14")
P("ms", 3, "Microsoft Visual FoxPro", "6", "6",
  "Visual FoxPro 6.0: install Visual Studio 6.0 Service Pack 3 (msdn.microsoft.com), Microsoft's "
  "prerequisite for rating it compliant; use four-digit years or SET CENTURY TO ... ROLLOVER in "
  "your programs. Status of August 1999.", exe="VFP6.EXE", source="ms-y2k-vfp6", as_of="1999-08-23")
P("ms", 1, "Microsoft IntelliPoint", "2.0", "2.2",
  "IntelliPoint 2.0 to 2.2 (mouse software): Microsoft rates it compliant with no prerequisite. "
  "Status of July 1999.", alt="IntelliPoint", source="ms-y2k-intellipoint", as_of="1999-07-30")
P("ms", 5, "Microsoft FoxPro for Windows", "2.6", "2.6",
  "FoxPro 2.6: Microsoft rates it compliant with acceptable deviations: a two-digit year is always "
  "read as 19xx, so type four-digit years and use SET CENTURY ON. Status of May 1999.",
  exe="FOXPROW.EXE", source="ms-y2k-foxpro26", as_of="1999-05-21")


P("ms", 3, "Microsoft Office Small Business Edition 97", "8", "8",
  "Office 97 Small Business Edition: install Office 97 Service Release 2 (SR-2) and the Outlook 97 "
  "Year 2000 update; with them Microsoft rates it compliant. Status of August 1999.",
  source="ms-y2k-officesbe97", as_of="1999-08-17")
P("ms", 1, "Microsoft Office 2000 Small Business Edition", "9", "9",
  "Office 2000 Small Business Edition: Microsoft rates it compliant with no prerequisite. "
  "Status of June 1999.", source="ms-y2k-office2000sbe", as_of="1999-06-17")
P("ms", 3, "Microsoft Office Professional", "4", "4",
  "Office Professional 4.x: install the Access 2.0 software update (www.microsoft.com/y2k); with it "
  "Microsoft rates the suite compliant with acceptable deviations: type four-digit years in Access. "
  "Status of May 1999.", source="ms-y2k-office4pro", as_of="1999-05-19")
P("ms", 1, "Microsoft FrontPage", "9", "9",
  "FrontPage 2000: Microsoft rates it compliant with no prerequisite. Status of May 1999.",
  source="ms-y2k-frontpage2000", as_of="1999-05-19")
P("ms", 1, "Microsoft Money", "1", "1",
  "Money 1.x: Microsoft rates it compliant with no prerequisite (dates up to 2075). "
  "Status of August 1999.", exe="MSMONEY.EXE", source="ms-y2k-money1", as_of="1999-08-14")
P("ms", 1, "Microsoft SideWinder", "2.0", "2.0",
  "SideWinder 2.0 (game controller software): Microsoft rates it compliant with no prerequisite. "
  "Status of July 1999.", source="ms-y2k-sidewinder2", as_of="1999-07-07")
P("ms", 3, "Microsoft SQL Server", "6.5", "6.5",
  "SQL Server 6.5: install Service Pack 5 or later (support.microsoft.com); with it Microsoft rates "
  "SQL Server 6.5 compliant. Status of August 1999.", source="ms-y2k-sql65", as_of="1999-08-31")
P("ms", 1, "Microsoft Exchange Server", "5.5", "5.5",
  "Exchange Server 5.5: Microsoft rates it compliant; check the Outlook or Exchange client "
  "separately. Status of September 1999.", source="ms-y2k-exchange55", as_of="1999-09-21")
P("ms", 3, "Microsoft NetShow", "3.0", "3.0",
  "NetShow 3.0: install the latest Microsoft Data Access Components (MDAC, www.microsoft.com/data), "
  "Microsoft's prerequisite for rating it compliant. Status of October 1999.",
  source="ms-y2k-netshow3", as_of="1999-10-28")
P("ms", 3, "Microsoft Visual Basic", "6", "6",
  "Visual Basic 6.0: Microsoft rates it compliant with acceptable deviations once the updates its "
  "product guide names are installed (see www.microsoft.com/y2k); two-digit years are read as "
  "1930-2029. Status of August 1999.", source="ms-y2k-vb6", as_of="1999-08-23")
P("ms", 3, "Microsoft Visual Studio", "6", "6",
  "Visual Studio 6.0: some of its bundled products have known Year 2000 issues; install the "
  "updates the product guide names for each of them (www.microsoft.com/y2k), after which "
  "Microsoft rates it compliant with acceptable deviations. Status of August 1999.",
  source="ms-y2k-vs6", as_of="1999-08-20")
P("ms", 3, "Microsoft Visual SourceSafe", "5", "5",
  "Visual SourceSafe 5.0: install the Visual SourceSafe 5.0 Year 2000 update (it mends history "
  "reports filtered by dates after 1999); with it Microsoft rates it compliant with acceptable "
  "deviations. Status of September 1999.", source="ms-y2k-vss5", as_of="1999-09-28")
P("ms", 3, "Microsoft Visual Database Tools", "6", "6",
  "Visual Database Tools 6.0: install Visual Studio 6.0 Service Pack 3 and MDAC 2.0 Service Pack 2 "
  "or later, Microsoft's prerequisites for rating it compliant. Status of August 1999.",
  source="ms-y2k-vdt6", as_of="1999-08-24")


P("nai", 1, "McAfee VirusScan", "4.0.2", "4.0.2",
  "VirusScan 4.0.2: Network Associates states that this version is Year 2000 compliant "
  "(statement shipped with the program, 1999).", exe="SCAN32.EXE", alt="VirusScan",
  source="nai-vscan402-y2k", as_of="1999")

# ----------------------------------------------------------------------------------------------
# Products whose makers' statements were not found (after the sourced records, so that a
# sourced version range is chosen first).
NS('ms', 'Microsoft Windows Operating System')
NS('ms', 'Microsoft Windows NT Operating System')
NS('ms', 'Microsoft Office 95', alt='Microsoft Office for Windows 95')
NS('ms', 'Microsoft Office 97', alt='Microsoft Office 97 Professional')
NS('ms', 'Microsoft Office 2000', alt='Microsoft Office 2000 Premium')
NS('ms', 'Microsoft Office XP')
NS('ms', 'Microsoft Office 2003')
NS('ms', '2007 Microsoft Office system', alt='Microsoft Office 2007')
NS('ms', 'Microsoft Office 2010')
NS('ms', 'Microsoft Office 2013')
NS('ms', 'Microsoft Office 2016', alt='Microsoft Office 365')
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
NS('ms', 'Microsoft Edge', exe='msedge.exe')
NS('ms', 'Microsoft Visual Basic', exe='VB32.EXE')
NS('ms', 'Microsoft Visual C++', exe='MSDEV.EXE')
NS('ms', 'Microsoft Visual InterDev')
NS('ms', 'Microsoft Visual J++')
NS('ms', 'Microsoft Visual Studio', exe='devenv.exe')
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
NS('ms', 'Microsoft Visual Studio .NET')
NS('ms', 'Microsoft Visual Studio 2005')
NS('ms', 'Microsoft Visual Studio 2008')
NS('ms', 'Microsoft Visual Studio 2010')
NS('ms', 'Microsoft Windows Media Player', exe='wmplayer.exe')
NS('ms', 'Microsoft .NET Framework')
NS('ms', 'Microsoft OneDrive')
NS('ms', 'Microsoft Teams')
NS('netscape', 'Netscape Navigator', exe='NETSCAPE.EXE')
NS('netscape', 'Netscape Communicator', exe='NETSCAPE.EXE', alt='Netscape Navigator')
NS('netscape', 'Netscape Enterprise Server')
NS('mozilla', 'Firefox', exe='firefox.exe', alt='Mozilla Firefox')
NS('mozilla', 'Thunderbird', exe='thunderbird.exe', alt='Mozilla Thunderbird')
NS('mozilla', 'Mozilla SeaMonkey')
NS('google', 'Google Chrome', exe='chrome.exe')
NS('google', 'Google Drive')
NS('google', 'Google Earth')
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
NS('apple', 'iTunes', exe='iTunes.exe')
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
NS('adobe', 'Adobe Flash Player')
NS('adobe', 'Adobe Creative Cloud')
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
NS('sun', 'Java 2 Platform Standard Edition', exe='java.exe', alt='Java(TM) 2 Platform Standard Edition')
NS('sun', 'Java Development Kit', exe='java.exe', alt='Java Runtime Environment')
NS('sun', 'StarOffice', exe='soffice.exe')
NS('sun', 'Java Platform SE', alt='Java Platform SE binary')
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
