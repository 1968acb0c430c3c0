#!/usr/bin/env bash
# Builds Zyntra and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
# A folder of its own, so that starting and testing never rebuild each other.
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DZYNTRA_BENCHMARKS=OFF >/dev/null
cmake --build build-release --target zyntra -j2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting Zyntra on a virtual X server (xvfb-run)." >&2
    exec xvfb-run -a ./build-release/zyntra
fi
exec ./build-release/zyntra
