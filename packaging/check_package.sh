#!/usr/bin/env bash
# Checks a built package: its file list (everything the program needs, nothing a user or a
# developer run leaves behind, nothing outside its places), that the desktop entry, the file
# types, the AppStream data and the manual pages validate, and that lintian finds no error or
# warning but the one the package overrides (the program folder under /opt).
#   bash packaging/check_package.sh build/nuvelta_*.deb
set -euo pipefail
deb=$1
fail() { echo "check_package: $*" >&2; exit 1; }
list=$(dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')

for f in ./opt/nuvelta/NV ./opt/nuvelta/nvtool ./opt/nuvelta/NV.nv ./opt/nuvelta/NV.nvb \
         ./opt/nuvelta/packaged ./opt/nuvelta/HTML/index.html ./opt/nuvelta/bmp/about.bmp \
         "./usr/bin/nv -> /opt/nuvelta/NV" "./usr/bin/nvtool -> /opt/nuvelta/nvtool" \
         ./usr/share/man/man1/nv.1.gz ./usr/share/man/man1/nvtool.1.gz \
         ./usr/share/doc/nuvelta/copyright ./usr/share/doc/nuvelta/changelog.gz \
         ./usr/share/lintian/overrides/nuvelta \
         ./usr/share/applications/Nuvelta.desktop ./usr/share/mime/packages/nuvelta.xml \
         ./usr/share/metainfo/jp.pellora.nuvelta.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/nuvelta.svg; do
  grep -qxF -- "$f" <<<"$list" || fail "missing $f"
done
for size in 16 22 24 32 48 64 128 256; do
  grep -qxF "./usr/share/icons/hicolor/${size}x${size}/apps/nuvelta.png" <<<"$list" ||
    fail "missing the ${size} px icon"
done
if grep -E '/(NV\.ini|NV_ADD\.nv)$|\.nvub?$' <<<"$list"; then fail "user files in the package"; fi
outside=$(grep -vE '^\./$|^\./opt/$|^\./opt/nuvelta/|^\./usr/$|^\./usr/bin/|^\./usr/share/$|^\./usr/share/(applications|icons|mime|metainfo|man|doc|lintian)/' <<<"$list" || true)
[ -z "$outside" ] || fail "files outside the package's places: $outside"

depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'fonts-ipafont' <<<"$depends" || fail "Depends lacks fonts-ipafont: $depends"
grep -q 'qt6-translations-l10n' <<<"$depends" || fail "Depends lacks Qt's translations: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends lacks the computed libraries: $depends"
grep -q 'libjpeg' <<<"$depends" || fail "Depends lacks the JPEG library the pictures are decoded with: $depends"
recommends=$(dpkg-deb -f "$deb" Recommends)
[ "$recommends" = "fcitx5-frontend-qt6 | ibus" ] || fail "Recommends is not a Japanese input method: $recommends"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/root"
share=$tmp/root/usr/share
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\"" "$share/metainfo/jp.pellora.nuvelta.metainfo.xml" ||
  fail "the AppStream release is not the package version $version"

# Errors and warnings fail; hints (two main categories are wanted here) do not.
out=$(desktop-file-validate "$share/applications/Nuvelta.desktop" 2>&1) || fail "$out"
if grep -E 'error:|warning:' <<<"$out"; then fail "desktop entry does not validate"; fi
appstreamcli validate --no-net "$share/metainfo/jp.pellora.nuvelta.metainfo.xml" >/dev/null ||
  fail "$(appstreamcli validate --no-net "$share/metainfo/jp.pellora.nuvelta.metainfo.xml")"
xmllint --noout "$share/mime/packages/nuvelta.xml"
mkdir -p "$tmp/mime/share/mime/packages"
cp "$share/mime/packages/nuvelta.xml" "$tmp/mime/share/mime/packages/"
out=$(XDG_DATA_DIRS=$tmp/mime/share update-mime-database "$tmp/mime/share/mime" 2>&1)
[ -z "$out" ] || fail "update-mime-database: $out"
for t in x-nuvelta-menu x-nuvelta-lunchbox; do
  [ -f "$tmp/mime/share/mime/application/$t.xml" ] || fail "no type application/$t"
done
grep -q 'example\.' "$share/metainfo/jp.pellora.nuvelta.metainfo.xml" &&
  fail "placeholder addresses in the AppStream data"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$share/doc/nuvelta/copyright" || fail "the copyright file is not machine-readable"
grep -q 'Standard Tables of Food Composition in Japan' "$share/doc/nuvelta/copyright" ||
  fail "the copyright file does not name the food table's source"
top=$(zcat "$share/doc/nuvelta/changelog.gz" | head -1)
[[ "$top" == "nuvelta ($version) "* ]] || fail "the changelog's latest entry is not $version: $top"
for page in nv nvtool; do
  # groff's warnings go to stderr; the page itself must tell the options.
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>"$tmp/warn") ||
    fail "man $page: $(cat "$tmp/warn")"
  [ ! -s "$tmp/warn" ] || fail "man $page: $(cat "$tmp/warn")"
  grep -qF -- '--help' <<<"$text" || fail "man $page lacks the options"
done

# lintian: every error and warning fails, except the override the package ships.
out=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v '^running with root privileges' || true)
if grep -E '^[EW]: ' <<<"$out"; then fail "lintian reports the errors and warnings above"; fi
echo "check_package: $deb is complete and its metadata validates"
