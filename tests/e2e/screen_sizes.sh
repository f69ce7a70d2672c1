#!/usr/bin/env bash
# The game on a screen of another size than its 1024 x 768 picture, with or
# without a window manager: the window covers the screen and the picture is
# scaled to it, centred between bars, so that the Start button and the
# cockpit panel are on screen. Run through xvfb-run with the screen's size;
# arguments: the game executable, a scratch folder, and "openbox" to run
# under that window manager.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

game=$1
work=$2
manager=${3:-}
mkdir -p "$work"

if [ "$manager" = openbox ]; then
  # Openbox runs the start-up command once it manages the screen.
  rm -f "$work/openbox.ready"
  openbox --startup "touch $work/openbox.ready" >"$work/openbox.txt" 2>&1 &
  wm=$!
  trap 'kill $wm 2>/dev/null || true' EXIT
  wait_until "$e2e_start_bound" test -e "$work/openbox.ready" || fail "openbox did not start"
fi

read -r screen_w screen_h < <(xdotool getdisplaygeometry)
# Where a point of the 1024 x 768 picture lands on the screen.
scale=$(awk -v w="$screen_w" -v h="$screen_h" 'BEGIN { s = w / 1024; if (h / 768 < s) s = h / 768; print s }')
left=$(awk -v w="$screen_w" -v s="$scale" 'BEGIN { printf "%d", (w - 1024 * s) / 2 }')
top=$(awk -v h="$screen_h" -v s="$scale" 'BEGIN { printf "%d", (h - 768 * s) / 2 }')
# picture_lit X Y W H MIN: the picture's rectangle, placed on the screen, is lit.
picture_lit() {
  screen_lit $(awk -v s="$scale" -v l="$left" -v t="$top" -v x="$1" -v y="$2" -v w="$3" -v h="$4" \
    'BEGIN { printf "%d %d %d %d", l + x * s, t + y * s, w * s, h * s }') "$5"
}

start_game env SDL_AUDIODRIVER=dummy "$game" --seed 5
wait_until "$e2e_start_bound" picture_lit 0 0 900 90 0.02 ||
  {
    shot "$work/failed.png"
    xwininfo -root -tree >"$work/windows.txt" 2>&1 || true
    fail "no selection grid at the top of the picture"
  }
eval "$(xdotool getwindowgeometry --shell "$(visible_window "Space Battle" | head -1)")"
echo "screen ${screen_w}x${screen_h}${manager:+ with $manager}: window ${WIDTH}x${HEIGHT} at $X,$Y"
[ "$WIDTH" -eq "$screen_w" ] && [ "$HEIGHT" -eq "$screen_h" ] || fail "the window does not cover the screen"
# The Start button, and bars (nothing drawn) beside or below the picture.
wait_until "$e2e_step_bound" picture_lit 20 350 100 64 0.10 || fail "no Start button"
# (The picture's edge may round into the bar's last pixel.)
if [ "$left" -gt 2 ]; then
  screen_lit 0 0 $((left - 2)) "$screen_h" 0 && fail "something drawn in the bar left of the picture"
fi

# Start, with absolute pointer positions (as a tablet, a touch screen or a
# virtual machine's pointer sends them): the game's cursor starts at the
# picture's top-left corner, as does the pointer, and moves by the distance
# the pointer moves, in the picture's pixels.
at() { # at X Y: the screen position of the picture's point
  awk -v s="$scale" -v l="$left" -v t="$top" -v x="$1" -v y="$2" \
    'BEGIN { printf "%d %d", l + x * s, t + y * s }'
}
xdotool mousemove $(at 30 200)
sleep 0.2
xdotool mousemove $(at 60 380)
sleep 0.3
start_battle() {
  xdotool click 1
  wait_until 3 picture_lit 872 0 128 128 0.05
}
wait_until "$e2e_step_bound" start_battle || fail "no radar after Start"
# The station on the radar: the battle of seed 5 starts with it in view of
# the radar, drawn in its own grey and orange, which neither the radar's
# green rings nor its frame have.
station_on_radar() {
  shot "$work/radar.png"
  local n
  read -r x y < <(at 880 8)
  read -r x1 y1 < <(at 992 120)
  n=$(convert "$work/radar.png" -crop "$((x1 - x))x$((y1 - y))+$x+$y" +repage \
    -fx 'r > 0.35 && g > 0.2 && abs(r - g) < 0.35 && r >= b ? 1 : 0' -format "%[fx:mean*w*h]" info:)
  echo "station pixels on the radar: $n"
  above "$n" "$(awk -v s="$scale" 'BEGIN { print 25 * s * s }')"
}
wait_until "$e2e_step_bound" station_on_radar || fail "no station on the radar"
wait_until "$e2e_step_bound" picture_lit 872 140 152 220 0.02 || fail "no cockpit panel"
# Alt+Enter to a window and back, under a window manager that honours it.
window_size() {
  eval "$(xdotool getwindowgeometry --shell "$(visible_window "Space Battle" | head -1)")"
  echo "${WIDTH}x${HEIGHT}"
}
if [ "$manager" = openbox ]; then
  full_screen() {
    xprop -id "$(visible_window "Space Battle" | head -1)" _NET_WM_STATE | grep -q FULLSCREEN
  }
  windowed() { ! full_screen; }
  xdotool key alt+Return
  wait_until "$e2e_step_bound" windowed || fail "Alt+Enter did not leave full screen"
  echo "windowed: $(window_size)"
  xdotool key alt+Return
  wait_until "$e2e_step_bound" full_screen || fail "Alt+Enter did not go back to full screen"
  [ "$(window_size)" = "${screen_w}x${screen_h}" ] || fail "full screen again, but $(window_size)"
  wait_until "$e2e_step_bound" station_on_radar || fail "no station on the radar after Alt+Enter"
fi
xdotool key Escape
finish_game "$e2e_step_bound"
[ "$status" -eq 0 ] || fail "exit status $status; stderr: $(cat "$work/stderr.txt")"
[ -z "$manager" ] || kill "$wm" 2>/dev/null || true
echo "PASS"
