#!/usr/bin/env python3
"""Writes Vendors.y2k and APPS.y2k from the tables in kb_vendors.py and kb_products.py.

Usage: data/build_kb.py [output directory]   (default: the directory of this script)
       data/build_kb.py --check [directory]  (fails when the files there are out of date)

The data files are Windows-1252 text, one record per line ended by CR LF; a line is a double
quote, the fields joined by TAB, and a double quote. Vendor IDs are the rows' positions in
kb_vendors.py; product IDs number APPS.y2k from 1 in file order. Products are written grouped
by vendor in vendor order, each vendor's specific records first in table order, then one
ALLPRODUCTS record per vendor that points the user to the vendor for products not listed.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kb_vendors import VENDORS  # noqa: E402
from kb_products import PRODUCTS  # noqa: E402

ALL = "ALLPRODUCTS"
NOLIMITS = "NOLIMITS"


def fail(msg):
    sys.exit("build_kb: " + msg)


def line(fields):
    for f in fields:
        if any(c in str(f) for c in "\t\r\n"):
            fail("a field holds a TAB or line break: %r" % (f,))
    text = '"' + "\t".join(str(f) for f in fields) + '"\r\n'
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError as e:
        fail("not Windows-1252 text: %r (%s)" % (text, e))


def allproducts_text(name, url):
    where = ("its web site " + url) if url else "its Year 2000 statement"
    return ("This product is not in the knowledge base yet. %s has published Year 2000 "
            "statements for its products: check %s, or print the readiness request letter "
            "from this window and send it." % (name, where))


def build(outdir):
    keys = [v[0] for v in VENDORS]
    if len(set(keys)) != len(keys):
        fail("duplicate vendor key")
    ids = {k: i + 1 for i, k in enumerate(keys)}

    vendors = b""
    for i, (key, name, a1, a2, phone, url) in enumerate(VENDORS, start=1):
        vendors += line([name, a1, a2, phone, i, url])

    by_vendor = {k: [] for k in keys}
    for p in PRODUCTS:
        vendor, code, name, exe, vb, ve, text, alt = p
        if vendor not in ids:
            fail("product %r names unknown vendor %r" % (name, vendor))
        if vendor == "none":
            fail("product %r filed under 'no manufacturer' can never match" % name)
        if name == ALL:
            fail("write ALLPRODUCTS records through build_kb.py, not the table")
        if not 1 <= code <= 6:
            fail("product %r has code %r" % (name, code))
        if not text.strip():
            fail("product %r has no instructions" % name)
        by_vendor[vendor].append(p)

    apps = b""
    next_id = 1
    for key, name, a1, a2, phone, url in VENDORS:
        if key == "none":
            continue
        rows = list(by_vendor[key])
        rows.append((key, 2, ALL, "", NOLIMITS, NOLIMITS, allproducts_text(name, url), ""))
        for vendor, code, pname, exe, vb, ve, text, alt in rows:
            apps += line([next_id, ids[vendor], code, pname, exe, vb, ve, text, alt])
            next_id += 1

    with open(os.path.join(outdir, "Vendors.y2k"), "wb") as f:
        f.write(vendors)
    with open(os.path.join(outdir, "APPS.y2k"), "wb") as f:
        f.write(apps)
    print("build_kb: %d vendors, %d products (%d specific)"
          % (len(VENDORS), next_id - 1, len(PRODUCTS)))


def check(outdir):
    """Fails when the shipped files differ from what the tables generate."""
    import filecmp
    import tempfile
    with tempfile.TemporaryDirectory() as tmp:
        build(tmp)
        stale = [n for n in ["Vendors.y2k", "APPS.y2k"]
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
