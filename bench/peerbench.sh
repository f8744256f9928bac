#!/usr/bin/env bash
# End-to-end flood benchmark: runs parlevox-headless beside irssi, WeeChat
# and the framing-only limit client with the shared peerbench harness.
# RUNS, N and the harness's other settings pass through.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
harness="${PEERBENCH:-$here/../shared/peerbench}"
build="${BUILD_DIR:-$here/build/release}"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
cmake --build "$build" --target parlevox-headless
export CLIENT_CMD="$build/parlevox-headless --no-input --server 127.0.0.1:{port} --nick {nick} --join '#bench'"
export CLIENT_NAME=parlevox-headless
exec "$harness/run.sh" "$@"
