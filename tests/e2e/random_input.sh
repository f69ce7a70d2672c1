#!/usr/bin/env bash
# The sanitizer build under random input: a minute of random keys, clicks,
# mouse moves and Alt+Enter on the selection screen and in battle, then
# Escape. The game must end with status 0 and no sanitizer report. Run
# through xvfb-run; arguments: the game executable, a scratch folder and the
# LeakSanitizer suppressions file. SB_RANDOM_SEED picks the sequence (the
# seed is printed), SB_RANDOM_SECONDS its length (60).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

game=$1
work=$2
suppressions=$3
seconds=${SB_RANDOM_SECONDS:-60}
seed=${SB_RANDOM_SEED:-$$}
RANDOM=$seed
echo "seed $seed, $seconds s"
mkdir -p "$work"

start_game env SDL_AUDIODRIVER=dummy \
  ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:abort_on_error=0" \
  UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1" \
  LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0" "$game"
wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 || fail "no selection screen"

keys=(w a d s space n c comma period Left Right Up Down Return Tab x z 1 2)
held=(w d space Shift_L)
random_action() {
  local roll=$((RANDOM % 100))
  if [ "$roll" -lt 45 ]; then
    xdotool key --delay 30 "${keys[RANDOM % ${#keys[@]}]}"
  elif [ "$roll" -lt 60 ]; then
    local key=${held[RANDOM % ${#held[@]}]}
    xdotool keydown "$key"
    sleep "0.$((RANDOM % 5 + 1))"
    xdotool keyup "$key"
  elif [ "$roll" -lt 90 ]; then
    xdotool mousemove_relative -- $((RANDOM % 601 - 300)) $((RANDOM % 601 - 300))
    [ $((RANDOM % 2)) -eq 0 ] && xdotool click $((RANDOM % 3 + 1))
  else
    xdotool key alt+Return
  fi
  kill -0 "$pid" 2>/dev/null || fail "the game ended during random input"
}

# start_battle: the cursor to the Start button and a click, until the radar shows.
start_battle() {
  click_start
  wait_until 3 screen_lit 872 0 128 128 0.05
}

# Half the time on the selection screen, then the rest in battle.
end=$((SECONDS + seconds))
half=$((SECONDS + seconds / 2))
actions=0
while [ "$SECONDS" -lt "$half" ]; do
  random_action
  actions=$((actions + 1))
done
wait_until "$e2e_step_bound" start_battle || fail "the battle did not start"
while [ "$SECONDS" -lt "$end" ]; do
  random_action
  actions=$((actions + 1))
done
echo "$actions random actions"

xdotool key Escape
finish_game "$e2e_start_bound"
if grep -E "Sanitizer|runtime error" "$work/stderr.txt"; then
  fail "sanitizer report (seed $seed); see $work/stderr.txt"
fi
[ "$status" -eq 0 ] || fail "exit status $status (seed $seed); stderr: $(cat "$work/stderr.txt")"
echo "PASS"
