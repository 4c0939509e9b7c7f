#!/usr/bin/env python3
"""Checks the CSV sources in data/ and prints nutrient figures of dishes.

Usage: tools/check_data.py [--foods data/foods.csv] [--dishes data/dishes.csv]
                           [--codes data/food-codes.csv] [--reference TABLE.csv]
                           [--show DISH ...] [--all]
                           [--compare OLD_FOODS.csv OLD_DISHES.csv]
The shipped foods.csv (or one given with --codes) must be exactly what tools/make_foods.py
makes from the food codes and the reference table; the count of foods whose every value
matches the reference row of their code is printed.
--compare prints, per nutrient, the dishes whose totals rose and fell most against earlier
sources (dishes present in both), e.g. after a change of the food table or of portions.
Exit status 1 when a check fails.
"""
import argparse
import functools
import os
import sys
from decimal import Decimal, InvalidOperation

import make_foods

NUTRIENTS = ["kcal", "protein", "fat", "Ca", "Fe", "VA(IU)", "B1", "B2", "C", "salt"]
CATEGORIES = [
    "ごはん", "パン・シリアル", "めん", "汁もの", "魚のおかず", "肉のおかず", "野菜のおかず",
    "卵のおかず", "豆のおかず", "芋のおかず", "乳製品・海藻・小魚のおかず", "くだもの",
    "デザート・お菓子", "飲み物", "その他",
]
NAME_LIMIT = 47  # bytes of a 48-byte NUL-terminated field


@functools.lru_cache(maxsize=None)
def read_bytes(path):
    # Read once: a path may be a pipe (bash's <(git show ...)) that cannot be read twice.
    with open(path, "rb") as f:
        return f.read()


def read_lines(path, errors):
    raw = read_bytes(path)
    try:
        text = raw.decode("cp932")
    except UnicodeDecodeError as e:
        errors.append(f"{path}: not CP932 ({e})")
        return []
    if raw and not raw.endswith(b"\r\n"):
        errors.append(f"{path}: last line does not end in CRLF")
    body = text.split("\r\n")
    if body and body[-1] == "":
        body.pop()
    for i, line in enumerate(body, 1):
        if "\n" in line or "\r" in line:
            errors.append(f"{path}:{i}: bare LF or CR")
    return body


def load_foods(path, errors):
    lines = read_lines(path, errors)
    foods = {}
    for i, line in enumerate(lines[1:], 2):
        f = line.split(",")
        if len(f) != 14:
            errors.append(f"{path}:{i}: {len(f)} fields instead of 14")
            continue
        code, name, group, colour = f[:4]
        if len(code.encode("cp932")) > 23:
            errors.append(f"{path}:{i}: code longer than 23 bytes")
        if not name or len(name.encode("cp932")) > NAME_LIMIT:
            errors.append(f"{path}:{i}: name empty or longer than {NAME_LIMIT} bytes")
        if name in foods:
            errors.append(f"{path}:{i}: duplicate name {name}")
        if group not in list("0123456") or colour not in list("0123"):
            errors.append(f"{path}:{i}: group {group!r} or colour {colour!r} out of range")
        try:
            values = [float(v) for v in f[4:]]
        except ValueError:
            errors.append(f"{path}:{i}: nutrient not a number")
            continue
        if any(v < 0 for v in values):
            errors.append(f"{path}:{i}: negative nutrient")
        foods[name] = (int(group), values)
    return foods


def load_dishes(path, foods, errors):
    lines = read_lines(path, errors)
    if lines and lines[0] != "分類,料理名,食品名,可食量（ｇ）":
        errors.append(f"{path}:1: unexpected header")
    dishes = []  # (category, name, [(food, grams)])
    seen = set()
    for i, line in enumerate(lines[1:], 2):
        f = line.split(",")
        if len(f) != 4:
            errors.append(f"{path}:{i}: {len(f)} fields instead of 4")
            continue
        cat, dish, food, grams = f
        if cat not in CATEGORIES:
            errors.append(f"{path}:{i}: unknown category {cat}")
        for text in (cat, dish, food):
            if not text or len(text.encode("cp932")) > NAME_LIMIT:
                errors.append(f"{path}:{i}: empty or over-long field {text!r}")
        if food not in foods:
            errors.append(f"{path}:{i}: food not in the food table: {food}")
        try:
            g = float(grams)
        except ValueError:
            errors.append(f"{path}:{i}: grams not a number: {grams!r}")
            continue
        if g <= 0:
            errors.append(f"{path}:{i}: grams not positive")
        if dishes and dishes[-1][0] == cat and dishes[-1][1] == dish:
            dishes[-1][2].append((food, g))
        else:
            if (cat, dish) in seen:
                errors.append(f"{path}:{i}: dish {cat}/{dish} split into two runs")
            seen.add((cat, dish))
            dishes.append((cat, dish, [(food, g)]))
    return dishes


def totals(items, foods):
    t = [0.0] * 10
    groups = [0.0] * 7
    for food, g in items:
        if food in foods:
            group, values = foods[food]
            groups[group] += g
            for k in range(10):
                t[k] += g * values[k] * 0.01
    return t, groups


def check_generated(foods_path, codes_path, reference_path, errors):
    """foods.csv against what the generator makes; prints how many rows match the reference."""
    try:
        made = make_foods.build(codes_path, reference_path)
        table = make_foods.read_reference(reference_path)
    except (make_foods.DataError, OSError) as e:
        errors.append(f"{codes_path}: {e}")
        return
    current = read_bytes(foods_path)
    for line, expected, found in make_foods.differences(made, current)[:20]:
        errors.append(f"{foods_path}:{line}: not what tools/make_foods.py makes:\n"
                      f"  expected {expected}\n  found    {found}")
    # Every column of every row against the reference row of its code, compared as numbers.
    lines = current.decode("cp932", "replace").split("\r\n")[1:]
    rows = [line.split(",") for line in lines if line]
    exact = 0
    for f in rows:
        if len(f) != 14 or f[0] not in table:
            continue
        try:
            want = [Decimal(v) for v in make_foods.food_values(table[f[0]])]
            have = [Decimal(v) for v in f[4:]]
        except (make_foods.DataError, InvalidOperation):
            continue
        exact += want == have
    print(f"foods exact against the reference: {exact} of {len(rows)}")


def compare_dishes(old_foods_path, old_dishes_path, foods, dishes):
    """The largest rise and fall of each nutrient over the dishes both versions hold."""
    errors = []
    old_foods = load_foods(old_foods_path, errors)
    old = {(c, d): items for c, d, items in load_dishes(old_dishes_path, old_foods, errors)}
    if errors:
        print(f"earlier sources have faults: {errors[0]}", file=sys.stderr)
    changes = []  # (dish, old totals, new totals)
    for cat, dish, items in dishes:
        if (cat, dish) in old:
            changes.append((f"{cat}/{dish}", totals(old[(cat, dish)], old_foods)[0],
                            totals(items, foods)[0]))
    for k, nutrient in enumerate(NUTRIENTS):
        if not changes:
            break
        fall = min(changes, key=lambda c: c[2][k] - c[1][k])
        rise = max(changes, key=lambda c: c[2][k] - c[1][k])
        print(f"{nutrient}: largest fall {fall[2][k] - fall[1][k]:+.1f} {fall[0]} "
              f"({fall[1][k]:.1f} -> {fall[2][k]:.1f}); largest rise "
              f"{rise[2][k] - rise[1][k]:+.1f} {rise[0]} ({rise[1][k]:.1f} -> {rise[2][k]:.1f})")


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    ap = argparse.ArgumentParser()
    ap.add_argument("--foods", default=os.path.join(root, "foods.csv"))
    ap.add_argument("--dishes", default=os.path.join(root, "dishes.csv"))
    ap.add_argument("--codes", help="food-code mapping (default: data/food-codes.csv, "
                    "used when --foods is not given)")
    ap.add_argument("--reference",
                    default=os.path.join(root, "reference", "food-composition-2020.csv"))
    ap.add_argument("--show", nargs="*", default=[], help="dish names to print")
    ap.add_argument("--all", action="store_true", help="print every dish")
    ap.add_argument("--compare", nargs=2, metavar=("OLD_FOODS", "OLD_DISHES"),
                    help="earlier sources to compare the dishes' totals with")
    args = ap.parse_args()
    codes = args.codes
    if codes is None and args.foods == os.path.join(root, "foods.csv"):
        codes = os.path.join(root, "food-codes.csv")

    errors = []
    foods = load_foods(args.foods, errors)
    dishes = load_dishes(args.dishes, foods, errors) if os.path.exists(args.dishes) else []
    print(f"foods: {len(foods)}")
    if codes:
        check_generated(args.foods, codes, args.reference, errors)
    if dishes:
        print(f"dishes: {len(dishes)}")
        for cat in CATEGORIES:
            print(f"  {cat}: {sum(1 for d in dishes if d[0] == cat)}")
    for cat, dish, items in dishes:
        if args.all or dish in args.show:
            t, _ = totals(items, foods)
            weight = sum(g for _, g in items)
            print(f"{cat}\t{dish}\t{weight:.0f} g\t"
                  + "  ".join(f"{n} {v:.1f}" for n, v in zip(NUTRIENTS, t)))
    if args.compare:
        compare_dishes(args.compare[0], args.compare[1], foods, dishes)
    for e in errors:
        print("ERROR:", e, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
