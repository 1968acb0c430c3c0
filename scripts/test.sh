#!/usr/bin/env bash
# Builds Zyntra with its tests and benchmarks, and runs every test.
# With --sanitize the build uses AddressSanitizer and UndefinedBehaviorSanitizer.
# With --fuzz it builds the libFuzzer targets with clang, under both, and
# runs each a short while after its saved inputs.
# The builds are the presets of CMakePresets.json: build/, build-sanitize/
# and build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=default
case "${1:-}" in
--sanitize) preset=sanitize ;;
--fuzz) preset=fuzz ;;
esac
if [ "$preset" = fuzz ]; then
    bash scripts/install-packages.sh clang libclang-rt-dev
else
    bash scripts/install-packages.sh
fi
if [ "$preset" != default ]; then
    # Also for the build, which runs the icon renderer it has just built.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j2
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" -j2
