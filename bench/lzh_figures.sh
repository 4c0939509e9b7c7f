#!/usr/bin/env bash
# Packing a folder with nvsetup (-lh5-) beside jlha (-lh5-, if installed: Debian jlha-utils)
# and tar | gzip -9, and extracting nvsetup's archive with nvsetup beside lha x. All commands
# run in turn in each round, so a busy machine weighs on all alike; the table gives the
# median of RUNS rounds: wall and processor (user + system) seconds, peak memory (maximum
# resident set from /usr/bin/time -v) and the size written.
#   bench/lzh_figures.sh BUILD_DIR [FOLDER] [RUNS]
set -euo pipefail
build=$(realpath "$1")
folder=$(realpath "${2:-$build/dist}")
runs=${3:-5}
setup="$build/bin/nvsetup"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
have_jlha=$(command -v jlha >/dev/null && echo 1 || echo 0)

# One "-xa" line per file and folder, as the distribution builder writes them.
{
  echo "u \"$work/dist.lzh\""
  (cd "$folder" && find . -mindepth 1 | sed 's|^\./||' | sort) |
    while IFS= read -r f; do echo "-xa \"$folder\" \"$f\""; done
} | iconv -f UTF-8 -t CP932 > "$work/resp.txt"  # response files hold CP932 paths

# Runs a shell command under /usr/bin/time -v; prints "wall processor peakKiB".
measure() {
  /usr/bin/time -v -o "$work/time" sh -c "$1" > /dev/null 2>&1 || { echo "failed: $1" >&2; exit 1; }
  awk -F': ' '
    /Elapsed \(wall clock\)/ { n = split($2, t, ":"); w = 0; for (i = 1; i <= n; ++i) w = w * 60 + t[i] }
    /User time/ { u = $2 } /System time/ { s = $2 } /Maximum resident set size/ { m = $2 }
    END { printf "%.3f %.3f %d\n", w, u + s, m }' "$work/time"
}

declare -A cmd size
cmd[pack_nvsetup]="rm -f '$work/dist.lzh'; '$setup' --archiver '@\"$work/resp.txt\"'"
cmd[pack_jlha]="rm -f '$work/j.lzh'; cd '$folder' && jlha c2o5q '$work/j.lzh' *"
cmd[pack_gzip]="tar -C '$folder' -cf - . | gzip -9 > '$work/dist.tar.gz'"
cmd[x_nvsetup]="'$setup' --archiver 'x \"$work/dist.lzh\" \"$work/x1\"'"
cmd[x_lha]="mkdir '$work/x2' && cd '$work/x2' && lha xq '$work/dist.lzh'"
order=(pack_nvsetup pack_gzip x_nvsetup x_lha)
[ "$have_jlha" = 1 ] && order=(pack_nvsetup pack_jlha pack_gzip x_nvsetup x_lha)

for round in $(seq "$runs"); do
  for f in "${order[@]}"; do
    rm -rf "$work/x1" "$work/x2"
    measure "${cmd[$f]}" >> "$work/$f.runs"
  done
done
size[pack_nvsetup]=$(stat -c %s "$work/dist.lzh")
[ "$have_jlha" = 1 ] && size[pack_jlha]=$(stat -c %s "$work/j.lzh")
size[pack_gzip]=$(stat -c %s "$work/dist.tar.gz")

median() { sort -g | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
printf 'folder %s: %s files, %s bytes; median of %s rounds\n\n' "$folder" \
  "$(find "$folder" -type f | wc -l)" "$(find "$folder" -type f -printf '%s\n' | awk '{s += $1} END {print s}')" "$runs"
printf '| %-22s | %8s | %12s | %9s | %12s |\n' what 'wall s' 'processor s' 'peak MiB' 'size bytes'
printf '|%s|%s|%s|%s|%s|\n' ------------------------ ---------- -------------- ----------- --------------
declare -A label=([pack_nvsetup]='pack nvsetup -lh5-' [pack_jlha]='pack jlha -lh5-'
  [pack_gzip]='pack tar | gzip -9' [x_nvsetup]='extract nvsetup x' [x_lha]='extract lha x')
for f in "${order[@]}"; do
  printf '| %-22s | %8.3f | %12.3f | %9.1f | %12s |\n' "${label[$f]}" \
    "$(cut -d' ' -f1 "$work/$f.runs" | median)" "$(cut -d' ' -f2 "$work/$f.runs" | median)" \
    "$(cut -d' ' -f3 "$work/$f.runs" | median | awk '{print $1 / 1024}')" "${size[$f]:-}"
done
echo
rm -rf "$work/x1" "$work/x2"
sh -c "${cmd[x_nvsetup]}"
diff -r "$folder" "$work/x1" > /dev/null && echo "nvsetup's extraction is identical to the folder"
# lha writes the stored CP932 names as they are, so its copy is compared by size only.
mkdir "$work/x2" && (cd "$work/x2" && lha xq "$work/dist.lzh")
printf 'lha extracted %s files, %s bytes\n' "$(find "$work/x2" -type f | wc -l)" \
  "$(find "$work/x2" -type f -printf '%s\n' | awk '{s += $1} END {print s}')"
