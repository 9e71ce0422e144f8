#!/usr/bin/env bash
# Start-up against the floor of Qt itself: the milliseconds from exec until the
# main window is mapped, for Norvanta and for an empty Qt Widgets window of the
# same title, measured in alternating runs under one Xvfb. Prints each run and
# the ratio of the medians, twice: as mapwait measures, and as maptime does.
# mapwait, after the map of a window of another title, polls that window's
# title for 50 ms before it reads the next event, so Norvanta's splash, mapped
# first, adds those 50 ms to its main window's time. maptime times every map
# as its event arrives and reads the titles afterwards.
#   bench/startup.sh [pairs]       (default 9)
# STARTUP_TOOLS names the folder with mapwait.c and qtbaseline/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tools="${STARTUP_TOOLS:-$root/../shared/tools/startup}"
pairs="${1:-9}"
out="$root/build-bench"

for pkg in libx11-dev xvfb; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    echo "Needs the Debian package $pkg." >&2
    exit 1
  fi
done

mkdir -p "$out"
gcc -O2 -o "$out/mapwait" "$tools/mapwait.c" -lX11
gcc -O2 -o "$out/maptime" "$root/bench/maptime.c" -lX11
cmake -S "$tools/qtbaseline" -B "$out/qtbaseline" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/qtbaseline" --parallel "$(nproc)" >/dev/null
cmake -S "$root" -B "$out/norvanta" -DCMAKE_BUILD_TYPE=Release -DNORVANTA_TESTS=OFF >/dev/null
cmake --build "$out/norvanta" --parallel "$(nproc)" >/dev/null

display=":$((100 + RANDOM % 100))"
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

base=()
prog=()
basetime=()
progtime=()
for ((i = 0; i < pairs; i++)); do
  base+=("$("$out/mapwait" "Main Menu" "$out/qtbaseline/qtbaseline")")
  prog+=("$("$out/mapwait" "Main Menu" "$out/norvanta/bin/norvanta")")
  basetime+=("$("$out/maptime" "Main Menu" "$out/qtbaseline/qtbaseline")")
  progtime+=("$("$out/maptime" "Main Menu" "$out/norvanta/bin/norvanta")")
  echo "run $((i + 1)): mapwait: empty window ${base[-1]} ms, Norvanta ${prog[-1]} ms;" \
       "maptime: empty window ${basetime[-1]} ms, Norvanta ${progtime[-1]} ms"
done

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
report() {
  local b="$2" p="$3"
  echo "median ($1): empty window $b ms, Norvanta $p ms, ratio $(awk -v p="$p" -v b="$b" 'BEGIN {printf "%.2f", p / b}')"
}
report mapwait "$(median "${base[@]}")" "$(median "${prog[@]}")"
report maptime "$(median "${basetime[@]}")" "$(median "${progtime[@]}")"
