#!/usr/bin/env bash
# Builds the Windows zip (scripts/build-windows, its libraries cached), takes
# the pictures, sounds and tunes from the host build the tests belong to,
# unpacks the zip as a player would, and makes the Wine prefix the other
# tests share. Arguments: source tree, host build tree, output folder.
set -euo pipefail
source=$1 host=$2 out=$3
mkdir -p "$out"
start=$SECONDS
SB_HOST_BUILD=$host "$source/scripts/build-windows" "$out/zip"
zip=$(ls "$out"/zip/spacebattle-*-windows-x64.zip)
rm -rf "$out/unpacked"
mkdir -p "$out/unpacked"
(cd "$out/unpacked" && cmake -E tar xf "$zip")
[ -e "$out/unpacked/$(basename "$zip" .zip)/spacebattle.exe" ] || {
  echo "FAIL: no spacebattle.exe in $zip" >&2
  exit 1
}
ln -sfn "$out/unpacked/$(basename "$zip" .zip)" "$out/game"
export WINEPREFIX=$out/wine WINEDEBUG=-all
if [ ! -e "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1 || true
  # The registry is written when Wine's server ends.
  wineserver --wait || true
fi
[ -e "$WINEPREFIX/system.reg" ] || { echo "FAIL: no Wine prefix in $WINEPREFIX" >&2; exit 1; }
echo "zip: $(stat -c %s "$zip") bytes; built and unpacked in $((SECONDS - start)) s"
