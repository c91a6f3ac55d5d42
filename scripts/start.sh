#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${TRAVIK_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build"

program="$build/src/app/TravikDiagram"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  exit 1
fi
exec "$program" "$@"
