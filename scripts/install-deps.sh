#!/usr/bin/env bash
# Installs, with apt-get, every package the build, the tests and the demo
# need and that is missing. Nothing beyond a compiler, cmake and git is
# assumed to be present.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config dpkg-dev file
  clang libclang-rt-14-dev
  libfmt-dev libgtest-dev libgmock-dev googletest libbenchmark-dev
  ngircd python3
  libsdl2-mixer-dev fluid-soundfont-gm libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation2
  zlib1g-dev libjpeg-dev
  qt6-base-dev libx11-dev xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
