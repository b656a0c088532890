#!/usr/bin/env bash
# Installs what building and testing Ostrevan needs on Debian 12, only where it is missing.
set -eu
need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
pkgs=(cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
      g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 wine wine64
      g++-mingw-w64-i686 binutils-mingw-w64-i686 g++-multilib qemu-user-static
      nasm qemu-system-x86 clang-14 libclang-rt-14-dev
      xvfb xdotool imagemagick fonts-liberation zip unrtf python3-pefile util-linux
      libreoffice-writer-nogui nsis zlib1g-dev libpng-dev python3-pil)
for p in "${pkgs[@]}"; do have_pkg "$p" || need+=("$p"); done
[ ${#need[@]} -eq 0 ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "missing packages: ${need[*]} (run as root or install them with apt-get)" >&2
  exit 1
fi
echo "installing: ${need[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${need[@]}" >/dev/null
