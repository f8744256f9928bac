#!/usr/bin/env bash
# Gives a throwaway home the reaction benchmark's module, installed, with its
# reaction in the reaction list, then becomes the client:
#   setup.sh HOME BUILD-DIR CLIENT [ARG...]
set -euo pipefail
home="$1"
build="$2"
shift 2
here="$(cd "$(dirname "$0")" && pwd)"
module="$home/ReactionBench.ParlevoxModule"
"$build/parlevox-script" pack "$here/ReactionBench" "$module" >/dev/null
mkdir -p "$home/.config/parlevox"
cat > "$home/.config/parlevox/registry.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Modules]
"Count"=dword:00000001
"00000000"="$module"

[HKEY_CURRENT_USER\\Software\\quornwright\\Parlevox\\Reactions]
"Count"=dword:00000001
"00000000"="1\\x017e5a0b01\\x01BenchCount\\x0100020101\\x0100000001\\x01\\x01\\x01*!*@*\\x010"
REG
exec "$@"
