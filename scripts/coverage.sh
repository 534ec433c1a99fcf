#!/usr/bin/env bash
# Line coverage of src/ by the whole ctest suite (the end-to-end tests included), with
# gcovr. Builds with --coverage in ./build-cov; prints the summary and writes
# build-cov/coverage.txt with the figures per file. Every program of that build also
# writes its counts when stopped by SIGTERM (scripts/gcov_sigterm.c), as the end-to-end
# tests stop the program. Run it by hand; it is not part of the test command.
set -euo pipefail
cd "$(dirname "$0")/.."
dpkg-query -W -f='${Status}' gcovr 2>/dev/null | grep -q "install ok installed" || {
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get install -y -q --no-install-recommends gcovr
}
scripts/setup.sh >/dev/null # the packages the build and the tests need
mkdir -p build-cov
gcc -O2 -c scripts/gcov_sigterm.c -o build-cov/gcov_sigterm.o
cmake -S . -B build-cov -G Ninja -DCMAKE_BUILD_TYPE=None \
    -DCMAKE_CXX_FLAGS="-O0 --coverage" \
    -DCMAKE_EXE_LINKER_FLAGS="--coverage $PWD/build-cov/gcov_sigterm.o" \
    -DVOLTARIX_BUILD_BENCH=OFF >/dev/null
cmake --build build-cov
find build-cov -name '*.gcda' -delete
status=0
ctest --test-dir build-cov --output-on-failure -j"$(nproc)" || status=$?
gcovr --root . --filter 'src/' --object-directory build-cov \
    --txt build-cov/coverage.txt --print-summary
exit $status
