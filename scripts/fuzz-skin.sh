#!/bin/bash
# Fuzzes the skin loader: the envelope/archive road and the description
# parser, each for a bounded time (FUZZ_SECONDS, default 60). Builds with
# clang's libFuzzer and ASan/UBSan into build/fuzz; crashes are written to
# build/fuzz/artifacts. Not part of CI.
#   scripts/fuzz-skin.sh [seconds]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT=$ROOT/build/fuzz
SECONDS_EACH=${1:-${FUZZ_SECONDS:-60}}

if ! command -v clang++ >/dev/null; then
  apt-get update && apt-get install -y clang
fi
mkdir -p "$OUT/artifacts" "$OUT/corpus/archive" "$OUT/corpus/description"

SOURCES=(
  framework/Bmp.cpp framework/Component.cpp framework/Exceptions.cpp framework/Graphics.cpp
  framework/IniFiles.cpp framework/StringList.cpp framework/Streams.cpp framework/Utf.cpp
  framework/PixelStoreHeap.cpp
  skin/data/skZlibCompress.cpp skin/data/skSkinData.cpp skin/data/skSkinDataArchive.cpp skin/data/skSkinDataControls.cpp
  skin/data/skSkinDataKeys.cpp skin/data/skSkinDataLoad.cpp skin/data/skSkinDataObjects.cpp skin/data/skSkinDataResStr.cpp
  skin/data/skSkinDataValues.cpp skin/data/skSkinDataWindows.cpp skin/data/skSkinStoredSkin.cpp
  tools/quillet-skin/SkinCheck.cpp
)
FLAGS=(-std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -I"$ROOT")
for target in archive description; do
  clang++ "${FLAGS[@]}" "${SOURCES[@]/#/$ROOT/}" "$ROOT/fuzz/fuzz_skin_$target.cpp" -lz -o "$OUT/fuzz_skin_$target"
done

# Seeds: small hand-made archives and descriptions, and our own skin.
python3 "$ROOT/fuzz/make_seeds.py" "$OUT/corpus" "$ROOT/resources/skin"

status=0
for target in archive description; do
  echo "== fuzz_skin_$target for ${SECONDS_EACH}s"
  "$OUT/fuzz_skin_$target" "$OUT/corpus/$target" -max_total_time="$SECONDS_EACH" -max_len=65536 \
    -rss_limit_mb=1024 -artifact_prefix="$OUT/artifacts/$target-" -print_final_stats=1 || status=1
done
exit $status
