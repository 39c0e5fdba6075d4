#!/usr/bin/env bash
# Fuzzes the readers of outside input (skins, INI text, stored values, BMP,
# GIF and JPEG pictures) and the skinned form's arithmetic over any skin
# with libFuzzer, each target for a bounded time.
# Builds build/fuzz with clang, ASan and UBSan. Not part of CI: CI replays
# the kept corpora (fuzz/corpus) as native tests instead.
#
#   scripts/fuzz.sh [seconds-per-target] [target...]     default 60 s, every target
#   QUILLET_FUZZ_MERGE=1 scripts/fuzz.sh ...               keep new finds in fuzz/corpus
#
# Work copies of the corpora live in build/fuzz/work; crashes are written to
# build/fuzz/artifacts. A target that finds a crash makes the script fail.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
seconds="${1:-60}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(skin_archive skin_description form ini scrambler bmp gif jpeg)

command -v clang++ >/dev/null || { apt-get update -q && apt-get install -y -q clang; }
scripts/install-deps.sh >/dev/null

out=build/fuzz
if [[ ! -f "$out/build.ninja" ]]; then
  CC=clang CXX=clang++ cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILLET_FUZZ=ON -DQUILLET_SANITIZE=ON -DQUILLET_TESTS=OFF
fi
ninja -C "$out" "${targets[@]/#/fuzz_}"

mkdir -p "$out/artifacts"
status=0
for t in "${targets[@]}"; do
  work="$out/work/$t"
  mkdir -p "$work"
  cp -n fuzz/corpus/"$t"/* "$work"/ 2>/dev/null || true
  echo "== fuzz_$t for ${seconds}s"
  "$out/fuzz_$t" "$work" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 \
    -artifact_prefix="$out/artifacts/$t-" -print_final_stats=1 || status=1
  if [[ "${QUILLET_FUZZ_MERGE:-0}" == 1 ]]; then
    "$out/fuzz_$t" -merge=1 fuzz/corpus/"$t" "$work" >/dev/null 2>&1
  fi
done
exit $status
