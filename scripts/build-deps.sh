#!/usr/bin/env bash
# Cross-builds the image libraries the Windows builds link statically (giflib
# and libjpeg-turbo) for both mingw-w64 targets, from Debian's own source
# packages, into build/deps/<triple>/{include,lib}. Work already done is
# skipped: each library and target has a stamp naming the source it came from.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deps="$root/build/deps"
src="$deps/src"
triples=(x86_64-w64-mingw32 i686-w64-mingw32)
jobs="${QUILLET_JOBS:-$(nproc)}"

mkdir -p "$src"
# build.sh and test.sh may both get here; one builder at a time.
exec 9>"$deps/.lock"
flock 9

log() { echo "build-deps: $*"; }

# Sets source_dir to the unpacked Debian source package, fetched once.
fetch_source() {
  local pkg="$1" dir
  dir="$(find "$src" -mindepth 1 -maxdepth 1 -type d -name "$pkg-[0-9]*" | sort | tail -n1)"
  if [[ -z "$dir" || ! -f "$src/.$pkg.fetched" ]]; then
    log "fetching the $pkg source package"
    rm -rf "${src:?}/$pkg"[-_]* "$src/.$pkg.fetched"
    (cd "$src" && apt-get source -q "$pkg" >"$src/$pkg.fetch.log" 2>&1) || {
      cat "$src/$pkg.fetch.log" >&2
      log "apt-get source $pkg failed (scripts/install-deps.sh adds the deb-src entries it needs)"
      return 1
    }
    dir="$(find "$src" -mindepth 1 -maxdepth 1 -type d -name "$pkg-[0-9]*" | sort | tail -n1)"
    [[ -n "$dir" ]] || { log "no $pkg source directory after apt-get source"; return 1; }
    touch "$src/.$pkg.fetched"
  fi
  source_dir="$dir"
}

# Cross compilers: the posix thread model, as the project's toolchain files use.
cc_for() {
  if command -v "$1-gcc-posix" >/dev/null; then echo "$1-gcc-posix"; else echo "$1-gcc"; fi
}

build_giflib() {
  local triple="$1" dir="$2" prefix="$deps/$1" stamp="$deps/$1/.giflib.stamp"
  local want
  want="$(basename "$dir")"
  if [[ -f "$stamp" && "$(cat "$stamp")" == "$want" && -f "$prefix/lib/libgif.a" ]]; then
    log "giflib for $triple is up to date"
    return
  fi
  log "building giflib ($want) for $triple"
  local cc obj sources
  cc="$(cc_for "$triple")"
  obj="$deps/obj/giflib-$triple"
  rm -rf "$obj" && mkdir -p "$obj" "$prefix/include" "$prefix/lib"
  # The library's own file list, as its Makefile gives it.
  sources="$(make -s -C "$dir" -f Makefile -f - print-quillet-sources <<<$'print-quillet-sources:\n\t@echo $(SOURCES)' 2>/dev/null || true)"
  [[ -n "$sources" ]] || sources="dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_font.c gif_hash.c openbsd-reallocarray.c quantize.c"
  local f objs=()
  for f in $sources; do
    [[ -f "$dir/$f" ]] || { log "giflib source $f is missing"; return 1; }
    "$cc" -std=gnu99 -O2 -Wall -Wno-format-truncation -c "$dir/$f" -o "$obj/${f%.c}.o"
    objs+=("$obj/${f%.c}.o")
  done
  rm -f "$prefix/lib/libgif.a"
  "$triple-ar" rcs "$prefix/lib/libgif.a" "${objs[@]}"
  cp "$dir/gif_lib.h" "$prefix/include/"
  echo "$want" >"$stamp"
}

build_libjpeg() {
  local triple="$1" dir="$2" prefix="$deps/$1" stamp="$deps/$1/.libjpeg.stamp"
  local want
  want="$(basename "$dir")"
  if [[ -f "$stamp" && "$(cat "$stamp")" == "$want" && -f "$prefix/lib/libjpeg.a" ]]; then
    log "libjpeg-turbo for $triple is up to date"
    return
  fi
  log "building libjpeg-turbo ($want) for $triple"
  local bdir="$deps/obj/libjpeg-$triple" processor=x86_64
  [[ "$triple" == i686-* ]] && processor=i686
  rm -rf "$bdir"
  # No SIMD: it would need nasm, and our JPEGs are small banners and pictures.
  cmake -S "$dir" -B "$bdir" -G Ninja \
    -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR="$processor" \
    -DCMAKE_C_COMPILER="$(cc_for "$triple")" -DCMAKE_RC_COMPILER="$triple-windres" \
    -DCMAKE_FIND_ROOT_PATH="/usr/$triple" \
    -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY \
    -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY \
    -DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_JAVA=OFF -DCMAKE_INSTALL_PREFIX="$prefix" \
    >"$bdir.configure.log" 2>&1 || { cat "$bdir.configure.log" >&2; return 1; }
  cmake --build "$bdir" --target jpeg-static -j "$jobs" >"$bdir.build.log" 2>&1 ||
    { tail -n 50 "$bdir.build.log" >&2; return 1; }
  mkdir -p "$prefix/include" "$prefix/lib"
  cp "$bdir/libjpeg.a" "$prefix/lib/libjpeg.a"
  cp "$bdir/jconfig.h" "$dir/jerror.h" "$dir/jmorecfg.h" "$dir/jpeglib.h" "$prefix/include/"
  echo "$want" >"$stamp"
}

fetch_source giflib
gif_dir="$source_dir"
fetch_source libjpeg-turbo
jpeg_dir="$source_dir"

for t in "${triples[@]}"; do
  command -v "$(cc_for "$t")" >/dev/null || { log "$(cc_for "$t") not found: run scripts/install-deps.sh"; exit 1; }
  build_giflib "$t" "$gif_dir"
  build_libjpeg "$t" "$jpeg_dir"
done

# A library for the wrong machine would only fail at the project's link step;
# say so here instead.
check_arch() {
  local lib="$1" want="$2" triple="$3" got
  got="$("$triple-objdump" -f "$lib" | sed -n 's/.*file format //p' | sort -u)"
  [[ "$got" == "$want" ]] || { log "$lib: object format '$got', expected '$want'"; return 1; }
}
for t in "${triples[@]}"; do
  fmt=pe-x86-64
  [[ "$t" == i686-* ]] && fmt=pe-i386
  for l in libgif.a libjpeg.a; do
    check_arch "$deps/$t/lib/$l" "$fmt" "$t"
  done
done
log "ready: $(cd "$deps" && ls -1 ./*/lib/*.a | sed 's|^\./||' | tr '\n' ' ')"
