#!/usr/bin/env bash
# Builds Zyntra and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DZYNTRA_BENCHMARKS=OFF >/dev/null
cmake --build build --target zyntra -j2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Zyntra on a virtual X server (xvfb-run)." >&2
    exec xvfb-run -a ./build/zyntra
fi
exec ./build/zyntra
