"""Tests of tools/make_foods.py: how the reference's cells become foods.csv values, and the
mapping faults it refuses."""
import contextlib
import io
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import make_foods  # noqa: E402

REF_HEADER = ("code,name,refuse_pct,energy_kcal,protein_g,fat_g,calcium_mg,iron_mg,retinol_ug,"
              "beta_carotene_eq_ug,vitamin_a_rae_ug,vitamin_b1_mg,vitamin_b2_mg,vitamin_c_mg,"
              "salt_eq_g")


def ref_row(code, cells):
    names = REF_HEADER.split(",")
    return dict(zip(names, [code, "x", "0"] + cells))


class CellsAndRows(unittest.TestCase):
    def test_marks_count_zero_and_estimates_their_number(self):
        for cell, value in [("Tr", "0"), ("(Tr)", "0"), ("(0)", "0"), ("-", "0"),
                            ("(1.2)", "1.2"), ("0.02", "0.02"), ("12", "12")]:
            self.assertEqual(make_foods.table_value(cell, "01001", "c"),
                             make_foods.Decimal(value), cell)
        for cell in ["", "abc", "1,2", "NaN", "-3.2", "(-1)"]:
            with self.assertRaises(make_foods.DataError, msg=cell):
                make_foods.table_value(cell, "01001", "c")
        # Only the known row whose parentheses became minus signs reads them as estimates.
        self.assertEqual(make_foods.table_value("-3.2", "15027", "fat_g"),
                         make_foods.Decimal("3.2"))

    def test_row_values_follow_the_printed_table(self):
        # Energy with transcription decimals rounds half up; vitamin A from retinol and
        # beta-carotene: 38 / 0.3 + 6 / 1.8 = 130 IU (not RAE, not / 0.6).
        row = ref_row("13003", ["36.5", "3.3", "100", "110", "0.02", "38", "6", "999",
                                "0.1", "(0.15)", "Tr", "1"])
        self.assertEqual(make_foods.food_values(row),
                         ["37", "3.3", "100.0", "110", "0.02", "130", "0.10", "0.15", "0",
                          "1.0"])
        row = ref_row("06268", ["362.106834", "(0)", "-", "69", "0.9", "(0)", "5400", "450",
                                "0.05", "0.11", "19", "0"])
        self.assertEqual(make_foods.food_values(row)[:6], ["362", "0", "0", "69", "0.9", "3000"])
        # Two thirds of an IU round up, one third down.
        self.assertEqual(make_foods.vitamin_a_iu(1, 0), 3)
        self.assertEqual(make_foods.vitamin_a_iu(2, 0), 7)


class Build(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.ref = os.path.join(self.dir.name, "ref.csv")
        self.codes = os.path.join(self.dir.name, "codes.csv")
        with open(self.ref, "w", encoding="utf-8") as f:
            f.write(REF_HEADER + "\n")
            f.write("17015,＜調味料類＞ （食酢類） 穀物酢,0,37,0.1,0,2,Tr,0,0,0,0.01,0.01,0,0\n")
            f.write("17012,＜調味料類＞ （食塩類） 食塩,0,0,0,0,22,Tr,(0),(0),(0),(0),(0),(0),99.1\n")

    def tearDown(self):
        self.dir.cleanup()

    def write_codes(self, *lines, encoding="utf-8", end="\n"):
        with open(self.codes, "w", encoding=encoding, newline="") as f:
            f.write(end.join((make_foods.CODES_HEADER,) + lines) + end)

    def test_output_is_cp932_with_crlf_in_mapping_order(self):
        expected = (make_foods.HEADER + "\r\n17012,食塩,0,0,0,0,0,22,0,0,0,0,0,99.1\r\n"
                    "17015,酢,0,0,37,0.1,0,2,0,0,0.01,0.01,0,0\r\n").encode("cp932")
        # The same from a mapping an editor saved with a BOM and CRLF.
        for encoding, end in [("utf-8", "\n"), ("utf-8-sig", "\r\n")]:
            self.write_codes("食塩,17012,0,0,", "酢,17015,0,0,穀物酢", encoding=encoding, end=end)
            self.assertEqual(make_foods.build(self.codes, self.ref), expected, encoding)

    def test_mapping_faults_are_refused(self):
        faults = {
            "unknown code": ["酢,17016,0,0,"],
            "duplicate name": ["酢,17015,0,0,", "酢,17012,0,0,"],
            "colour of another group": ["酢,17015,5,3,"],
            "comma in a comment": ["酢,17015,0,0,穀物酢,米酢"],
            "outside Shift-JIS": ["酢\u00e9,17015,0,0,"],
            "name over 47 bytes": ["あ" * 24 + ",17015,0,0,"],
        }
        for what, lines in faults.items():
            self.write_codes(*lines)
            with self.assertRaises(make_foods.DataError, msg=what):
                make_foods.build(self.codes, self.ref)
        # A reference row cut short is refused, not read as missing values.
        self.write_codes("酢,17015,0,0,")
        with open(self.ref, "a", encoding="utf-8") as f:
            f.write("17016,x,0,1,2\n")
        with self.assertRaises(make_foods.DataError):
            make_foods.build(self.codes, self.ref)

    def test_check_reports_a_changed_line_and_writing_replaces_the_file(self):
        self.write_codes("酢,17015,0,0,")
        out = os.path.join(self.dir.name, "foods.csv")
        args = ["--codes", self.codes, "--reference", self.ref, "-o", out]
        self.enterContext(contextlib.redirect_stderr(io.StringIO()))
        self.assertEqual(make_foods.main(args + ["--check"]), 1)  # no file yet
        self.assertEqual(make_foods.main(args), 0)
        self.assertEqual(make_foods.main(args + ["--check"]), 0)
        with open(out, "r+b") as f:
            data = f.read().replace(b",37,", b",25,")
            f.seek(0)
            f.write(data)
        self.assertEqual(make_foods.main(args + ["--check"]), 1)
        self.assertEqual(os.listdir(self.dir.name).count("foods.csv.tmp"), 0)


if __name__ == "__main__":
    unittest.main()
