#!/usr/bin/env bash
# Builds the Debian package, checks it against Debian's rules (lintian, the
# system's fonts and sound font, the documents), unpacks it into a scratch
# root and starts the installed game on an Xvfb screen for a few seconds.
# Arguments: the build folder and a scratch folder. Run through xvfb-run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/package_checks.sh"
source_dir=$(cd "$here/../.." && pwd)

build=$1
work=$2
rm -rf "$work"
mkdir -p "$work/root"

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || fail "cpack failed: $(tail -5 "$work/cpack.log")"
deb=$(ls "$work"/*.deb | head -1)
[ -f "$deb" ] || fail "no package built"
deps=$(dpkg-deb -f "$deb" Depends)
echo "package $(basename "$deb"), $(stat -c %s "$deb") bytes: Depends: $deps"
grep -q "libsdl2-2.0-0" <<<"$deps" || fail "the package does not depend on SDL2"
dpkg -x "$deb" "$work/root"

for f in usr/games/spacebattle usr/lib/spacebattle/spacebattle usr/lib/spacebattle/Textures/Hud.bmp \
  usr/lib/spacebattle/sfx/fire.wav usr/lib/spacebattle/Einswei.mid \
  usr/lib/spacebattle/Frozenbuffalo.mid usr/share/applications/spacebattle.desktop \
  usr/share/icons/hicolor/scalable/apps/spacebattle.svg; do
  [ -e "$work/root/$f" ] || fail "the package lacks $f"
done

check_lintian "$deb" "$source_dir"
check_override_reasons "$source_dir/packaging/lintian-overrides" "$work/root"
check_documents "$work/root" "$(dpkg-deb -f "$deb" Version)"
check_system_links "$work/root" "$deps"
check_local_install "$build" "$work/local"

start_game env SDL_AUDIODRIVER=dummy "$work/root/usr/games/spacebattle"
wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 || fail "the installed game drew no selection screen: $(cat "$work/stderr.txt")"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the installed game ended early: $(cat "$work/stderr.txt")"
xdotool key Escape
finish_game "$e2e_step_bound"
[ "$status" -eq 0 ] || fail "exit status $status"
echo "PASS"
