#!/usr/bin/env bash
# Configures (when needed) and builds one or all of the three builds:
#   native  build/native  host g++, ASan+UBSan, the portable core and its tests
#   win64   build/win64   the program and the Windows test tiers (run under Wine)
#   win32   build/win32   the 32-bit program, built and linked only
#
#   scripts/build.sh [native|win64|win32|all] [ninja targets...]
#
# QUILLET_KEEP_GOING=1 builds everything that can be built after a failure
# (test.sh uses it so one broken file does not hide every other result);
# QUILLET_BUILD_TYPE overrides the build type; QUILLET_JOBS the job count.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

which="${1:-all}"
shift || true
targets=("$@")

configure() {
  local name="$1" dir="build/$1"
  shift
  # A tree configured with another generator cannot be reused by Ninja.
  if [[ -f "$dir/CMakeCache.txt" ]] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
    echo "build: $dir was configured with another generator; starting it afresh"
    rm -rf "$dir"
  fi
  if [[ ! -f "$dir/build.ninja" ]]; then
    echo "build: configuring $name"
    cmake -S . -B "$dir" -G Ninja "$@"
  fi
}

build() {
  local name="$1" dir="build/$1" args=()
  [[ -n "${QUILLET_JOBS:-}" ]] && args+=(-j "$QUILLET_JOBS")
  [[ "${QUILLET_KEEP_GOING:-0}" == 1 ]] && args+=(-k 0)
  echo "build: building $name"
  # ninja re-runs CMake by itself when a CMakeLists.txt changed.
  ninja -C "$dir" "${args[@]}" "${targets[@]}"
}

build_one() {
  case "$1" in
    native)
      # Debug: sanitizer reports with file and line, and the fastest compile.
      configure native -DCMAKE_BUILD_TYPE="${QUILLET_BUILD_TYPE:-Debug}" \
        -DQUILLET_SANITIZE=ON -DQUILLET_TESTS=ON
      build native
      ;;
    win64)
      "$root/scripts/build-deps.sh"
      configure win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win64.cmake \
        -DCMAKE_BUILD_TYPE="${QUILLET_BUILD_TYPE:-Release}" -DQUILLET_TESTS=ON
      build win64
      ;;
    win32)
      # This machine cannot run 32-bit code: no tests, the program only.
      "$root/scripts/build-deps.sh"
      configure win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win32.cmake \
        -DCMAKE_BUILD_TYPE="${QUILLET_BUILD_TYPE:-Release}" -DQUILLET_TESTS=OFF
      build win32
      ;;
    *)
      echo "usage: $0 [native|win64|win32|all] [ninja targets...]" >&2
      exit 2
      ;;
  esac
}

if [[ "$which" == all ]]; then
  for b in native win64 win32; do build_one "$b"; done
else
  build_one "$which"
fi
