# The texts of the seven help topics. build_help.py turns each into its Help*.rtf file.
# Blocks: ("title", text), ("h", heading), ("p", paragraph), ("bullets", [items]),
# ("steps", [numbered items]), ("mono", [lines in the fixed-width font]).
# Inline markup: [b]..[/b], [i]..[/i], [mono]..[/mono], [green]..[/c] (blue, red, orange,
# magenta, black, navy).

CLASSES = [
    ("bullets", [
        "[red][b]Not Year 2000 Ready - Upgrade or Discontinue Use[/b][/c] (red): the maker will "
        "not make this version ready. Install a newer version or stop using the program before "
        "it handles dates after 1999.",
        "[red][b]Not Year 2000 Ready - Fix or Workaround Available[/b][/c] (red): an update, "
        "service pack or free newer release makes it ready. The instructions name it; install "
        "it.",
        "[orange][b]Year 2000 Ready With Issues - Check with Manufacturer[/b][/c] (orange): "
        "the program works, but small quirks remain, for example two-digit years read in a "
        "fixed window. Read the instructions and type four-digit years.",
        "[blue][b]No Info Supplied, Send Readiness Request Letter[/b][/c] (blue): the maker is "
        "known, but the knowledge base has no status for this product or version. Print the "
        "readiness request letter and send it, or look on the maker's web site.",
        "[magenta][b]Manufacturer will not Test[/b][/c] (magenta): the maker has said it will "
        "not test this product. Treat it as not ready: replace it or test it yourself.",
        "[green][b]Year 2000 Ready - No Action Required[/b][/c] (green): the maker states the "
        "version is ready. Nothing to do, provided the PC's clock (BIOS) is ready too.",
        "[black][b]Not in Ostrevan Database, Send Readiness Request Letter[/b][/c] (black): the "
        "company named in the program is not in the vendor list. Find the maker's address "
        "(the program's About box or manual) and ask for its Year 2000 status.",
    ]),
]

TOPICS = {}

TOPICS["HelpINTR.rtf"] = [
    ("title", "Welcome to Ostrevan"),
    ("p", "Ostrevan checks a Windows PC for Year 2000 readiness. It looks at every program "
          "file on a drive, finds out what each program is, and tells you whether its maker "
          "has declared it ready for dates after 31 December 1999, and what to do if not."),
    ("h", "What Ostrevan does"),
    ("bullets", [
        "It checks the operating system first (Windows 95, 98, Me, NT, 2000 or later).",
        "It reads the version information of every program file ([mono]*.exe[/mono]) on the "
        "drive you choose: product name, company, version.",
        "It looks each program up in its knowledge base of software makers and products "
        "([mono]Vendors.y2k[/mono] and [mono]APPS.y2k[/mono], beside the program) and gives it "
        "a readiness class.",
        "It shows a colour-coded report, with the maker's address and instructions for each "
        "product, and prints a readiness request letter for products without a status.",
        "It explains how to check the PC's BIOS clock, the part no program scan can judge.",
    ]),
    ("p", "Ostrevan changes nothing on your PC. It only reads program files, and writes its "
          "results to [mono]Files.y2k[/mono] and [mono]JFiles.y2k[/mono] in its own folder."),
    ("h", "The pages"),
    ("steps", [
        "[b]Welcome[/b]: this page.",
        "[b]Mode Selection[/b]: create a new report, or view the one from the last scan.",
        "[b]Disk Selection[/b]: choose the drive to scan.",
        "[b]Disk Scan[/b]: the scan runs; you see each program as it is examined.",
        "[b]Software Report[/b]: the results, worst first.",
        "[b]BIOS Check[/b]: how to test the PC's clock; copies the test utility to a floppy.",
    ]),
    ("p", "Use [b]Next[/b] and [b]Back[/b] to move between the pages, [b]Help[/b] to bring "
          "this window back, and [b]Exit[/b] to end. This help window follows the page you are "
          "on; the buttons at its top choose any other topic, and [b]Print[/b] prints the "
          "topic shown."),
    ("h", "The readiness classes"),
] + CLASSES + [
    ("p", "A program is only as ready as the PC it runs on: check the BIOS clock as well (BIOS "
          "Check topic)."),
    ("p", "Where the statuses come from: each record of the knowledge base follows a published source, mostly the maker's own Year 2000 statement or product guide of 1999, and says as of which month its status holds (most are of autumn 1999). Programs released after 1999 are rated by their release date. Where no statement of the maker was found, the record says so and the program shows \"No Info Supplied\": Ostrevan does not guess. A newer statement from the maker takes precedence."),
]

TOPICS["HelpMODE.rtf"] = [
    ("title", "Mode Selection"),
    ("p", "Choose what Ostrevan should do, then press [b]Next[/b]."),
    ("h", "Create a Year 2000 Software Readiness Report"),
    ("p", "Scans the drive you select on the next page for all installed software and builds a "
          "new report. Every scan replaces the results of the previous one, whatever drive it "
          "scanned. Choose this the first time, and after you have installed, updated or "
          "removed programs."),
    ("h", "View the Previously Generated Report"),
    ("p", "Shows the results of the last scan without scanning again. The drive page is "
          "skipped: [b]Next[/b] goes straight to the report, and [b]Back[/b] on the report "
          "returns here. If you already scanned in this session, the results in memory are "
          "shown."),
    ("p", "The results are kept in two files in Ostrevan's own folder: [mono]Files.y2k[/mono] "
          "(programs with version information) and [mono]JFiles.y2k[/mono] (program files "
          "without it). If they are missing, for example because no scan has been run yet, the "
          "report is empty: go back and create a new report instead."),
    ("h", "Tips"),
    ("bullets", [
        "Ostrevan keeps one set of results. To keep the report of a drive, save it as a "
        "rich-text file from the report page before scanning another drive.",
        "Ostrevan must be able to write to its own folder to keep the results; run it from a "
        "hard disk, not from a write-protected floppy or CD.",
    ]),
]

TOPICS["HelpDISK.rtf"] = [
    ("title", "Disk Selection"),
    ("p", "Choose the drive to scan from the list, then press [b]Next[/b] to start the scan. "
          "Below the list Ostrevan shows what it knows about the drive: its kind (fixed, "
          "removable, network, CD-ROM, RAM disk), its label and its size and free space."),
    ("h", "Which drive to choose"),
    ("bullets", [
        "The drive Windows and your programs are installed on, usually [b]C:[/b]. Scan each "
        "hard disk in turn if you have several; save or print the report after each scan.",
        "A network drive works, but the scan is slow and shows the server's programs, which "
        "the network administrator looks after.",
        "A floppy or CD drive needs a disk in it; otherwise the scan finds nothing.",
    ]),
    ("h", "What the scan looks at"),
    ("p", "Every folder of the drive, and in each folder every program file ([mono]*.exe[/mono]) "
          "that is not hidden or a system file. Programs are not started; only their version "
          "information is read. A full hard disk of 1999 takes a few minutes; you can stop the "
          "scan at any time with [b]Abort![/b] and keep the results so far."),
    ("p", "Before the drive, Ostrevan checks the operating system that is running, and lists it "
          "first in the results."),
]

TOPICS["HelpSCAN.rtf"] = [
    ("title", "Disk Scan"),
    ("p", "Ostrevan is examining the programs of the drive. For each program file the page "
          "shows its name and icon, the result for it on the status line, and how far the scan "
          "has come."),
    ("h", "The legend"),
    ("p", "The five counters count the programs of each class found so far. The line beside "
          "a class lights up when a program falls into it:"),
    ("bullets", [
        "[green][b]Year 2000 Ready[/b][/c] (green)",
        "[blue][b]Manufacturer Supplied No Info[/b][/c] (blue)",
        "[orange][b]Year 2000 Ready With Issues[/b][/c] (orange)",
        "[red][b]Not Year 2000 Ready[/b][/c] (red): fix available, or upgrade needed",
        "[magenta][b]Manufacturer Will Not Test[/b][/c] (magenta)",
    ]),
    ("p", "Programs whose maker is not in the knowledge base are not counted; the small square "
          "turns black for them and the status line says \"Not in Ostrevan Database\". Program "
          "files without version information are kept in a separate list (the [b]Advanced...[/b] "
          "button of the report)."),
    ("p", "The operating system is checked first; every file of Windows itself found later "
          "counts in the operating system's class."),
    ("h", "Stopping the scan"),
    ("p", "Press [b]Abort![/b] to stop. The programs examined so far are saved and shown in "
          "the report, as after a complete scan. The other buttons are disabled while the scan "
          "runs."),
]

TOPICS["HelpREP.rtf"] = [
    ("title", "Software Report"),
    ("p", "The report lists every program with version information that the scan found, "
          "grouped by readiness class, the most urgent first. Each entry shows the product "
          "name, its version or versions, the manufacturer and the readiness class, in the "
          "class's colour:"),
    ("mono", ["[green]Acme Writer[/c]",
              "[green]\tVersion(s): 3.1 - 4.0[/c]",
              "[green]\tManufacturer: Acme[/c]",
              "[green]\tYear 2000 Ready - No Action Required[/c]"]),
    ("h", "Reading the colours and what to do"),
] + CLASSES + [
    ("h", "Buttons"),
    ("bullets", [
        "[b]More Info...[/b] (or a double click on an entry): the manufacturer's address, "
        "telephone and web address, the versions the status applies to, and the instructions. "
        "From there you can print a readiness request letter to the manufacturer.",
        "[b]Advanced...[/b]: the program files without version information. Most are small "
        "tools and parts of other programs; the ones you use yourself are worth a question "
        "to their maker.",
        "[b]Save...[/b]: saves the report as a rich-text file (default [mono]C:\\Temp.rtf[/mono]), "
        "which WordPad and word processors open.",
        "[b]Print[/b]: prints the report on the default printer.",
    ]),
    ("h", "Working through the report"),
    ("steps", [
        "Start at the top. For each red entry, read the instructions (More Info...) and "
        "install the named update or a newer version, or plan to stop using the program.",
        "Orange entries: read the instructions; most ask you to type four-digit years.",
        "Blue and black entries: send the readiness request letter, or check the maker's "
        "web site. Programs you no longer use can simply be removed.",
        "Scan again after installing updates: the entries should turn green.",
        "Go on to the BIOS Check page: the PC's clock must be ready as well.",
    ]),
    ("p", "Each status follows a published source, mostly the maker's Year 2000 statement of "
          "1999, and the instructions say as of when it holds; where no statement was found the "
          "entry says so. A newer statement from the maker takes precedence."),
]

TOPICS["HelpBIOS.rtf"] = [
    ("title", "BIOS Check"),
    ("p", "The BIOS and the clock chip of the PC keep the date while the PC is off and hand it "
          "to the operating system at start-up. Many PCs built before 1998 keep only two digits "
          "of the year and do not move from 1999 to 2000 by themselves; some accept no date "
          "after 1999 at all. Ready programs cannot help if the PC starts with the wrong date. "
          "Ostrevan does not test the BIOS itself; use the test utility or the check by hand "
          "below."),
    ("h", "Before you start"),
    ("bullets", [
        "Back up your files.",
        "Disconnect the network and stop any time synchronisation.",
        "Close schedulers and time-limited or trial software: moving the date can expire "
        "licences or start clean-up rules.",
        "A weak CMOS battery makes every result meaningless; if the PC loses its time when "
        "switched off, replace the battery first.",
    ]),
    ("h", "The test utility 2000.exe"),
    ("p", "[mono]2000.exe[/mono] is Ostrevan's own clock test, a small DOS program that ships "
          "beside [mono]Ostrevan.exe[/mono]. The BIOS Check page copies it to the root of a "
          "drive you choose. Run it from DOS, never inside Windows: it sets the real clock to "
          "dates around 2000 for about half a minute, then sets it back. (Started while Windows "
          "runs, it refuses and says so.)"),
    ("steps", [
        "Put a DOS boot floppy (a Windows 95/98 startup disk) in drive A:.",
        "On the BIOS Check page choose drive [b]A:[/b] and press [b]Copy YMARK2000 to this "
        "Drive...[/b].",
        "Restart the PC from the floppy. Windows 98 and Windows NT 4.0 with Service Pack 4 "
        "quietly correct a wrong century at start-up, which hides a BIOS fault; DOS does not.",
        "At the [mono]A:\\>[/mono] prompt type [mono]2000[/mono] and press Enter. "
        "([mono]2000 /12[/mono] and [mono]2000 /BIN[/mono] repeat the clock-chip tests with "
        "the clock in 12-hour or in binary mode.)",
        "Read the result lines: each test says [b]passed[/b] or [b]FAILED[/b] with the reason, "
        "and the last line, [b]Result:[/b], gives the verdict with its exit code and the next "
        "step.",
        "When all tests passed, the utility leaves one test to you, the restart test, and "
        "ends with exit code 16. Set the date to 31 December 1999 and the time to 23:55, "
        "switch the PC off for at least five minutes, switch it on, start from the floppy "
        "again and type [mono]2000 /R[/mono].",
    ]),
    ("p", "[mono]2000 /R[/mono] first checks that the clock chip, the BIOS and DOS all show "
          "1 January 2000, so that the clock rolled over while the PC was off; if not, that "
          "counts as a failed rollover (exit code 2, unless a more basic fault is found as "
          "well). Then it runs all the other tests again. Only this run can end with "
          "exit code 0: without [mono]/R[/mono] the best result is 16."),
    ("p", "Its exit code, for batch files ([mono]IF ERRORLEVEL[/mono]):"),
    ("bullets", [
        "[green]0[/c]: the clock is Year 2000 ready, also across a restart (only after "
        "[mono]2000 /R[/mono]).",
        "[red]1[/c]: the clock chip is not compatible with the standard PC clock chip "
        "(MC146818); the clock could not be tested and was left as it was. A new CMOS battery "
        "may help; otherwise ask the PC's maker.",
        "[red]2[/c]: the clock does not roll over to the next century (with "
        "[mono]/R[/mono]: the date after the restart is not 1 January 2000).",
        "[red]6[/c]: the BIOS does not support the year 2000.",
        "[red]8[/c]: the BIOS does not know the leap day 29 February 2000.",
        "[orange]16[/c]: the tests passed; the restart test (rollover while switched off) is "
        "still to be done by hand.",
    ]),
    ("p", "The clock is set back to the time it showed at the start plus the seconds the test "
          "took. If the utility says it could not set it back, set the date and time by hand "
          "with the DOS [mono]DATE[/mono] and [mono]TIME[/mono] commands or in the BIOS set-up."),
    ("h", "Checking the clock by hand"),
    ("p", "Without the utility, check the clock from the BIOS set-up screen (the key is shown at "
          "start-up, often Del or F1) or from DOS with the [mono]DATE[/mono] and "
          "[mono]TIME[/mono] commands, after starting from a DOS floppy:"),
    ("steps", [
        "[b]Rollover while running[/b]: set the date to 31 December 1999 and the time to "
        "23:59:45. After the minute turns, the date must read [b]1 January 2000[/b].",
        "[b]Rollover while switched off[/b]: set 31 December 1999, 23:55, switch the PC off for "
        "at least five minutes, switch it on: the date must be Saturday, 1 January 2000, a few "
        "minutes past midnight.",
        "[b]The date survives a power cycle[/b]: set 1 January 2000 by hand, switch off and on, "
        "and check that the year is still 2000 and not 1900 or 1980.",
        "[b]Leap day[/b]: set 28 February 2000, 23:55; the date must roll to [b]Tuesday, 29 "
        "February 2000[/b], and later to Wednesday, 1 March 2000. 2000 is a leap year. "
        "Optionally check 31 December 2000 (day 366) and that 28 February 2001 rolls to "
        "1 March 2001.",
    ]),
    ("h", "Reading the results"),
    ("bullets", [
        "A date of 4 January 1980 (or 1900) after start-up: the BIOS does not update the "
        "century.",
        "The BIOS refuses any date in 2000: it supports only a limited range of years.",
        "The raw clock-chip test fails but the date after start-up is right: usually harmless, "
        "because the BIOS corrects the century itself.",
    ]),
    ("h", "What to do if the clock is not ready"),
    ("steps", [
        "Get a BIOS update from the maker of the PC or of its main board.",
        "Use a memory-resident or operating-system fix that corrects the century at start-up.",
        "Set the date by hand once, on 1 January 2000 (most BIOSes keep it afterwards; check "
        "with the power-cycle test).",
        "Fit a BIOS upgrade card.",
        "Replace the PC.",
    ]),
    ("p", "[b]Afterwards, set the correct date and time again[/b], reconnect the network and "
          "restart your schedulers."),
]

TOPICS["HelpTS.rtf"] = [
    ("title", "Troubleshooting"),
    ("h", "The help window is empty or shows the wrong topic"),
    ("p", "The help topics are the files [mono]HelpINTR.rtf[/mono], [mono]HelpMODE.rtf[/mono], "
          "[mono]HelpDISK.rtf[/mono], [mono]HelpSCAN.rtf[/mono], [mono]HelpREP.rtf[/mono], "
          "[mono]HelpBIOS.rtf[/mono] and [mono]HelpTS.rtf[/mono] in Ostrevan's folder. If one "
          "is missing, its topic keeps showing the previous text. Copy the whole Ostrevan "
          "folder again."),
    ("h", "Every program is \"Not in Ostrevan Database\""),
    ("p", "The knowledge base files [mono]Vendors.y2k[/mono] and [mono]APPS.y2k[/mono] must be "
          "in Ostrevan's folder. Without them no maker is known. Copy them back and scan again."),
    ("h", "The report is empty"),
    ("bullets", [
        "In view mode: no scan has been saved yet, or [mono]Files.y2k[/mono] was deleted. "
        "Create a new report instead.",
        "After a scan: the drive had no readable programs (an empty floppy, a CD drive without "
        "a disk, or a drive that is not ready). Choose another drive.",
        "The results could not be saved when Ostrevan's folder is write-protected; run it from "
        "a hard disk.",
    ]),
    ("h", "The scan is slow"),
    ("p", "Large drives and network drives take long. Close other programs, scan local drives "
          "only, or stop with [b]Abort![/b]: the programs examined so far are kept."),
    ("h", "A program I know is ready shows another class"),
    ("p", "The status belongs to the version range shown in the details (More Info...). A "
          "program whose version lies outside every known range of its maker shows \"No Info "
          "Supplied\"; check the maker's web site for that version. Each status follows a "
          "published source, mostly the maker's statement of 1999, as of the date the "
          "instructions give; a newer statement takes precedence."),
    ("h", "Messages"),
    ("bullets", [
        "[b]Unable to Print Help[/b] or [b]Print Error!![/b]: no default printer is set up, or "
        "it is off-line. Set one up in the Printers folder and try again.",
        "[b]Ostrevan was Unable to Copy this File[/b] (Copy Error): the floppy is missing or "
        "write-protected, the disk is full, or [mono]2000.exe[/mono] is not in Ostrevan's "
        "folder.",
    ]),
    ("h", "The manufacturer's address is out of date"),
    ("p", "The addresses are those the makers published at the time. Many companies have "
          "moved, merged or closed since; check the web address first, and address the "
          "readiness request letter to the current owner of the product."),
    ("h", "The date is wrong after testing the BIOS"),
    ("p", "The BIOS test changes the PC's clock. Set the correct date and time again in the "
          "Date/Time control panel or with the DOS [mono]DATE[/mono] and [mono]TIME[/mono] "
          "commands."),
]

# ---- Checking other PCs (ostrevan-scan --os drive and --fleet) --------------------------------
# Kept as one block of its own, appended to the report topic.
# Sources of the facts below:
# - MSDOS.SYS of Windows 95/98 is a text file in the root of the boot drive whose [Paths]
#   section holds WinDir=, the Windows folder chosen during Setup: Microsoft Knowledge Base
#   Q118579, "Contents of the Windows Msdos.sys File"
#   (https://helparchive.huntertur.net/document/105254).
# - BOOT.INI of Windows NT/2000 lies in the root of the system partition; the default= line
#   of its [boot loader] section names the system started by default, a path such as
#   multi(0)disk(0)rdisk(0)partition(1)\WINNT, while "C:\" names the previous (MS-DOS based)
#   system: Microsoft Knowledge Base 99743, "Purpose of the BOOT.INI File in Windows 2000 or
#   Windows NT" (http://support.microsoft.com/kb/99743/EN-US/).
# - The version numbers of the releases: see the table in src/scan/drive_windows.cpp.
TOPICS["HelpREP.rtf"] += [
    ("h", "Checking other PCs"),
    ("p", "The command-line scanner [mono]ostrevan-scan[/mono] can check the disk of another "
          "PC and gather the results of a whole office."),
    ("p", "[b]A disk of another PC.[/b] Attach or mount the disk and scan it with "
          "[mono]--os drive[/mono]: the operating system is then judged by the Windows "
          "installed on that disk, recognised from the version of its own kernel file, not "
          "by the system that runs the scan. When the disk holds several Windows folders, the "
          "default entry of [mono]BOOT.INI[/mono] or the [mono]WinDir=[/mono] line of "
          "[mono]MSDOS.SYS[/mono] says which one starts. When no Windows is found, the scanner "
          "says so and checks the programs only."),
    ("mono", ["ostrevan-scan --map C:=/mnt/disk --os drive C:"]),
    ("p", "[b]A whole office.[/b] Copy each PC's [mono]Files.y2k[/mono] and "
          "[mono]JFiles.y2k[/mono] into a folder named after the PC, then run "
          "[mono]--fleet[/mono] with a name for the output and the folders. "
          "[mono]office.rtf[/mono] lists every product, worst class first in the class "
          "colours, with the PCs that carry it, and a table of the PCs; "
          "[mono]office.csv[/mono] has one line per product and PC for a spreadsheet. A "
          "folder with missing or damaged result files is named in a warning and left out."),
    ("mono", ["ostrevan-scan --fleet office PC-01 PC-02 PC-03"]),
]
