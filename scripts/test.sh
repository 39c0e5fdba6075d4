#!/usr/bin/env bash
# The one test command: installs what is missing, builds all three builds and
# runs every tier (native under ASan+UBSan, then win and e2e under Wine), then
# prints a summary. Exits non-zero if any build or test failed.
#
# Logs: build/logs/. The last line is "<passed> passed, <failed> failed",
# summed over the tiers; a build or set-up step that fails counts as one
# failure, so a broken build can never end in "0 failed".
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
logs="$root/build/logs"
mkdir -p "$logs"

total_passed=0
total_failed=0
report=()
t0=$SECONDS

note() { echo; echo "=== $* ($(( SECONDS - t0 )) s)"; }

fail_step() {
  total_failed=$((total_failed + 1))
  report+=("$(printf '%-22s FAILED (%s)' "$1" "$2")")
}

ok_step() {
  report+=("$(printf '%-22s ok (%d s)' "$1" "$2")")
}

finish() {
  echo
  echo "=== summary ($(( SECONDS - t0 )) s, logs in build/logs)"
  printf '  %s\n' "${report[@]}"
  echo "$total_passed passed, $total_failed failed"
  if ((total_failed > 0)); then exit 1; fi
  exit 0
}

# A step's output goes to its log; on failure the interesting part is shown.
run_logged() {
  local name="$1" log="$logs/$1.log" s=$SECONDS
  shift
  if "$@" >"$log" 2>&1; then
    ok_step "$name" $((SECONDS - s))
    return 0
  fi
  echo "--- $name failed; from $log:"
  if grep -q '^FAILED:' "$log"; then
    # ninja: each failing command and the compiler's first complaints
    grep -A 25 '^FAILED:' "$log" | head -n 200
  else
    tail -n 60 "$log"
  fi
  fail_step "$name" "see build/logs/$name.log"
  return 1
}

# Runs one ctest tier, shows its output and adds its counts to the totals.
tier() {
  local name="$1" dir="$2" budget="$3" log="$logs/test-$1.log" s=$SECONDS rc
  shift 3
  note "tier $name"
  # A tier that hangs as a whole still leaves time for the others and the
  # summary; single tests have their own timeouts.
  timeout --kill-after=30 "$budget" \
    ctest --test-dir "$dir" --output-on-failure --no-tests=ignore "$@" 2>&1 | tee "$log"
  rc=${PIPESTATUS[0]}
  local line passed=0 failed=0 count=0
  line="$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n1)"
  if [[ -n "$line" ]]; then
    failed="$(sed -E 's/.* ([0-9]+) tests? failed out of.*/\1/' <<<"$line")"
    count="$(sed -E 's/.*failed out of ([0-9]+).*/\1/' <<<"$line")"
    passed=$((count - failed))
  fi
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  if ((rc == 124 || rc == 137)); then
    fail_step "tier $name" "stopped after $budget s"
  elif ((rc != 0 && failed == 0)); then
    fail_step "tier $name" "ctest exited $rc"
  else
    report+=("$(printf '%-22s %d passed, %d failed (%d s)' "tier $name" "$passed" "$failed" $((SECONDS - s)))")
  fi
}

note "installing what is missing"
run_logged install-deps scripts/install-deps.sh || finish

note "cross-building giflib and libjpeg-turbo"
deps_ok=1
run_logged build-deps scripts/build-deps.sh || deps_ok=0

# Keep going after a compile error: every test that still builds still runs.
export QUILLET_KEEP_GOING=1
configured() { [[ -f "build/$1/build.ninja" ]]; }

note "building native"
run_logged build-native scripts/build.sh native
if ((deps_ok)); then
  note "building win64"
  run_logged build-win64 scripts/build.sh win64
  note "building win32"
  run_logged build-win32 scripts/build.sh win32
fi

# An undefined-behaviour report without a stack is hard to place.
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
if configured native; then
  tier native build/native 1500 -j "$(nproc)"
fi

if ((deps_ok)) && configured win64; then
  note "setting up Wine"
  # Always a display of our own: the tests move the pointer and the keyboard
  # focus, expect a 1280x1024 screen, and must not land on someone's desktop.
  export QUILLET_OWN_DISPLAY=1
  wine_up() {
    # shellcheck source=wine-env.sh
    source scripts/wine-env.sh
  }
  trap 'quillet_wine_down 2>/dev/null' EXIT
  trap 'quillet_wine_down 2>/dev/null; exit 130' INT TERM
  s=$SECONDS
  if wine_up; then
    ok_step wine-setup $((SECONDS - s))
    # Windows tests share one display and keyboard focus: one at a time.
    tier win build/win64 1800 -L '^win$'
    # A fresh server and display, so nothing the win tier left behind (a
    # stray window, the clipboard, a hot key) reaches the end-to-end tests.
    quillet_wine_down
    if wine_up; then
      tier e2e build/win64 1800 -L '^e2e$'
    else
      fail_step wine-setup "see build/wine-logs"
    fi
    quillet_wine_down
  else
    fail_step wine-setup "see build/wine-logs"
  fi
fi

finish
