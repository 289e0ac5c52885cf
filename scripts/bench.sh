#!/usr/bin/env bash
# The benchmarks: builds the ci preset and runs every benchmark three times,
# printing the mean of each figure. Each benchmark measures its reference in
# the same run and prints the ratio ("ratio", "scaling", ...), the figure to
# compare across machines; absolute times are only this machine's.
# Pass Google Benchmark flags to narrow it, e.g. --benchmark_filter=Update.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
echo "Configuring and building the benchmarks (preset: ci) ..."
cmake --preset ci >/dev/null
cmake --build --preset ci --target shading_bench

build/ci/bin/shading_bench --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
  --benchmark_display_aggregates_only=true "$@"
