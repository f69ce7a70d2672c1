#!/usr/bin/env bash
# The Windows game's command line under Wine, against the Linux build's:
# --version and --help say the same and exit 0; a bad option exits 2 with
# the same one line. No window opens. Arguments: the Windows test build
# folder, the Linux game, a scratch folder.
set -euo pipefail
build=$1 linux=$2 work=$3
source "$(dirname "$0")/lib.sh"
fresh_folder "$work"

# same STATUS ARGS...: both builds exit with STATUS and print the same
# standard output and standard error.
same() {
  local want=$1 status
  shift
  status=0
  wine_game "$@" >"$work/win.out" 2>"$work/win.err" || status=$?
  [ "$status" -eq "$want" ] || fail "Windows: $* ended with $status, not $want: $(cat "$work/win.err")"
  status=0
  "$linux" "$@" >"$work/linux.out" 2>"$work/linux.err" || status=$?
  [ "$status" -eq "$want" ] || fail "Linux: $* ended with $status, not $want"
  diff <(without_cr "$work/win.out") "$work/linux.out" >/dev/null ||
    fail "$*: standard output differs from Linux's: $(head -3 "$work/win.out")"
  diff <(without_cr "$work/win.err") "$work/linux.err" >/dev/null ||
    fail "$*: standard error differs from Linux's: $(cat "$work/win.err")"
}

same 0 --version
echo "--version: $(without_cr "$work/win.out")"
same 0 --help
grep -q -- "--timedemo FILE" "$work/win.out" || fail "--help does not list --timedemo"
echo "--help: $(wc -l <"$work/win.out") lines, as on Linux"
same 2 --bogus
[ "$(wc -l <"$work/win.err")" -eq 1 ] || fail "--bogus: not one line: $(cat "$work/win.err")"
echo "--bogus: $(without_cr "$work/win.err")"
same 2 --seed 12x
echo "--seed 12x: $(without_cr "$work/win.err")"
echo "PASS"
