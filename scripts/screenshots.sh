#!/usr/bin/env bash
# Draws the pictures of the README and of a release note: the screenshot tests render the
# windows offscreen on a 1024x768, a 1366x768 and a 1920x1080 screen into one folder.
#   bash scripts/screenshots.sh [FOLDER]     (default docs/screenshots; build/ must be built)
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/screenshots}")
mkdir -p "$out"
cmake --build build --target test_planner test_widgets shots_kitchen -j2 >/dev/null
for screen in 1024x768 1366x768 1920x1080; do
  export QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/planner/screens/$screen.json"
  export NV_SHOT_DIR="$out"
  build/tests/test_widgets --gtest_filter='HelpWindow.Screenshots' >/dev/null
  build/tests/test_planner --gtest_filter='PlannerScale.*:StartScreenTest.Screenshots' >/dev/null
  # The start screen fills the screen: one picture per screen.
  mv "$out/start_screen.png" "$out/start_screen_$screen.png"
done
# The kitchen draws its own two screen sizes.
QT_QPA_PLATFORM=offscreen NV_SHOT_DIR="$out" \
  build/bench/shots_kitchen --gtest_filter='KitchenShots.SmallAndWideScreens' >/dev/null
ls "$out"
