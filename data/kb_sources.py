# Where the facts of the knowledge base come from. build_kb.py lists them in SOURCES.md.
#
# S(key, kind, publisher, title, date, address)
#   kind: "maker"  the maker's own Year 2000 statement or product guide (as published or archived)
#         "filing" a company filing (annual or quarterly report: headquarters and telephone)
#         "press"  period press or a press release
#         "reference" a reference work (release dates of later products, version numbers)
#         "university" a university's Year 2000 inventory reporting makers' statements
#   date: when the source was published or last updated, as the source gives it.
# Keep each entry short: what it is and where it is, never a passage copied from it.

SOURCES = {}


def S(key, kind, publisher, title, date, address=""):
    if key in SOURCES:
        raise ValueError("source %r named twice" % key)
    if kind not in ("maker", "filing", "press", "reference", "university"):
        raise ValueError("source %r: unknown kind %r" % (key, kind))
    if not (publisher and title and date):
        raise ValueError("source %r needs a publisher, a title and a date" % key)
    SOURCES[key] = {"kind": kind, "publisher": publisher, "title": title, "date": date,
                    "address": address}


# ---------------------------------------------------------------------------------------------
# Company filings (headquarters and telephone as the filing's cover page gives them).
S("visio-10k-1999", "filing", "Visio Corporation", "Form 10-K for the fiscal year ended September 30, 1999",
  "1999-12-29", "https://www.incjournal.com/cik/9466/65/1999/RnwlyyxUoFVRY66.shtml")
S("gateway-10q-1999q3", "filing", "Gateway, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8958/12/1999/R3kgYU81uFB8_ct.shtml")
S("real-10q-1999q3", "filing", "RealNetworks, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/1046/327/1999/CxbQDzx_If9f11J.shtml")
S("micrografx-10q-1999q3", "filing", "Micrografx, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-12", "https://www.incjournal.com/cik/7564/97/1999/4UwEcQgJ455zI9L.shtml")
S("ontrack-10q-1999q3", "filing", "Ontrack Data International, Inc.",
  "Form 10-Q for the quarter ended September 30, 1999", "1999-11-15",
  "https://www.incjournal.com/cik/1022/703/1999/bP3xKRodjB2BH2f.shtml")
S("3com-10q-1999q2", "filing", "3Com Corporation", "Form 10-Q for the quarter ended November 26, 1999",
  "2000-01-10", "https://www.incjournal.com/cik/7380/76/2000/n_pqQxgWtY9S5Jh.shtml")
S("s3-10q-1999q3", "filing", "S3 Incorporated", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8505/19/1999/03Fug0Yxt0akks7.shtml")
S("ms-10k-1999", "filing", "Microsoft Corporation", "Form 10-K for the fiscal year ended June 30, 1999",
  "1999", "http://getfilings.com/o0001032210-99-001375.html")
S("sonic-10k-1999", "filing", "Sonic Foundry, Inc.", "Form 10-K for the fiscal period ended September 30, 1999",
  "1999-12", "https://www.incjournal.com/cik/1029/744/1999/3kXfxDpWufeROML.shtml")

# Microsoft's Year 2000 product guide. The Year 2000 Resource Center CD of November 1999
# reproduces www.microsoft.com/y2k as of 15 October 1999, one page per product and language;
# the rating and the prerequisites are the same in every language of a product.
MSCD = "Microsoft Corporation (Year 2000 Resource Center CD, Nov 1999, archived by discmaster.textfiles.com)"
MSCD_URL = "https://discmaster.textfiles.com/file/18315/Y2K_Resource_Nov99.iso/webcon~1/usa/year2k/"
MSUCD = "Microsoft Corporation (Year 2000 Product Guide, mirrored by University College Dublin)"
MSUCD_URL = "https://ucd.ie/sys-mgt/y2k/tech/ms/"
S("ms-y2k-access20", "maker", MSCD, "Year 2000 product guide: Access 2.0 (16-bit Win)", "1999-10-01",
  MSCD_URL + "product/u27288en.htm")
S("ms-y2k-access97", "maker", MSCD, "Year 2000 product guide: Access 97 8.0 (32-bit Win)", "1999-09-29",
  MSCD_URL + "product/u59776en.htm")
S("ms-y2k-access2000", "maker", MSCD, "Year 2000 product guide: Access 2000 9.0 (32-bit Win)", "1999-09-28",
  MSCD_URL + "product/u71532en.htm")
S("ms-y2k-office2000", "maker", MSCD, "Year 2000 product guide: Office 2000 Premium 9.0", "1999-06-02",
  MSCD_URL + "product/u69969en.htm")
S("ms-y2k-office97", "maker", MSCD, "Year 2000 product guide: Office Standard 97 8.0", "1999-09-14",
  MSCD_URL + "product/u69069en.htm")
S("ms-y2k-outlook97", "maker", MSCD, "Year 2000 product guide: Outlook 97", "1999-10-15",
  MSCD_URL + "product/u60051en.htm")
S("ms-y2k-excel97", "maker", MSUCD, "Year 2000 product guide: Excel 97 (product guide volume 7)", "1999-11-15",
  MSUCD_URL + "user_allproductsvol7.htm")
S("ms-y2k-office95", "maker", MSUCD, "Year 2000 product guide: Office Standard 95 7.0 (volume 22)", "1999-08-12",
  MSUCD_URL + "user_allproductsvol22.htm")
S("ms-y2k-project98", "maker", MSUCD, "Year 2000 product guide: Project 98 (volume 27)", "1999-10-14",
  MSUCD_URL + "user_allproductsvol27.htm")
S("ms-y2k-vfp6", "maker", MSCD, "Year 2000 product guide: Visual FoxPro 6.0 (32-bit Win)", "1999-08-23",
  MSCD_URL + "product/u71934en.htm")
S("ms-y2k-foxpro26", "maker", MSCD, "Year 2000 product guide: FoxPro Professional 2.6 (16-bit Win)",
  "1999-05-21", MSCD_URL + "product/u71779en.htm")
S("ms-y2k-win95", "maker", "Microsoft Corporation (Year 2000 product guide, mirrored by Universitaet Regensburg)",
  "Year 2000 product guide: Windows 95, all versions to OSR 2.1, 4.00.1111", "1999-06-08",
  "http://www-pc.uni-regensburg.de/systemsw/WIN95/y2k.htm")
S("ms-y2k-win98", "maker", MSCD, "Year 2000 product guide: Windows 98 4.10.1998", "1999-09-28",
  MSCD_URL + "product/u68777en.htm")
S("ms-y2k-ntw4", "maker", MSUCD, "Year 2000 product guide: Windows NT Workstation 4.0 SP4 (volume 39)",
  "1999-11-05", MSUCD_URL + "user_allproductsvol39.htm")
S("ms-y2k-sql65", "maker", MSCD, "Year 2000 product guide: SQL Server 6.5 (Win NT)", "1999-08-31",
  MSCD_URL + "product/u67164en.htm")
S("ms-y2k-vb6", "maker", MSCD, "Year 2000 product guide: Visual Basic (32-bit) 6.0", "1999-08-23",
  MSCD_URL + "product/u71850en.htm")
S("ms-y2k-vs6", "maker", MSCD, "Year 2000 product guide: Visual Studio 6.0", "1999-08-20",
  MSCD_URL + "product/u71954en.htm")
S("ms-y2k-vdt6", "maker", MSCD, "Year 2000 product guide: Visual Database Tools 6.0", "1999-08-24",
  MSCD_URL + "product/u71903en.htm")
S("ms-y2k-officesbe97", "maker", MSCD, "Year 2000 product guide: Office Small Business Edition 97", "1999-08-17",
  MSCD_URL + "product/u60039en.htm")
S("ms-y2k-frontpage2000", "maker", MSCD, "Year 2000 product guide: FrontPage 2000 9.0", "1999-05-19",
  MSCD_URL + "product/u69995en.htm")
S("ms-y2k-office4pro", "maker", "Microsoft Corporation (Year 2000 product guide, mirrored by Universitaet Regensburg)",
  "Year 2000 product guide: Office Professional 4.xx (16-bit Win)", "1999-05-19",
  "http://www-pc.uni-regensburg.de/systemsw/OFFICE/Y2K/of43y2k.htm")
S("ms-y2k-exchange55", "maker", MSUCD, "Year 2000 product guide: Exchange Server - Standard 5.5 (volume 9)",
  "1999-09-21", MSUCD_URL + "user_allproductsvol9.htm")
S("ms-y2k-money1", "maker", MSUCD, "Year 2000 product guide: Money 1.x (volume 15)", "1999-08-14",
  MSUCD_URL + "user_allproductsvol15.htm")
S("ms-y2k-netshow3", "maker", MSUCD, "Year 2000 product guide: NetShow 3.0 (volume 19)", "1999-10-28",
  MSUCD_URL + "user_allproductsvol19.htm")
S("ms-y2k-sidewinder2", "maker", MSUCD, "Year 2000 product guide: SideWinder 2.0 (volume 29)", "1999-07-07",
  MSUCD_URL + "user_allproductsvol29.htm")
S("ms-y2k-vss5", "maker", MSCD, "Year 2000 product guide: Visual SourceSafe 5.0", "1999-09-28",
  MSCD_URL + "product/u71949en.htm")
S("ms-y2k-office2000sbe", "maker", MSCD, "Year 2000 product guide: Office 2000 Small Business Edition 9.0",
  "1999-06-17", MSCD_URL + "product/u70387en.htm")
S("wp-windows2000", "reference", "Wikipedia (copy kept by Princeton University)", "Windows 2000",
  "2010", "https://www.princeton.edu/~achaney/tmve/wiki100k/docs/Windows_2000.html")
S("technet-nt-history", "reference", "Microsoft TechNet blogs", "Windows NT history", "2009-08-04, updated 2012-12-31",
  "http://blogs.technet.com/b/mrsnrub/archive/2009/08/04/windows-nt-history.aspx")

# More company filings.
S("adobe-10k-1999", "filing", "Adobe Systems Incorporated", "Form 10-K for the fiscal year ended December 3, 1999",
  "2000-02-16", "https://www.incjournal.com/cik/7963/43/2000/aw4fD03SUc5HW3f.shtml")
S("symantec-10q-1999q2", "filing", "Symantec Corporation", "Form 10-Q for the quarter ended October 1, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8493/99/1999/ROS6ut46R9O5ywW.shtml")
S("nai-10k-1998", "filing", "Networks Associates, Inc.", "Form 10-K for the fiscal year ended December 31, 1998",
  "1999-04-15", "http://getfilings.com/o0000891618-99-001592.html")
S("intuit-10k-1999", "filing", "Intuit Inc.", "Form 10-K for the fiscal year ended July 31, 1999", "1999-10",
  "http://getfilings.com/o0000891618-99-004510.html")
S("corel-10k-1999", "filing", "Corel Corporation", "Form 10-K for the fiscal year ended November 30, 1999",
  "2000-02-28", "https://www.incjournal.com/cik/8906/40/2000/WeoGHmVODNT_h1W.shtml")
S("novell-10k-1999", "filing", "Novell, Inc.", "Form 10-K for the fiscal year ended October 31, 1999",
  "2000-01-27", "https://www.incjournal.com/cik/7580/04/2000/hIUFKOE2QY3ms4s.shtml")
S("inprise-10q-1999q3", "filing", "Inprise Corporation", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8532/73/1999/oNjCpnnj7y7_PGs.shtml")
S("oracle-10q-1999q2", "filing", "Oracle Corporation", "Form 10-Q for the quarter ended November 30, 1999",
  "2000-01-14", "https://www.incjournal.com/cik/7776/76/2000/A8DwENH4wdxw_DD.shtml")
S("ibm-11k-1999", "filing", "International Business Machines Corporation",
  "Form 11-K (IBM Tax Deferred Savings Plan) for the fiscal year ended December 31, 1999", "2000-06-28",
  "https://www.incjournal.com/cik/5114/3/2000/qBU0xYpk-abvfYy.shtml")
S("ibm-10q-1999q3", "filing", "International Business Machines Corporation",
  "Form 10-Q for the quarter ended September 30, 1999", "1999-11-12",
  "https://www.incjournal.com/cik/5114/3/1999/9bV-8Y9V3Rf-0iq.shtml")
S("apple-10k-1999", "filing", "Apple Computer, Inc.", "Form 10-K for the fiscal year ended September 25, 1999",
  "1999-12-22", "http://getfilings.com/o0000912057-99-010244.html")
S("intel-10k-1999", "filing", "Intel Corporation", "Form 10-K for the fiscal year ended December 25, 1999",
  "2000-03-23", "https://www.incjournal.com/cik/5086/3/2000/qZHyXGmjKgwzuOk.shtml")
S("cde-borland", "reference", "Computer Desktop Encyclopedia (computerlanguage.com)", "Definition: Borland",
  "undated (online)", "https://computerlanguage.com/results.php?definition=Borland")
S("compaq-10k-1999", "filing", "Compaq Computer Corporation", "Form 10-K for the fiscal year ended December 31, 1999",
  "2000-02-23", "https://www.incjournal.com/cik/7141/54/2000/AlcGxMh2b7rNuAL.shtml")
S("dell-10k-1999", "filing", "Dell Computer Corporation", "Form 10-K for the fiscal year ended January 29, 1999",
  "1999-04-27", "https://www.incjournal.com/cik/8260/83/1999/wlTpXlnCWQbwHo-.shtml")
S("hp-10k-1999", "filing", "Hewlett-Packard Company", "Form 10-K for the fiscal year ended October 31, 1999",
  "2000-01", "https://www.companiesmarketcap.com/hp/sec-reports-10k/0000912057-00-002692")
S("netscape-10k-1998", "filing", "Netscape Communications Corporation",
  "Form 10-K/A for the transition period January 1 to October 31, 1998", "1999-02-17",
  "https://www.incjournal.com/cik/9444/58/1999/cdlUmngRiaaJbZq.shtml")
S("aol-10q-1999q1", "filing", "America Online, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-02", "https://www.incjournal.com/cik/8837/80/1999/VbIIU7Fuq9EvScs.shtml")
S("qualcomm-10k-1999", "filing", "QUALCOMM Incorporated", "Form 10-K for the fiscal year ended September 26, 1999",
  "1999-11-17", "https://www.incjournal.com/cik/8043/28/1999/tL2cdZp1MaArD0V.shtml")
S("ca-10q-1999q2", "filing", "Computer Associates International, Inc.",
  "Form 10-Q for the quarter ended September 30, 1999", "1999-11-03",
  "https://www.incjournal.com/cik/3560/28/1999/hxGd6EYt-FVx3oc.shtml")
S("macromedia-10q-1999q2", "filing", "Macromedia, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/9139/49/1999/N90zlMMKIvT7zzA.shtml")
S("autodesk-10k-2000", "filing", "Autodesk, Inc.", "Form 10-K for the fiscal year ended January 31, 2000",
  "2000-04-14", "https://www.incjournal.com/cik/7693/97/2000/NwnLdHvlwpWRRwp.shtml")
S("tlc-10k-1998", "filing", "The Learning Company, Inc.", "Form 10-K for the fiscal year ended January 2, 1999",
  "1999-04-02", "https://www.incjournal.com/cik/7196/12/1999/2PadI93ESvF6Ado.shtml")
S("ea-10q-1999q2", "filing", "Electronic Arts Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11", "https://companiesmarketcap.com/hkd/electronic-arts/sec-reports-10q/0000950005-99-001001")
S("iomega-10k-1999", "filing", "Iomega Corporation", "Form 10-K for the fiscal year ended December 31, 1999",
  "2000-03-10", "https://www.incjournal.com/cik/3527/89/2000/mSOfX3JdeVb1-sl.shtml")
S("adaptec-10q-1999q2", "filing", "Adaptec, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-08", "https://www.incjournal.com/cik/7098/04/1999/7VOQ6Y-gwW5edgX.shtml")
S("veritas-10k-1999", "filing", "VERITAS Software Corporation", "Form 10-K for the fiscal year ended December 31, 1999",
  "2000", "http://getfilings.com/o0000891618-00-001864.html")
S("seagatesw-10k-1999", "filing", "Seagate Software, Inc.", "Form 10-K for the fiscal year ended July 2, 1999",
  "1999-09-03", "https://www.incjournal.com/cik/1046/389/1999/_FRDnod_i7Zpdsg.shtml")
S("sun-10q-1999q1", "filing", "Sun Microsystems, Inc.", "Form 10-Q for the quarter ended September 26, 1999",
  "1999-11-09", "https://www.incjournal.com/cik/7095/19/1999/jmCtRWL3R8LCrLi.shtml")
S("sybase-10q-1999q3", "filing", "Sybase, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-12", "https://www.incjournal.com/cik/7682/62/1999/4-zqUEMV4UMJIGf.shtml")
S("spss-10k-1999", "filing", "SPSS Inc.", "Form 10-K for the fiscal year ended December 31, 1999",
  "2000-03-30", "https://www.incjournal.com/cik/8695/70/2000/cD_wCIGeteUxbFg.shtml")
S("citrix-10q-1999q3", "filing", "Citrix Systems, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8778/90/1999/x6EU5RynrAQ4Ji6.shtml")
S("phoenix-10k-1999", "filing", "Phoenix Technologies Ltd.", "Form 10-K for the fiscal year ended September 30, 1999",
  "1999-12-22", "https://www.incjournal.com/cik/8327/67/1999/YUrzj75a2BdAWb-.shtml")
S("award-10q-1998q1", "filing", "Award Software International, Inc.", "Form 10-Q for the quarter ended March 31, 1998",
  "1998-05-08", "https://www.incjournal.com/cik/1013/920/1998/GDTYD2BmCHuQdaM.shtml")
S("cybermedia-10k-1996", "filing", "CyberMedia, Inc.", "Form 10-K for the fiscal year ended December 31, 1996",
  "1997", "https://capedge.com/filing/s3-content/0000891618-97-001491/1")
S("diamond-10k-1998", "filing", "Diamond Multimedia Systems, Inc.", "Form 10-K/A for the fiscal year ended December 31, 1998",
  "1999", "https://capedge.com/filing/s3-content/0000936734-99-000004/1")
S("nvidia-10k-2000", "filing", "NVIDIA Corporation", "Form 10-K for the fiscal year ended January 30, 2000",
  "2000-03-13", "https://www.incjournal.com/cik/1045/810/2000/yj3a4M5CjwqzEbp.shtml")
S("ms-y2k-intellipoint", "maker", MSUCD,
  "Year 2000 product guide: IntelliPoint 2.2, with the legend of the rating symbols (volume 11)", "1999-07-30",
  MSUCD_URL + "user_allproductsvol11.htm")
S("nai-vscan402-y2k", "maker", "Network Associates (Y2K.TXT shipped with McAfee VirusScan 4.0.2, mirrored by ftp.aha.ru)",
  "Year 2000 compliance statement for this product", "undated (1999)",
  "http://ftp.aha.ru/support/win32/antivirus/McAfee402/Y2K.TXT")
S("quarterdeck-10k-1998", "filing", "Quarterdeck Corporation", "Form 10-K/A for the fiscal year ended September 30, 1998",
  "1999-03-01", "https://www.incjournal.com/cik/7076/68/1999/8ZX5P7EzEctjxK3.shtml")
S("lexmark-10k-1999", "filing", "Lexmark International Group, Inc.", "Form 10-K for the fiscal year ended December 31, 1999",
  "2000", "http://getfilings.com/o0000950152-00-001836.html")
S("caere-10q-1999q3", "filing", "Caere Corporation", "Form 10-Q for the quarter ended September 30, 1999",
  "1999", "https://capedge.com/filing/s3-content/0000891618-99-005161/1")
S("rational-10q-1999q2", "filing", "Rational Software Corporation", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-12", "https://www.incjournal.com/cik/7220/56/1999/SfwsoAovqrWcF8p.shtml")
S("netmanage-10q-2001q2", "filing", "NetManage, Inc.", "Form 10-Q for the quarter ended June 30, 2001",
  "2001", "https://capedge.com/filing/909793/0000891618-01-501733/NETM-10Q-2001Q2")
S("allaire-10k-1999", "filing", "Allaire Corporation", "Form 10-K for the fiscal year ended December 31, 1999",
  "2000-03-30", "https://www.incjournal.com/cik/1016/139/2000/82JvZKXp2tonrkW.shtml")
S("mathsoft-10q-1999q3", "filing", "MathSoft, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-12", "https://www.incjournal.com/cik/8950/95/1999/qOZHtgaMghQcshm.shtml")
S("progress-10k-1999", "filing", "Progress Software Corporation", "Form 10-K for the fiscal year ended November 30, 1999",
  "2000-02-25", "https://www.incjournal.com/cik/8761/67/2000/bg6khK0ZsW5Ihw3.shtml")
S("pervasive-10q-1999q1", "filing", "Pervasive Software Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11", "https://capedge.com/filing/s3-content/0000930661-99-002688/1")
S("broderbund-10q-1998q2", "filing", "Broderbund Software, Inc.", "Form 10-Q for the quarter ended February 28, 1998",
  "1998-04-14", "https://www.incjournal.com/cik/8124/90/1998/293sB7KUV3ZNd-i.shtml")
S("britannica-realaudio", "reference", "Encyclopaedia Britannica (copy kept by bfjaawards.com)", "RealAudio",
  "undated (online)", "https://bfjaawards.com/pt/pages/57094-realaudio--britannica-online-encyclopedia")
S("gnu-gpl2-copy", "reference", "Free Software Foundation (GPL version 2 text, copy kept by enlight-inc.com)",
  "GNU General Public License, Version 2, June 1991 (header with the Foundation's address)", "undated copy",
  "https://enlight-inc.com/gplhtml.html")
S("logitech-6k-1999q2", "filing", "Logitech International S.A.", "Form 6-K for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/1032/975/1999/LLQ4AaCS577eeXm.shtml")
S("ati-40f-2003", "filing", "ATI Technologies Inc.",
  "Form 40-F for the fiscal year ended August 31, 2003 (SEC business address and telephone of the filer record)",
  "2004-01-20", "https://sec.gov/Archives/edgar/data/1065331/000119439604000010/0001194396-04-000010.txt")
S("3dfx-10k-1998", "filing", "3Dfx Interactive, Inc.", "Form 10-K405 for the fiscal year ended December 31, 1998",
  "1999", "https://www.incjournal.com/cik/1010/026/1999/CoP3FMIRZkX0wAC.shtml")
S("cirrus-10k-1999", "filing", "Cirrus Logic, Inc.", "Form 10-K405 for the fiscal year ended March 27, 1999",
  "1999", "https://www.incjournal.com/cik/7724/06/1999/k7JPqaf713ukXxs.shtml")
S("wdc-10k-1999", "filing", "Western Digital Corporation", "Form 10-K405 for the fiscal year ended July 3, 1999",
  "1999", "https://capedge.com/filing/106040/0000892569-99-002580/WDC-10K405-1999FY")
S("activision-10k-1999", "filing", "Activision, Inc.", "Form 10-K for the fiscal year ended March 31, 1999",
  "1999", "https://capedge.com/filing/s3-content/0001047469-99-025826/1")
S("creative-20f-2003", "filing", "Creative Technology Ltd.", "Form 20-F for the fiscal year ended June 30, 2003",
  "2003", "https://www.sec.gov/Archives/edgar/data/888295/000119312503083802/d20f.htm")
S("hummingbird-40f-2004", "filing", "Hummingbird Ltd.", "Form 40-F for the fiscal year ended September 30, 2004",
  "2005", "https://www.sec.gov/Archives/edgar/data/919548/000095017205000544/tor50307.txt")
S("interplay-10k-1998", "filing", "Interplay Entertainment Corp.", "Form 10-K/A for the fiscal year ended December 31, 1998",
  "1999-04-30", "https://www.incjournal.com/cik/1057/232/1999/-ZHWeddx2K1Jwrr.shtml")
S("maxtor-10q-1999q2", "filing", "Maxtor Corporation", "Form 10-Q for the period ended July 3, 1999",
  "1999-08-16", "https://www.incjournal.com/cik/7110/39/1999/itdIwI_asykJzvv.shtml")
S("quantum-10q-1998q1", "filing", "Quantum Corporation", "Form 10-Q for the quarterly period ended June 28, 1998",
  "1998", "https://investors.quantum.com/financial-information/sec-filings/content/0000950005-98-000669/10-Q.txt")
S("gti-10k-1999", "filing", "GT Interactive Software Corp.", "Form 10-K for the fiscal year ended March 31, 1999",
  "1999-06-29", "https://www.incjournal.com/cik/1002/607/1999/qJQonJ1OJOCzBDf.shtml")
S("hayes-10q-1998q3", "filing", "Hayes Corporation", "Form 10-Q for the quarter ended October 3, 1998",
  "1998-11-20", "https://www.incjournal.com/cik/1020/319/1998/qcREf7iO3lbSyCC.shtml")
S("spyglass-10q-1998q4", "filing", "Spyglass, Inc.", "Form 10-Q for the quarterly period ended December 31, 1998",
  "1999", "https://www.incjournal.com/cik/9452/56/1999/18mg4D877gSS-31.shtml")
S("zoom-10k-1998", "filing", "Zoom Telephonics, Inc.", "Form 10-K for the fiscal year ended December 31, 1998",
  "1999-03-31", "https://www.incjournal.com/cik/8227/08/1999/79Y75AnOqJpVaNC.shtml")
S("trident-10k-1999", "filing", "Trident Microsystems, Inc.", "Form 10-K for the fiscal year ended June 30, 1999",
  "1999-09-24", "https://www.incjournal.com/cik/8594/75/1999/kMoo_2hMdP74dW5.shtml")
S("visioneer-8k-1999", "filing", "Visioneer, Inc.", "Form 8-K, event of January 6, 1999 (sale of the hardware lines and brand name)",
  "1999-01-21", "https://www.incjournal.com/cik/1002/517/1999/gQnE7QLSVlnXnIV.shtml")
S("imsi-10q-1999q1", "filing", "International Microcomputer Software, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8149/29/1999/jZqXd6gCq9WZ9Xt.shtml")
S("hauppauge-10k-1999", "filing", "Hauppauge Digital, Inc.", "Form 10-K for the fiscal year ended September 30, 1999",
  "1999-12-29", "https://www.incjournal.com/cik/9308/03/1999/HwPHlmRFs3mwKhd.shtml")
S("inso-10k-1998", "filing", "Inso Corporation", "Form 10-K for the fiscal year ended December 31, 1998",
  "1999-03-31", "https://www.incjournal.com/cik/9174/71/1999/-T8_Say5MNweKI8.shtml")
S("sco-10k-1999", "filing", "The Santa Cruz Operation, Inc.", "Form 10-K for the fiscal year ended September 30, 1999",
  "1999-12-28", "https://www.incjournal.com/cik/8515/60/1999/dSRnj0pjrjjuj3W.shtml")
S("xircom-s3-1999", "filing", "Xircom, Inc.", "Amendment No. 1 to Form S-3 (registration statement)",
  "1999-11-19", "https://sec.gov/Archives/edgar/data/883905/000101287099004324/0001012870-99-004324.txt")
S("stb-10k-1998", "filing", "STB Systems, Inc.", "Form 10-K for the fiscal year ended October 31, 1998",
  "1999-01-28", "https://www.incjournal.com/cik/9345/96/1999/pXtggiRFUXO96qr.shtml")
S("redhat-10k-2000", "filing", "Red Hat, Inc.", "Form 10-K for the fiscal year ended February 29, 2000",
  "2000-05-25", "https://www.incjournal.com/cik/1087/423/2000/Dv4Z1uOHkZYrtHN.shtml")
S("aureal-10q-1999q2", "filing", "Aureal Inc. (formerly Aureal Semiconductor Inc.)", "Form 10-Q for the quarterly period ended July 4, 1999",
  "1999-08-18", "https://www.incjournal.com/cik/8924/33/1999/REvg3dAUsks2-gf.shtml")
S("ess-10k-1998", "filing", "ESS Technology, Inc.", "Form 10-K for the fiscal year ended December 31, 1998",
  "1999-03-31", "https://www.incjournal.com/cik/9074/10/1999/sHTbyB8QydafuOH.shtml")
S("numbernine-10q-1999q3", "filing", "Number Nine Visual Technology Corporation", "Form 10-Q for the quarterly period ended October 2, 1999",
  "1999-11-16", "https://www.incjournal.com/cik/9364/48/1999/pHtQH9_NHBLEa5t.shtml")
S("boca-10q-1999q3", "filing", "Boca Research, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/8956/42/1999/op8t_D5UtPASh2L.shtml")
S("taketwo-10k-1999", "filing", "Take-Two Interactive Software, Inc.", "Form 10-K for the fiscal year ended October 31, 1999",
  "2000", "http://www.getfilings.com/o0000891554-00-000145.html")
S("puma-10k-1999", "filing", "Puma Technology, Inc.", "Form 10-K405 for the fiscal year ended July 31, 1999",
  "1999-10-29", "https://www.incjournal.com/cik/1020/716/1999/uSGT4r9pRUF7Qyq.shtml")
S("banyan-10k-1998", "filing", "Banyan Systems Incorporated", "Form 10-K for the fiscal year ended December 31, 1998",
  "1999-03-31", "https://www.incjournal.com/cik/8887/11/1999/dUw54Nh_6kXGyxY.shtml")
S("stac-10k-1999", "filing", "Stac Software, Inc. (formerly Stac, Inc.)", "Form 10-K for the fiscal year ended September 30, 1999",
  "1999-12-20", "https://www.incjournal.com/cik/8850/73/1999/uuQDZIUhaeY6w2K.shtml")
S("smithmicro-10q-1999q3", "filing", "Smith Micro Software, Inc.", "Form 10-Q for the quarter ended September 30, 1999",
  "1999-11-15", "https://www.incjournal.com/cik/9487/08/1999/O0_PH3j3QjPZl4L.shtml")
S("caldera-10q-2000q2", "filing", "Caldera Systems, Inc.", "Form 10-Q for the quarterly period ended April 30, 2000",
  "2000-06-13", "https://www.incjournal.com/cik/1102/542/2000/SnfqU40Yp9yP_BW.shtml")

# Period press reporting a maker's statement.
S("about-delphi-y2k", "press", "About.com (Delphi Programming guide)", "Delphi vs. Y2K",
  "1999-05-18, updated 1999-10-23", "http://delphi.about.com/library/weekly/aa051899.htm")

# Version numbers that the programs' files carry, and release dates of later products.
S("ms-kb-q206071", "maker", "Microsoft Corporation (Knowledge Base, mirrored by ftp.zx.net.nz)",
  "Q206071: Windows 98 and Windows 98 Second Edition hotfix version information", "undated (1999)",
  "https://ftp.zx.net.nz/pub/archive/ftp.microsoft.com/MISC/KB/en-us/206/071.HTM")
S("frontpage-history", "reference", "frontpage.org", "History of Microsoft FrontPage", "undated (2006)",
  "http://www.frontpage.org/article/microsoft-frontpage-information/history-of-microsoft-frontpage.html")
S("technet-project-versions", "reference", "Microsoft TechNet Wiki (I. Kocaman)",
  "A simple method to determine the version of an mpp file (list of Project version numbers)", "undated",
  "https://qa.social.technet.microsoft.com/wiki/contents/articles/6084.aspx")

# University inventories of makers' statements.
S("ucb-win98", "university", "University of California, Berkeley (Year 2000 Information)",
  "PCs Running Windows 98: Y2K Readiness Checklist", "early 2000",
  "http://y2k.berkeley.edu/computers/fixpcs/checklists/pc/win98/")
S("betawiki-winme", "reference", "BetaWiki", "Windows Me (release date and build 4.90.3000)", "undated (online)",
  "https://betawiki.net/wiki/Windows_Me")
S("cde-office-versions", "reference", "Computer Desktop Encyclopedia (computerlanguage.com)",
  "Definition: Microsoft Office versions (version numbers 7 to 17 and release years)", "undated (online)",
  "https://www.computerlanguage.com/results.php?definition=Office+2003")
S("wp-edge", "reference", "Wikipedia (copy of May 2023 kept by iiab.live)", "Microsoft Edge (initial release)",
  "2023-05", "https://iiab.live/kiwix/content/wikipedia_en_all_maxi_2023-05/A/Edge_Legacy")
S("packt-vs-history", "reference", "Packt Publishing", "Hands-On Visual Studio 2022, chapter 1: A brief history of VS",
  "2022", "https://www.staging.packtpub.com/en-gb/product/hands-on-visual-studio-2022-9781801810548/chapter/chapter-1-getting-started-with-visual-studio-2022-2/section/a-brief-history-of-vs-ch02lvl1sec04")
S("debugstory-vs-history", "reference", "debugstory.com", "The Evolution of Visual Studio: From 1997 to Today",
  "undated (online)", "https://debugstory.com/the-evolution-of-visual-studio-from-1997-to-today-2/")
S("betawiki-onedrive", "reference", "BetaWiki", "Draft: Microsoft OneDrive (introduced August 2007 as SkyDrive)",
  "undated (online)", "https://betawiki.net/wiki/Draft:Microsoft_OneDrive")
S("windowscentral-teams", "press", "Windows Central", "Microsoft Teams celebrates 5 years of general availability",
  "2022-03", "https://windowscentral.com/microsoft-teams-celebrates-5-years-general-availability-and-coworker-nudges")
S("internetnews-firefox", "press", "InternetNews", "Mozilla Firefox 1.0 turns four", "2008-11-10",
  "https://www.internetnews.com/blog/mozilla-firefox-1-0-turns-four/")
S("sharealink-chrome", "reference", "sharealink.org (copy of an encyclopedia article)",
  "Google Chrome (initial release 2 September 2008, preview release 0.3.154.9)", "2008-11",
  "http://www.sharealink.org/google-chrome/")
S("poynter-itunes", "press", "Poynter", "Today in media history: the iTunes music store opened (iTunes for Windows, October 2003)",
  "2015-04-28", "https://poynter.org/?p=339163")
S("wp-creative-cloud", "reference", "Wikipedia (copy kept by chaos.owiki.org)", "Adobe Creative Cloud (first announced October 2011)",
  "undated copy", "http://chaos.owiki.org/wiki/Adobe_Creative_Cloud")

# Companies that had merged, been sold or failed by late 1999 (vendor notices).
S("ap-aol-netscape-1999", "press", "Associated Press (copy kept by skratchpad.com)",
  "Justice Department won't oppose AOL, Netscape merger", "1999-03-14",
  "http://skratchpad.com/news/NEWS/biztech/3-14-99SPN08-41-18.html")
S("mattel-8k-1999-05", "filing", "Mattel, Inc.", "Form 8-K, event of May 13, 1999 (merger of The Learning Company into Mattel)",
  "1999-05-28", "https://www.incjournal.com/cik/6327/6/1999/5pzLC7FWS5TQYNd.shtml")
S("sentinel-veritas-seagate-1998", "press", "Orlando Sentinel", "Veritas Plans To Acquire Storage Group From Seagate",
  "1998-10-07", "http://articles.orlandosentinel.com/1998-10-07/business/9810060771_1_veritas-seagate-storage")
S("cnet-hayes-closes", "press", "CNET News.com", "Hayes going out of business", "1999-01",
  "https://www.cnet.com/culture/hayes-going-out-of-business/")
S("idhw-3dfx", "reference", "idhw.com", "Identify 3dfx chips (3dfx owner of STB since May 1999)", "undated (online)",
  "http://idhw.com/textual/chip/3dfx/3dfx.html")

# More statements: Microsoft's product guide, university inventories, the makers' knowledge bases
# as others quote them, and period press.
S("ms-y2k-win31", "maker", MSCD, "Year 2000 product guide: Windows 3.1 (16-bit Win)", "1999-05-18",
  MSCD_URL + "product/u68470en.htm")
S("ucb-netware", "university", "University of California, Berkeley (Year 2000 Information)",
  "PCs Running Novell NetWare Server Products: Y2K Readiness Checklist", "early 2000",
  "http://y2k.berkeley.edu/computers/fixpcs/checklists/pc/netware/")
S("ucb-filemaker", "university", "University of California, Berkeley (Year 2000 Information)",
  "Be \"Y2K Savvy\" When Using FileMaker Pro", "early 2000",
  "http://y2k.berkeley.edu/computers/fixpcs/issues/cots-apps/filemaker.html")
S("cnet-lotus-notes-2000", "press", "CNET News.com", "Lotus takes note of Y2K bug", "2000-01",
  "https://www.cnet.com/tech/tech-industry/lotus-takes-note-of-y2k-bug/")
S("lotus-kb-147238", "maker", "Lotus Development (Knowledge Base article 147238, quoted by the Lotus Notes FAQ of keysolutions.com)",
  "Is Lotus Notes Year 2000 ready?", "undated (1998)", "https://keysolutions.com/notesfaq/isnotes.html")
S("voice-os2-y2k", "press", "VOICE (Virtual OS/2 International Consumer Education) newsletter",
  "Y2K and your PC, March 1999 issue", "1999-03", "http://os2voice.org/VNL/past_issues/VNL0399H/vnewsf5.htm")
S("columbia-foxpro", "university", "Columbia University (Administrative Information Services, Year 2000)",
  "FoxPro Year 2000 Compliance", "undated (1998-1999)", "http://www.ais.columbia.edu/y2k/html/foxpro.html")
S("ms-y2k-office2000pro", "maker", MSUCD, "Year 2000 product guide: Office 2000 Professional 9.0 (volume 20)",
  "1999-07-18", MSUCD_URL + "user_allproductsvol20.htm")
S("ms-y2k-vb3", "maker", MSCD, "Year 2000 product guide: Visual Basic (16-bit) 3.0, also for 2.0 and 1.0",
  "1999-08-27", MSCD_URL + "product/u71802en.htm")
S("ms-y2k-vc42", "maker", MSCD, "Year 2000 product guide: Visual C++ 4.2 (32-bit Win)", "1999-06-10",
  MSCD_URL + "product/u71888en.htm")

# Round three: Microsoft's product guide, a university advisory, makers' own statements and the
# press reporting one.
S("ms-y2k-encarta2000", "maker", MSUCD, "Year 2000 product guide: Encarta Encyclopedia 2000 (volume 5)",
  "1999-08-26", MSUCD_URL + "user_allproductsvol5.htm")
S("ms-y2k-sms12", "maker", MSUCD, "Year 2000 product guide: Systems Management Server 1.2 (volume 30)",
  "1999-10-21", MSUCD_URL + "user_allproductsvol30.htm")
S("ucb-advisory-1999-11-12", "university", "University of California, Berkeley (Year 2000 Information)",
  "Computer advisory of 12 November 1999: the top three Y2K concerns", "1999-11-12",
  "http://y2k.berkeley.edu/computers/fixpcs/advisories/1999-11-12.html")
S("rar-y2k", "maker", "RAR archiver (for and authorised by the author, Eugene Roshal)",
  "Certification of RAR year 2000 compatibility", "1999", "http://www.rararchiver.com/2000/rary2k.html")
S("on-y2k", "maker", "ON Technology", "Year 2K compliance (Year 2000 readiness disclosure)",
  "undated (1998-1999)", "http://www.meetingmaker6.com/corpinfo/year2k.htm")
S("apogeo-freeagent", "press", "Apogeo Online (Paolo Attivissimo)",
  "FreeAgent colpito dal Millennium Bug (reports Forte's Year 2000 page for Free Agent)", "1999",
  "https://www.apogeonline.com/articoli/freeagent-colpito-dal-millennium-bug-paolo-attivissimo/")
S("gnksa-freeagent", "reference", "GNKSA (Good Net-Keeping Seal of Approval), Thijs Kinkhorst",
  "Evaluation of Forte Free Agent, product version 1.11/32.235", "1997-08-28",
  "https://gnksa.org/Evaluations/forte-free-agent-1.11.txt")

# Round four: more pages of Microsoft's product guide, its version list for Internet Explorer, and
# the press reporting Microsoft's first Year 2000 list.
S("ms-y2k-sql70", "maker", MSCD, "Year 2000 product guide: SQL Server 7.0 (Win NT)", "1999-05-19",
  MSCD_URL + "product/u67216en.htm")
S("ms-y2k-netmeeting2", "maker", MSUCD, "Year 2000 product guide: NetMeeting 2.0 (volume 18)", "1999-05-19",
  MSUCD_URL + "user_allproductsvol18.htm")
S("ms-y2k-msdos60", "maker", MSUCD, "Year 2000 product guide: MS-DOS 6.0 (volume 16)", "1999-10-28",
  MSUCD_URL + "user_allproductsvol16.htm")
S("ms-kb-q164539", "maker", "Microsoft Corporation (Knowledge Base on the Year 2000 Resource Center CD, Nov 1999, archived by discmaster.textfiles.com)",
  "Q164539: Determining which version of Internet Explorer you are using (version numbers)",
  "1999 (CD pages as of 15 September 1999)", MSCD_URL + "kb/q164539.htm")
S("zdnet-ms-y2k-1998", "press", "ZDNet", "US Report: MS outlines Y2K program",
  "1998-04 (undated online; reports the Year 2000 site Microsoft opened that month)",
  "https://www.zdnet.com/article/us-report-ms-outlines-y2k-program/")

# Microsoft's Knowledge Base as archived on GitHub (one article per file, with its last-modified
# date).
MSKB = "Microsoft Corporation (Knowledge Base, archived in the jeffpar/kbarchive repository)"
MSKB_URL = "https://github.com/jeffpar/kbarchive/blob/master/kb/"
S("ms-kb-q225140", "maker", MSKB, "Q225140: FIX: COleDateTime::operator=(time_t) breaks if year past 1999 "
  "(Visual C++ 4.0, 4.1)", "last modified 2002-07-22", MSKB_URL + "225/Q225140/README.md")
S("ms-kb-q242581", "maker", MSKB, "Q242581: Y2K Analyzer tool does not recognize Schedule+ 7.0a",
  "last modified 2000-04-27", MSKB_URL + "242/Q242581/README.md")
S("ms-kb-q192238", "maker", MSKB, "Q192238: PC WRmt: Remote client may display date incorrectly after 2000",
  "last modified 2000-01-20", MSKB_URL + "192/Q192238/README.md")
S("ms-kb-q192239", "maker", MSKB, "Q192239: Postmaster messages display incorrect date after 2000",
  "last modified 2000-01-19", MSKB_URL + "192/Q192239/README.md")
S("ms-kb-q192243", "maker", MSKB, "Q192243: Administrator program incorrectly displays date after year 2000",
  "last modified 2000-01-19", MSKB_URL + "192/Q192243/README.md")
S("ms-kb-q230335", "maker", MSKB, "Q230335: Date may be displayed improperly using Configuration Back-Up (IIS 4.0)",
  "last modified 2002-05-16", MSKB_URL + "230/Q230335/README.md")
S("ms-kb-q245329", "maker", MSKB, "Q245329: Convlog.exe converts year 2000 dates to year 2028 (IIS 3.0)",
  "last modified 2001-08-13", MSKB_URL + "245/Q245329/README.md")
S("ms-kb-q193371", "maker", MSKB, "Q193371: WINS/DHCP Admin show expiration dates 2000 - 2009 with one digit "
  "(Windows NT 3.51 and 4.0; the NT 3.51 post-SP5 Year 2000 fix)", "last modified 2002-05-20",
  MSKB_URL + "193/Q193371/README.md")
S("ms-kb-q196038", "maker", MSKB, "Q196038: Date subvector of NVAlert major vector incorrectly set in year 2000 "
  "(SNA Server 3.0 and 4.0)", "last modified 2002-07-25", MSKB_URL + "196/Q196038/README.md")
S("ms-kb-q192200", "maker", MSKB, "Q192200: XCLN: Schedule+ 1.0 supports dates to 2019", "last modified 1999-12-17",
  MSKB_URL + "192/Q192200/README.md")
S("ms-kb-q192201", "maker", MSKB, "Q192201: XCLN: Schedule+ 1.0 will not run after 12/31/2019", "last modified 1999-12-17",
  MSKB_URL + "192/Q192201/README.md")
S("ms-kb-q192241", "maker", MSKB, "Q192241: DOS Remote Mail incorrectly changes date/time after year 2000",
  "last modified 2000-01-19", MSKB_URL + "192/Q192241/README.md")
S("ms-kb-q192085", "maker", MSKB, "Q192085: MHS: Incorrect date recorded in Sent.log and Recv.log files "
  "(Mail Gateway to MHS 3.2)", "last modified 2000-01-19", MSKB_URL + "192/Q192085/README.md")
S("ms-kb-q192545", "maker", MSKB, "Q192545: PC WRmt: Windows Remote client displays wrong date after 2000",
  "last modified 2000-01-23", MSKB_URL + "192/Q192545/README.md")
S("ms-kb-q229921", "maker", MSKB, "Q229921: XFOR: LinkAge 3.2 connectors are not Year 2000 compliant",
  "last modified 2001-08-03", MSKB_URL + "229/Q229921/README.md")

# Round five: the press on Microsoft's lists of April 1998 and December 1999, and another page of
# Microsoft's product guide.
S("sddt-ms-y2k-1998", "press", "San Diego Daily Transcript (Tech Week)", "Microsoft posts Y2K product information",
  "1998-04-20", "http://www.sddt.com/News/article.cfm?SourceCode=19980420tcc&_t=Tech+Week")
S("everything2000-ms-ready", "press", "Everything2000 (reporting the Associated Press)",
  "Bring on Y2K; Microsoft ready (Word 5.0 and 5.5 for MS-DOS)", "undated (December 1999)",
  "https://www.everything2000.com/news/computer/bringony2k.html")
S("ms-y2k-oe401-16", "maker", MSUCD, "Year 2000 product guide: Outlook Express 4.01 (16-bit Win) (volume 24)",
  "1999-09-29", MSUCD_URL + "user_allproductsvol24.htm")

# F-PROT: the maker's statement in the program package and the US distributor's letter.
S("frisk-fprot306-y2k", "maker", "F-PROT's maker (YEAR2000.TXT in the F-PROT 3.06c package, mirrored by the Garbo archive at ftp.lip6.fr)",
  "F-PROT Year 2000 compliance statement", "undated (1999)",
  "https://ftp.lip6.fr/ftp/pub/pc/garbo/pc/goldies/fp-306c.zip")
S("frisk-fprot-order", "maker", "Frisk Software International (ORDER.DOC of the F-PROT package on the Chip Hitware Vol. 7 CD, archived by discmaster.textfiles.com)",
  "F-PROT ordering information (licences from Frisk Software International)", "undated (1990s)",
  "https://discmaster.textfiles.com/view/23356/Chip_Hitware_Vol_07.iso/chiphit7/_viren/fprot/order.doc")
S("command-fprot-y2k", "maker", "Command Software (CSS)", "F-PROT Professional Year 2000 Compliance (letter to customers)",
  "1996-11-08", "https://www.commandcom.com/html/tech/year2000.html")

# Release dates of products first released after 1999.
S("iprogrammer-dotnet-20", "press", "I Programmer", ".NET celebrates 20th anniversary of launch (first stable release 14 February 2002)",
  "2022-02-14", "https://www.i-programmer.info/news/89-net/15214-net-celebrates-20th-anniversary-of-launch.html")
S("wordiq-thunderbird", "reference", "WordIQ (copy of an encyclopedia article)", "Mozilla Thunderbird (version 1.0 of 7 December 2004)",
  "undated (2005)", "http://www.wordiq.com/definition/Mozilla_Thunderbird")
S("opentopia-seamonkey", "reference", "Opentopia encyclopedia (copy of an encyclopedia article)", "SeaMonkey (1.0 released 30 January 2006)",
  "undated (2006)", "http://encycl.opentopia.com/term/SeaMonkey")
S("techhacktips-google-drive", "reference", "techhacktips.com", "When did Google Drive come out? (launched 24 April 2012)",
  "undated (online)", "https://techhacktips.com/blogs/tools-productivity/when-did-google-drive-come-out-a-comprehensive-look-at-the-release-and-evolution-of-googles-cloud-storage-service")
S("skytruth-google-earth", "reference", "SkyTruth", "About Google Earth (released to the public in June 2005)",
  "undated (online)", "http://labs.skytruth.org/get-involved/skytruth-google-earth-and-you/about-google-earth")
S("dom-exchange2000", "press", "Directions on Microsoft", "Exchange 2000 released", "2000-09-18",
  "http://www.directionsonmicrosoft.com/sample/DOMIS/update/2000/10oct/1000e2r.htm")
S("winworld-exchange2000", "reference", "WinWorld", "Microsoft Exchange 2000 (download list: Exchange Server 2000 6.0.4052.0, beta 3)",
  "undated (online)", "https://winworldpc.org/product/exchange/2000")
S("jimmcleod-sql2000", "reference", "Jim McLeod (blog)", "He's dead, Jim (SQL Server 2000, version 8.0, released late 2000)",
  "2013-04-09", "http://www.jimmcleod.net/blog/index.php/2013/04/09/hes-dead-jim/")
S("wikinfo-ie", "reference", "Wikinfo", "Internet Explorer (Windows release history: 5.5 July 2000, 6.0 October 2001)",
  "2003", "http://www.wikinfo.org/index.php/Internet_Explorer")
S("betawiki-encarta", "reference", "BetaWiki", "Microsoft Encarta (timeline of editions and release years, 1993-2008)",
  "undated (online)", "https://betawiki.net/wiki/Microsoft_Encarta")
S("kolmck-delphi-versions", "reference", "kolmck.net", "Versions of Delphi programming language (Delphi 6 in 2001, 7 in 2002, 8 in 2003)",
  "undated (online)", "http://kolmck.net/versions-delphi-programming-language/")
S("piglix-netscape6", "reference", "piglix (copy of an encyclopedia article)", "Netscape 6 (initial release 14 November 2000; last release 6.2.3)",
  "undated (2017)", "http://piglix.com/piglix/Netscape_6")
S("sun-j2se-codenames", "maker", "Sun Microsystems", "Java 2 Platform Standard Edition code names and release dates (1.1.4 to 5.0)",
  "undated (2004)", "http://java.sun.com/j2se/codenames.html")
S("codejava-versions", "reference", "CodeJava.net", "Java SE versions history (J2SE 1.2 to 1.4, Java SE 6 of December 2006)",
  "2013-05-19", "http://www.codejava.net/java-se/java-se-versions-history")
S("ms-wmp7-downloads", "maker", "Microsoft PressPass", "Worldwide Popularity of Microsoft Windows Media Player 7 (downloads of its first ten days)",
  "2000-08-02", "https://news.microsoft.com/2000/08/02/worldwide-popularity-of-microsoft-windows-media-player-7/")
S("itpro-wmp7", "press", "WinInfo (ITPro Today)", "Microsoft unveils Windows Media Player 7 (version 7.0)",
  "undated (2000)", "https://www.itprotoday.com/windows-8/microsoft-unveils-windows-media-player-7")
S("syscon-flash9", "press", "SYS-CON Media (Emmy Huang, Adobe)", "Flash Player 9 adoption (Adobe released Flash Player 9 in June 2006)",
  "undated (2006)", "http://emmyhuang.sys-con.com/")
