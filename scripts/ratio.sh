#!/usr/bin/env bash
# Lines of test per line of program: non-blank lines of the tests' .cpp, .h, .py and
# .sh files against those of src/ and assets/ (.cpp, .h). Fuzz corpora, benchmarks
# and scripts count neither way.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { git ls-files "$@" | xargs cat | grep -c -v '^\s*$'; }
tests=$(count 'tests/*.cpp' 'tests/*.h' 'tests/*.py' 'tests/*.sh')
program=$(count 'src/*.cpp' 'src/*.h' 'assets/*.cpp' 'assets/*.h')
echo "tests $tests program $program ratio $(python3 -c "print(round($tests / $program, 3))")"
