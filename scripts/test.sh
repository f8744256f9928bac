#!/usr/bin/env bash
# Builds the test build (AddressSanitizer + UndefinedBehaviorSanitizer) from
# scratch, runs the fuzz targets briefly (scripts/fuzz-smoke.sh) and runs
# every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build="${BUILD_DIR:-build/test}"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Test -DPARLEVOX_BENCH=OFF
cmake --build "$build" -j "$(nproc)"
# The fuzz targets first, so that the ctest summary stays the last output.
fuzz_status=0
scripts/fuzz-smoke.sh || fuzz_status=$?
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 300
exit "$fuzz_status"
