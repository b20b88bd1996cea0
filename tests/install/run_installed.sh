#!/usr/bin/env bash
# Starts an installed zorvane, from a fresh folder that has no sound files, in
# a scripted session that plays a move and saves a record; checks the record
# and the sounds were found in the installed tree.
#   run_installed.sh ZORVANE_EXECUTABLE WORKDIR
set -euo pipefail
zorvane=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work"
mkdir -p "$work/home"
cd "$work/home"
sed "s|^press Command1|folder $work/home\npress Command1|" "$here/installed_session.zvs" > "$work/session.zvs"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=offscreen \
  "$zorvane" --script "$work/session.zvs" > "$work/transcript.out" 2> "$work/stderr.txt" || {
  echo "the installed zorvane failed:"; cat "$work/stderr.txt"; exit 1; }
fail() { echo "$1"; echo "--- transcript:"; cat "$work/transcript.out"; exit 1; }
grep -q 'text="棋譜を書き込みました"' "$work/transcript.out" || fail "no saved-record message"
[ -f "$work/home/installed.棋譜" ] || fail "no record file written"
[ "$(wc -l < "$work/home/installed.棋譜")" -eq 5 ] || fail "the record should hold three headers and both moves"
grep -q '^sound play 駒打音.wav' "$work/transcript.out" || fail "no piece sound"
grep -q 'Direct Sound' "$work/transcript.out" && fail "the sound library was not found in the installed tree"
"$zorvane" --version | grep -qi 'zorvane [0-9]' || fail "--version says nothing useful"
echo "installed session ok"
