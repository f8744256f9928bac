#!/usr/bin/env bash
# Builds the client and starts it against a local demo IRC server (ngircd on
# a free loopback port, its configuration in a temporary folder), joined to
# #parlevox. Type to talk in the channel, or / commands (/msg nick text,
# /me waves, /whois nick, /quit bye); end with /quit, Ctrl-D or Ctrl-C.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build/release}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target parlevox-headless

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
"$build/parlevox-headless" --server "127.0.0.1:$port" --nick "${NICK:-parlevox}" --join '#parlevox' "$@"
