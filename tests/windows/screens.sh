#!/usr/bin/env bash
# The Windows game under Wine on Xvfb as a player meets it, against the
# Linux build on the same screen: the selection screen matches the Linux
# build's screenshot but for the frame-rate figure; the mouse clicks Start;
# the battle's frames show the radar with the station; Escape ends the game
# with status 0, and so does closing its window. Arguments: the Windows test build folder, the Linux game, a
# scratch folder.
set -euo pipefail
build=$1 linux=$2 work=$3
source "$(dirname "$0")/lib.sh"
fresh_folder "$work"

# The selection screen once its grid, title, description and buttons are
# drawn, as FILE.
selection_drawn() {
  shot "$1"
  for region in "0 0 900 110 0.05" "500 180 200 20 0.02" "300 414 200 200 0.02" \
    "0 350 548 64 0.10"; do
    # shellcheck disable=SC2086
    above "$(lit_fraction "$1" $region)" "${region##* }" || return 1
  done
}

# selection_shot NAME COMMAND...: starts the game, waits for the selection
# screen and keeps it as NAME.png; the game is left running.
selection_shot() {
  local name=$1
  shift
  start_game env SDL_AUDIODRIVER=dummy "$@"
  wait_until "$e2e_start_bound" selection_drawn "$work/$name.png" ||
    fail "$name: no selection screen within $e2e_start_bound s: $(cat "$work/stderr.txt")"
  # Drawn once more, so that nothing is caught half way.
  sleep 1
  shot "$work/$name.png"
}

selection_shot linux "$linux"
xdotool key Escape
finish_game "$e2e_step_bound"
[ "$status" -eq 0 ] || fail "Linux: exit status $status"

# SDL's software renderer, as the Linux build uses on this machine, so that
# the pictures can be compared; Direct3D (Wine's, on Mesa) draws the
# battle in windows_music.
selection_shot windows env SDL_RENDER_DRIVER=software wine "$windows_game"
# The frame-rate figure at the top left may differ; everything else is the
# same picture, allowing for a few pixels of font smoothing.
for f in linux windows; do
  convert "$work/$f.png" -fill black -draw "rectangle 0,0 110,18" "$work/$f-masked.png"
done
differing=$(compare -metric AE -fuzz 10% "$work/linux-masked.png" "$work/windows-masked.png" \
  null: 2>&1 || true)
echo "selection screen: ${differing%% *} of 786432 pixels differ from the Linux build's"
[ "${differing%% *}" -le 3000 ] || fail "the selection screen differs from Linux's in $differing pixels"

# Start: the cursor starts at the top-left corner; Start is at (60, 380).
click_start
radar_shows_station() {
  shot "$work/battle.png"
  above "$(lit_fraction "$work/battle.png" 872 0 128 128)" 0.02 &&
    above "$(lit_fraction "$work/battle.png" 487 359 50 50)" 0.05
}
wait_until "$e2e_step_bound" radar_shows_station ||
  fail "no battle with the radar within $e2e_step_bound s of Start"
# The player starts beside the station, which the radar shows near its
# centre as a small picture with a white ring: dozens of bright pixels
# inside the frame, where the grid, the rings and other craft's blips are
# dim or a few pixels each.
station=$(convert "$work/battle.png" -crop 100x100+886+14 +repage -colorspace gray -threshold 70% \
  -format "%[fx:round(mean*10000)]" info:)
echo "battle: radar lit $(lit_fraction "$work/battle.png" 872 0 128 128), $station bright pixels"
[ "$station" -ge 40 ] || fail "the radar does not show the station ($station bright pixels)"
xdotool keydown w
wait_until "$e2e_step_bound" screen_changes 0 0 872 768 500 || fail "the battle does not move"
xdotool keyup w

xdotool key Escape
finish_game "$e2e_step_bound"
[ "$status" -eq 0 ] || fail "Windows: exit status $status after Escape: $(cat "$work/stderr.txt")"
echo "Escape: exit status 0"

# Closing the window (Alt+F4, Windows' close command) ends the game as well.
start_game env SDL_AUDIODRIVER=dummy wine "$windows_game"
wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 || fail "no selection screen the second time"
xdotool key alt+F4
finish_game "$e2e_step_bound"
[ "$status" -eq 0 ] || fail "exit status $status after closing the window"
echo "window closed: exit status 0"
echo "PASS"
