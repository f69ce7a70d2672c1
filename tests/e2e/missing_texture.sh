#!/usr/bin/env bash
# A copy of the game's folder with one picture removed: the player is told
# in plain words which file the game was loading, on stderr and in a message box that fits on the
# screen, and the game ends with status 1 when Return dismisses the box.
# Run through xvfb-run; arguments: the game's folder and a scratch folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

folder=$1 work=$2
fresh_folder "$work"
cp -r "$folder" "$work/game"
rm "$work/game/Textures/Hud.bmp"

cd "$work"
start_game env SDL_AUDIODRIVER=dummy ./game/spacebattle

wait_until "$e2e_start_bound" test -s "$work/stderr.txt" ||
  fail "nothing on stderr within $e2e_start_bound s"
# The message box holds the program until it is dismissed; it fits on the
# screen.
wait_until "$e2e_step_bound" message_box >/dev/null || fail "no message box"
box=$(message_box)
eval "$(xdotool getwindowgeometry --shell "$box")"
screen_width=$(xdotool getdisplaygeometry | cut -d' ' -f1)
[ $((X + WIDTH)) -le "$screen_width" ] && [ "$X" -ge 0 ] ||
  fail "the message box ($WIDTH wide at $X) runs off the $screen_width-pixel screen"
kill -0 "$pid" 2>/dev/null || fail "the program ended without waiting for the message box"
box_drawn() {
  shot "$work/message.png"
  [ "$(lit_fraction "$work/message.png" "$X" "$Y" "$WIDTH" "$HEIGHT")" != 0 ]
}
wait_until "$e2e_step_bound" box_drawn || fail "the message box is blank"
# Return on the box dismisses it.
dismiss() {
  xdotool windowfocus --sync "$box" >/dev/null 2>&1 || true
  xdotool key --window "$box" Return >/dev/null 2>&1 || true
  xdotool key Return >/dev/null 2>&1 || true
  ! kill -0 "$pid" 2>/dev/null
}
wait_until "$e2e_step_bound" dismiss || fail "Return did not dismiss the message box"

finish_game "$e2e_step_bound"

lines=$(grep -c . "$work/stderr.txt" || true)
line=$(grep -v -e "^ALSA" -e "CRITICAL" "$work/stderr.txt" | head -1)
echo "stderr: $line"
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
grep -qF "spacebattle: run-time error while loading the picture $work/game/Textures/Hud.bmp: " <<<"$line" ||
  fail "the line does not say which file the game was loading"
[ "$(grep -c "Hud.bmp" "$work/stderr.txt")" -eq 1 ] || fail "the error is reported $lines times"
ls "$work"/core* >/dev/null 2>&1 && fail "core dump left behind"
echo "PASS"
