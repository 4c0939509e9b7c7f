#!/usr/bin/env bash
# Every source file is built: each tracked .cpp, and each header that declares a Q_OBJECT
# class, is named in the CMake file of its folder or of a folder above it. A file no list names
# would silently drop out of the build (a test that never runs, a window without its moc).
set -euo pipefail
cd "$(dirname "$0")/.."
python3 - <<'PY'
import os, subprocess, sys
files = subprocess.run(['git', 'ls-files', '*.cpp', '*.h'], capture_output=True, text=True,
                       check=True).stdout.split()
cmake = {}
for f in subprocess.run(['git', 'ls-files', '*CMakeLists.txt', '*.cmake'], capture_output=True,
                        text=True, check=True).stdout.split():
    cmake.setdefault(os.path.dirname(f), []).append(open(f, encoding='utf-8').read())
missing = []
for f in files:
    if f.endswith('.h') and 'Q_OBJECT' not in open(f, encoding='utf-8').read():
        continue
    d = os.path.dirname(f)
    named = any('${CMAKE_SOURCE_DIR}/' + f in t for ts in cmake.values() for t in ts)
    while True:
        rel = os.path.relpath(f, d or '.')
        for text in cmake.get(d, []):
            named = named or '${CMAKE_CURRENT_SOURCE_DIR}/' + rel in text
            i = text.find(rel)
            while i >= 0 and not named:
                before = text[i - 1] if i else ' '
                after = text[i + len(rel)] if i + len(rel) < len(text) else ' '
                named = before in ' \t\n(' and after in ' \t\n)'
                i = text.find(rel, i + 1)
        if named or not d:
            break
        d = os.path.dirname(d)
    if not named:
        missing.append(f)
if missing:
    print('not named in any CMake source list:', *missing, sep='\n  ')
    sys.exit(1)
print('every source file is named in a CMake source list')
PY
