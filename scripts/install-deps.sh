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
      libreoffice-writer-nogui nsis zlib1g-dev libpng-dev python3-pil
      pkgconf libtsk-dev mtools dosfstools fdisk ntfs-3g qemu-utils ewf-tools)
for p in "${pkgs[@]}"; do have_pkg "$p" || need+=("$p"); done
export DEBIAN_FRONTEND=noninteractive
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages: ${need[*]} (run as root or install them with apt-get)" >&2
    exit 1
  fi
  echo "installing: ${need[*]}"
  apt-get update -qq
  apt-get install -y -qq "${need[@]}" >/dev/null
fi
# 32-bit Wine runs the shipped 32-bit programs and their tests, but only where the kernel runs
# 32-bit code: elsewhere installing it breaks the 64-bit Wine as well.
here=$(cd "$(dirname "$0")" && pwd)
if ! have_pkg wine32:i386 && why=$("$here/runs-32bit.sh"); then
  if [ "$(id -u)" != 0 ]; then
    echo "missing package: wine32:i386 (run as root or install it with apt-get)" >&2
    exit 1
  fi
  echo "installing: wine32:i386"
  dpkg --add-architecture i386
  apt-get update -qq
  apt-get install -y -qq wine32:i386 >/dev/null
elif ! have_pkg wine32:i386; then
  echo "32-bit Wine not installed: $why"
fi
exit 0
