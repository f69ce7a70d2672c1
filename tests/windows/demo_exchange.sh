#!/usr/bin/env bash
# Demos move between the systems: one recorded from play by the Windows
# game under Wine (driven with xdotool) replays in the Linux build with
# every check value equal, and one recorded by the Linux build replays in
# the Windows game. The Windows game runs from a folder, and writes to a
# file, whose names are not ASCII. Arguments: the Windows test build folder,
# the Linux game, a scratch folder.
set -euo pipefail
build=$1 linux=$2 work=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
fresh_folder "$work"
record=$here/../../scripts/record-demo

mkdir -p "$work/Spiel für Tests" "$work/Kämpfe"
cp -r "$build/game/." "$work/Spiel für Tests/"
windows_game="$work/Spiel für Tests/spacebattle.exe"
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$windows_game" >"$work/windows-game"
chmod +x "$work/windows-game"

# replays GAME DEMO: --timedemo of DEMO agrees with its recording.
replays() {
  local status=0
  SDL_VIDEODRIVER=offscreen "$1" --timedemo "$2" >"$work/replay.txt" 2>&1 || status=$?
  [ "$status" -eq 0 ] || fail "$(basename "$1") departs from $(basename "$2"): $(without_cr "$work/replay.txt")"
  without_cr "$work/replay.txt" | grep fps
}

# Twenty seconds of play each: seed 11, design 3, every battle key.
echo "recording under Wine"
bash "$record" "$work/windows-game" "$work/Kämpfe/von Windows.sbd" 11 3 20 5 >"$work/record-win.txt" 2>&1 ||
  fail "recording under Wine failed: $(cat "$work/record-win.txt")"
[ -s "$work/Kämpfe/von Windows.sbd" ] || fail "the Windows game wrote no demo"
leftovers=$(find "$work/Kämpfe" -name '*.tmp')
[ -z "$leftovers" ] || fail "a temporary file was left behind: $leftovers"
echo "Linux replays the Windows demo: $(replays "$linux" "$work/Kämpfe/von Windows.sbd")"

echo "recording on Linux"
bash "$record" "$linux" "$work/Kämpfe/von Linux.sbd" 12 4 20 6 >"$work/record-linux.txt" 2>&1 ||
  fail "recording on Linux failed: $(cat "$work/record-linux.txt")"
echo "Windows replays the Linux demo: $(replays "$work/windows-game" "$work/Kämpfe/von Linux.sbd")"

# A second recording over the first replaces it (the move into place).
bash "$record" "$work/windows-game" "$work/Kämpfe/von Windows.sbd" 13 2 5 7 >"$work/record-win2.txt" 2>&1 ||
  fail "recording over a demo under Wine failed: $(cat "$work/record-win2.txt")"
echo "Linux replays the replaced Windows demo: $(replays "$linux" "$work/Kämpfe/von Windows.sbd")"
echo "PASS"
