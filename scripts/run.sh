#!/usr/bin/env bash
# The one run command: installs what is missing, builds the 64-bit program
# and runs it under Wine from its own program directory, build/run/ (its
# config.ini is written beside the exe).
#
# With a DISPLAY the program runs in the foreground until you close it.
# Without one it runs on a private Xvfb screen: the script waits for the main
# window, saves build/run/screenshot.png, closes the program and stops.
# Arguments are passed to the program.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

scripts/install-deps.sh
scripts/build.sh win64 app/Quillet.exe

rundir="$root/build/run"
mkdir -p "$rundir"
cp build/win64/app/Quillet.exe "$rundir/"

headless=0
[[ -z "${DISPLAY:-}" ]] && headless=1

# shellcheck source=wine-env.sh
source scripts/wine-env.sh
trap 'quillet_wine_down' EXIT

cd "$rundir"
if ((!headless)); then
  echo "run: starting Quillet on $DISPLAY (program directory $rundir)"
  "$QUILLET_WINE" Quillet.exe "$@"
  exit $?
fi

log="$rundir/quillet.log"
echo "run: starting Quillet on the private display $DISPLAY (output: $log)"
"$QUILLET_WINE" Quillet.exe "$@" </dev/null >"$log" 2>&1 &
pid=$!

window=""
for ((i = 0; i < 60; i++)); do
  window="$(xdotool search --name TarvoQuillet 2>/dev/null | head -n1 || true)"
  [[ -n "$window" ]] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
if [[ -z "$window" ]]; then
  if kill -0 "$pid" 2>/dev/null; then
    echo "run: no Quillet window after 30 s" >&2
  else
    wait "$pid" && rc=0 || rc=$?
    echo "run: Quillet exited ($rc) before showing its window" >&2
  fi
  cat "$log" >&2
fi
# Give it a moment to finish painting (skin, banners) before the picture.
sleep 2
xwd -root -display "$DISPLAY" -silent | convert xwd:- "$rundir/screenshot.png"
echo "run: screenshot saved to $rundir/screenshot.png"

if kill -0 "$pid" 2>/dev/null; then
  # Politely first (WM_CLOSE, so it saves its settings), then for good.
  "$QUILLET_WINE" taskkill /im Quillet.exe </dev/null >/dev/null 2>&1 || true
  for ((i = 0; i < 20; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "run: Quillet did not close; stopping it"
    "$QUILLET_WINE" taskkill /f /im Quillet.exe </dev/null >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
  fi
fi
wait "$pid" 2>/dev/null || true
[[ -n "$window" ]]
