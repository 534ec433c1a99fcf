#!/usr/bin/env bash
# Builds Voltarix and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
