#!/usr/bin/env bash
# Checks every C++ source and header against .clang-format; lists the files that differ.
#   check-format.sh          check (exit 1 when a file differs)
#   check-format.sh --fix    format those files in place
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -d '' files < <(find . \( -path './build*' -o -path './.git' \) -prune -o \
  -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
differ=()
for f in "${files[@]}"; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || differ+=("${f#./}")
done
if [ ${#differ[@]} -gt 0 ]; then
  echo "${#differ[@]} of ${#files[@]} files differ from .clang-format (scripts/check-format.sh --fix):"
  printf '  %s\n' "${differ[@]}"
  exit 1
fi
echo "all ${#files[@]} files follow .clang-format"
