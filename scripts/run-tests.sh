#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   scripts/run-tests.sh            the normal build
#   scripts/run-tests.sh sanitize   with AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

scripts/install-dependencies.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
