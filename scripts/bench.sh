#!/usr/bin/env bash
# Runs every benchmark program build/bench/bench_* and prints one Markdown table of
# all figures (the table in bench/README.md is made with it). Needs the build of setup.sh;
# bench_opstart_x11 starts its own Xvfb. Extra arguments go to every program.
set -euo pipefail
cd "$(dirname "$0")/.."
results="$(mktemp -d)"
trap 'rm -rf "$results"' EXIT
for bench in build/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "running $bench" >&2
    "$bench" --benchmark_out="$results/$(basename "$bench").json" --benchmark_out_format=json \
        "$@" > /dev/null
done
python3 - "$results" <<'PY'
import glob, json, os, sys
print("| program | benchmark | time | CPU | iterations | other |")
print("|---|---|---:|---:|---:|---|")
for pad in sorted(glob.glob(os.path.join(sys.argv[1], "*.json"))):
    programma = os.path.basename(pad)[:-5]
    for b in json.load(open(pad))["benchmarks"]:
        eenheid = b.get("time_unit", "ns")
        tekst = lambda waarde: "%.3g %s" % (waarde, eenheid)
        rest = ", ".join("%s = %.3g" % (k, v) for k, v in b.items()
                         if k not in ("name", "run_name", "run_type", "repetitions",
                                      "repetition_index", "threads", "iterations", "real_time",
                                      "cpu_time", "time_unit", "family_index",
                                      "per_family_instance_index", "aggregate_name")
                         and isinstance(v, (int, float)))
        print("| %s | %s | %s | %s | %d | %s |" % (programma, b["name"], tekst(b["real_time"]),
                                                  tekst(b["cpu_time"]), b["iterations"], rest))
PY
