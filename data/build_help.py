#!/usr/bin/env python3
"""Writes the seven help topics (Help*.rtf) from the texts in help_topics.py.

Usage: data/build_help.py [output directory]   (default: the directory of this script)
       data/build_help.py --check [directory]  (fails when the files there are out of date)

The topics are plain RTF 1.x documents with a font table and a colour table, which the rich-text
control of Windows, WordPad and other word processors read. The texts use a small inline markup:
[b]bold[/b], [i]italic[/i], [green]...[/c] (also blue, red, orange, magenta, black, navy) for a
coloured span, and [mono]...[/mono] for text in the fixed-width font. Every character outside
printable ASCII is written as a Windows-1252 escape (\\'hh), so the files are ASCII throughout.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from help_topics import TOPICS  # noqa: E402

# Colour table order; index 0 is the automatic colour. The class colours are those of the
# scanning page's legend and of the report.
COLOURS = [
    ("black", (0, 0, 0)),
    ("green", (0, 192, 0)),
    ("blue", (0, 0, 255)),
    ("red", (255, 0, 0)),
    ("orange", (255, 128, 0)),
    ("magenta", (255, 0, 255)),
    ("navy", (0, 0, 128)),
]
COLOUR_INDEX = {name: i + 1 for i, (name, _) in enumerate(COLOURS)}

HEADER = (
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033\r\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fmodern\\fcharset0 Courier New;}}\r\n"
    "{\\colortbl ;" + "".join("\\red%d\\green%d\\blue%d;" % rgb for _, rgb in COLOURS) + "}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20\r\n"
)

TOKEN = re.compile(r"\[(/?)(b|i|mono|c|%s)\]" % "|".join(COLOUR_INDEX))


def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\tab ")
        elif 32 <= ord(ch) < 127:
            out.append(ch)
        else:
            try:
                b = ch.encode("cp1252")
            except UnicodeEncodeError:
                sys.exit("build_help: %r is not a Windows-1252 character" % ch)
            out.append("\\'%02x" % b[0])
    return "".join(out)


def inline(text):
    """Markup to RTF: every opened span is a group, closed by its end tag."""
    out, pos, depth = [], 0, 0
    for m in TOKEN.finditer(text):
        out.append(escape(text[pos:m.start()]))
        pos = m.end()
        closing, tag = m.group(1), m.group(2)
        if closing:
            depth -= 1
            out.append("}")
        else:
            depth += 1
            if tag == "b":
                out.append("{\\b ")
            elif tag == "i":
                out.append("{\\i ")
            elif tag == "mono":
                out.append("{\\f1 ")
            else:
                out.append("{\\cf%d " % COLOUR_INDEX[tag])
        if depth < 0:
            sys.exit("build_help: unbalanced markup in %r" % text)
    if depth != 0:
        sys.exit("build_help: unbalanced markup in %r" % text)
    out.append(escape(text[pos:]))
    return "".join(out)


def block(kind, body):
    if kind == "title":
        return "\\pard\\sb0\\sa120{\\b\\fs32\\cf7 %s}\\par\r\n" % inline(body)
    if kind == "h":
        return "\\pard\\sb200\\sa80{\\b\\fs24\\cf7 %s}\\par\r\n" % inline(body)
    if kind == "p":
        return "\\pard\\sa100 %s\\par\r\n" % inline(body)
    if kind == "bullets":
        return "".join("\\pard\\fi-240\\li480\\sa60\\bullet\\tab %s\\par\r\n" % inline(b)
                       for b in body)
    if kind == "steps":
        return "".join("\\pard\\fi-300\\li540\\sa60 %d.\\tab %s\\par\r\n" % (n, inline(b))
                       for n, b in enumerate(body, start=1))
    if kind == "mono":
        return "".join("\\pard\\li480{\\f1\\fs18 %s}\\par\r\n" % inline(b) for b in body)
    sys.exit("build_help: unknown block kind %r" % kind)


def render(blocks):
    return HEADER + "".join(block(k, b) for k, b in blocks) + "\\pard\\par\r\n}\r\n"


def build(outdir):
    for name, blocks in TOPICS.items():
        data = render(blocks).encode("ascii")
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)
    print("build_help: %d topics" % len(TOPICS))


# What each topic must tell the user about its page, in the program's own words (captions,
# messages, file names): a topic that loses one of these fails the check.
KEY_POINTS = {
    "HelpINTR.rtf": ["Vendors.y2k", "APPS.y2k", "Mode Selection", "Disk Selection", "Disk Scan",
                     "Software Report", "BIOS Check", "changes nothing"],
    "HelpMODE.rtf": ["Create a Year 2000 Software Readiness Report",
                     "View the Previously Generated Report", "Files.y2k", "JFiles.y2k"],
    "HelpDISK.rtf": ["*.exe", "hidden", "network", "Abort!", "operating system"],
    "HelpSCAN.rtf": ["Year 2000 Ready", "Manufacturer Supplied No Info", "Year 2000 Ready With Issues",
                     "Not Year 2000 Ready", "Manufacturer Will Not Test", "Abort!",
                     "Not in Ostrevan Database"],
    "HelpREP.rtf": ["More Info...", "Advanced...", "Save...", "Print", "C:\\Temp.rtf",
                    "readiness request letter", "Version(s): "],
    "HelpBIOS.rtf": ["31 December 1999", "23:59", "1 January 2000", "29 February 2000", "switch off",
                     "2000.exe", "floppy", "never inside Windows", "set the correct date and time again",
                     "battery", "BIOS update",
                     # the utility's exit codes, one to a line, for batch files
                     "\t0: ", "\t1: ", "\t2: ", "\t6: ", "\t8: ", "\t16: "],
    "HelpTS.rtf": ["Unable to Print Help", "Print Error!!", "Ostrevan was Unable to Copy this File",
                   "Copy Error", "Vendors.y2k", "APPS.y2k", "Files.y2k"],
}


def plain_text(blocks):
    """A topic's words without the markup, its list items each after a tab."""
    parts = []
    for _, body in blocks:
        for b in (body if isinstance(body, list) else [body]):
            parts.append("\t" + TOKEN.sub("", b) + "\n")
    return "".join(parts)


def check(outdir):
    """Fails when the shipped files differ from what the tables generate, or a topic misses a
    point of its page."""
    missing = ["%s: %r" % (name, point) for name, points in KEY_POINTS.items()
               for point in points if point.lower() not in plain_text(TOPICS[name]).lower()]
    if missing or set(KEY_POINTS) != set(TOPICS):
        sys.exit("build_help: topics miss their points: %s" % "; ".join(missing or ["a topic"]))
    import filecmp
    import tempfile
    with tempfile.TemporaryDirectory() as tmp:
        build(tmp)
        stale = [n for n in list(TOPICS)
                 if not filecmp.cmp(os.path.join(tmp, n), os.path.join(outdir, n), shallow=False)]
    if stale:
        sys.exit("%s: out of date with its tables, run %s: %s"
                 % (os.path.basename(__file__), __file__, ", ".join(stale)))


if __name__ == "__main__":
    args = sys.argv[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    if args[:1] == ["--check"]:
        check(args[1] if len(args) > 1 else here)
    else:
        build(args[0] if args else here)
