#!/usr/bin/env bash
# Start-up against the floor of Qt itself: the milliseconds from exec until the
# main window is mapped, for Norvanta, for an empty Qt Widgets window of the
# same title, and for that empty window with a splash shown first, measured in
# alternating runs under one Xvfb. Prints each run and the medians with their
# ratios to the empty window, twice: as mapwait measures, and as maptime does.
# mapwait, after the map of a window of another title, polls that window's
# title for 50 ms before it reads the next event, so a splash mapped first
# adds those 50 ms to the main window's time; the empty window with a splash
# shows what that costs a program that does nothing else. maptime times every
# map as its event arrives and reads the titles afterwards.
#   bench/startup.sh [rounds]      (default 9)
# STARTUP_TOOLS names the folder with mapwait.c and qtbaseline/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tools="${STARTUP_TOOLS:-$root/../shared/tools/startup}"
rounds="${1:-9}"
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
cmake -S "$root/bench/splashfloor" -B "$out/splashfloor" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/splashfloor" --parallel "$(nproc)" >/dev/null
cmake -S "$root" -B "$out/norvanta" -DCMAKE_BUILD_TYPE=Release -DNORVANTA_TESTS=OFF >/dev/null
cmake --build "$out/norvanta" --parallel "$(nproc)" >/dev/null

display=":$((100 + RANDOM % 100))"
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
export DISPLAY="$display" QT_QPA_PLATFORM=xcb

programs=("$out/qtbaseline/qtbaseline" "$out/splashfloor/splashfloor" "$out/norvanta/bin/norvanta")
names=("empty window" "empty window with a splash" "Norvanta")
declare -A taken
for ((i = 0; i < rounds; i++)); do
  line="run $((i + 1)):"
  for tool in mapwait maptime; do
    line+=" $tool:"
    for p in 0 1 2; do
      ms="$("$out/$tool" "Main Menu" "${programs[$p]}")"
      taken[$tool,$p]+="$ms "
      line+=" ${names[$p]} $ms ms;"
    done
  done
  echo "$line"
done

median() { printf '%s\n' $1 | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
for tool in mapwait maptime; do
  floor="$(median "${taken[$tool,0]}")"
  line="median ($tool): ${names[0]} $floor ms"
  for p in 1 2; do
    ms="$(median "${taken[$tool,$p]}")"
    line+=", ${names[$p]} $ms ms (ratio $(awk -v p="$ms" -v b="$floor" 'BEGIN {printf "%.2f", p / b}'))"
  done
  echo "$line"
done
