#!/usr/bin/env bash
# The real program's command line: --help and --version, refused command
# lines and demo files (status 2, one line, no window), and --timedemo on a
# committed demo with its figures. Run through xvfb-run; arguments: the game
# executable, the folder of committed demos and a scratch folder.
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
cp "$work/out.txt" "$work/version.txt"
expect 0 0 "$game" -v
cmp -s "$work/out.txt" "$work/version.txt" || fail "-v differs from --version: $(cat "$work/out.txt")"
expect 0 0 "$game" -h
grep -q -- "-h, --help" "$work/out.txt" || fail "-h does not print the help"
expect 2 1 "$game" --bogus
expect 2 1 "$game" --seed 12x
expect 2 1 "$game" --record a.sbd --playdemo b.sbd
expect 2 1 "$game" --record "$work/no/such/folder/x.sbd"

# Bad demo files: refused before any window opens.
printf 'SBDEMO\r\n\001\000' >"$work/cut.sbd"
head -c 100 /dev/urandom >"$work/noise.sbd"
: >"$work/empty.sbd"
for bad in "$work/missing.sbd" "$work/empty.sbd" "$work/cut.sbd" "$work/noise.sbd"; do
  expect 2 1 "$game" --playdemo "$bad"
  grep -q "^spacebattle: demo $bad: " "$work/err.txt" || fail "no file named: $(cat "$work/err.txt")"
  if xdotool search --name "Space Battle" >/dev/null 2>&1; then fail "a window was left open"; fi
done

# A timed run of the minute demo: unpaced, silent, one line of figures.
expect 0 0 env SDL_AUDIODRIVER=dummy "$game" --timedemo "$demos/minute.sbd"
grep -Eq "^timedemo .*minute.sbd: [0-9]+ frames, [0-9.]+ s, [0-9.]+ fps, median [0-9.]+ ms, 99th percentile [0-9.]+ ms$" \
  "$work/out.txt" || fail "timedemo printed: $(cat "$work/out.txt")"
cat "$work/out.txt"
