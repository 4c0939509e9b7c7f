#!/usr/bin/env bash
# Checks the pictures of the distribution folder: every dish that artgen listed has its
# pictures, the fixed pictures exist as 24-bit bitmaps of the sizes the program lays out, and
# artgen itself draws a small list deterministically and skips names that are no file names.
#   check_pictures.sh ARTGEN DIST_DIR WORK_DIR
set -uo pipefail
artgen=$1 dist=$2 work=$3
failures=0 checks=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Little-endian integer of N bytes at an offset of a file.
le() { od -An -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '; }

# check_bmp FILE [WIDTH HEIGHT]: a 24-bit Windows bitmap, optionally of that size.
check_bmp() {
  checks=$((checks + 1))
  local f=$1
  if [ ! -f "$f" ]; then fail "missing $f"; return; fi
  if [ "$(head -c 2 "$f")" != "BM" ]; then fail "not a bitmap: $f"; return; fi
  local bits w h
  bits=$(le "$f" 28 2) w=$(le "$f" 18 4) h=$(le "$f" 22 4)
  [ "$bits" = 24 ] || fail "$f has $bits bits per pixel, not 24"
  if [ $# -ge 3 ] && { [ "$w" != "$2" ] || [ "$h" != "$3" ]; }; then
    fail "$f is ${w}x${h}, expected ${2}x${3}"
  fi
}

# Top-left pixel of a bottom-up 24-bit bitmap as "B G R".
top_left() {
  local f=$1 off w h stride
  off=$(le "$f" 10 4) w=$(le "$f" 18 4) h=$(le "$f" 22 4)
  stride=$(( (w * 3 + 3) / 4 * 4 ))
  od -An -tu1 -j $((off + (h - 1) * stride)) -N 3 "$f" | xargs
}

k=$dist/bentou/daidokoro
check_bmp "$k/台所.bmp" 1024 768
check_bmp "$k/出口.bmp"
for f in 弁当箱 弁当箱手前 コースター レシピ本 レシピ2; do check_bmp "$k/$f.bmp"; done
# The opened appliances are drawn at the size of their default layout.
check_bmp "$k/冷蔵庫２.bmp" 424 484
check_bmp "$k/冷蔵庫１.bmp" 278 327
check_bmp "$k/おかま.bmp" 347 448
check_bmp "$k/フライパン.bmp" 394 398
check_bmp "$k/なべ.bmp" 376 408
check_bmp "$k/とだな.bmp" 490 349
check_bmp "$k/オーブン.bmp" 506 422
for m in 01 02 03 04; do for f in 01 02; do check_bmp "$k/おにぎり$m$f.bmp"; done; done
check_bmp "$k/おなかがいっぱい01.bmp"
check_bmp "$k/おなかがいっぱい02.bmp"
check_bmp "$k/MODORU.bmp" 16 16
check_bmp "$k/SUSUMU.bmp" 16 16
for f in point1 point2 point3 kiso; do check_bmp "$dist/bentou/setumei/$f.bmp"; done
for f in くし形切り さいの目切り 輪切り せん切り 小口切り ささがき 短冊切り みじん切り らん切り \
         いちょう切り ひょうし木切り 色紙切り きのこの石づき; do
  check_bmp "$dist/bentou/setumei/$f.bmp"
done
check_bmp "$dist/bmp/about.bmp"
check_bmp "$dist/BMP/nv.bmp"
check_bmp "$dist/BMP/bentou.bmp"

# Shapes are cut by the top-left colour: white for the box and the recipe book, and a colour
# the rice ball itself never uses (its rice is white).
[ "$(top_left "$k/弁当箱.bmp")" = "255 255 255" ] || fail "弁当箱.bmp corner is not white"
[ "$(top_left "$k/レシピ本.bmp")" = "255 255 255" ] || fail "レシピ本.bmp corner is not white"
[ "$(top_left "$k/おにぎり0101.bmp")" != "255 255 255" ] || fail "rice ball corner is white"

# Every listed dish has its pictures.
if [ -f "$work/menu-dishes.txt" ]; then
  while IFS=$'\t' read -r name _; do
    [ -n "$name" ] && check_bmp "$dist/bmp/$name.bmp" 112 112
  done < "$work/menu-dishes.txt"
fi
if [ -f "$work/bento-dishes.txt" ]; then
  while IFS=$'\t' read -r name _; do
    [ -n "$name" ] || continue
    check_bmp "$dist/bentou/$name.bmp" 128 128
    check_bmp "$dist/bentou/${name}s.bmp" 64 64
  done < "$work/bento-dishes.txt"
fi

# artgen on a small list: odd names, a duplicate, a name that cannot be a file name.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
printf 'ごはん\tごはん\t精白米\n牛乳\t飲み物\t牛乳\nA B\nごはん\n../逃げる\n' > "$tmp/list.txt"
printf '卵焼き\t卵のおかず\t卵\n' > "$tmp/bento.txt"
for run in 1 2; do
  "$artgen" --out "$tmp/out$run" --menu-dishes "$tmp/list.txt" --bento-dishes "$tmp/bento.txt" \
    --howto-dishes "$tmp/bento.txt" --write-lists "$tmp/lists$run" > /dev/null 2>&1 ||
    fail "artgen failed on the small list"
done
check_bmp "$tmp/out1/bmp/ごはん.bmp" 112 112
check_bmp "$tmp/out1/bmp/A B.bmp" 112 112
check_bmp "$tmp/out1/bentou/卵焼きs.bmp" 64 64
checks=$((checks + 1))
[ -f "$tmp/out1/bentou/setumei/卵焼き.jpg" ] || fail "how-to picture missing"
checks=$((checks + 1))
[ ! -e "$tmp/逃げる.bmp" ] && [ ! -e "$tmp/out1/逃げる.bmp" ] || fail "a name left the folder"
checks=$((checks + 1))
[ "$(cut -f1 "$tmp/lists1/menu-dishes.txt" | tr '\n' ' ')" = "ごはん 牛乳 A B " ] ||
  fail "menu list: $(tr '\n' ' ' < "$tmp/lists1/menu-dishes.txt")"
checks=$((checks + 1))
diff -r "$tmp/out1" "$tmp/out2" > /dev/null || fail "two runs drew different pictures"
checks=$((checks + 1))
"$artgen" --out "$tmp/x" --menu-dishes "$tmp/none.txt" > /dev/null 2>&1 &&
  fail "a missing list did not fail"
checks=$((checks + 1))
"$artgen" --bogus > /dev/null 2>&1; [ $? = 2 ] || fail "bad usage did not exit 2"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
