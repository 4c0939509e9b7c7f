#!/usr/bin/env bash
# The distribution's data files exist and both conversions of the shipped sources reported
# nothing: the dish import report and the lunch-box error list are empty.
set -u
dist=$1 work=$2
status=0
for f in "$dist/NV.nv" "$dist/NV.nvb" "$dist/HTML/index.html" "$dist/about.txt"; do
  [ -s "$f" ] || { echo "missing or empty: $f"; status=1; }
done
for report in "$work/nv/dishes.txt" "$work/nvb/error.txt"; do
  if [ ! -f "$report" ]; then
    echo "no report written: $report"
    status=1
  elif [ -s "$report" ]; then
    echo "unexpected lines in $report:"
    iconv -f CP932 -t UTF-8 "$report" | head -20
    status=1
  fi
done
[ "$status" -ne 0 ] || echo "dist reports: 1 passed, 0 failed"
exit "$status"
