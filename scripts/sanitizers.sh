#!/usr/bin/env bash
# Builds Voltarix with clang, AddressSanitizer and UndefinedBehaviorSanitizer in
# ./build-asan (with the fuzz targets, which need the same build) and runs the whole
# ctest suite in it. Any report ends the program that made it, so it fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."

# -O1 with line tables only: the sanitizers' usual choice, and a quicker build.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
    -DVOLTARIX_SANITIZE=ON -DVOLTARIX_FUZZ=ON -DVOLTARIX_BUILD_BENCH=OFF
cmake --build build-asan

source scripts/sanitizer-options.sh
# Not the Debian package: users get it from the normal build, which the normal run tests.
# Packed from this build the program is stripped, and LeakSanitizer's check at its exit
# then failed now and then in its own tracer ("Tracer caught signal 11").
ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -E '^install_package$'
