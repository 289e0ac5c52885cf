#!/usr/bin/env bash
# Makes docs/rollout.png: the map's rollout as Wine draws it, from a Windows
# build (default preset windows-x64-11000), inside a virtual X server.
#
#   scripts/rollout-screenshot.sh [preset]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-windows-x64-11000}"

scripts/install-windows-packages.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target rollout_screenshot

mkdir -p docs
picture="build/$preset/rollout.bmp"
rm -f "$picture"
# The program writes into its current folder, which Wine sees as a drive.
(cd "build/$preset" &&
  xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c '../../scripts/wine-run.sh bin/rollout_screenshot.exe rollout.bmp; status=$?;
             source ../../scripts/wine-env.sh; wineserver -k >/dev/null 2>&1 || true; exit $status')
oiiotool "$picture" -o docs/rollout.png
echo "Wrote docs/rollout.png"
