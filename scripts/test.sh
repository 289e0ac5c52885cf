#!/usr/bin/env bash
# Every test: checks formatting, builds with warnings as errors and runs the
# whole suite, then builds and runs it again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
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
