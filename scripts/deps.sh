#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when any is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config ccache
  libicu-dev libjpeg-dev liblhasa-dev
  # lha: the tests check that the archives nvsetup writes list, test and extract with it
  lhasa
  qt6-base-dev qt6-svg-dev libgl-dev qt6-qpa-plugins
  # Qt's own dialogs and buttons in Japanese
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont xvfb xauth
  # the locale sources the decimal-comma tests compile de_DE.UTF-8 from
  locales
  # The Debian package: building it, its computed dependencies, checking its metadata
  dpkg-dev file desktop-file-utils appstream shared-mime-info libxml2-utils
  # its manual pages (from each program's --help) and the check that lints it
  help2man man-db lintian
  # the print tests read the PDFs they write
  poppler-utils
  # the data checks: foods.csv against its generator and the reference table
  python3
  # Japanese input through fcitx5 (ibus needs nothing more than Qt itself)
  fcitx5-frontend-qt6
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
