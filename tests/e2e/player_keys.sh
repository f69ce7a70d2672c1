#!/usr/bin/env bash
# The player's additions in the real game on an Xvfb screen: the controls
# screen (F1), pause (P) with the picture held, the sound silent and the
# processor left alone, the volume keys and their settings file, and a new
# battle (F2). Run through xvfb-run; arguments: the game executable and a
# scratch folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

game=$1
work=$2
fresh_folder "$work"
audio=$work/audio.raw
settings=$work/config/spacebattle/settings.ini

start_game env SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$audio" XDG_CONFIG_HOME="$work/config" \
  "$game"
wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 ||
  fail "no selection grid within $e2e_start_bound s"

# The controls screen covers the selection screen until any key.
shot "$work/selection.png"
xdotool key F1
controls_shown() {
  shot "$work/controls.png"
  above "$(changed_pixels "$work/selection.png" "$work/controls.png")" 50000
}
wait_until "$e2e_step_bound" controls_shown || fail "F1 showed no controls screen"
xdotool key q
controls_gone() {
  shot "$work/after_controls.png"
  ! above "$(changed_pixels "$work/selection.png" "$work/after_controls.png")" 5000
}
wait_until "$e2e_step_bound" controls_gone || fail "a key did not close the controls screen"
echo "controls screen: shown and closed"

# Start: the cursor starts at the top-left corner.
click_start
wait_until "$e2e_step_bound" screen_lit 872 0 128 128 0.05 ||
  fail "no battle within $e2e_step_bound s of Start"
xdotool keydown w
sleep 1
xdotool keyup w

# Pause: "PAUSED" in the middle band, then nothing on screen moves, the
# sound output is silent and the processor is left alone.
xdotool key p
paused_drawn() { screen_lit 412 330 200 70 0.05; }
wait_until "$e2e_step_bound" paused_drawn || fail "no PAUSED over the battle"
sleep 1
shot "$work/paused1.png"
audio_at_pause=$(stat -c %s "$audio")
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
ticks_before=$(ticks)
seconds_before=$(date +%s%N)
sleep 5
ticks_after=$(ticks)
seconds_after=$(date +%s%N)
shot "$work/paused2.png"
held=$(changed_pixels "$work/paused1.png" "$work/paused2.png")
[ "${held%% *}" -eq 0 ] || fail "the paused picture changed ($held pixels)"
rms=$(rms_after "$audio" "$audio_at_pause")
[ "$rms" = "0" ] || [ "$rms" = "0.0" ] || fail "sound went on while paused (RMS $rms)"
cpu=$(awk -v t=$((ticks_after - ticks_before)) -v hz="$(getconf CLK_TCK)" \
  -v ns=$((seconds_after - seconds_before)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }')
echo "paused: picture held, sound silent, processor use $cpu % of one core"
# Far above what it uses (under 1 %), far below a battle drawn every frame.
above 8 "$cpu" || fail "paused, the game still uses $cpu % of a core"
xdotool key p
going_on() {
  shot "$work/resumed.png"
  moved=$(changed_pixels "$work/paused2.png" "$work/resumed.png")
  above "${moved%% *}" 100
}
wait_until "$e2e_step_bound" going_on || fail "the battle did not go on after P"
echo "resumed: $moved pixels changed"

# The volume: nothing kept until it changes, then M and - are kept.
[ ! -e "$settings" ] || fail "a settings file was written before any change"
xdotool key m
wait_until "$e2e_step_bound" test -s "$settings" || fail "M wrote no settings file"
grep -q "muted = true" "$settings" || fail "M was not kept: $(cat "$settings")"
xdotool key minus
wait_until "$e2e_step_bound" grep -q "volume = 7" "$settings" ||
  fail "- was not kept: $(cat "$settings")"
grep -q "muted = false" "$settings" || fail "- did not end the mute: $(cat "$settings")"
echo "settings kept: $(tr '\n' ' ' <"$settings")"

# F2: back to the selection screen (no radar), then Escape.
xdotool key F2
selection_again() { ! screen_lit 872 0 128 128 0.05 && screen_lit 0 0 900 90 0.02; }
wait_until "$e2e_step_bound" selection_again || fail "F2 did not go back to the selection screen"
echo "F2: selection screen"
xdotool key Escape
finish_game "$e2e_step_bound"
[ "$status" -eq 0 ] || fail "exit status $status; stderr: $(cat "$work/stderr.txt")"
# Nothing but the disk sound driver's own notice.
if grep -v -e "disk i/o audio driver" -e "Writing to file" "$work/stderr.txt" | grep -q .; then
  fail "stderr: $(cat "$work/stderr.txt")"
fi
echo "PASS"
