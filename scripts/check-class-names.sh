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
# Comments, literals and preprocessor lines go first, so braces and words inside them do not count.
noise = re.compile(r"//[^\n]*|/\*.*?\*/|R\"(\w*)\(.*?\)\1\"|\"(?:\\.|[^\"\\\n])*\"|\x27(?:\\.|[^\x27\\\n])*\x27"
                   r"|^[ \t]*#(?:[^\n]*\\\n)*[^\n]*", re.S | re.M)
token = re.compile(r"\bnamespace\s+([\w:]*)\s*\{"
                   r"|\b(enum\s+)?(?:class|struct)\s+(?:\[\[[^\]]*\]\]\s*)?(\w+)\s*(?:final\s*)?"
                   r"(?::(?!:)[^;{}]*)?\{"
                   r"|([{}])")
for p in filter(None, paths):
    path = p.decode()
    text = noise.sub(" ", open(path, encoding="utf-8", errors="replace").read())
    stack = []  # one (kind, name) per open brace: ns, class or block
    for m in token.finditer(text):
        ns, is_enum, cls, brace = m.groups()
        if ns is not None:
            stack.append(("ns", ns or "(anonymous)"))
        elif cls is not None:
            if not is_enum:
                # Classes inside a function or an anonymous namespace are private to their file.
                private = any(k == "block" or n == "(anonymous)" for k, n in stack)
                if not private:
                    scope = "::".join(n for _, n in stack)
                    seen[(scope + "::" if scope else "") + cls].append(path)
            stack.append(("block" if is_enum else "class", cls))
        elif brace == "{":
            stack.append(("block", ""))
        elif stack:
            stack.pop()
dups = {n: ps for n, ps in seen.items() if len(set(ps)) > 1}
for n, ps in sorted(dups.items()):
    print(f"{n} is defined in " + ", ".join(sorted(set(ps))))
print(f"{len(seen)} class names, {len(dups)} defined more than once")
sys.exit(1 if dups else 0)
'
