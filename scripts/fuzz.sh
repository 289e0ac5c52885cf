#!/usr/bin/env bash
# Bounded fuzzing: builds the libFuzzer targets (preset: fuzz, clang with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for
# QUILTRA_FUZZ_SECONDS seconds (default 60), starting from its corpus in
# tests/fuzz/corpus/. New inputs go to a scratch folder, not into the repo;
# a crash leaves its input in build/fuzz/crashes/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${QUILTRA_FUZZ_SECONDS:-60}"
targets=(shading scene_loader open_files)

echo "Configuring and building the fuzz targets (preset: fuzz) ..."
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/crashes
for target in "${targets[@]}"; do
  corpus="tests/fuzz/corpus/${target%_loader}"
  scratch="$(mktemp -d)"
  echo "== fuzz_${target}: ${seconds} s from ${corpus}"
  if ! build/fuzz/bin/"fuzz_${target}" -max_total_time="${seconds}" -print_final_stats=1 \
      -artifact_prefix=build/fuzz/crashes/"${target}"- "${scratch}" "${corpus}" \
      </dev/null >build/fuzz/"${target}".log 2>&1; then
    tail -n 40 build/fuzz/"${target}".log
    echo "fuzz_${target} found a failure; its input is in build/fuzz/crashes/" >&2
    exit 1
  fi
  grep -E "^stat::number_of_executed_units|^stat::new_units_added" build/fuzz/"${target}".log
  rm -rf "${scratch}"
done
