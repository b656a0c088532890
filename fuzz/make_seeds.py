#!/usr/bin/env python3
"""Writes the crafted program files of fuzz/seeds/: files built to make a careless reader of
program files spend minutes or gigabytes on one file. They seed the fuzzer and are the hostile
part of tests/tools/hostile_files.py, which runs the scanner on each under a time and memory
budget (and on a sparse copy of each, so that sizes the file claims lie within it).

    python3 fuzz/make_seeds.py            # rewrites fuzz/seeds/
"""
import os
import struct
import sys

SECTION_TABLE = 0x40 + 24 + 224


def pe32(sections, resource_rva, resource_size, tail_at, tail):
    """A 32-bit program: `sections` are (virtual address, virtual size, raw size, raw pointer);
    `tail` is written at file offset `tail_at`."""
    head = bytearray(SECTION_TABLE + 40 * len(sections))
    head[0:2] = b"MZ"
    struct.pack_into("<I", head, 0x3C, 0x40)
    head[0x40:0x44] = b"PE\0\0"
    struct.pack_into("<HHIIIHH", head, 0x44, 0x14C, len(sections) & 0xFFFF, 0, 0, 0, 224, 0x102)
    opt = 0x40 + 24
    struct.pack_into("<H", head, opt, 0x10B)
    struct.pack_into("<I", head, opt + 60, 0x200)   # size of headers
    struct.pack_into("<I", head, opt + 92, 16)      # data directories
    struct.pack_into("<II", head, opt + 96 + 2 * 8, resource_rva, resource_size)
    for i, (va, vsize, rsize, rptr) in enumerate(sections):
        at = SECTION_TABLE + 40 * i
        head[at:at + 8] = b".rsrc\0\0\0" if i == 0 else b"\0" * 8
        struct.pack_into("<IIII", head, at + 8, vsize, va, rsize, rptr)
    out = bytearray(max(len(head), tail_at) + len(tail))
    out[0:len(head)] = head
    out[tail_at:tail_at + len(tail)] = tail
    return bytes(out)


def directory(entries):
    """A resource directory: header and (name, target) entries, all counted as numbered."""
    d = struct.pack("<IIHHHH", 0, 0, 0, 0, 0, len(entries))
    return d + b"".join(struct.pack("<II", n, t) for n, t in entries)


def overlapping_languages(names, sections):
    """Version names whose language directories start 8 bytes apart within one run of cells:
    each reads the next 4,096 cells as its languages, and every language points at a data
    entry that lies in no section, so each lookup walks the whole section table."""
    SUB = 0x80000000
    cells_at = 0x100
    cell = struct.pack("<II", 0x409, 0x0FFF0FFF)  # read as a header, this claims 2 x 4,095
    cells = cell * (names + 4100)
    name_dir_at = cells_at + len(cells)
    name_dir = directory([(1, SUB | (cells_at + 8 * i)) for i in range(names)])
    rsrc = bytearray(name_dir_at + len(name_dir))
    rsrc[0:24] = directory([(16, SUB | name_dir_at)])
    rsrc[cells_at:cells_at + len(cells)] = cells
    rsrc[name_dir_at:] = name_dir
    raw_at = (SECTION_TABLE + 40 * sections + 0x1FF) & ~0x1FF
    table = [(0x1000, len(rsrc), len(rsrc), raw_at)] + [(0, 0, 0, 0)] * (sections - 1)
    return pe32(table, 0x1000, len(rsrc), raw_at, rsrc)


def huge_version(claimed):
    """One version resource that claims `claimed` bytes starting right after its data entry:
    a sparse copy of the file holds them while taking a few kilobytes of disk."""
    SUB = 0x80000000
    rsrc = bytearray(0x200)
    rsrc[0x00:0x18] = directory([(16, SUB | 0x18)])
    rsrc[0x18:0x30] = directory([(1, SUB | 0x30)])
    rsrc[0x30:0x48] = directory([(0x409, 0x48)])
    struct.pack_into("<II", rsrc, 0x48, 0x1000 + 0x60, claimed)
    struct.pack_into("<HH", rsrc, 0x60, 0xFFFF, 0)  # the block's own 16-bit length
    raw_at = 0x200
    return pe32([(0x1000, 0xFFFFFFF0, 0xFFFFFE00, raw_at)], 0x1000, 0x200, raw_at, bytes(rsrc))


def ver_node(key, value=b"", value_length=0, kind=1, children=b""):
    """A node of a 32-bit version block, padded to 4 bytes (the padding not counted)."""
    k = key.encode("utf-16-le") + b"\0\0"
    head = 6 + len(k)
    body = b"\0" * ((-head) % 4) + value + b"\0" * ((-len(value)) % 4)
    node = struct.pack("<HHH", head + len(body) + len(children), value_length, kind) + k + body + children
    return node + b"\0" * ((-len(node)) % 4)


def version_program(fields):
    """A 32-bit program whose version block holds the given text fields (US English, 1252)."""
    strings = b"".join(ver_node(k, v.encode("utf-16-le") + b"\0\0", len(v) + 1) for k, v in fields.items())
    fixed = struct.pack("<13I", 0xFEEF04BD, 0x10000, *([0] * 11))
    block = ver_node("VS_VERSION_INFO", fixed, len(fixed), 0,
                     ver_node("StringFileInfo", children=ver_node("040904E4", children=strings)) +
                     ver_node("VarFileInfo", children=ver_node("Translation", struct.pack("<HH", 0x409, 1252), 4, 0)))
    SUB = 0x80000000
    rsrc = bytearray(0x60)
    rsrc[0x00:0x18] = directory([(16, SUB | 0x18)])
    rsrc[0x18:0x30] = directory([(1, SUB | 0x30)])
    rsrc[0x30:0x48] = directory([(0x409, 0x48)])
    struct.pack_into("<II", rsrc, 0x48, 0x1000 + 0x60, len(block))
    rsrc += block
    return pe32([(0x1000, len(rsrc), len(rsrc), 0x200)], 0x1000, len(rsrc), 0x200, bytes(rsrc))


SEEDS = {
    # 4,096 x 4,096 lookups, each over 65,535 sections.
    "overlapping-languages-65535-sections.exe": lambda: overlapping_languages(4096, 65535),
    # The same crowding in a file small enough for the fuzzer to mutate quickly.
    "overlapping-languages-small.exe": lambda: overlapping_languages(1024, 200),
    # Version resources just under 2 GiB (a buffer of twice that plus the bytes: 6 GB) and of
    # 1 GiB.
    "version-claims-2gib.exe": lambda: huge_version(0x7FFFFFF0),
    "version-claims-1gib.exe": lambda: huge_version(0x40000000),
}


def main():
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "seeds")
    if len(sys.argv) > 1:
        out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, build in SEEDS.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(build())


if __name__ == "__main__":
    main()
