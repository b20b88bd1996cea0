#!/usr/bin/env bash
# Runs one scripted session in a fresh folder and compares its transcript with
# the expected one (the .out file beside the script).
#   run.sh ZORVANE /abs/path/NAME.zvs WORKDIR
# The contents of tests/scripts/data/ are copied into the folder first, so
# scripts can load record files by relative name; then, when it exists, the
# contents of tests/scripts/data/NAME/ (files for that script alone, such as
# a settings file every other script must not see).
# Files git cannot hold (a pipe, a read-only file, an old timestamp) are made
# by NAME.setup.sh, run in the folder before the session; NAME.check.sh, run
# there after the transcript matched, checks what the session left on disk.
# ZORVANE_UPDATE_SCRIPTS=1 writes the transcript into the .out file instead.
set -euo pipefail
zorvane=$1 script=$2 work=$3
expected=${script%.zvs}.out
rm -rf "$work"
mkdir -p "$work"
data=$(dirname "$script")/data
if [ -d "$data" ]; then cp -R "$data/." "$work/"; fi
own=$data/$(basename "${script%.zvs}")
if [ -d "$own" ]; then cp -R "$own/." "$work/"; fi
setup=${script%.zvs}.setup.sh check=${script%.zvs}.check.sh
if [ -f "$setup" ]; then (cd "$work" && bash "$setup"); fi
actual=$work/transcript.out
# A settings file in the user's own configuration folder must not reach the tests.
export XDG_CONFIG_HOME="$work/.config" HOME="$work"
if ! (cd "$work" && "$zorvane" --script "$script" >"$actual" 2>"$work/stderr.txt"); then
  echo "zorvane --script $script failed:"
  cat "$work/stderr.txt"
  exit 1
fi
if [ "${ZORVANE_UPDATE_SCRIPTS:-}" = 1 ]; then
  cp "$actual" "$expected"
  echo "updated $expected"
  exit 0
fi
if [ ! -f "$expected" ]; then
  echo "no expected transcript $expected; this run gave:"
  cat "$actual"
  exit 1
fi
diff -u "$expected" "$actual"
if [ -f "$check" ]; then (cd "$work" && bash "$check"); fi
