#!/usr/bin/env bash
# Runs one libFuzzer target for SECONDS on a scratch copy of its seed corpus
# (the committed corpus is never changed). Configures and builds build/fuzz
# with clang when needed. Fails when the target finds a crash; the input that
# caused it is kept in build/fuzz/findings/.
#
#   scripts/fuzz.sh fuzz_regedit 60
#
# FUZZ_NO_BUILD=1 skips the build step (fuzz-smoke.sh builds once itself).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ne 2 ]; then
  echo "usage: $0 TARGET SECONDS" >&2
  exit 2
fi
target=$1
seconds=$2
corpus="tests/fuzz/corpus/$target"
if [ ! -d "$corpus" ]; then
  echo "fuzz: no corpus for $target in tests/fuzz/corpus" >&2
  exit 2
fi

build="${FUZZ_BUILD_DIR:-build/fuzz}"
if [ "${FUZZ_NO_BUILD:-0}" != 1 ]; then
  scripts/install-deps.sh
  if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DPARLEVOX_FUZZ=ON -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
  fi
  cmake --build "$build" -j "$(nproc)" --target "$target"
fi
binary="$(pwd)/$build/tests/fuzz/$target"
findings="$(pwd)/$build/findings"
mkdir -p "$findings"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp -R "$corpus" "$scratch/corpus"

# -rss_limit_mb: an input that makes the reader allocate gigabytes is a
# finding too. Leak checking stays on: the targets free what they make.
cd "$scratch"
"$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
  -artifact_prefix="$findings/$target-" corpus
