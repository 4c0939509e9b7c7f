#!/usr/bin/env python3
"""Builds data/foods.csv from the food-code mapping and the reference composition table.

Usage: tools/make_foods.py [--codes data/food-codes.csv]
                           [--reference data/reference/food-composition-2020.csv]
                           [-o data/foods.csv] [--check]
With --check nothing is written: exit status 1 when the output file differs from what the
mapping and the reference make, with the differing lines on stderr.

Nothing in foods.csv is typed by hand: every value comes from the reference row of the
food's code, by these rules.
- Energy: the printed whole kcal (the transcription keeps a few energies with more decimals;
  they are rounded half up).
- Protein, fat, calcium, iron, B1, B2, C and salt: the table's figure.
- The table's marks: Tr (trace), (0) (estimated zero) and - (not measured) count as 0; a
  parenthesised estimate such as (1.2) counts as its number.
- Vitamin A in IU = retinol µg / 0.3 + beta-carotene equivalent µg / 1.8, rounded half up to
  a whole number: the basis the program's daily requirements are written in.
"""
import argparse
import csv
import os
import sys
from decimal import ROUND_HALF_UP, Decimal
from fractions import Fraction

HEADER = ("食品番号,食品名,食品群,三色,エネルギー(kcal),たんぱく質(g),脂質(g),カルシウム(mg),"
          "鉄(mg),ビタミンA(IU),ビタミンB1(mg),ビタミンB2(mg),ビタミンC(mg),食塩相当量(g)")
CODES_HEADER = "食品名,食品番号,食品群,三色,備考"
NAME_LIMIT = 47  # bytes of a 48-byte NUL-terminated field
# The colour class each food group belongs to.
COLOUR_OF_GROUP = {0: 0, 1: 1, 2: 1, 3: 3, 4: 3, 5: 2, 6: 2}
# Columns of the reference taken as they are, with the fewest decimals the printed table shows
# for them (a figure printed with more, such as milk's 0.02 mg iron, keeps its own).
TABLE_COLUMNS = [("protein_g", 1), ("fat_g", 1), ("calcium_mg", 0), ("iron_mg", 1),
                 ("vitamin_b1_mg", 2), ("vitamin_b2_mg", 2), ("vitamin_c_mg", 0),
                 ("salt_eq_g", 1)]
REFERENCE_COLUMNS = ["code", "energy_kcal", "retinol_ug", "beta_carotene_eq_ug"] + [
    c for c, _ in TABLE_COLUMNS]
ZERO_MARKS = {"Tr", "(Tr)", "(0)", "-"}
# Rows whose transcription shows the printed parentheses of estimated values as minus signs
# (a spreadsheet's accounting format): there "-3.2" is the printed "(3.2)". A minus sign in
# any other row is an error, not a guess.
SIGN_SLIP_CODES = {"15027"}


class DataError(Exception):
    pass


def table_value(text, code, column):
    """The number a cell of the reference stands for, as a Decimal."""
    t = text.strip()
    if t in ZERO_MARKS:
        return Decimal(0)
    if t.startswith("(") and t.endswith(")"):
        t = t[1:-1]
    elif t.startswith("-") and code in SIGN_SLIP_CODES:
        t = t[1:]
    try:
        value = Decimal(t)
    except ArithmeticError:
        raise DataError(f"{code} {column}: {text!r} is neither a number nor a mark of the table")
    if not value.is_finite() or value < 0:
        raise DataError(f"{code} {column}: {text!r} is not a nutrient amount")
    return value


def decimals_of(value):
    exponent = value.normalize().as_tuple().exponent
    return max(0, -exponent)


def format_value(value, least_decimals):
    if value == 0:
        return "0"
    places = max(least_decimals, decimals_of(value))
    return f"{value:.{places}f}"


def whole(value):
    return int(Decimal(value).quantize(Decimal(1), rounding=ROUND_HALF_UP))


def vitamin_a_iu(retinol, carotene):
    # Fractions, not floats: 1 IU = 0.3 µg retinol = 1.8 µg beta-carotene, exactly.
    iu = Fraction(retinol) / Fraction(3, 10) + Fraction(carotene) / Fraction(18, 10)
    return int((iu * 2 + 1) // 2)  # half up; the value is never negative


def food_values(row):
    """The ten nutrient fields of foods.csv (text) from one reference row."""
    code = row["code"]
    energy = whole(table_value(row["energy_kcal"], code, "energy_kcal"))
    va = vitamin_a_iu(table_value(row["retinol_ug"], code, "retinol_ug"),
                      table_value(row["beta_carotene_eq_ug"], code, "beta_carotene_eq_ug"))
    fields = [str(energy)]
    for column, least in TABLE_COLUMNS:
        fields.append(format_value(table_value(row[column], code, column), least))
    fields.insert(5, str(va))  # vitamin A sits between iron and B1
    return fields


def read_reference(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        reader = csv.DictReader(f)
        rows = list(reader)
    missing = set(REFERENCE_COLUMNS) - set(reader.fieldnames or [])
    if missing:
        raise DataError(f"{path}: no column {', '.join(sorted(missing))}")
    table = {}
    for number, row in enumerate(rows, 2):
        if None in row or None in row.values():
            raise DataError(f"{path}:{number}: {len(reader.fieldnames)} fields expected")
        if row["code"] in table:
            raise DataError(f"{path}: code {row['code']} appears twice")
        table[row["code"]] = row
    return table


def read_codes(path):
    """The mapping: (name, code, group, colour, comment) per line, in food-number order."""
    # A BOM or CRLF line ends from an editor are accepted.
    with open(path, encoding="utf-8-sig", newline="") as f:
        text = f.read().replace("\r\n", "\n")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if not lines or lines[0] != CODES_HEADER:
        raise DataError(f"{path}:1: the header must be {CODES_HEADER}")
    foods = []
    names = set()
    for number, line in enumerate(lines[1:], 2):
        where = f"{path}:{number}"
        fields = line.split(",")
        if len(fields) != 5:
            raise DataError(f"{where}: {len(fields)} fields instead of 5 (no commas in a comment)")
        name, code, group, colour, comment = fields
        try:
            size = len(name.encode("cp932"))
            comment.encode("cp932")
        except UnicodeEncodeError:
            raise DataError(f"{where}: text that Shift-JIS cannot hold")
        if not name or size > NAME_LIMIT:
            raise DataError(f"{where}: name empty or longer than {NAME_LIMIT} bytes")
        if name in names:
            raise DataError(f"{where}: duplicate name {name}")
        names.add(name)
        if group not in ("0", "1", "2", "3", "4", "5", "6") or colour != str(
                COLOUR_OF_GROUP[int(group)]):
            raise DataError(f"{where}: group {group!r} with colour class {colour!r}")
        foods.append((name, code, group, colour, comment))
    return foods


def build(codes_path, reference_path):
    """The bytes of foods.csv: CP932, CRLF, the header, one food a line."""
    table = read_reference(reference_path)
    out = [HEADER]
    for number, (name, code, group, colour, _) in enumerate(read_codes(codes_path), 1):
        if code not in table:
            raise DataError(f"{codes_path}: food {number} {name}: code {code} is not in the table")
        out.append(",".join([code, name, group, colour] + food_values(table[code])))
    return ("\r\n".join(out) + "\r\n").encode("cp932")


def data_dir():
    return os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def differences(expected, actual):
    """The lines (1-based number, expected, actual) that differ between two foods.csv texts."""
    exp = expected.decode("cp932", "replace").split("\r\n")
    act = actual.decode("cp932", "replace").split("\r\n")
    diff = []
    for i in range(max(len(exp), len(act))):
        e = exp[i] if i < len(exp) else "(no line)"
        a = act[i] if i < len(act) else "(no line)"
        if e != a:
            diff.append((i + 1, e, a))
    return diff


def main(argv=None):
    root = data_dir()
    ap = argparse.ArgumentParser(description="Builds foods.csv from the food codes and the table.")
    ap.add_argument("--codes", default=os.path.join(root, "food-codes.csv"))
    ap.add_argument("--reference",
                    default=os.path.join(root, "reference", "food-composition-2020.csv"))
    ap.add_argument("-o", "--output", default=os.path.join(root, "foods.csv"))
    ap.add_argument("--check", action="store_true", help="compare instead of writing")
    args = ap.parse_args(argv)
    try:
        made = build(args.codes, args.reference)
    except (DataError, OSError) as e:
        print("ERROR:", e, file=sys.stderr)
        return 1
    if args.check:
        try:
            with open(args.output, "rb") as f:
                current = f.read()
        except OSError as e:
            print("ERROR:", e, file=sys.stderr)
            return 1
        diff = differences(made, current)
        for line, e, a in diff[:20]:
            print(f"{args.output}:{line}: expected {e}\n{' ' * len(args.output)}  found    {a}",
                  file=sys.stderr)
        if diff:
            print(f"ERROR: {len(diff)} lines of {args.output} differ from what "
                  "tools/make_foods.py makes; run it to rebuild the file", file=sys.stderr)
            return 1
        return 0
    # Replace atomically: a failed write never leaves half a food table.
    tmp = args.output + ".tmp"
    with open(tmp, "wb") as f:
        f.write(made)
        f.flush()
        os.fsync(f.fileno())
    os.replace(tmp, args.output)
    return 0


if __name__ == "__main__":
    sys.exit(main())
