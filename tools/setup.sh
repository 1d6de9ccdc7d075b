#!/bin/bash
# Installs what building and testing Tunelet needs on a Debian machine: the
# native toolchain with GoogleTest, clang with libFuzzer, MinGW-w64 for the
# 32-bit Windows program, 32-bit Wine and a virtual X display; and, on a
# machine whose kernel runs no 32-bit programs, 64-bit Wine and MinGW-w64 for
# the tests' 64-bit build. Does nothing when all is there; asks for root
# through sudo only when something is missing and it is not root.
set -euo pipefail
cd "$(dirname "$0")/.."

run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
updated=""
install_missing() {
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    run_as_root dpkg --add-architecture i386
  fi
  [ -n "$updated" ] || run_as_root apt-get update -q
  updated=1
  run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    "${missing[@]}"
}

install_missing cmake make g++ googletest libgtest-dev clang libclang-rt-dev g++-mingw-w64-i686 \
  wine wine32:i386 xvfb x11-utils imagemagick procps unzip python3
source tools/wine_bits.sh
if [ "$windows_bits" = 64 ]; then
  echo "This machine runs no 32-bit programs: the end-to-end suite runs a 64-bit build."
  install_missing wine64 g++-mingw-w64-x86-64
fi
