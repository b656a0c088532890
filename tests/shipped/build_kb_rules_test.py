#!/usr/bin/env python3
"""The generator's refusals: a table row that would ship a fact without its source, or a status
whose example versions are missing or unsourced, must stop data/build_kb.py before it writes."""
import contextlib
import copy
import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "data"))
import build_kb  # noqa: E402
import kb_products  # noqa: E402


@contextlib.contextmanager
def products(rows):
    saved = list(build_kb.PRODUCTS)
    build_kb.PRODUCTS[:] = rows
    try:
        yield
    finally:
        build_kb.PRODUCTS[:] = saved


@contextlib.contextmanager
def vendor_changed(key, **fields):
    i = next(i for i, v in enumerate(build_kb.VENDORS) if v["key"] == key)
    saved = build_kb.VENDORS[i]
    build_kb.VENDORS[i] = dict(saved, **fields)
    try:
        yield
    finally:
        build_kb.VENDORS[i] = saved


def a_status(**fields):
    row = copy.deepcopy(next(p for p in build_kb.PRODUCTS if p["code"] == 3 and p["examples"]))
    row.update(fields)
    return row


class StatusRecords(unittest.TestCase):
    def ids(self):
        return {v["key"]: i + 1 for i, v in enumerate(build_kb.VENDORS)}

    def refused(self, rows):
        with products(rows), self.assertRaises(SystemExit) as e:
            build_kb.check_products(self.ids())
        return str(e.exception)

    def test_the_shipped_tables_pass(self):
        build_kb.check_vendors()
        build_kb.check_products(self.ids())

    def test_a_bounded_status_without_example_versions_is_refused(self):
        self.assertIn("examples", self.refused([a_status(examples=[])]))

    def test_an_open_status_may_go_without_example_versions(self):
        with products([a_status(examples=[], vb=kb_products.N, ve=kb_products.N)]):
            build_kb.check_products(self.ids())

    def test_an_example_from_an_undefined_source_is_refused(self):
        self.assertIn("no-such-source", self.refused([a_status(examples=[("1.0", "no-such-source")])]))

    def test_an_example_version_that_would_break_a_table_cell_is_refused(self):
        self.assertIn("example version", self.refused([a_status(examples=["1.0|2"])]))

    def test_a_status_without_a_statement_source_is_refused(self):
        self.assertIn("without a source", self.refused([a_status(source="")]))


class VendorNotices(unittest.TestCase):
    def test_a_notice_without_a_source_is_refused(self):
        with vendor_changed("stb", notice_source=""), self.assertRaises(SystemExit):
            build_kb.check_vendors()

    def test_a_notice_without_a_note_for_the_letter_is_refused(self):
        with vendor_changed("stb", letter_note=""), self.assertRaises(SystemExit):
            build_kb.check_vendors()

    def test_a_company_name_with_a_remark_from_its_filing_is_refused(self):
        # Aureal's filing names it "Aureal Inc. (formerly ...)": the letter needs the name alone.
        with vendor_changed("aureal", company=None), self.assertRaises(SystemExit):
            build_kb.check_vendors()

    def test_a_notice_leads_the_instructions_of_records_without_a_statement_only(self):
        v = next(v for v in build_kb.VENDORS if v["ship_note"])
        self.assertTrue(build_kb.allproducts_text(v).startswith(v["ship_note"]))
        plain = next(w for w in build_kb.VENDORS if not w["ship_note"] and w["key"] != "none")
        self.assertTrue(build_kb.allproducts_text(plain).startswith("This product"))


class LaterProductsAndOtherVersions(unittest.TestCase):
    def test_products_released_after_1999_are_ready_and_suggest_no_letter(self):
        later = [p for p in build_kb.PRODUCTS if "after the change of century" in p["text"]]
        self.assertGreater(len(later), 0)
        for p in later:
            self.assertEqual(p["code"], 1, p["name"])
            self.assertTrue(p["source"], p["name"])
            self.assertNotIn("letter", p["text"], p["name"])

    def test_a_product_rated_for_other_versions_says_for_this_version(self):
        rated = {(p["vendor"], p["name"].upper()) for p in build_kb.PRODUCTS if p["source"]}
        for p in build_kb.PRODUCTS:
            if p["source"] or p["code"] != 2:
                continue
            other = (p["vendor"], p["name"].upper()) in rated
            self.assertEqual("for this version" in p["text"], other, p["name"])
            if other and p["vendor"] in kb_products.Y2K_PAGES:
                self.assertIn(kb_products.Y2K_PAGES[p["vendor"]], p["text"])


if __name__ == "__main__":
    unittest.main()
