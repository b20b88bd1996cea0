#!/usr/bin/env bash
# The layer check must catch an include planted against the layers, and only that.
set -eu
src=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for d in model engine view record settings play sound; do cp -r "$src/$d" "$tmp/"; done
bash "$src/tests/layers/check_layers.sh" "$tmp" || { echo "the clean tree should pass"; exit 1; }
echo '#include "view/draw.h"' >> "$tmp/model/moves.cpp"
echo '#include "model/game.h"' >> "$tmp/engine/mate.cpp"
out=$(bash "$src/tests/layers/check_layers.sh" "$tmp") && { echo "planted includes were not caught"; exit 1; }
echo "$out"
[ "$(echo "$out" | wc -l)" -eq 2 ] || { echo "expected exactly the two planted includes"; exit 1; }
grep -q 'model/moves.cpp: includes "view/draw.h"' <<<"$out"
grep -q 'engine/mate.cpp: includes "model/game.h"' <<<"$out"
