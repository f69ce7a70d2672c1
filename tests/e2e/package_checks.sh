# Checks of the Debian package against Debian's rules. Sourced by
# package_test.sh after lib.sh; each function fails the test on a fault.

# check_layout ROOT: the program in /usr/games, its data in
# /usr/share/games/spacebattle, nothing in /usr/lib.
check_layout() {
  local program=$1/usr/games/spacebattle f
  [ -f "$program" ] && [ ! -L "$program" ] && [ -x "$program" ] ||
    fail "/usr/games/spacebattle is not the program itself"
  [ "$(head -c 4 "$program" | tail -c 3)" = ELF ] || fail "/usr/games/spacebattle is not an ELF program"
  for f in Textures/Hud.bmp Textures/space-station.bmp sfx/fire.wav Einswei.mid Frozenbuffalo.mid; do
    [ -f "$1/usr/share/games/spacebattle/$f" ] || fail "the package lacks /usr/share/games/spacebattle/$f"
  done
  [ ! -e "$1/usr/lib" ] || fail "the package still installs into /usr/lib: $(find "$1/usr/lib" | head -3)"
}

# check_lintian DEB: lintian --pedantic, info tags included, says nothing:
# no tag, and no override that silences nothing.
check_lintian() {
  local out
  out=$(lintian --pedantic --display-info --fail-on none --no-tag-display-limit "$1" \
    2>"$work/lintian.err") || fail "lintian did not run: $(cat "$work/lintian.err")"
  [ -z "$out" ] || fail "lintian --pedantic objects: $out"
  echo "lintian --pedantic: nothing to report"
}

# check_override_reasons FILE ROOT: every override in FILE follows a comment
# giving its reason, and the package carries FILE when it holds overrides.
check_override_reasons() {
  # The file's opening comment block describes the file, not an override.
  awk 'NR == 1 { header = 1 }
       /^[[:space:]]*$/ { header = 0; reason = 0; next }
       /^[[:space:]]*#/ { if (!header) reason = 1; next }
       { header = 0 }
       !reason { print "override without a reason: " $0; bad = 1 }
       END { exit bad }' "$1" || fail "$(basename "$1") has overrides without a reason"
  if grep -qvE '^[[:space:]]*(#|$)' "$1"; then
    cmp -s "$1" "$2/usr/share/lintian/overrides/spacebattle" ||
      fail "the package does not carry the lintian overrides"
  fi
}

# check_system_links ROOT DEPENDS: the fonts and the sound font are links,
# not copies, to files that a declared dependency ships. The dependencies'
# files are then linked into ROOT, as installing them would put them there.
check_system_links() {
  local link target owner n=0
  for link in "$1"/usr/share/games/spacebattle/fonts/* "$1"/usr/share/games/spacebattle/soundfont/*; do
    [ -L "$link" ] || fail "${link#"$1"} is a copy, not a link to the system's file"
    target=$(readlink "$link")
    if [ "${target:0:1}" != / ]; then
      target=$(realpath -ms "$(dirname "$link")/$target")
      target=/${target#"$1"/}
    fi
    [ -f "$target" ] || fail "${link#"$1"} points at $target, which does not exist"
    owner=$(dpkg -S "$target") || fail "no installed package ships $target"
    owner=${owner%%:*}
    tr ',' '\n' <<<"$2" | sed 's/(.*//; s/ //g' | grep -qx "$owner" ||
      fail "$target comes from $owner, which the package does not depend on"
    mkdir -p "$1$(dirname "$target")"
    ln -sf "$target" "$1$target"
    n=$((n + 1))
  done
  [ "$n" -eq 3 ] || fail "expected two fonts and one sound font, found $n files"
}

# quiet_validation NAME OUTPUT: a validator's report holds no finding.
quiet_validation() {
  if grep -qE '^[EWIP]: |warning|hint|error' <<<"$2"; then fail "$1 reports: $2"; fi
}

# check_documents ROOT VERSION: the changelog names the package's version,
# the menu entry and the software-centre listing pass their validators with
# nothing to report, and the manual page's SEE ALSO names installed files.
check_documents() {
  local out f path n=0
  zcat "$1/usr/share/doc/spacebattle/changelog.gz" | sed -n 1p | grep -qF "spacebattle ($2)" ||
    fail "the changelog's newest entry is not version $2"
  for f in "$1"/usr/share/applications/*.desktop; do
    out=$(desktop-file-validate "$f" 2>&1) || fail "desktop-file-validate rejects $(basename "$f"): $out"
    quiet_validation "desktop-file-validate" "$out"
  done
  for f in "$1"/usr/share/metainfo/*.metainfo.xml; do
    out=$(appstreamcli validate --pedantic --no-net "$f" 2>&1) ||
      fail "appstreamcli rejects $(basename "$f"): $out"
    quiet_validation "appstreamcli validate --pedantic" "$out"
  done
  # The whole tree, so that the listing's menu entry and icon are checked too.
  out=$(appstreamcli validate-tree --pedantic --no-net "$1" 2>&1) ||
    fail "appstreamcli rejects the installed tree: $out"
  quiet_validation "appstreamcli validate-tree --pedantic" "$out"
  for path in $(zcat "$1/usr/share/man/man6/spacebattle.6.gz" |
    sed -n '/^\.SH SEE ALSO/,/^\.SH /p' | grep -o '/usr/[^ ]*[^ .,]'); do
    [ -e "$1$path" ] || fail "the manual page refers to $path, which the package lacks"
    n=$((n + 1))
  done
  [ "$n" -gt 0 ] || fail "the manual page's SEE ALSO names no installed file"
}

# check_listing ROOT: the software-centre listing, the menu entry and the
# icon share one id; the listing launches that entry and lists keyboard,
# pointer and game controller.
check_listing() {
  local listings entries meta id control
  listings=("$1"/usr/share/metainfo/*.metainfo.xml)
  entries=("$1"/usr/share/applications/*.desktop)
  [ "${#listings[@]}" -eq 1 ] && [ "${#entries[@]}" -eq 1 ] ||
    fail "expected one listing and one menu entry: ${listings[*]} ${entries[*]}"
  meta=${listings[0]}
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$meta")
  [ -n "$id" ] || fail "the listing has no id"
  [ "$(basename "$meta")" = "$id.metainfo.xml" ] || fail "the listing's file is not named $id"
  [ "${entries[0]}" = "$1/usr/share/applications/$id.desktop" ] ||
    fail "the menu entry $(basename "${entries[0]}") is not named $id"
  grep -qx "Icon=$id" "${entries[0]}" || fail "the menu entry's icon is not $id"
  [ -f "$1/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon named $id"
  grep -qF "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" ||
    fail "the listing does not launch $id.desktop"
  for control in keyboard pointing gamepad; do
    grep -qF "<control>$control</control>" "$meta" || fail "the listing does not support $control"
  done
  echo "one id: $id"
}

# check_controller_mentioned ROOT DESCRIPTION: the manual page, the package
# description and the listing all say the game is played with a controller.
check_controller_mentioned() {
  local text
  mentions() { tr -s '[:space:]' ' ' | grep -qi "game controller"; }
  zcat "$1/usr/share/man/man6/spacebattle.6.gz" | sed -n '/^\.SH DESCRIPTION/,/^\.SH /p' | mentions ||
    fail "the manual page's description does not mention the game controller"
  mentions <<<"$2" || fail "the package description does not mention the game controller"
  text=$(sed -n '/<description>/,/<\/description>/p' "$1"/usr/share/metainfo/*.metainfo.xml)
  mentions <<<"$text" || fail "the listing's description does not mention the game controller"
}

# check_readme_size README BYTES: the size README gives for the package is
# within a tenth of the real one.
check_readme_size() {
  local kb
  kb=$(grep -o 'Debian package (about [0-9]* kB)' "$1" | grep -o '[0-9]*') ||
    fail "README gives no size for the package"
  awk -v kb="$kb" -v b="$2" 'BEGIN { r = kb * 1000 / b; exit !(r > 0.9 && r < 1.1) }' ||
    fail "README says about $kb kB; the package has $2 bytes"
}

# check_local_install BUILD SCRATCH: an install to /usr/local (into SCRATCH)
# puts the program in games/ and its data in share/games/spacebattle, and
# links the fonts and the sound font to the system's files by absolute
# paths, since the system's /usr/share is outside that prefix.
check_local_install() {
  DESTDIR=$2 cmake --install "$1" --prefix /usr/local >"$2.log" ||
    fail "cmake --install failed: $(tail -5 "$2.log")"
  local link target n=0
  for link in "$2"/usr/local/share/games/spacebattle/fonts/* "$2"/usr/local/share/games/spacebattle/soundfont/*; do
    target=$(readlink "$link") || fail "${link#"$2"} is not a link"
    [ "${target:0:11}" = /usr/share/ ] && [ -f "$target" ] ||
      fail "${link#"$2"} points at $target, not at the system's file"
    n=$((n + 1))
  done
  [ "$n" -eq 3 ] || fail "expected two fonts and one sound font in /usr/local, found $n files"
  [ -f "$2/usr/local/games/spacebattle" ] && [ -x "$2/usr/local/games/spacebattle" ] ||
    fail "no program in /usr/local/games"
  [ -f "$2/usr/local/share/games/spacebattle/Textures/Hud.bmp" ] ||
    fail "no pictures in /usr/local/share/games/spacebattle"
}
