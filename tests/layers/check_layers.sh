#!/usr/bin/env bash
# Fails when an #include runs up the layers. Each folder may include its own
# headers and those of the folders below it:
#   model -> engine -> view -> record, settings -> play -> play/qt
# record and settings are side by side and include neither each other; the
# engine works on the state alone, so it includes no port; sound uses only the ports.
# Usage: check_layers.sh ROOT   (prints every wrong include, exits 1 if any)
set -u
root=${1:-.}
cd "$root" || exit 2

declare -A rank=([model]=0 [engine]=1 [view]=2 [record]=3 [settings]=3 [play]=4 [play/qt]=5)

bad=0
report() { echo "$1: includes \"$2\" ($3)"; bad=1; }

for dir in model engine view record settings play play/qt sound; do
  [ -d "$dir" ] || continue
  for f in "$dir"/*.cpp "$dir"/*.h; do
    [ -f "$f" ] || continue
    while IFS= read -r inc; do
      target=${inc%/*}
      [ "$target" = "$dir" ] && continue
      if [ "$dir" = sound ]; then
        [ "$inc" = model/ports.h ] || report "$f" "$inc" "sound uses only the ports"
        continue
      fi
      if [ "$dir" = engine ] && { [ "$inc" = model/ports.h ] || [ "$inc" = model/game.h ]; }; then
        report "$f" "$inc" "the engine works on the state alone"
        continue
      fi
      from=${rank[$dir]}
      to=${rank[$target]:--1}
      if [ "$to" -lt 0 ]; then
        [ "$target" = sound ] && [ "$dir" = play/qt ] && continue
        report "$f" "$inc" "not a layer"
      elif [ "$to" -ge "$from" ]; then
        report "$f" "$inc" "$target is not below $dir"
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f")
  done
done
exit $bad
