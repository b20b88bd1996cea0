#!/usr/bin/env bash
# Regenerates the pictures in docs/ (shown in the README) by running the
# scripted session tests/scripts/screenshots.zvs off-screen at one and a half
# times the natural size.
#   scripts/screenshots.sh [BUILD_DIR]      (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
zorvane=$build/play/qt/zorvane
if [ ! -x "$zorvane" ]; then
  echo "no $zorvane; build it first (make build, or cmake --build $build --target zorvane)" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A fresh folder and no settings of the user's own: the pictures come out the same every time.
if ! (cd "$work" && env HOME="$work" XDG_CONFIG_HOME="$work/.config" QT_QPA_PLATFORM=offscreen \
  SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=1.5 \
  "$zorvane" --script "$root/tests/scripts/screenshots.zvs" >"$work/transcript.out" 2>"$work/stderr.txt"); then
  cat "$work/stderr.txt" >&2
  exit 1
fi
if grep '^error' "$work/transcript.out" >&2; then exit 1; fi
shots=$(grep -o '^shot [^ #]*' "$root/tests/scripts/screenshots.zvs" | cut -d' ' -f2)
for f in $shots; do
  cp "$work/$f" "$root/docs/$f"
  echo "docs/$f"
done
