#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

build=${TRAVIK_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The program alone, with the pictures and icons it embeds; ./scripts/test.sh builds the tests and benchmarks.
cmake --build "$build" --target TravikDiagram

program="$build/src/app/TravikDiagram"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
  echo "Built $program; to run it on a virtual X server (Xvfb) instead:" >&2
  echo "  xvfb-run -a ./scripts/start.sh" >&2
  exit 1
fi
exec "$program" "$@"
