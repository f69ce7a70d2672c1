#!/usr/bin/env bash
# Builds the Debian package as packaging/build-deb does (a build of its own
# with dpkg-buildflags), checks it against Debian's rules (lintian
# --pedantic, desktop-file-validate, appstreamcli, the system's fonts and
# sound font, the documents), unpacks it into a scratch root and starts the
# installed game on an Xvfb screen; then installs the given build to
# /usr/local in a scratch folder and starts that game too. Arguments: the
# build folder to install, a scratch folder, and the package's build folder
# (kept between runs, so that a second run only builds what changed). Run
# through xvfb-run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
source "$here/package_checks.sh"
source_dir=$(cd "$here/../.." && pwd)

build=$1
work=$2
package_build=$3
fresh_folder "$work"
mkdir -p "$work/root"

deb=$("$source_dir/packaging/build-deb" "$package_build" "$work") || fail "the package build failed"
[ -f "$deb" ] || fail "no package built"
deps=$(dpkg-deb -f "$deb" Depends)
size=$(stat -c %s "$deb")
echo "package $(basename "$deb"), $size bytes: Depends: $deps"
grep -q "libsdl2-2.0-0" <<<"$deps" || fail "the package does not depend on SDL2"
dpkg -x "$deb" "$work/root"

check_layout "$work/root"
check_lintian "$deb"
check_override_reasons "$source_dir/packaging/lintian-overrides" "$work/root"
check_documents "$work/root" "$(dpkg-deb -f "$deb" Version)"
check_listing "$work/root"
check_controller_mentioned "$work/root" "$(dpkg-deb -f "$deb" Description)"
check_readme_size "$source_dir/README.md" "$size"
check_system_links "$work/root" "$deps"
check_local_install "$build" "$work/local"

# run_installed GAME: the game draws its selection screen, keeps running,
# and ends with status 0 on Escape.
run_installed() {
  start_game env SDL_AUDIODRIVER=dummy "$1"
  wait_until "$e2e_start_bound" screen_lit 0 0 900 90 0.02 ||
    fail "$1 drew no selection screen: $(cat "$work/stderr.txt")"
  sleep 2
  kill -0 "$pid" 2>/dev/null || fail "$1 ended early: $(cat "$work/stderr.txt")"
  xdotool key Escape
  finish_game "$e2e_step_bound"
  [ "$status" -eq 0 ] || fail "$1: exit status $status"
  # Its window is gone before the next one is looked for.
  wait_until "$e2e_step_bound" sh -c '! xdotool search --name "Space Battle" >/dev/null 2>&1' ||
    fail "$1 left its window behind"
}
run_installed "$work/root/usr/games/spacebattle"
run_installed "$work/local/usr/local/games/spacebattle"
echo "PASS"
