#!/usr/bin/env bash
# Builds the test build (AddressSanitizer + UndefinedBehaviorSanitizer) from
# scratch and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build/test}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Test -DPARLEVOX_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
