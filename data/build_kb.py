#!/usr/bin/env python3
"""Writes Vendors.y2k, APPS.y2k and SOURCES.md from the tables in kb_vendors.py,
kb_products.py and kb_sources.py.

Usage: data/build_kb.py [output directory]   (default: the directory of this script)
       data/build_kb.py --check [directory]  (fails when the files there are out of date)

The data files are Windows-1252 text, one record per line ended by CR LF; a line is a double
quote, the fields joined by TAB, and a double quote. Vendor IDs are the rows' positions in
kb_vendors.py; product IDs number APPS.y2k from 1 in file order. Products are written grouped
by vendor in vendor order, each vendor's specific records first in table order, then one
ALLPRODUCTS record per vendor that points the user to the vendor for products not listed.
SOURCES.md lists every source and, for every vendor and product record, where its facts come
from; the shipped-data test reads it beside the data files.

The generator refuses a fact without a source: an address, telephone or web address without
one, a record with a code other than 2 without a statement source, and a source key that
kb_sources.py does not define. It also refuses a vendor or a product record named twice.
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kb_sources import SOURCES  # noqa: E402
from kb_vendors import VENDORS  # noqa: E402
from kb_products import PRODUCTS  # noqa: E402

ALL = "ALLPRODUCTS"
NOLIMITS = "NOLIMITS"
NO_SOURCE = "-"
OUTPUTS = ["Vendors.y2k", "APPS.y2k", "SOURCES.md"]


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


def allproducts_text(v):
    ask = ("check its web site %s or print" % v["web"]) if v["web"] else "print"
    return (shipped_note(v) + "This product is not in the knowledge base: no Year 2000 statement "
            "for it was found. Ask %s whether it is ready: %s the readiness request letter from "
            "this window and send it." % (company_name(v) or v["name"], ask))


def shipped_note(v):
    """The vendor's note as the instructions of its records without a statement carry it: a
    company that had merged, been sold or failed by late 1999, so that the user knows whom the
    letter reaches."""
    return (v["ship_note"] + " ") if v["ship_note"] else ""


def company_name(v):
    """The company as it names itself, which the request letter is addressed to: given in the
    table, or the publisher of the vendor's address source when that is the company's filing."""
    if v["company"] is not None:
        return v["company"]
    src = SOURCES.get(v["source"])
    return src["publisher"] if src and src["kind"] == "filing" else ""


def need_source(key, what):
    if key not in SOURCES:
        fail("%s names the source %r, which kb_sources.py does not define" % (what, key))


def check_vendors():
    names = set()
    for v in VENDORS:
        what = "vendor %r" % v["key"]
        upper = v["name"].upper()
        if upper in names:
            fail("%s: the name %r is in the directory twice" % (what, v["name"]))
        names.add(upper)
        for fields, src in (((v["address1"], v["address2"]), v["source"]),
                            ((v["phone"],), v["phone_source"]),
                            ((v["web"],), v["web_source"]),
                            ((v["note"],), v["note_source"]),
                            ((v["ship_note"],), v["notice_source"]),
                            ((v["letter_note"],), v["notice_source"]),
                            ((v["company"] or "",), v["company_source"])):
            if any(fields):
                if not src:
                    fail("%s: %r has no source; leave it empty" % (what, fields))
                need_source(src, what)
        if bool(v["ship_note"]) != bool(v["letter_note"]):
            fail("%s: a vendor notice needs a letter_note for the request letter, and the other "
                 "way round" % what)
        if "(" in company_name(v):
            fail("%s: the company name %r carries a remark; give company= as the company names "
                 "itself" % (what, company_name(v)))
    keys = [v["key"] for v in VENDORS]
    if len(set(keys)) != len(keys):
        fail("duplicate vendor key")


def check_products(ids):
    seen = set()
    for p in PRODUCTS:
        what = "product %r of %r" % (p["name"], p["vendor"])
        if p["vendor"] not in ids:
            fail("%s names an unknown vendor" % what)
        if p["vendor"] == "none":
            fail("%s is filed under 'no manufacturer' and can never match" % what)
        if p["name"] == ALL:
            fail("write ALLPRODUCTS records through build_kb.py, not the table")
        if not 1 <= p["code"] <= 6:
            fail("%s has code %r" % (what, p["code"]))
        if len(p["text"].strip()) < 20:
            fail("%s: give instructions a user can act on" % what)
        for bound in (p["vb"], p["ve"]):
            # numbers joined by full stops, each with at most one release letter and number
            # after it ("4.0v3"), which the program's version comparison orders
            if bound != NOLIMITS and not re.fullmatch(r"\d+(?:[A-Za-z]\d*)?(?:\.\d+(?:[A-Za-z]\d*)?)*", bound):
                fail("%s: version bound %r" % (what, bound))
        if p["source"]:
            need_source(p["source"], what)
            if not p["as_of"]:
                fail("%s: say as of when its status holds (as_of)" % what)
        elif p["code"] != 2:
            fail("%s: code %d states a fact without a source; use NS(...) instead"
                 % (what, p["code"]))
        # A record open on both sides takes every version: its name alone chooses it, and a
        # source that dates a product without naming its file versions is enough.
        if p["code"] != 2 and not p["examples"] and (p["vb"], p["ve"]) != (NOLIMITS, NOLIMITS):
            fail("%s: name the version texts its source gives for the product's files "
                 "(examples=)" % what)
        for version, src in example_versions(p):
            need_source(src, what + " (example version %r)" % version)
            if not version or any(c in version for c in "|\t\r\n"):
                fail("%s: example version %r" % (what, version))
        ident = (p["vendor"], p["name"].upper(), p["vb"], p["ve"])
        if ident in seen:
            fail("%s %s-%s is in the table twice" % (what, p["vb"], p["ve"]))
        seen.add(ident)


def example_versions(p):
    """The record's example versions as (version text, source key) pairs: a bare text is taken
    from the record's own statement source."""
    out = []
    for e in p["examples"]:
        out.append((e, p["source"]) if isinstance(e, str) else (e[0], e[1]))
    return out


def cell(text):
    return (str(text) if str(text) else NO_SOURCE).replace("|", "/")


def row(cells):
    return "| " + " | ".join(cell(c) for c in cells) + " |\n"


def build(outdir):
    check_vendors()
    ids = {v["key"]: i + 1 for i, v in enumerate(VENDORS)}
    check_products(ids)

    vendors = b""
    for i, v in enumerate(VENDORS, start=1):
        vendors += line([v["name"], v["address1"], v["address2"], v["phone"], i, v["web"]])

    by_vendor = {v["key"]: [] for v in VENDORS}
    for p in PRODUCTS:
        by_vendor[p["vendor"]].append(p)

    apps = b""
    records = []  # (id, vendor id, product record)
    next_id = 1
    for v in VENDORS:
        if v["key"] == "none":
            continue
        rows = list(by_vendor[v["key"]])
        # ALLPRODUCTS takes every program of its vendor whatever its name or program file, so
        # its alternative name and program file are free: they carry the company as it names
        # itself and the request letter's note on a company that had changed.
        rows.append({"vendor": v["key"], "code": 2, "name": ALL, "exe": v["letter_note"],
                     "vb": NOLIMITS, "ve": NOLIMITS, "text": allproducts_text(v),
                     "alt": company_name(v), "source": "", "as_of": "", "examples": []})
        for p in rows:
            if p["code"] == 2 and not p["source"] and p["name"] != ALL:
                p = dict(p, text=shipped_note(v) + p["text"])
            apps += line([next_id, ids[v["key"]], p["code"], p["name"], p["exe"], p["vb"],
                          p["ve"], p["text"], p["alt"]])
            records.append((next_id, ids[v["key"]], p))
            next_id += 1

    with open(os.path.join(outdir, "Vendors.y2k"), "wb") as f:
        f.write(vendors)
    with open(os.path.join(outdir, "APPS.y2k"), "wb") as f:
        f.write(apps)
    with open(os.path.join(outdir, "SOURCES.md"), "w", encoding="utf-8", newline="\n") as f:
        f.write(sources_md(records))
    print("build_kb: %d vendors, %d products (%d specific)"
          % (len(VENDORS), next_id - 1, len(PRODUCTS)))


def sources_md(records):
    used = {}
    for v in VENDORS[1:]:
        for fact, key in (("address", v["source"]), ("telephone", v["phone_source"]),
                          ("web address", v["web_source"]), ("note", v["note_source"])):
            if key and (fact == "address" and v["address1"] or fact == "telephone" and v["phone"]
                        or fact == "web address" and v["web"]
                        or fact == "note" and v["note"]):
                used.setdefault(key, set()).add(fact)
        if v["ship_note"]:
            used.setdefault(v["notice_source"], set()).add("vendor notice")
        if v["company"]:
            used.setdefault(v["company_source"], set()).add("company name")
    for _, _, p in records:
        if p["source"]:
            used.setdefault(p["source"], set()).add("statement")
        for _, src in example_versions(p):
            used.setdefault(src, set()).add("example version")
    codes = {}
    for _, _, p in records:
        codes[p["code"]] = codes.get(p["code"], 0) + 1
    out = ["# Sources of the knowledge base\n\n",
           "Generated by `data/build_kb.py` from `kb_sources.py`, `kb_vendors.py` and "
           "`kb_products.py`; edit those and run it again. The shipped-data test reads the "
           "tables below beside `Vendors.y2k` and `APPS.y2k`.\n\n",
           "Statuses and addresses are as of late 1999 unless the row says otherwise. A fact "
           "without a source is not shipped: the address or telephone is left empty, and a "
           "product without a statement gets code 2 with the words \"no Year 2000 statement\".\n\n",
           "%d vendors, %d product records (%s).\n\n" % (
               len(VENDORS), len(records),
               ", ".join("code %d: %d" % (c, n) for c, n in sorted(codes.items())))]
    out.append("## Sources\n\n")
    out.append(row(["Key", "Kind", "Publisher", "Title", "Date", "Address", "Used for"]))
    out.append("|---|---|---|---|---|---|---|\n")
    for key in sorted(SOURCES):
        s = SOURCES[key]
        if key not in used:
            fail("source %r is used by no fact; remove it" % key)
        out.append(row([key, s["kind"], s["publisher"], s["title"], s["date"], s["address"],
                        ", ".join(sorted(used[key]))]))
    out.append("\n## Vendors\n\n")
    out.append(row(["ID", "Vendor", "Address from", "Telephone from", "Web address from",
                    "As of", "Note; the letter's addressee and note"]))
    out.append("|---|---|---|---|---|---|---|\n")
    for i, v in enumerate(VENDORS, start=1):
        out.append(row([i, v["name"], v["source"] if v["address1"] else "",
                        v["phone_source"] if v["phone"] else "",
                        v["web_source"] if v["web"] else "", v["as_of"],
                        " ".join(n for n in (v["note"] + (" (%s)" % v["note_source"] if v["note"] else ""),
                                             v["ship_note"] + (" (%s)" % v["notice_source"] if v["ship_note"] else ""),
                                             ("Letter to: %s (%s)." % (company_name(v), v["company_source"])
                                              if company_name(v) else ""),
                                             ("Letter note: %s" % v["letter_note"] if v["letter_note"] else ""))
                                 if n)]))
    out.append("\n## Product records\n\n")
    out.append(row(["ID", "Vendor ID", "Product", "Versions", "Code", "Statement from",
                    "As of"]))
    out.append("|---|---|---|---|---|---|---|\n")
    for rid, vid, p in records:
        out.append(row([rid, vid, p["name"], "%s - %s" % (p["vb"], p["ve"]), p["code"],
                        p["source"], p["as_of"]]))
    out.append("\n## Example versions\n\n")
    out.append("Version texts that the sources name for the products' files. The shipped-data test "
               "gives each one, with the record's product name and its vendor's name, to the "
               "program's own matcher, which must choose that record.\n\n")
    out.append(row(["ID", "Product", "Version", "From"]))
    out.append("|---|---|---|---|\n")
    for rid, vid, p in records:
        for version, src in example_versions(p):
            out.append(row([rid, p["name"], version, src]))
    return "".join(out)


def check(outdir):
    """Fails when the shipped files differ from what the tables generate."""
    import filecmp
    import tempfile
    with tempfile.TemporaryDirectory() as tmp:
        build(tmp)
        stale = [n for n in OUTPUTS
                 if not os.path.exists(os.path.join(outdir, n))
                 or not filecmp.cmp(os.path.join(tmp, n), os.path.join(outdir, n), shallow=False)]
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
