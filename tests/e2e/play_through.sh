#!/usr/bin/env bash
# Plays the real game as a player would, on an Xvfb screen: picks a design
# with the mouse, starts the battle, flies and fires with the keyboard, and
# leaves with Escape. Run through xvfb-run; arguments: the game executable
# and a scratch folder. With SB_E2E_DOCS_DIR set, the selection and battle
# screenshots are also written there (selection.png, battle.png).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

game=$1
work=$2
mkdir -p "$work"
audio=$work/audio.raw
rm -f "$audio"

start_game env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" "$game"

# The selection screen: the grid of designs along the top, then everything
# else the first frames draw.
selection_drawn() {
  shot "$work/selection.png"
  for region in "0 0 900 110 0.05" "500 180 200 20 0.02" "300 414 200 200 0.02" \
    "600 414 200 200 0.02" "0 350 548 64 0.10" "87 0 6 32 0.2"; do
    # shellcheck disable=SC2086
    above "$(lit_fraction "$work/selection.png" $region)" "${region##* }" || return 1
  done
}
wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 ||
  fail "no selection grid within $e2e_start_bound s"
wait_until "$e2e_step_bound" selection_drawn || true
grid=$(expect_lit "$work/selection.png" 0 0 900 110 0.05 "selection grid too dark")
title=$(expect_lit "$work/selection.png" 500 180 200 20 0.02 "no design name in the title area")
info=$(expect_lit "$work/selection.png" 300 414 200 200 0.02 "no design description")
expect_lit "$work/selection.png" 600 414 200 200 0.02 "no controls help" >/dev/null
expect_lit "$work/selection.png" 0 350 548 64 0.10 "no buttons" >/dev/null
# The box marks design 1: its right edge lies past the smaller icon.
box=$(expect_lit "$work/selection.png" 87 0 6 32 0.2 "no selection box over design 1")
echo "selection screen: grid $grid, title $title, info $info, box $box"

# Three steps to the right: the cursor starts at the top-left corner. SDL
# recentres the pointer between relative moves: they are spaced apart. A
# click soon after another is ignored by design, and a slow frame may show
# an accepted click late: so each click is followed by a wait for the box to
# move, and an overshoot is walked back with the left arrow.
xdotool mousemove_relative -- -2000 -2000
sleep 0.2
xdotool mousemove_relative 480 380
sleep 0.3
# box_design: the design (1 to 8) whose cell shows most of the selection
# box's colour along the box's right edge, 0 if none does.
box_design() {
  local f
  f=$(mktemp --suffix=.png)
  shot "$f"
  local i best=0 most=0.15 v
  for i in 1 2 3 4 5 6 7 8; do
    v=$(convert "$f" -crop "6x32+$((87 + 60 * (i - 1)))+0" +repage -fuzz 8% -fill white \
      -opaque "#FFC43C" -fill black +opaque white -colorspace gray -format "%[fx:mean]" info:)
    if above "$v" "$most"; then
      best=$i
      most=$v
    fi
  done
  rm -f "$f"
  echo "$best"
}
box_left() { [ "$(box_design)" != "$1" ]; }
for _ in $(seq 1 20); do
  design=$(box_design)
  [ "$design" -eq 4 ] && break
  if [ "$design" -lt 4 ]; then
    xdotool click 1
  else
    xdotool mousemove_relative -- -120 0
    sleep 0.3
    xdotool click 1
    xdotool mousemove_relative 120 0
    sleep 0.3
  fi
  wait_until 10 box_left "$design" || true
done
shot "$work/stepped.png"
box4=$(expect_lit "$work/stepped.png" 267 0 6 32 0.2 "the box did not move to design 4")
echo "three right-arrow clicks: box at design 4 ($box4)"

# Start.
xdotool mousemove_relative -- -420 0
sleep 0.3
audio_at_start=$(stat -c %s "$audio" 2>/dev/null || echo 0)
xdotool click 1
started=$SECONDS
battle_drawn() {
  shot "$work/battle.png"
  above "$(lit_fraction "$work/battle.png" 872 140 152 220)" 0.02 &&
    above "$(lit_fraction "$work/battle.png" 487 359 50 50)" 0.05
}
wait_until "$e2e_step_bound" screen_lit 872 0 128 128 0.05 ||
  fail "no radar/HUD within $e2e_step_bound s of Start"
wait_until "$e2e_step_bound" battle_drawn || true
hud=$(expect_lit "$work/battle.png" 872 140 152 220 0.02 "no cockpit panel")
centre=$(expect_lit "$work/battle.png" 487 359 50 50 0.05 "no craft at the centre of the main view")
echo "battle frame after $((SECONDS - started)) s: hud $hud, centre $centre"

# Thrust and turn: the view moves.
xdotool keydown w keydown d
wait_until "$e2e_step_bound" screen_changes 0 0 872 768 500 ||
  fail "the picture did not change while W was held"
shot "$work/flying1.png"
sleep 0.5
shot "$work/flying2.png"
xdotool keyup w keyup d
moved=$(changed_pixels "$work/flying1.png" "$work/flying2.png")
echo "flying: $moved pixels changed in 0.5 s"

# Every other game key once.
for key in space n c comma period Left Right; do
  xdotool key --delay 60 "$key"
  sleep 0.1
done
xdotool keydown Shift_L
sleep 0.3
xdotool keyup Shift_L
xdotool keydown space
sleep 0.5
xdotool keyup space

battle_sounds() { above "$(rms_after "$audio" "$audio_at_start")" 20; }
wait_until "$e2e_step_bound" battle_sounds || true
rms=$(rms_after "$audio" "$audio_at_start")
above "$rms" 20 || fail "the battle is silent (RMS $rms)"
echo "sound after Start: RMS $rms"
clipped=$(full_scale_count "$audio")
[ "$clipped" -eq 0 ] || fail "$clipped samples at full scale: the mix clips"

if [ -n "${SB_E2E_DOCS_DIR:-}" ]; then
  cp "$work/selection.png" "$SB_E2E_DOCS_DIR/selection.png"
  cp "$work/battle.png" "$SB_E2E_DOCS_DIR/battle.png"
fi

# Escape ends the program with status 0 (in well under a second on an idle
# machine; the time is reported, the bound is for a loaded one).
xdotool key Escape
quit_at=$(date +%s%N)
finish_game "$e2e_step_bound"
quit_ms=$((($(date +%s%N) - quit_at) / 1000000))
echo "Escape: exit status $status after $quit_ms ms"
[ "$status" -eq 0 ] || fail "exit status $status; stderr: $(cat "$work/stderr.txt")"
echo "PASS"
