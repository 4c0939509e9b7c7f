#!/usr/bin/env bash
# Sets everything up, builds, and makes the Debian package build/nuvelta_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
rm -f build/nuvelta_*.deb
cpack --config build/CPackConfig.cmake -G DEB >/dev/null
ls build/nuvelta_*.deb
