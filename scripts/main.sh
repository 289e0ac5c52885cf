#!/usr/bin/env bash
# The main job: builds the plug-in and the quiltra tool, renders a preview of
# a floor of boards shaded with the map over the built-in sample textures
# (preview.png), then samples the map for keys 1 to 20 over three
# constant-colour sub-maps.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh
echo "Configuring and building (preset: release) ..."
cmake --preset release >/dev/null
cmake --build --preset release

echo
echo "quiltra render: a floor of boards over the sample textures -> preview.png"
build/release/bin/quiltra render --scene planks --rnd-by object \
  --rnd-gamma 0.2 --rnd-hue 15 --rnd-sat 10 -o preview.png
echo "Wrote preview.png"

echo
echo "quiltra sample: key, pick, red, green, blue, alpha, mono"
build/release/bin/quiltra sample \
  --color 0.8,0.3,0.2 --color 0.3,0.6,0.8 --color 0.9,0.8,0.4 \
  --keys 1-20 --rnd-gamma 0.2 --rnd-hue 15 --rnd-sat 10
