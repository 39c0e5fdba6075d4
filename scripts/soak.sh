#!/usr/bin/env bash
# The Windows soak tests at full length, under Wine; too long for CI, which
# runs the skinned form's soak at a tenth of this. Takes ten minutes or more.
#   scripts/soak.sh              10,000 hover/repaint/resize cycles
#   QUILLET_SOAK_CYCLES=20000 scripts/soak.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

export QUILLET_SOAK_CYCLES="${QUILLET_SOAK_CYCLES:-10000}"
scripts/build.sh win64 form_win_tests hints_soak_win_tests >/dev/null

export QUILLET_OWN_DISPLAY=1
# shellcheck source=/dev/null
source scripts/wine-env.sh
rc=0
echo "=== skinned form, $QUILLET_SOAK_CYCLES cycles"
"$QUILLET_WINE" build/win64/tests/win/form_win_tests.exe \
  --gtest_filter='*ManyHoverRepaintAndResizeCycles*' </dev/null || rc=1
echo "=== skinned hints"
"$QUILLET_WINE" build/win64/tests/win/hints_soak_win_tests.exe </dev/null || rc=1
quillet_wine_down
exit "$rc"
