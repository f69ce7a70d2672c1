#!/usr/bin/env bash
# --timedemo of every committed demo by the Windows game under Wine: every
# check value agrees with the recording (exit 0) and the frame rate is
# printed, with the Linux build's figures on one of them. Both draw with
# SDL's offscreen driver. Arguments: the Windows test build folder, the
# Linux game, the demo folder, a scratch folder.
set -euo pipefail
build=$1 linux=$2 demos=$3 work=$4
source "$(dirname "$0")/lib.sh"
fresh_folder "$work"

for demo in "$demos"/*.sbd; do
  name=$(basename "$demo")
  status=0
  SDL_VIDEODRIVER=offscreen wine_game --timedemo "$demo" >"$work/$name.win" 2>&1 || status=$?
  [ "$status" -eq 0 ] || fail "Windows --timedemo $name: status $status: $(without_cr "$work/$name.win")"
  grep -q "fps" "$work/$name.win" || fail "Windows --timedemo $name printed no frame rate"
  echo "Windows (Wine): $(without_cr "$work/$name.win" | grep fps)"
done
# The Linux build's figures beside them, on the shortest demo (the Linux
# build's own tests replay them all).
SDL_VIDEODRIVER=offscreen "$linux" --timedemo "$demos/minute.sbd" >"$work/linux.txt" 2>&1 ||
  fail "Linux --timedemo minute.sbd failed: $(cat "$work/linux.txt")"
echo "Linux:          $(grep fps "$work/linux.txt")"
echo "PASS"
