#!/usr/bin/env bash
# Sets everything up, builds, and runs the program on the bundled data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -x build/dist/NV ]; then
  # On a machine without a desktop the program runs on a virtual screen.
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: running NV on a virtual X screen (xvfb-run)."
    exec xvfb-run -a build/dist/NV "$@"
  fi
  exec build/dist/NV "$@"
fi
# Until the windows arrive, the program is the command-line companion.
build/bin/nvtool --help
