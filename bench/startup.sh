#!/usr/bin/env bash
# Start-up of the desktop client to a usable main window (title screen
# drained, no modules or plug-ins), as the client itself measures it from
# the start of main(): RUNS starts (default 15) under Xvfb, each with fresh
# settings and no connection; prints every figure and the median.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build/release}"
runs="${RUNS:-15}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
cmake --build "$build" --target parlevox >/dev/null

work="$(mktemp -d)"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

figures=()
for i in $(seq "$runs"); do
  rm -rf "$work/home" "$work/registry.reg"
  line="$(DISPLAY="$display" PARLEVOX_HOME="$work/home" PARLEVOX_REGISTRY="$work/registry.reg" \
          PARLEVOX_REPORT_STARTUP=1 PARLEVOX_EXIT_AFTER_START=1 \
          "$build/parlevox" --nick bench 2>&1 | grep -o 'usable [0-9]* ms' || true)"
  ms="${line//[^0-9]/}"
  [ -n "$ms" ] || { echo "startup: run $i reported nothing" >&2; exit 1; }
  figures+=("$ms")
done
printf 'runs (ms): %s\n' "${figures[*]}"
printf '%s\n' "${figures[@]}" | sort -n | awk '{a[NR]=$1} END {print "median_ms " a[int((NR+1)/2)]}'
