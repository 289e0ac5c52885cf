#!/usr/bin/env bash
# Every test: checks formatting, builds with warnings as errors and runs the
# whole suite, runs it again under AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the concurrency tests under
# ThreadSanitizer, and fuzzes each libFuzzer target for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh

echo "== Formatting (clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

echo "== Build and test (preset: ci)"
cmake --preset ci >/dev/null
cmake --build --preset ci
ctest --preset ci

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer (preset: asan)"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

echo "== Concurrency tests under ThreadSanitizer (preset: tsan)"
cmake --preset tsan >/dev/null
cmake --build --preset tsan --target shading_tests texmap_tests
ctest --preset tsan

echo "== Bounded fuzzing (preset: fuzz)"
QUILTRA_FUZZ_SECONDS="${QUILTRA_FUZZ_SECONDS:-60}" scripts/fuzz.sh
