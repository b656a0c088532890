#!/usr/bin/env python3
"""Compares `ostrevan-scan --version-info` with python3-pefile, an independent reader of
program files, over the Windows programs Debian ships (Wine's own, and NSIS stubs when
installed). For every file and field where pefile finds the string table that the reader must
choose (the translation list's US English entry, else its last entry), the two must give the
same text. Prints "N passed, N failed"; exits 1 on any difference.

usage: compare_with_pefile.py OSTREVAN_SCAN [DIR...]"""
import glob
import os
import subprocess
import sys

try:
    import pefile
except ImportError:
    print("pefile is not installed: comparison skipped")
    print("0 passed, 0 failed")
    sys.exit(0)

FIELDS = ["ProductName", "CompanyName", "ProductVersion", "FileDescription", "Comments"]
DIRS = ["/usr/lib/x86_64-linux-gnu/wine/x86_64-windows", "/usr/lib/x86_64-linux-gnu/wine/i386-windows",
        "/usr/share/nsis/Stubs"]


def expected_fields(path):
    """The fields pefile reads from the table the translation list names, or None when the
    choice would need the fallback walk (left to the unit tests)."""
    try:
        pe = pefile.PE(path, fast_load=True)
        pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    except Exception:
        return None
    if not hasattr(pe, "VS_VERSIONINFO") or not getattr(pe, "FileInfo", None):
        return None
    tables, translation = {}, None
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            key = table.LangID.decode("ascii", "replace").upper()
            tables.setdefault(key, table.entries)
        for var in getattr(info, "Var", []):
            if b"Translation" in var.entry:
                translation = [int(x, 16) for x in var.entry[b"Translation"].split()]
    if translation is None or len(translation) < 2:
        return None
    lang, cp = 0, 0
    for i in range(0, len(translation) - 1, 2):
        lang, cp = translation[i], translation[i + 1]
        if lang == 1033:
            break
    key = "%04X%04X" % (lang, cp)
    key = {"00000000": "04090000", "000004E4": "040904E4"}.get(key, key)
    if key not in tables:
        return None
    out = {}
    for field in FIELDS:
        value = tables[key].get(field.encode())
        if value is None:
            out[field] = None  # absent here: the fallback walk decides
            continue
        text = value.decode("utf-8", "replace").split("\0")[0]
        try:
            out[field] = text.encode("cp1252") if text else b"None"
        except UnicodeEncodeError:
            out[field] = None  # needs the best-fit table; checked by the Windows-side tests
    return out


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    tool = sys.argv[1]
    dirs = sys.argv[2:] or DIRS
    files = sorted(f for d in dirs for f in glob.glob(os.path.join(d, "*")) if os.path.isfile(f))
    passed = failed = 0
    for start in range(0, len(files), 200):
        chunk = files[start:start + 200]
        out = subprocess.run([tool, "--version-info"] + chunk, capture_output=True, check=True).stdout
        lines = out.split(b"\n")[:-1]
        assert len(lines) == len(chunk), "one line per file"
        for path, line in zip(chunk, lines):
            parts = line.split(b"\t")
            assert parts[0] == path.encode(), (parts[0], path)
            want = expected_fields(path)
            if not want:
                continue
            for field, got in zip(FIELDS, parts[1:]):
                if want[field] is None:
                    continue
                if got == want[field]:
                    passed += 1
                else:
                    failed += 1
                    print("DIFFERS %s %s: reader %r, pefile %r" % (path, field, got, want[field]))
    print("%d files" % len(files))
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
