#!/usr/bin/env bash
# Packing a folder into an -lh5- archive with nvsetup beside tar | gzip -9, and extracting it
# with nvsetup beside lha x. Prints the median of RUNS runs of each.
#   bench/lzh_figures.sh BUILD_DIR [FOLDER] [RUNS]
set -euo pipefail
build=$(realpath "$1")
folder=$(realpath "${2:-$build/dist}")
runs=${3:-5}
setup="$build/bin/nvsetup"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One "-xa" line per file and folder, as the distribution builder writes them.
{
  echo "u \"$work/dist.lzh\""
  (cd "$folder" && find . -mindepth 1 | sed 's|^\./||' | sort) |
    while IFS= read -r f; do echo "-xa \"$folder\" \"$f\""; done
} | iconv -f UTF-8 -t CP932 > "$work/resp.txt"  # response files hold CP932 paths

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
# Wall-clock and processor (user + system) seconds of one run.
TIMEFORMAT='%R %U %S'
seconds() { { time "$@" > /dev/null 2>&1; } 2>&1 | awk '{printf "%s %s\n", $1, $2 + $3}'; }

pack_lzh() { rm -f "$work/dist.lzh"; "$setup" --archiver "@\"$work/resp.txt\""; }
pack_gz() { tar -C "$folder" -cf - . | gzip -9 > "$work/dist.tar.gz"; }
x_setup() { rm -rf "$work/x1"; "$setup" --archiver "x \"$work/dist.lzh\" \"$work/x1\""; }
x_lha() { rm -rf "$work/x2"; mkdir "$work/x2"; (cd "$work/x2" && lha xq "$work/dist.lzh"); }

for f in pack_lzh pack_gz x_setup x_lha; do
  all=$(for i in $(seq "$runs"); do seconds "$f"; done)
  printf '%-9s median wall %.3f s, processor %.3f s\n' "$f" \
    "$(cut -d' ' -f1 <<< "$all" | median)" "$(cut -d' ' -f2 <<< "$all" | median)"
done
diff -r "$folder" "$work/x1" > /dev/null && echo "nvsetup extraction matches the folder"
# lha writes the stored CP932 names as they are, so its copy is compared by size only.
printf 'lha extracted %s files, %s bytes\n' "$(find "$work/x2" -type f | wc -l)" \
  "$(find "$work/x2" -type f -printf '%s\n' | awk '{s+=$1} END {print s}')"
printf 'folder: %s files, %s bytes\n' "$(find "$folder" -type f | wc -l)" \
  "$(find "$folder" -type f -printf '%s\n' | awk '{s+=$1} END {print s}')"
printf 'lh5 archive %s bytes, tar.gz -9 %s bytes\n' "$(stat -c %s "$work/dist.lzh")" \
  "$(stat -c %s "$work/dist.tar.gz")"
