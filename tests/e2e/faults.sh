#!/usr/bin/env bash
# Damaged game files, and a start with standard error closed. For each the
# game shows its message box, the line on standard error says in plain words
# what the game was doing, with the file, and the fault, memory stays small, and SIGTERM (SIGINT for the last case) ends
# the box with status 1.
# Prints, per case, the time from start to the error line (to the box with
# standard error closed) and the peak resident memory. Run through xvfb-run; arguments: the game's folder and a scratch
# folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"

folder=$1 work=$2
fresh_folder "$work"
cp -r "$folder" "$work/pristine"
# Far below what the damaged pictures once made the game allocate.
memory_bound_kb=400000

# picture_claiming FILE WIDTH HEIGHT: rewrites the sides in a BMP's header.
picture_claiming() {
  python3 - "$@" <<'PY'
import struct, sys
path, w, h = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
data = bytearray(open(path, "rb").read())
data[18:26] = struct.pack("<ii", w, h)
open(path, "wb").write(data)
PY
}

# damage CASE GAME: breaks one file of the game's copy in folder GAME.
damage() {
  case $1 in
    huge_picture) picture_claiming "$2/Textures/Hud.bmp" 60000 60000 ;;
    large_picture) picture_claiming "$2/Textures/Hud.bmp" 16000 16000 ;;
    short_picture) picture_claiming "$2/Textures/Hud.bmp" 1000 1000 ;;
    empty_soundfont) : >"$2/soundfont/TimGM6mb.sf2" ;;
    short_soundfont) truncate -s 100000 "$2/soundfont/TimGM6mb.sf2" ;;
    foreign_soundfont) printf 'RIFX' | dd of="$2/soundfont/TimGM6mb.sf2" conv=notrunc 2>/dev/null ;;
    tune_directory) rm "$2/Einswei.mid" && mkdir "$2/Einswei.mid" ;;
    font_directory) rm "$2/fonts/DejaVuSansMono-Bold.ttf" && mkdir "$2/fonts/DejaVuSansMono-Bold.ttf" ;;
    stderr_closed) rm "$2/Textures/Hud.bmp" ;;
  esac
}

# expect CASE DOING FILE FAULT: runs the damaged copy and checks what it
# reports.
expect() {
  local name=$1 doing=$2 file=$3 fault=$4 game=$work/$1
  cp -r "$work/pristine" "$game"
  damage "$name" "$game"
  local started
  started=$(date +%s%N)
  local signal=TERM
  if [ "$name" = stderr_closed ]; then
    # Interrupted as from a terminal (a script's background job would
    # otherwise start with SIGINT ignored).
    signal=INT
    (cd "$game" && SDL_AUDIODRIVER=dummy exec env --default-signal=INT ./spacebattle 2>&-) &
  else
    (cd "$game" && SDL_AUDIODRIVER=dummy exec ./spacebattle) 2>"$game.stderr" &
  fi
  pid=$!
  trap 'kill -9 $pid 2>/dev/null || true' EXIT
  local ms=""
  if [ "$name" != stderr_closed ]; then
    wait_until "$e2e_start_bound" test -s "$game.stderr" || fail "$name: nothing on stderr"
    ms=$((($(date +%s%N) - started) / 1000000))
  fi
  wait_until "$e2e_start_bound" message_box >/dev/null || fail "$name: no message box"
  [ -n "$ms" ] || ms=$((($(date +%s%N) - started) / 1000000))
  local peak
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$pid/status")
  kill -s "$signal" "$pid"
  finish_game "$e2e_step_bound"
  [ "$status" -eq 1 ] || fail "$name: exit status $status after SIG$signal, expected 1"
  [ "$peak" -lt "$memory_bound_kb" ] || fail "$name: $peak kB resident"
  local line=""
  if [ "$name" != stderr_closed ]; then
    line=$(grep -v -e "^ALSA" -e "CRITICAL" "$game.stderr" | head -1)
    grep -qF "spacebattle: run-time error while $doing $game/$file: $fault" <<<"$line" ||
      fail "$name: unexpected line: $line"
  fi
  printf '%-18s error after %5d ms, peak %6d kB  %s\n' "$name" "$ms" "$peak" "${line#*: }"
  rm -rf "$game"
}

picture="loading the picture" soundfont="loading the sound font"
expect huge_picture "$picture" Textures/Hud.bmp "picture of 60000 x 60000 pixels, larger than 4096 x 4096"
expect large_picture "$picture" Textures/Hud.bmp "picture of 16000 x 16000 pixels, larger than 4096 x 4096"
expect short_picture "$picture" Textures/Hud.bmp "header claims 1000 x 1000 pixels"
expect empty_soundfont "$soundfont" soundfont/TimGM6mb.sf2 "empty file"
expect short_soundfont "$soundfont" soundfont/TimGM6mb.sf2 "truncated sound font"
expect foreign_soundfont "$soundfont" soundfont/TimGM6mb.sf2 "not a sound font"
expect tune_directory "loading the tune" Einswei.mid "Is a directory"
expect font_directory "loading the font" fonts/DejaVuSansMono-Bold.ttf "Is a directory"
expect stderr_closed "$picture" Textures/Hud.bmp ""
echo "PASS"
