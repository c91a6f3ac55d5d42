#!/usr/bin/env bash
# Installs everything the build, the tests and the program need on a fresh Debian 12 machine.
# Run as root (or through sudo). Safe to run again: apt-get skips what is already there.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config git
  # CI checks the C++ sources against .clang-format
  clang-format
  # Qt 6: Widgets, PrintSupport, Test, and the offscreen platform used by the tests
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev libgl-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the axes' "Arial" resolves to Liberation Sans
  fonts-liberation fonts-dejavu-core
  # printing tests render the PDF page to PNG
  poppler-utils
  # the Windows resource script is compiled and read back with the MinGW tools
  binutils-mingw-w64-x86-64
  # the desktop entry is checked with desktop-file-validate
  desktop-file-utils
  # a virtual X server for running the program on a machine without a desktop: xvfb-run -a ./scripts/start.sh
  xvfb xauth
)

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    exec sudo -E "$0" "$@"
  fi
  echo "install-deps.sh: run as root" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
