#!/usr/bin/env bash
# Checks that no two classes or structs of the tree share a qualified name (namespace::Class):
# two definitions of one name break the one-definition rule the day one binary links both.
#   check-class-names.sh      lists the names defined twice and exits 1, or says how many it saw
set -euo pipefail
cd "$(dirname "$0")/.."
find . \( -path './build*' -o -path './.git' \) -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -print0 |
  sort -z | python3 -c '
import re, sys
from collections import defaultdict
paths = sys.stdin.buffer.read().split(b"\0")
seen = defaultdict(list)
ns_open = re.compile(r"^\s*namespace\s+([\w:]*)\s*\{")
cls = re.compile(r"^\s*(?:template\s*<[^>]*>\s*)?(?:class|struct)\s+(?:\[\[[^\]]*\]\]\s*)?"
                 r"(\w+)\s*(?:final\s*)?(?::(?!:)[^;]*)?\{")
for p in filter(None, paths):
    path = p.decode()
    stack = []  # (kind, name, depth at which it opened)
    depth = 0
    for line in open(path, encoding="utf-8", errors="replace"):
        code = line.split("//")[0]
        m = ns_open.match(code)
        c = None if m else cls.match(code)
        if m:
            stack.append(("ns", m.group(1) or "(anonymous)", depth + 1))
        elif c and not re.match(r"^\s*enum\b", code):
            scope = "::".join(n for _, n, _ in stack)
            name = (scope + "::" if scope else "") + c.group(1)
            # Classes inside a function or an anonymous namespace are private to their file.
            if "(anonymous)" not in name:
                seen[name].append(path)
            stack.append(("class", c.group(1), depth + 1))
        depth += code.count("{") - code.count("}")
        while stack and depth < stack[-1][2]:
            stack.pop()
dups = {n: ps for n, ps in seen.items() if len(set(ps)) > 1}
for n, ps in sorted(dups.items()):
    print(f"{n} is defined in " + ", ".join(sorted(set(ps))))
print(f"{len(seen)} class names, {len(dups)} defined more than once")
sys.exit(1 if dups else 0)
'
