#!/usr/bin/env bash
# Installs the Debian packages the three builds and the Wine test tiers need.
# Idempotent: when everything is present it only checks and returns, without
# touching the network.
set -euo pipefail

export DEBIAN_FRONTEND=noninteractive

packages=(
  # native build: the portable core, its tests and benchmarks
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev libgif-dev libjpeg-dev
  # cross builds (posix thread model: GoogleTest needs std::thread)
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix libz-mingw-w64-dev
  # running under Wine: display, input, screenshots, clipboard, CJK font
  wine64 xvfb xdotool x11-apps imagemagick xclip fonts-wqy-microhei
  # tests' helpers (local HTTP server); apt-get source for the cross-built libraries
  python3 dpkg-dev
)

installed() {
  [[ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" == "install ok installed" ]]
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done

# build-deps.sh takes giflib and libjpeg-turbo from Debian's source packages,
# so apt needs deb-src entries next to the binary ones.
have_deb_src() {
  grep -hqsE '^[[:space:]]*deb-src[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null && return 0
  grep -hqsE '^[[:space:]]*Types:.*\bdeb-src\b' /etc/apt/sources.list.d/*.sources 2>/dev/null && return 0
  return 1
}

added_src=0
if ! have_deb_src; then
  if [[ -f /etc/apt/sources.list.d/debian.sources ]]; then
    # deb822 format: the same stanzas again, for sources only, in a file of
    # our own so the system's file stays as the image made it.
    sed -E 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      >/etc/apt/sources.list.d/quillet-deb-src.sources
  else
    grep -hE '^[[:space:]]*deb[[:space:]]' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      sed -E 's/^[[:space:]]*deb[[:space:]]/deb-src /' >/etc/apt/sources.list.d/quillet-deb-src.list || true
  fi
  echo "install-deps: added deb-src entries for apt-get source"
  added_src=1
fi

# Entries alone are not enough: the source indexes come with apt-get update.
have_src_index() {
  local out
  out="$(apt-cache showsrc giflib libjpeg-turbo 2>/dev/null || true)"
  [[ "$out" == *"Package: giflib"* && "$out" == *"Package: libjpeg-turbo"* ]]
}

if ((${#missing[@]} == 0 && added_src == 0)) && have_src_index; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: updating package lists"
apt-get update -q
if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  # Recommends stay on: Wine's X11 driver loads libXrender, libXfixes,
  # libXrandr and friends at run time, and they arrive only as recommends.
  apt-get install -y -q -o APT::Install-Recommends=true "${missing[@]}"
fi
echo "install-deps: done"
