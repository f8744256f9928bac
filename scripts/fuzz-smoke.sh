#!/usr/bin/env bash
# Builds the fuzz targets once and runs each for about 20 seconds, two at a
# time. Fails when any of them finds a crash. The last line is the summary.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-20}"
build="${FUZZ_BUILD_DIR:-build/fuzz}"
targets=(fuzz_irc_lines fuzz_regedit fuzz_raw_bitmap fuzz_variable_sets fuzz_output_cells
         fuzz_command_lines fuzz_chat_windows fuzz_script_tokens
         fuzz_parse_tree fuzz_reaction_texts fuzz_module_files fuzz_scheme_files fuzz_dcc_chat_lines fuzz_run_arguments
         fuzz_channel_directory fuzz_client_link_blocks fuzz_setup_archive fuzz_setup_settings)

scripts/install-deps.sh
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DPARLEVOX_FUZZ=ON -DPARLEVOX_TESTS=OFF -DPARLEVOX_BENCH=OFF >/dev/null
fi
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

run() {
  local target=$1
  if FUZZ_NO_BUILD=1 FUZZ_BUILD_DIR="$build" scripts/fuzz.sh "$target" "$seconds" >"$logs/$target.log" 2>&1; then
    echo ok >"$logs/$target.status"
  else
    echo failed >"$logs/$target.status"
  fi
}

active=0
for target in "${targets[@]}"; do
  run "$target" &
  active=$((active + 1))
  if [ "$active" -eq 2 ]; then
    wait -n
    active=$((active - 1))
  fi
done
wait

passed=0
failed=0
for target in "${targets[@]}"; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$target.log" | tail -n 1)
  if [ "$(cat "$logs/$target.status")" = ok ]; then
    passed=$((passed + 1))
    echo "fuzz: $target passed (${runs:-?} runs)"
  else
    failed=$((failed + 1))
    echo "fuzz: $target FAILED; the end of its log:"
    tail -n 40 "$logs/$target.log"
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
