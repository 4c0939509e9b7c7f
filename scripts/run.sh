#!/usr/bin/env bash
# Sets everything up, builds, and runs the program on the bundled data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -x build/dist/NV ]; then
  exec build/dist/NV "$@"
fi
# Until the windows arrive, the program is the command-line companion.
build/bin/nvtool --help
