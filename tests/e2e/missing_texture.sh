#!/usr/bin/env bash
# A copy of the game's folder with one picture removed: the player is told
# which file is missing, on stderr and in a message box, and the game ends
# with status 1. Run through xvfb-run; arguments: the game's folder and a
# scratch folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

folder=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
cp -r "$folder" "$work/game"
rm "$work/game/Textures/Hud.bmp"

cd "$work"
start_game env SDL_AUDIODRIVER=dummy ./game/spacebattle

wait_until 10 test -s "$work/stderr.txt" || fail "nothing on stderr within 10 s"
# The message box holds the program until it is dismissed.
wait_until 5 sh -c "xdotool search --onlyvisible --name . >/dev/null 2>&1" ||
  fail "no message box"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program ended without waiting for the message box"
shot "$work/message.png"
[ "$(lit_fraction "$work/message.png" 0 0 1024 768)" != 0 ] || fail "the message box is blank"
# Return on the visible window dismisses it.
for _ in $(seq 1 20); do
  kill -0 "$pid" 2>/dev/null || break
  for wid in $(xdotool search --onlyvisible --name . 2>/dev/null); do
    xdotool windowfocus --sync "$wid" >/dev/null 2>&1 || true
    xdotool key --window "$wid" Return >/dev/null 2>&1 || true
  done
  xdotool key Return >/dev/null 2>&1 || true
  sleep 0.25
done

finish_game 5

lines=$(grep -c . "$work/stderr.txt" || true)
line=$(grep -v -e "^ALSA" -e "CRITICAL" "$work/stderr.txt" | head -1)
echo "stderr: $line"
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
grep -q "Textures/Hud.bmp" <<<"$line" || fail "the line does not name the missing file"
[ "$(grep -c "Hud.bmp" "$work/stderr.txt")" -eq 1 ] || fail "the error is reported $lines times"
ls "$work"/core* >/dev/null 2>&1 && fail "core dump left behind"
echo "PASS"
