#!/usr/bin/env bash
# Rebuilds docs/contact_sheet.png: every generated picture on one page, on
# mid-grey so the transparent black shows. Needs ImageMagick's `convert`.
#   tools/contact_sheet.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target assetgen >/dev/null
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
"$build/tools/assetgen" --out "$tmp/out" --contact-sheet "$tmp/sheet.bmp"
mkdir -p "$root/docs"
convert "$tmp/sheet.bmp" -strip "$root/docs/contact_sheet.png"
echo "wrote $root/docs/contact_sheet.png"
