#!/usr/bin/env bash
# End-to-end flood benchmark: runs parlevox-headless (or, with GUI=1, the
# desktop client under Xvfb with the flooded channel window in front; with
# REACTION=1, the headless client with a script reaction on every message)
# beside irssi, WeeChat and the framing-only limit client with the shared
# peerbench harness. RUNS, N and the harness's other settings pass through.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
harness="${PEERBENCH:-$here/../shared/peerbench}"
build="${BUILD_DIR:-$here/build/release}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
if [ -n "${GUI:-}" ]; then
  cmake --build "$build" --target parlevox
  # Each client gets its own throwaway settings; Xvfb gives it a real X display.
  export CLIENT_CMD="xvfb-run -a -s '-screen 0 1280x800x24' $build/parlevox --server 127.0.0.1:{port} --nick {nick} --join '#bench'"
  export CLIENT_COMM=parlevox
  export CLIENT_NAME=parlevox-gui
elif [ -n "${REACTION:-}" ]; then
  # A script reaction (sender filter, short function) on every channel message.
  cmake --build "$build" --target parlevox-headless parlevox-script
  export CLIENT_CMD="$here/bench/reaction-bench/setup.sh {home} $build $build/parlevox-headless --no-input --server 127.0.0.1:{port} --nick {nick} --join '#bench'"
  export CLIENT_NAME=parlevox-reaction
else
  cmake --build "$build" --target parlevox-headless
  export CLIENT_CMD="$build/parlevox-headless --no-input --server 127.0.0.1:{port} --nick {nick} --join '#bench'"
  export CLIENT_NAME=parlevox-headless
fi
exec "$harness/run.sh" "$@"
