#!/usr/bin/env bash
# The battle tune of the Windows game under Wine (SDL's disk audio driver,
# the default renderer, Direct3D) against the Linux build's, both started
# with the mouse on Start: the same opening, at the same volume, and the
# battle's frames on the screen. Arguments: the Windows test build folder,
# the Linux game, the comparing tool, a scratch folder.
set -euo pipefail
build=$1 linux=$2 match=$3 work=$4
source "$(dirname "$0")/lib.sh"
fresh_folder "$work"

# battle_sound NAME COMMAND...: the game's sound output from start-up to a
# few seconds of battle, in NAME.raw; the battle's screen in NAME.png.
battle_sound() {
  local name=$1 audio=$work/$1.raw
  shift
  start_game env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" "$@"
  wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 ||
    fail "$name: no selection screen within $e2e_start_bound s: $(cat "$work/stderr.txt")"
  sleep 1
  click_start
  wait_until "$e2e_step_bound" screen_lit 872 0 128 128 0.05 ||
    fail "$name: no battle within $e2e_step_bound s of Start"
  shot "$work/$name.png"
  # Five seconds of sound after Start (the disk driver writes in real time).
  local until=$(($(stat -c %s "$audio") + 5 * 44100 * 4))
  recorded() { [ "$(stat -c %s "$audio")" -ge "$until" ]; }
  wait_until "$e2e_step_bound" recorded || fail "$name: the sound output stopped"
  xdotool key Escape
  finish_game "$e2e_step_bound"
  [ "$status" -eq 0 ] || fail "$name: exit status $status: $(cat "$work/stderr.txt")"
}

battle_sound linux "$linux"
battle_sound windows wine "$windows_game"
hud=$(expect_lit "$work/windows.png" 872 140 152 220 0.02 "no cockpit panel in the Windows battle")
echo "Windows battle on its default renderer: cockpit panel lit $hud"
"$match" "$work/linux.raw" "$work/windows.raw" || fail "the Windows battle tune differs from Linux's"
echo "PASS"
