#!/usr/bin/env bash
# The script interpreter beside tclsh, lua5.4 and python3: the same loop
# (1,000,000 iterations of integer arithmetic and a comparison, an array
# write and a string append every 1,000) in each language, RUNS times
# (default 5); prints each one's median seconds and its ratio to ours.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build/release}"
runs="${RUNS:-5}"
loops="$here/bench/script-loop"
if ! command -v lua5.4 >/dev/null || ! command -v tclsh >/dev/null; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y -qq --no-install-recommends lua5.4 tcl >/dev/null
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target parlevox-script >/dev/null

median_seconds() {
  local times=()
  for _ in $(seq "$runs"); do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null
    end=$(date +%s.%N)
    times+=("$(echo "$end - $start" | bc -l)")
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {printf "%.3f", a[int((NR+1)/2)]}'
}

echo "results (each must print the same sum and count):"
printf '  parlevox: %s\n' "$("$build/parlevox-script" run "$loops/loop.pvs" | paste -sd' ')"
printf '  tclsh:    %s\n' "$(tclsh "$loops/loop.tcl")"
printf '  lua5.4:   %s\n' "$(lua5.4 "$loops/loop.lua")"
printf '  python3:  %s\n' "$(python3 "$loops/loop.py")"

ours=$(median_seconds "$build/parlevox-script" run "$loops/loop.pvs")
printf 'interpreter\tmedian_s\tratio_to_parlevox\n'
printf 'parlevox\t%s\t1.00\n' "$ours"
for entry in "tclsh $loops/loop.tcl" "lua5.4 $loops/loop.lua" "python3 $loops/loop.py"; do
  set -- $entry
  t=$(median_seconds "$1" "$2")
  printf '%s\t%s\t%.2f\n' "$1" "$t" "$(echo "$t / $ours" | bc -l)"
done
