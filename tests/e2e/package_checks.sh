# Checks of the Debian package against Debian's rules. Sourced by
# package_test.sh after lib.sh; each function fails the test on a fault.

# check_lintian DEB SOURCE_DIR: lintian finds no error or warning, and no
# override that silences nothing. Until the manual page is written, its
# absence is the one warning allowed.
check_lintian() {
  local out
  out=$(lintian --fail-on none --display-info --no-tag-display-limit "$1" 2>"$work/lintian.err") ||
    fail "lintian did not run: $(cat "$work/lintian.err")"
  echo "$out" | sed 's/^/lintian: /'
  local bad
  bad=$(grep -E '^(E|W): |unused-override|mismatched-override' <<<"$out" || true)
  if [ ! -f "$2/docs/spacebattle.6" ]; then
    bad=$(grep -v ' no-manual-page ' <<<"$bad" || true)
  fi
  [ -z "$bad" ] || fail "lintian objects: $bad"
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
  for link in "$1"/usr/lib/spacebattle/fonts/* "$1"/usr/lib/spacebattle/soundfont/*; do
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

# check_documents ROOT VERSION: the changelog names the package's version,
# and the software-centre listing and its menu entry are valid.
check_documents() {
  zcat "$1/usr/share/doc/spacebattle/changelog.gz" | sed -n 1p | grep -qF "spacebattle ($2)" ||
    fail "the changelog's newest entry is not version $2"
  ls "$1"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "no software-centre listing"
  # The whole tree, so that the listing's menu entry is checked as well.
  appstreamcli validate-tree --no-net "$1" >&2 || fail "appstreamcli rejects the software-centre listing"
}

# check_local_install BUILD SCRATCH: an install to /usr/local (into SCRATCH)
# links the fonts and the sound font to the system's files by absolute
# paths, since the system's /usr/share is outside that prefix.
check_local_install() {
  DESTDIR=$2 cmake --install "$1" --prefix /usr/local >"$2.log" ||
    fail "cmake --install failed: $(tail -5 "$2.log")"
  local link target n=0
  for link in "$2"/usr/local/lib/spacebattle/fonts/* "$2"/usr/local/lib/spacebattle/soundfont/*; do
    target=$(readlink "$link") || fail "${link#"$2"} is not a link"
    [ "${target:0:11}" = /usr/share/ ] && [ -f "$target" ] ||
      fail "${link#"$2"} points at $target, not at the system's file"
    n=$((n + 1))
  done
  [ "$n" -eq 3 ] || fail "expected two fonts and one sound font in /usr/local, found $n files"
  [ -x "$2/usr/local/games/spacebattle" ] || fail "no command in /usr/local/games"
}
