#!/usr/bin/env bash
# Refreshes docs/selection.png and docs/battle.png from a real play-through
# on an Xvfb screen. Run deliberately, after a Release build:
#   tests/e2e/refresh_docs.sh [build/release]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
SB_E2E_DOCS_DIR=$root/docs xvfb-run -a -s "-screen 0 1024x768x24" \
  bash "$root/tests/e2e/play_through.sh" "$build/game/spacebattle" "$(mktemp -d)"
echo "wrote $root/docs/selection.png and $root/docs/battle.png"
