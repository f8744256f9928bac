#!/usr/bin/env bash
# Idle memory of the desktop client with 20 channel windows open, beside
# HexChat's, both under one Xvfb against one local ngircd: each joins
# #idle1 ... #idle20, waits until it is idle, and its VmRSS is read.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build/release}"
settle="${SETTLE:-8}"
command -v hexchat >/dev/null || { echo "idle-rss: hexchat is not installed (apt-get install hexchat)" >&2; exit 1; }
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
cmake --build "$build" --target parlevox >/dev/null

work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -f "$work/ngircd.pid" ] && kill "$(cat "$work/ngircd.pid")" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

port="$("$here/scripts/demo-server.sh" "$work")"
channels="$(seq -f '#idle%g' 1 20 | paste -sd, -)"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY="$display"

rss_kb() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
# Resident memory of its own (anonymous) and its share of shared pages.
anon_kb() { awk '/^RssAnon/ {print $2}' "/proc/$1/status"; }
pss_kb() { awk '/^Pss:/ {print $2}' "/proc/$1/smaps_rollup"; }

# HexChat stops at a warning box when run as root: as root, both clients run
# as nobody.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi

# parlevox
mkdir -p "$work/p"
[ "${#as_user[@]}" -gt 0 ] && chown nobody "$work/p"
PARLEVOX_HOME="$work/p/home" PARLEVOX_REGISTRY="$work/p/registry.reg" HOME="$work/p" \
  "${as_user[@]}" "$build/parlevox" --server "127.0.0.1:$port" --nick idlepv --join "$channels" >/dev/null 2>&1 &
ppid=$!; pids+=($ppid)

# HexChat, with a network that connects at start and joins the same channels
mkdir -p "$work/h"
cat > "$work/h/hexchat.conf" <<CONF
irc_nick1 = idlehc
irc_nick2 = idlehc_
irc_nick3 = idlehc__
irc_user_name = idlehc
gui_slist_skip = 1
gui_join_dialog = 0
CONF
{
  echo "v=2.16.1"; echo
  echo "N=idle"; echo "S=127.0.0.1/$port"
  for c in ${channels//,/ }; do echo "J=$c"; done
  echo "F=10"; echo "D=0"
} > "$work/h/servlist.conf"
[ "${#as_user[@]}" -gt 0 ] && chown -R nobody "$work/h"
HOME="$work/h" "${as_user[@]}" hexchat -d "$work/h" >/dev/null 2>&1 &
hpid=$!; pids+=($hpid)

sleep "$settle"
# Both must be in every channel, or the figures compare nothing.
members="$(python3 - "$port" <<'PY'
import socket, sys, time
s = socket.create_connection(("127.0.0.1", int(sys.argv[1])))
s.sendall(b"NICK idlecheck\r\nUSER c 0 * :c\r\n")
data = b""; deadline = time.time() + 5
while b" 376 " not in data and b" 422 " not in data and time.time() < deadline: data += s.recv(65536)
s.sendall(b"LIST\r\n"); data = b""
while b" 323 " not in data and time.time() < deadline: data += s.recv(65536)
full = [l for l in data.split(b"\r\n") if b" 322 " in l and l.split()[4] == b"2"]
print(len(full))
PY
)"
echo "channels with both clients in them: $members of 20" >&2
printf 'client\tidle_rss_kb\tanon_kb\tpss_kb\n'
for entry in "parlevox $ppid" "hexchat $hpid"; do
  set -- $entry
  printf '%s\t%s\t%s\t%s\n' "$1" "$(rss_kb "$2")" "$(anon_kb "$2")" "$(pss_kb "$2")"
done
