#!/usr/bin/env bash
# The Windows builds: cross-compiles the five deliverables with mingw-w64 and
# runs their tests under Wine inside a virtual X server. The samples test
# compares with the Linux build's quiltra tool, so the ci preset is built
# first (scripts/test.sh does).
#
#   scripts/test-windows.sh [preset...]     (default: all five)
set -euo pipefail
cd "$(dirname "$0")/.."

# Inside the virtual X server: one persistent Wine server spares each test
# program the start of its own, and it must be gone before the X server stops.
if [ "${1:-}" = --inside-display ]; then
  shift
  source scripts/wine-env.sh
  # A server left from another display would hold its windows there.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -p >/dev/null 2>&1
  status=0
  for preset in "$@"; do
    echo "== Test under Wine (preset: $preset)"
    start=$SECONDS
    ctest --preset "$preset" || status=1
    echo "   tested in $((SECONDS - start)) s"
  done
  wineserver -k >/dev/null 2>&1 || true
  exit "$status"
fi

presets=("$@")
if ((${#presets[@]} == 0)); then
  presets=(windows-x64-9000 windows-x64-11000 windows-x86-9000 windows-x86-11000 windows-x86-12000)
fi

scripts/install-windows-packages.sh
source scripts/wine-env.sh

for preset in "${presets[@]}"; do
  echo "== Build (preset: $preset)"
  start=$SECONDS
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "   built in $((SECONDS - start)) s"
done

echo "== Wine prefix ($WINEPREFIX)"
start=$SECONDS
wine_prefix_ensure
echo "   ready in $((SECONDS - start)) s"

# One X server and one Wine server for every test: the script runs itself
# again inside xvfb-run for that part.
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --inside-display "${presets[@]}"
