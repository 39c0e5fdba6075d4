#!/usr/bin/env bash
# Builds the benchmarks (native, Release, no sanitizers) in build/bench and
# runs each of them. Arguments go to every benchmark, for example
#   scripts/bench.sh --benchmark_filter=Blur --benchmark_repetitions=5
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
# Configured every time (a second is nothing next to a benchmark run), so a
# tree configured by hand with other options never measures a debug build.
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUILLET_BENCH=ON -DQUILLET_TESTS=OFF -DQUILLET_SANITIZE=OFF >/dev/null
ninja -C build/bench

shopt -s nullglob
benches=()
for f in build/bench/bench/bench_*; do
  [[ -f "$f" && -x "$f" ]] && benches+=("$f")
done
if ((${#benches[@]} == 0)); then
  echo "bench: no benchmarks built (build/bench/bench/bench_*)"
  exit 0
fi
rc=0
for b in "${benches[@]}"; do
  echo "=== $(basename "$b")"
  "$b" "$@" || rc=1
done
# The Win32 paths (skinned menus, start-up of the main window) run under
# Wine from the win64 build. QUILLET_STARTUP_ROUNDS sets the launches of
# each program (default 15).
if [[ "${QUILLET_BENCH_WIN:-1}" == 1 ]]; then
  scripts/build.sh win64 bench_menus bench_startup >/dev/null
  (
    export QUILLET_OWN_DISPLAY=1
    # shellcheck source=/dev/null
    source scripts/wine-env.sh
    wrc=0
    echo "=== bench_menus (win64, under Wine)"
    "$QUILLET_WINE" build/win64/bench/bench_menus.exe "$@" || wrc=1
    echo "=== bench_startup (win64, under Wine)"
    "$QUILLET_WINE" build/win64/bench/bench_startup.exe "${QUILLET_STARTUP_ROUNDS:-15}" </dev/null || wrc=1
    quillet_wine_down
    exit "$wrc"
  ) || rc=1
fi
exit "$rc"
