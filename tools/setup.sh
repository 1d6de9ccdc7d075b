#!/bin/bash
# Installs what building and testing Tunelet needs on a Debian machine: the
# native toolchain with GoogleTest, clang with libFuzzer, MinGW-w64 for the
# 32-bit Windows program, 32-bit Wine and a virtual X display. Does nothing when all is there; asks
# for root through sudo only when something is missing and it is not root.
set -euo pipefail

packages=(cmake make g++ googletest libgtest-dev clang libclang-rt-dev g++-mingw-w64-i686 wine
  wine32:i386 xvfb x11-utils imagemagick procps unzip)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
run_as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  run_as_root dpkg --add-architecture i386
fi
run_as_root apt-get update -q
run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "${missing[@]}"
