#!/usr/bin/env bash
# Fails when a source file is not in the committed style (.clang-format),
# so that a diff is never about spaces. `clang-format -i FILE` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "clang-format is not installed (scripts/install-packages.sh)"; exit 1; }
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
