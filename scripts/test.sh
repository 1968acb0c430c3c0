#!/usr/bin/env bash
# Builds Zyntra with its tests and benchmarks, and runs every test.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
# The builds are the presets of CMakePresets.json: build/ and build-sanitize/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh

preset=default
if [ "${1:-}" = "--sanitize" ]; then
    preset=sanitize
    # Also for the build, which runs the icon renderer it has just built.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j2
