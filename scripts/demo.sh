#!/usr/bin/env bash
# Builds the client and starts it against a local demo IRC server (ngircd on
# a free loopback port, its configuration in a temporary folder), joined to
# #parlevox: the desktop client when there is a display, else the headless
# one (type to talk in the channel, or / commands; end with /quit, Ctrl-D or
# Ctrl-C). HEADLESS=1 asks for the headless client.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build/release}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
gui=1
if [ -n "${HEADLESS:-}" ] || { [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; }; then gui=""; fi
if [ -n "$gui" ]; then target=parlevox; else target=parlevox-headless; fi
cmake --build "$build" -j "$(nproc)" --target "$target"

work="$(mktemp -d)"
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

port="$(scripts/demo-server.sh "$work")"
server_pid="$(cat "$work/ngircd.pid")"
echo "demo server: 127.0.0.1:$port (ngircd), channel #parlevox" >&2

export PARLEVOX_HOME="${PARLEVOX_HOME:-$work/home}"
export PARLEVOX_REGISTRY="${PARLEVOX_REGISTRY:-$work/registry.reg}"
if [ -n "$gui" ]; then
  "$build/parlevox" --server "127.0.0.1:$port" --nick "${NICK:-parlevox}" --join '#parlevox' "$@"
else
  [ -z "${HEADLESS:-}" ] && echo "no display (DISPLAY is not set): starting parlevox-headless instead" >&2
  "$build/parlevox-headless" --server "127.0.0.1:$port" --nick "${NICK:-parlevox}" --join '#parlevox' "$@"
fi
