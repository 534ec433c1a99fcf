#!/usr/bin/env bash
# Runs every fuzz target of tests/fuzz for a few seconds (FUZZ_SECONDS, default 8)
# on a copy of its corpus, as many at once as there are cores; needs the build of
# scripts/sanitizers.sh. A crash, a sanitizer report or a broken property fails the
# command, and the input that did it is kept in build-asan/fuzz-findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-8}"
source scripts/sanitizer-options.sh
# libFuzzer reports leaks itself; Qt keeps a few allocations to the end of the process.
export ASAN_OPTIONS="$ASAN_OPTIONS:detect_leaks=0"
export QT_QPA_PLATFORM=offscreen

targets=(settings dattekst projectblad symbool onderdeel bmpvolledig)
cmake --build build-asan --target "${targets[@]/#/fuzz_}"
findings="$PWD/build-asan/fuzz-findings"
mkdir -p "$findings"

# One target on a copy of its corpus; its report is printed when it is done.
fuzz() {
    local target="$1" work
    work="$(mktemp -d)"
    cp -r "tests/fuzz/corpus/$target/." "$work/"
    if ! build-asan/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -max_len=65536 \
            -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
            -artifact_prefix="$findings/$target-" "$work" 2> "$work.log"; then
        tail -n 60 "$work.log"
        echo "fuzz_$target FAILED; the input is in $findings"
        rm -rf "$work" "$work.log"
        return 1
    fi
    echo "fuzz_$target: $seconds s"
    grep -E "^(stat::number_of_executed_units|stat::new_units_added)" "$work.log" || true
    rm -rf "$work" "$work.log"
}

# As many targets at once as there are cores; each gets its full time.
export -f fuzz
export seconds findings
printf '%s\n' "${targets[@]}" | xargs -P "$(nproc)" -I{} bash -c 'fuzz {}' ||
    { echo "fuzz: a target failed"; exit 1; }
echo "fuzz: ${#targets[@]} passed, 0 failed"
