#!/usr/bin/env python3
"""Checks the CSV sources in data/ and prints nutrient figures of dishes.

Usage: tools/check_data.py [--foods data/foods.csv] [--dishes data/dishes.csv]
                           [--show DISH ...] [--all]
Exit status 1 when a check fails.
"""
import argparse
import os
import sys

NUTRIENTS = ["kcal", "protein", "fat", "Ca", "Fe", "VA(IU)", "B1", "B2", "C", "salt"]
CATEGORIES = [
    "ごはん", "パン・シリアル", "めん", "汁もの", "魚のおかず", "肉のおかず", "野菜のおかず",
    "卵のおかず", "豆のおかず", "芋のおかず", "乳製品・海藻・小魚のおかず", "くだもの",
    "デザート・お菓子", "飲み物", "その他",
]
NAME_LIMIT = 47  # bytes of a 48-byte NUL-terminated field


def read_lines(path, errors):
    raw = open(path, "rb").read()
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


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")
    ap = argparse.ArgumentParser()
    ap.add_argument("--foods", default=os.path.join(root, "foods.csv"))
    ap.add_argument("--dishes", default=os.path.join(root, "dishes.csv"))
    ap.add_argument("--show", nargs="*", default=[], help="dish names to print")
    ap.add_argument("--all", action="store_true", help="print every dish")
    args = ap.parse_args()

    errors = []
    foods = load_foods(args.foods, errors)
    dishes = load_dishes(args.dishes, foods, errors) if os.path.exists(args.dishes) else []
    print(f"foods: {len(foods)}")
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
    for e in errors:
        print("ERROR:", e, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
