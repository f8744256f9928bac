#!/usr/bin/env bash
# Builds the release build (build/release) and makes from it the Debian
# package (build/release/parlevox_<version>_<arch>.deb) and the
# self-extracting installer (build/release/installer/parlevox-setup).
# Install the package with: sudo apt install ./build/release/parlevox_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build/release}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
(cd "$build" && cpack -G DEB)
ls -l "$build"/parlevox_*.deb "$build"/installer/parlevox-setup
