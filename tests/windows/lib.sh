# Helpers for the Windows tests: the unpacked game under Wine, beside the
# e2e helpers (screenshots, polling). Sourced after setting $build.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
export WINEPREFIX=$build/wine WINEDEBUG=-all
windows_game=$build/game/spacebattle.exe
# Wine's own start-up on a loaded machine is slow: a longer first bound.
e2e_start_bound=120

# wine_game ARGS...: the Windows game under Wine.
wine_game() {
  wine "$windows_game" "$@"
}

# without_cr FILE: the file's lines without the carriage returns Windows
# ends them with.
without_cr() {
  tr -d '\r' <"$1"
}
