#!/usr/bin/env bash
# The real program's command line, one case of each kind (the unit tests of
# the command line and of demo files go through the variants): --help and
# --version, a refused command line, a --record path and a demo file (status
# 2, one line, no window), and --timedemo on a committed demo with its
# figures. Run through xvfb-run; arguments: the game executable, the folder
# of committed demos and a scratch folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

game=$1
demos=$2
work=$3
fresh_folder "$work"

# expect STATUS LINES COMMAND...: the exit status and how many lines of
# standard error a command gives.
expect() {
  local want=$1 lines=$2 status=0
  shift 2
  "$@" >"$work/out.txt" 2>"$work/err.txt" || status=$?
  [ "$status" -eq "$want" ] || fail "$* ended with $status, not $want: $(cat "$work/err.txt")"
  [ "$(wc -l <"$work/err.txt")" -eq "$lines" ] ||
    fail "$* wrote $(wc -l <"$work/err.txt") lines on stderr: $(cat "$work/err.txt")"
}

expect 0 0 "$game" --help
grep -q -- "--timedemo FILE" "$work/out.txt" || fail "--help does not list --timedemo"
expect 0 0 "$game" --version
grep -qx "spacebattle [0-9]*\.[0-9]*\.[0-9]*" "$work/out.txt" || fail "--version: $(cat "$work/out.txt")"
expect 2 1 "$game" --bogus

# Help that cannot be written: status 1 and a line (on a full device of our own).
if mknod "$work/full" c 1 7 2>/dev/null; then
  expect 1 1 sh -c '"$0" --help >"$1"' "$game" "$work/full"
  grep -q "^spacebattle: cannot write to standard output" "$work/err.txt" || fail "$(cat "$work/err.txt")"
else
  echo "no device nodes here: the full-device case is left out"
fi

# --record refuses, before any window, what is not a regular file (here a
# FIFO, which would block an open), and leaves it as it was.
mkfifo "$work/fifo.sbd"
expect 2 1 timeout 60 "$game" --record "$work/fifo.sbd"
[ -p "$work/fifo.sbd" ] || fail "the FIFO changed"

# A bad demo file is refused before any window opens.
head -c 100 /dev/urandom >"$work/noise.sbd"
expect 2 1 timeout 60 "$game" --playdemo "$work/noise.sbd"
grep -q "^spacebattle: demo '$work/noise.sbd': " "$work/err.txt" || fail "no file named: $(cat "$work/err.txt")"
if xdotool search --name "Space Battle" >/dev/null 2>&1; then fail "a window was left open"; fi

# A timed run of the minute demo: unpaced, silent, one line of figures.
expect 0 0 env SDL_AUDIODRIVER=dummy "$game" --timedemo "$demos/minute.sbd"
grep -Eq "^timedemo '.*minute.sbd': [0-9]+ frames, [0-9.]+ s, [0-9.]+ fps, median [0-9.]+ ms, 99th percentile [0-9.]+ ms$" \
  "$work/out.txt" || fail "timedemo printed: $(cat "$work/out.txt")"
cat "$work/out.txt"
