#!/usr/bin/env bash
# Builds Voltarix and runs every test: the whole ctest suite (the end-to-end tests on
# a private X server among them), the same suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short run of every fuzz target. Any failure in
# any part fails the command.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/sanitizers.sh
scripts/fuzz.sh
