#!/usr/bin/env bash
# Every test: checks formatting, builds with warnings as errors and runs the
# whole suite, runs it again under AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the concurrency tests under
# ThreadSanitizer, fuzzes each libFuzzer target for a bounded time, then
# cross-compiles the five Windows builds and runs their tests under Wine.
# Each stage reports how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."

stage_start=$SECONDS
stage_done() {
  echo "   ($1: $((SECONDS - stage_start)) s)"
  stage_start=$SECONDS
}

scripts/install-packages.sh
stage_done "packages"

echo "== Formatting (clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
stage_done "formatting"

echo "== Build and test (preset: ci)"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci
stage_done "ci"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer (preset: asan)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
stage_done "asan"

echo "== Concurrency tests under ThreadSanitizer (preset: tsan)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan --target shading_tests texmap_tests
ctest --preset tsan
stage_done "tsan"

echo "== Bounded fuzzing (preset: fuzz)"
QUILTRA_FUZZ_SECONDS="${QUILTRA_FUZZ_SECONDS:-60}" scripts/fuzz.sh
stage_done "fuzz"

echo "== Windows builds, tested under Wine"
scripts/test-windows.sh
stage_done "windows"
echo "== All tests passed in $SECONDS s"
