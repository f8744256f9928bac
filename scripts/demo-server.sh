#!/usr/bin/env bash
# Starts ngircd on a free loopback port with a configuration written into the
# folder given as $1; prints the port and leaves the PID in $1/ngircd.pid
# once the server accepts connections.
set -euo pipefail
dir="$1"
port="$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')"
cat > "$dir/ngircd.conf" <<CONF
[Global]
Name = irc.parlevox.test
Info = Parlevox demo server
Listen = 127.0.0.1
Ports = $port
MotdPhrase = Welcome to the Parlevox demo server
[Limits]
PingTimeout = 120
PongTimeout = 20
MaxNickLength = 30
MaxJoins = 50
[Options]
PAM = no
Ident = no
DNS = no
CONF
ngircd=$(command -v ngircd || echo /usr/sbin/ngircd)
"$ngircd" -n -f "$dir/ngircd.conf" >"$dir/ngircd.log" 2>&1 &
echo $! > "$dir/ngircd.pid"
for _ in $(seq 100); do
  if python3 -c "import socket,sys; socket.create_connection(('127.0.0.1',$port),0.2)" 2>/dev/null; then
    echo "$port"; exit 0
  fi
  sleep 0.05
done
echo "demo-server: ngircd did not start; see $dir/ngircd.log" >&2
exit 1
