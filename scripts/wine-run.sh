#!/usr/bin/env bash
# Runs a Windows program under wine64 and exits with its exit code. CTest uses
# it as the emulator of every Windows test. When the Wine environment is
# already up (scripts/test.sh sets it up once and exports it) this costs
# nothing; run by hand, it sets the environment up and takes it down again.
set -uo pipefail

if (($# < 1)); then
  echo "usage: $0 <program.exe> [arguments...]" >&2
  exit 2
fi

standalone=1
[[ -n "${QUILLET_WINE_READY:-}" ]] && standalone=0

# On its own (ctest run by hand, perhaps several at once) it leaves the
# wineserver to Wine: a persistent one started here would be killed at the
# end while another run still uses it.
((standalone)) && QUILLET_WINE_PERSIST=0
# shellcheck source=wine-env.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" || exit 125

if ((standalone == 0)); then
  # The test is this process from here on: CTest's timeout then stops the
  # program itself, not a shell that would leave it running.
  exec "$QUILLET_WINE" "$@" </dev/null
fi

trap 'kill -TERM "$child" 2>/dev/null' TERM INT HUP
"$QUILLET_WINE" "$@" </dev/null &
child=$!
# Killed outright (CTest's timeout), this script could not stop the program,
# and it would run on: a watcher does it.
(
  trap '' INT HUP
  while kill -0 $$ 2>/dev/null; do sleep 1; done
  kill -KILL "$child"
) </dev/null >/dev/null 2>&1 &
watcher=$!
wait "$child"
rc=$?
# A signal interrupts the first wait; collect the program's real status.
if kill -0 "$child" 2>/dev/null; then
  wait "$child"
  rc=$?
fi
kill "$watcher" 2>/dev/null
wait "$watcher" 2>/dev/null
quillet_wine_down
exit "$rc"
