#!/usr/bin/env python3
"""Every function the shipped Windows programs import must be in imports.tsv, exist on the oldest
systems the programs support (Windows 98 and NT 4.0) and say where that fact comes from.

  check_imports.py imports.tsv Ostrevan.exe ostrevan-scan.exe ...

A table row is DLL, function, the oldest Windows 95/98/ME release that has it (95, 98; "stub"
for a wide-character function that family only exports as a failing stub, which the programs
never call there), the oldest NT release (3.1, 3.5, 3.51, 4.0), and the source. Exits 1 with
one line per fault; 0 when every import is in the table within the targets.
"""
import sys

import pefile

NINE_X = {"95", "98", "stub"}
NT = {"3.1", "3.5", "3.51", "4.0"}


def read_table(path):
    table, faults = {}, []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            if not line.strip() or line.startswith("#"):
                continue
            cols = line.rstrip("\n").split("\t")
            if len(cols) != 5 or not all(c.strip() for c in cols):
                faults.append(f"{path}:{n}: needs DLL, function, 9x, NT and a source")
                continue
            dll, fn, nine_x, nt, _source = cols
            if nine_x not in NINE_X:
                faults.append(f"{path}:{n}: {dll}!{fn} is not on Windows 98 ({nine_x})")
            if nt not in NT:
                faults.append(f"{path}:{n}: {dll}!{fn} is newer than NT 4.0 ({nt})")
            table[(dll.lower(), fn)] = cols
    return table, faults


def imports_of(exe):
    pe = pefile.PE(exe, fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_IMPORT"]])
    faults = []
    if pe.FILE_HEADER.Machine != pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"]:
        faults.append(f"{exe}: not a 32-bit (i386) program")
    oh = pe.OPTIONAL_HEADER
    if (oh.MajorSubsystemVersion, oh.MinorSubsystemVersion) != (4, 0) or oh.MajorOperatingSystemVersion != 4:
        faults.append(f"{exe}: subsystem {oh.MajorSubsystemVersion}.{oh.MinorSubsystemVersion}, "
                      f"OS {oh.MajorOperatingSystemVersion}: Windows 95/98/ME refuse 5.0 and more")
    found = set()
    for entry in getattr(pe, "DIRECTORY_ENTRY_IMPORT", []):
        dll = entry.dll.decode().lower()
        for imp in entry.imports:
            name = imp.name.decode() if imp.name else f"#{imp.ordinal}"
            found.add((dll, name))
    return found, faults


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    table, faults = read_table(argv[1])
    for exe in argv[2:]:
        found, exe_faults = imports_of(exe)
        faults += exe_faults
        faults += [f"{exe}: imports {dll}!{fn}, which is not in the table"
                   for dll, fn in sorted(found) if (dll, fn) not in table]
        print(f"{exe}: {len(found)} imports")
    for f in faults:
        print(f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
