#!/usr/bin/env bash
# The unpacked Windows game with one picture removed, under Wine on Xvfb:
# one line on standard error names the missing file, Windows' message box
# (Wine's) says so until Return dismisses it, and the exit status is 1.
# Arguments: the Windows test build folder, a scratch folder.
set -euo pipefail
build=$1 work=$2
source "$(dirname "$0")/lib.sh"
fresh_folder "$work"
cp -r "$build/game/." "$work/game"
rm "$work/game/Textures/Hud.bmp"
windows_game=$work/game/spacebattle.exe

# The box: a visible "Space Battle" window that is not the game's 1024x768.
box_window() {
  local wid WIDTH HEIGHT
  for wid in $(visible_window "Space Battle"); do
    WIDTH=0 HEIGHT=0
    eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
    if [ "$WIDTH" -gt 0 ] && [ "$WIDTH" -lt 1024 ] && [ "$HEIGHT" -lt 768 ]; then
      echo "$wid"
      return 0
    fi
  done
  return 1
}

start_game env SDL_AUDIODRIVER=dummy wine "$windows_game"
wait_until "$e2e_start_bound" box_window >/dev/null || fail "no message box: $(cat "$work/stderr.txt")"
box=$(box_window)
eval "$(xdotool getwindowgeometry --shell "$box")"
echo "message box: ${WIDTH}x$HEIGHT at $X,$Y"
kill -0 "$pid" 2>/dev/null || fail "the program ended without waiting for the message box"
shot "$work/message.png"
dismiss() {
  xdotool windowfocus --sync "$box" >/dev/null 2>&1 || true
  xdotool key Return >/dev/null 2>&1 || true
  ! kill -0 "$pid" 2>/dev/null
}
wait_until "$e2e_step_bound" dismiss || fail "Return did not dismiss the message box"
finish_game "$e2e_step_bound"

lines=$(without_cr "$work/stderr.txt" | grep -v -e "CRITICAL" -e "^wine: " -e "wine32" \
  -e "multiarch" -e "dpkg --add-architecture" -e "apt-get install" | grep -c . || true)
line=$(without_cr "$work/stderr.txt" | grep "Hud.bmp" | head -1)
echo "stderr: $line"
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
grep -q "Textures/Hud.bmp" <<<"$line" || fail "no line names the missing file: $(cat "$work/stderr.txt")"
[ "$lines" -eq 1 ] || fail "$lines lines on standard error: $(cat "$work/stderr.txt")"
echo "PASS"
