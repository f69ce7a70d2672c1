#!/usr/bin/env bash
# The real program's command line: --help and --version, refused command
# lines and demo files (status 2, one line, no window), paths --record must
# leave alone, and --timedemo on a committed demo with its figures. Run through xvfb-run; arguments: the game
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
# Arguments are shown on one short line, whatever they hold.
expect 2 1 "$game" $'--bad\nname\xff'
expect 2 1 "$game" --seed "$(head -c 100000 /dev/zero | tr '\0' 7)x"
[ "$(wc -c <"$work/err.txt")" -lt 300 ] || fail "a long argument gave a long line"

# Help that cannot be written: status 1 and a line (on a full device of our own).
if mknod "$work/full" c 1 7 2>/dev/null; then
  for option in --help --version; do
    expect 1 1 sh -c '"$0" "$1" >"$2"' "$game" "$option" "$work/full"
    grep -q "^spacebattle: cannot write to standard output" "$work/err.txt" ||
      fail "$option: $(cat "$work/err.txt")"
  done
else
  echo "no device nodes here: the full-device case is left out"
fi

# --record refuses, before any window, what is not a regular file, and
# leaves it as it was.
mkdir "$work/folder.sbd"
echo kept >"$work/target.sbd"
ln -s "$work/target.sbd" "$work/link.sbd"
mkfifo "$work/fifo.sbd"
for bad in "$work/folder.sbd" "$work/folder.sbd/" "$work/link.sbd" "$work/fifo.sbd"; do
  expect 2 1 timeout 60 "$game" --record "$bad"
done
[ -d "$work/folder.sbd" ] && [ -z "$(ls -A "$work/folder.sbd")" ] || fail "the folder changed"
[ -L "$work/link.sbd" ] && [ "$(cat "$work/target.sbd")" = kept ] || fail "the link changed"
[ -p "$work/fifo.sbd" ] || fail "the FIFO changed"

# Bad demo files: refused before any window opens.
printf 'SBDEMO\r\n\001\000' >"$work/cut.sbd"
head -c 100 /dev/urandom >"$work/noise.sbd"
: >"$work/empty.sbd"
# A demo claiming 100,000,000 passes in 49 bytes (seed 11, design 3, one key
# run, no check values, its checksum), refused at once and in little memory.
{
  printf 'SBDEMO\r\n\001\000\0051.0.0\013\0\0\0\0\0\0\0\003\0\0\0\341\365\005\001\0\0\0'
  printf '\0\0\200\302\327\057\0\0\0\0\154\004\251\112'
} >"$work/claim.sbd"
[ "$(wc -c <"$work/claim.sbd")" -eq 49 ] || fail "the 49-byte demo is $(wc -c <"$work/claim.sbd") bytes"
expect 2 1 /usr/bin/time -f "%M" -o "$work/peak.txt" "$game" --playdemo "$work/claim.sbd"
grep -q "pass count 100000000 calls for 1666667 check values" "$work/err.txt" || fail "$(cat "$work/err.txt")"
peak=$(tail -n 1 "$work/peak.txt")
[ "$peak" -lt 51200 ] || fail "the 49-byte demo took $peak kB"
for bad in "$work/missing.sbd" "$work/empty.sbd" "$work/cut.sbd" "$work/noise.sbd" \
  "$work/fifo.sbd" "$work/folder.sbd"; do
  expect 2 1 timeout 60 "$game" --playdemo "$bad"
  grep -q "^spacebattle: demo '$bad': " "$work/err.txt" || fail "no file named: $(cat "$work/err.txt")"
  if xdotool search --name "Space Battle" >/dev/null 2>&1; then fail "a window was left open"; fi
done

# A timed run of the minute demo: unpaced, silent, one line of figures.
expect 0 0 env SDL_AUDIODRIVER=dummy "$game" --timedemo "$demos/minute.sbd"
grep -Eq "^timedemo '.*minute.sbd': [0-9]+ frames, [0-9.]+ s, [0-9.]+ fps, median [0-9.]+ ms, 99th percentile [0-9.]+ ms$" \
  "$work/out.txt" || fail "timedemo printed: $(cat "$work/out.txt")"
cat "$work/out.txt"
