#!/usr/bin/env bash
# Checks that the build refuses a data folder without data/dishes.csv instead of leaving NV.nv
# out of the distribution folder.
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -r data "$scratch/data"
rm "$scratch/data/dishes.csv"
if cmake -S . -B "$scratch/build" -G Ninja -DNV_BUILD_TESTS=OFF -DNV_BUILD_BENCH=OFF \
     -DNV_DATA="$scratch/data" >"$scratch/log" 2>&1; then
  echo "FAIL: configuring without data/dishes.csv succeeded"
  exit 1
fi
if ! grep -q 'dishes.csv is missing' "$scratch/log"; then
  echo "FAIL: the configure error does not name dishes.csv:"
  cat "$scratch/log"
  exit 1
fi
echo "configuring without data/dishes.csv fails with its name"
