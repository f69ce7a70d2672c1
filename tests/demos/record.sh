#!/usr/bin/env bash
# Records a demo from real play: starts the game under the current X display
# (run it through `xvfb-run -a -s "-screen 0 1024x768x24"`) with --record,
# picks a design with the mouse, starts the battle, then holds and releases
# the battle keys in a seeded random pattern for SECONDS and quits with
# Escape. Arguments: GAME OUTPUT SEED DESIGN SECONDS [KEYSEED [KEYS]], where
# KEYS is a list of xdotool key names to draw from (default: every battle
# key, thrust and fire more often).
set -euo pipefail
here=$(cd "$(dirname "$0")/../e2e" && pwd)
source "$here/lib.sh"

game=$1
out=$2
seed=$3
design=$4
seconds=$5
RANDOM=${6:-$seed}
work=$(mktemp -d)

start_game env SDL_AUDIODRIVER=dummy "$game" --window --seed "$seed" --record "$out"
wait_until 20 screen_lit 0 0 900 90 0.02 || fail "no selection grid within 20 s: $(cat "$work/stderr.txt")"
sleep 0.5

# The cursor starts at the top-left corner; the right arrow is at (480, 380)
# and Start at (60, 380). Design 1 is selected at start.
xdotool mousemove_relative -- -2000 -2000
sleep 0.2
xdotool mousemove_relative 480 380
sleep 0.3
for ((i = 1; i < design; i++)); do
  xdotool click 1
  sleep 1.2  # the arrows take one click in ten passes
done
xdotool mousemove_relative -- -420 0
sleep 0.3
xdotool click 1
wait_until 30 screen_lit 872 0 128 128 0.05 || fail "no battle within 30 s of Start"

# Varied play: every 0.1 to 0.6 s one key goes down or up; thrust and fire
# are held more often than the others.
read -r -a keys <<<"${7:-w w w a d Shift_L space space space Left Right n comma period c}"
declare -A held=()
end=$((SECONDS + seconds))
while [ "$SECONDS" -lt "$end" ]; do
  key=${keys[RANDOM % ${#keys[@]}]}
  if [ -n "${held[$key]:-}" ]; then
    xdotool keyup "$key"
    unset "held[$key]"
  else
    xdotool keydown "$key"
    held[$key]=1
  fi
  sleep "0.$((1 + RANDOM % 6))"
done
for key in "${!held[@]}"; do xdotool keyup "$key"; done
sleep 0.2
xdotool key Escape
finish_game 20
[ "$status" -eq 0 ] || fail "the game ended with status $status: $(cat "$work/stderr.txt")"
rm -rf "$work"
[ -s "$out" ] || fail "no demo written to $out"
echo "recorded $out: $(stat -c %s "$out") bytes"
