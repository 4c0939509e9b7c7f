#!/usr/bin/env bash
# Sets everything up, builds, and runs the program on the bundled data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
# The build makes build/dist/NV; its absence is a failed build, not a reason to run another
# program.
if [ ! -x build/dist/NV ]; then
  echo "run.sh: build/dist/NV was not built; see the build output above." >&2
  exit 1
fi
# On a machine without a desktop the program runs on a virtual screen.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: running NV on a virtual X screen (xvfb-run)."
  exec xvfb-run -a build/dist/NV "$@"
fi
exec build/dist/NV "$@"
