# Helpers for the end-to-end tests: screenshots of the Xvfb screen and
# measurements on them. Sourced by the test scripts.
#
# The scripts never sleep a fixed time to let the game catch up: they poll
# for what they expect (a lit region, a window, an exit) with a bound far
# above what an idle machine needs, so that a loaded one only makes them
# slower.
e2e_start_bound=60 # seconds for the game to show its first screen
e2e_step_bound=30  # seconds for the game to answer one action

# An empty scratch folder, made anew.
fresh_folder() {
  rm -rf "$1"
  mkdir -p "$1"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# shot FILE: the whole screen as a PNG.
shot() {
  import -window root "$1"
}

# lit_fraction FILE X Y W H: the fraction of pixels in the rectangle whose
# brightness is above 8 % (anything that is not the black background).
lit_fraction() {
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -colorspace gray -threshold 8% \
    -format "%[fx:mean]" info:
}

# expect_lit FILE X Y W H MIN WHAT: the rectangle is lit above MIN, or the
# test fails saying WHAT is missing; prints the fraction.
expect_lit() {
  local v
  v=$(lit_fraction "$1" "$2" "$3" "$4" "$5")
  above "$v" "$6" || fail "$7 ($v)"
  echo "$v"
}

# start_game COMMAND...: runs the game in the background (stderr to
# $work/stderr.txt); its pid is in $pid and it is killed if the script fails.
start_game() {
  "$@" 2>"$work/stderr.txt" &
  pid=$!
  trap 'kill -9 $pid 2>/dev/null || true' EXIT
}

# finish_game SECONDS: waits up to SECONDS for the game to end; its exit
# status is in $status.
finish_game() {
  wait_until "$1" sh -c "! kill -0 $pid 2>/dev/null" || fail "still running after $1 s"
  status=0
  wait "$pid" || status=$?
  trap - EXIT
}

# above VALUE LIMIT: true when VALUE > LIMIT (decimal numbers).
above() {
  awk -v v="$1" -v l="$2" 'BEGIN { exit !(v > l) }'
}

# changed_pixels A B: how many pixels differ between two screenshots.
changed_pixels() {
  compare -metric AE "$1" "$2" null: 2>&1 || true
}

# rms_after FILE OFFSET: RMS amplitude of raw signed 16-bit samples from
# byte OFFSET on (0 for silence, up to 32767).
rms_after() {
  tail -c +"$(($2 + 1))" "$1" | od -An -t d2 -v |
    awk '{ for (i = 1; i <= NF; i++) { s += $i * $i; n++ } }
         END { if (n == 0) print 0; else printf "%.1f\n", sqrt(s / n) }'
}

# full_scale_count FILE: how many raw signed 16-bit samples in FILE sit at
# either end of the range (clipped sound).
full_scale_count() {
  od -An -t d2 -v "$1" |
    awk '{ for (i = 1; i <= NF; i++) if ($i >= 32767 || $i <= -32767) n++ } END { print n + 0 }'
}

# wait_until SECONDS COMMAND...: polls COMMAND every 0.1 s until it succeeds.
wait_until() {
  local limit=$1
  shift
  local end=$((SECONDS + limit))
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.1
  done
}

# click_start: the game's cursor to the selection screen's Start button at
# (60, 380), and a click. The cursor is pushed to the bottom-right first: it
# stops at (800, 600), short of the screen's corner, so pushed on to the
# top-left it reaches the corner no later than the pointer, whatever lay
# between them before (random input can leave the cursor below the pointer).
click_start() {
  xdotool mousemove_relative 3000 3000
  sleep 0.3
  xdotool mousemove_relative -- -3000 -3000
  sleep 0.3
  xdotool mousemove_relative 60 380
  sleep 0.3
  xdotool click 1
}

# visible_window NAME: the ids of visible windows whose name matches NAME;
# fails when there is none.
visible_window() {
  xdotool search --onlyvisible --name "$1" 2>/dev/null
}

# message_box: the id of the game's message box, a visible "Space Battle"
# window narrower than the game's own; fails when there is none.
message_box() {
  local wid WINDOW X Y SCREEN WIDTH HEIGHT
  for wid in $(visible_window "Space Battle"); do
    WIDTH=100000 HEIGHT=100000 # a window gone since the search does not count
    eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)"
    if [ "$WIDTH" -le 640 ] && [ "$HEIGHT" -lt 480 ]; then
      echo "$wid"
      return 0
    fi
  done
  return 1
}

# screen_changes X Y W H MIN: two screenshots taken one after the other
# differ in more than MIN pixels of the rectangle.
screen_changes() {
  local a b n
  a=$(mktemp --suffix=.png)
  b=$(mktemp --suffix=.png)
  import -window root -crop "${3}x${4}+${1}+${2}" +repage "$a"
  sleep 0.2
  import -window root -crop "${3}x${4}+${1}+${2}" +repage "$b"
  n=$(changed_pixels "$a" "$b")
  rm -f "$a" "$b"
  above "${n%% *}" "$5"
}

# screen_lit X Y W H MIN: the current screen's rectangle is lit above MIN.
screen_lit() {
  local f
  f=$(mktemp --suffix=.png)
  shot "$f"
  local v
  v=$(lit_fraction "$f" "$1" "$2" "$3" "$4")
  rm -f "$f"
  above "$v" "$5"
}
