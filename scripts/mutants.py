#!/usr/bin/env python3
"""Measures what the test suite catches: applies simple faults to the program, one at a
time, rebuilds only what changed, runs the tests and reports the faults that no test
noticed.

The faults are drawn from every .cpp file of src/: a comparison flipped, a constant
changed by one, && and || swapped, a call deleted, a function that returns at once.
The sample is fixed by its seed: the same seed on the same sources gives the same
faults, so a run before and a run after a change of the tests compare like with like.

    scripts/mutants.py                     # 30 faults of each folder, seed 15
    scripts/mutants.py --list              # only show the sample
    scripts/mutants.py --folder tools      # the 30 faults of src/tools alone
    scripts/mutants.py --folder tools --only 7,12  # run two of them again

Each folder's faults are drawn on their own, so one folder's sample stays the same
while another folder's code changes, and a folder can be measured alone.

The build is kept in build-mutants/ (shared libraries, no optimisation, so a fault
costs one object and one library). A fault that does not build is reported apart and
does not count. Run it by hand; it is not part of the test command.
"""

import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import time
from collections import Counter, defaultdict
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
SRC = ROOT / "src"
FOLDERS = ["app", "board", "editor", "project", "symbols", "tools", "ui"]

# A binary comparison stands between blanks in our formatted code, which sets it apart
# from template brackets and from the stream and shift operators.
COMPARISONS = {" < ": " >= ", " > ": " <= ", " <= ": " > ", " >= ": " < ",
               " == ": " != ", " != ": " == "}
LOGIC = {" && ": " || ", " || ": " && "}
NUMBER = re.compile(r"(?<![\w.])(\d+)(?![\w.'])")
CALL = re.compile(r"^\s*(?:[A-Za-z_][\w]*(?:\.|->|::))*[A-Za-z_]\w*\(.*\);$")
VOID_FUNCTION = re.compile(r"^void [\w:]+\(.*\)( const)? \{$")
BOOL_FUNCTION = re.compile(r"^bool [\w:]+\(.*\)( const)? \{$")


def code_part(line):
    """The line without its string and character literals and its comment, with the
    literals blanked so that positions stay as they are."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def mutants_of(path):
    rel = str(path.relative_to(ROOT))
    lines = path.read_text(encoding="utf-8").split("\n")
    found = []
    in_comment = False
    for number, line in enumerate(lines, 1):
        stripped = line.strip()
        if in_comment:
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_comment = "*/" not in stripped
            continue
        if stripped.startswith(("#", "//")) or "static_assert" in line:
            continue
        code = code_part(line)

        def add(kind, start, old, new):
            found.append({"file": rel, "line": number, "kind": kind, "column": start,
                          "old": old, "new": new})

        for table, kind in ((COMPARISONS, "comparison"), (LOGIC, "logic")):
            for old, new in table.items():
                for m in re.finditer(re.escape(old), code):
                    add(kind, m.start(), old, new)
        # Numbers in array sizes and case labels give compile errors or duplicates; the
        # build tells, and such faults are reported as not built.
        for m in NUMBER.finditer(code):
            value = int(m.group(1))
            add("constant", m.start(), m.group(1), str(value + 1 if value < 2 else value - 1))
        if CALL.match(code.rstrip()) and not re.match(r"^\s*(return|delete|throw)\b", code) \
                and code.count("(") == code.count(")") and "=" not in code.split("(")[0]:
            add("call", 0, line, "")
        if VOID_FUNCTION.match(line) and number < len(lines) and lines[number].strip() != "}":
            add("return", len(line), "", " return;")
        if BOOL_FUNCTION.match(line) and number < len(lines):
            body = lines[number].strip()
            if not body.startswith("return"):
                add("return", len(line), "", " return false;")
    return found


def all_mutants():
    mutants = []
    for folder in FOLDERS:
        for path in sorted((SRC / folder).glob("*.cpp")):
            mutants.extend(mutants_of(path))
    return mutants


def sample(mutants, count, seed):
    """`count` faults of one folder, fixed by the seed. Each pick first draws a kind of
    fault, so that the many constants do not crowd out the rest."""
    rng = random.Random(seed)
    by_kind = defaultdict(list)
    for m in mutants:
        by_kind[m["kind"]].append(m)
    chosen = []
    for _ in range(min(count, len(mutants))):
        pool = by_kind[rng.choice(sorted(k for k in by_kind if by_kind[k]))]
        chosen.append(pool.pop(rng.randrange(len(pool))))
    chosen.sort(key=lambda m: (m["file"], m["line"], m["column"], m["kind"]))
    for index, m in enumerate(chosen, 1):
        m["id"] = index
    return chosen


def folder_of(m):
    return m["file"].split("/")[1]


def apply(m, text):
    lines = text.split("\n")
    line = lines[m["line"] - 1]
    if m["kind"] == "call":
        indent = line[: len(line) - len(line.lstrip())]
        lines[m["line"] - 1] = indent + ";"
    else:
        c = m["column"]
        assert line[c:c + len(m["old"])] == m["old"], (m, line)
        lines[m["line"] - 1] = line[:c] + m["new"] + line[c + len(m["old"]):]
    return "\n".join(lines)


def describe(m):
    if m["kind"] == "call":
        return f'{m["file"]}:{m["line"]}: call deleted: {m["old"].strip()}'
    if m["kind"] == "return":
        return f'{m["file"]}:{m["line"]}: returns at once'
    return f'{m["file"]}:{m["line"]}: {m["kind"]} {m["old"].strip()} -> {m["new"].strip()}'


def run(cmd, timeout=None, **kw):
    return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout, **kw)


def configure(build):
    if (build / "build.ninja").exists():
        return
    # Shared libraries, and executables that do not relink when one changes: a fault
    # then costs one object and one library. A fault may well make the compiler warn
    # (an unused variable, an empty loop); it must still be built and tested.
    result = run(["cmake", "-S", ".", "-B", str(build), "-G", "Ninja",
                  "-DCMAKE_BUILD_TYPE=None", "-DCMAKE_CXX_FLAGS=-O0",
                  "-DBUILD_SHARED_LIBS=ON", "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON",
                  "-DVOLTARIX_BUILD_BENCH=OFF", "-DVOLTARIX_WERROR=OFF"]
                 + (["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []))
    if result.returncode:
        sys.exit(result.stdout)


def build_ok(build, timeout=None):
    return run(["cmake", "--build", str(build)], timeout=timeout).returncode == 0


def tests_pass(build, folder, timeout, skip=()):
    """Runs the tests of the fault's own folder first, then all others, each part
    stopping at its first failure. Returns the name of a failing test, or None."""
    parts = [["-L", f"^{folder}$"], ["-LE", f"^{folder}$"]] if folder else [[]]
    if skip:
        parts = [p + ["-E", "^(" + "|".join(skip) + ")$"] for p in parts]
    for selection in parts:
        junit = build / "mutant.xml"
        junit.unlink(missing_ok=True)
        result = run(["ctest", "--test-dir", str(build), "-j", str(os.cpu_count() or 2),
                      "--stop-on-failure", "--timeout", str(timeout),
                      "--output-junit", str(junit)] + selection, timeout=timeout * 20)
        if result.returncode:
            text = junit.read_text(errors="replace") if junit.exists() else ""
            failed = re.findall(r'<testcase name="([^"]+)"[^>]*status="fail"', text)
            return failed[0] if failed else "?"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--seed", type=int, default=15)
    parser.add_argument("--count", type=int, default=30, help="faults per folder")
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--list", action="store_true", help="only show the sample")
    parser.add_argument("--folder", choices=FOLDERS, help="this folder of src/ alone")
    parser.add_argument("--only", help="ids of that folder's sample to run, comma-separated")
    parser.add_argument("--timeout", type=int, default=120, help="seconds a test may take")
    parser.add_argument("--report", default=None, help="write the results as JSON here")
    args = parser.parse_args()

    if args.only and not args.folder:
        parser.error("--only needs --folder")
    mutants = all_mutants()
    chosen = []
    for folder in [args.folder] if args.folder else FOLDERS:
        chosen += sample([m for m in mutants if m["file"].split("/")[1] == folder], args.count,
                         args.seed)
    if args.only:
        wanted = {int(i) for i in args.only.split(",")}
        chosen = [m for m in chosen if m["id"] in wanted]
    if args.list:
        per = Counter(m["file"].split("/")[1] for m in chosen)
        for m in chosen:
            print(f'{folder_of(m):8}{m["id"]:3} {describe(m)}')
        print("per folder:", dict(sorted(per.items())))
        return

    build = (ROOT / args.build).resolve()
    configure(build)
    print("building the unchanged program ...", flush=True)
    if not build_ok(build):
        sys.exit("the unchanged program does not build")
    skip = []
    while (failing := tests_pass(build, None, args.timeout, skip)) is not None:
        if failing == "?" or len(skip) > 3:
            sys.exit("the unchanged program fails its tests: fix that first")
        print(f"{failing} fails on the unchanged program in this build; left out", flush=True)
        skip.append(failing)

    results = []
    try:
        for m in chosen:
            path = ROOT / m["file"]
            original = path.read_text(encoding="utf-8")
            started = time.monotonic()
            try:
                path.write_text(apply(m, original), encoding="utf-8")
                if not build_ok(build, timeout=1800):
                    verdict, by = "not built", None
                else:
                    by = tests_pass(build, m["file"].split("/")[1], args.timeout, skip)
                    verdict = "caught" if by else "SURVIVED"
            except subprocess.TimeoutExpired:
                verdict, by = "caught", "(timeout)"
            finally:
                path.write_text(original, encoding="utf-8")
            seconds = time.monotonic() - started
            results.append(dict(m, verdict=verdict, by=by))
            print(f'{folder_of(m):8}{m["id"]:3} {verdict:9} {seconds:5.0f} s  {describe(m)}'
                  + (f"  [{by}]" if by else ""), flush=True)
    finally:
        build_ok(build)  # back to the unchanged program

    counted = [r for r in results if r["verdict"] != "not built"]
    caught = sum(r["verdict"] == "caught" for r in counted)
    print()
    print(f"{len(results)} faults, {len(results) - len(counted)} did not build; "
          f"of {len(counted)} built, {caught} caught ({100.0 * caught / max(1, len(counted)):.1f} %)")
    for folder in FOLDERS:
        mine = [r for r in counted if r["file"].split("/")[1] == folder]
        if mine:
            print(f"  {folder:8} {sum(r['verdict'] == 'caught' for r in mine):3} of {len(mine)}")
    survivors = [r for r in counted if r["verdict"] == "SURVIVED"]
    if survivors:
        print("\nno test noticed:")
        for r in survivors:
            print(f'{folder_of(r):8}{r["id"]:3} {describe(r)}')
    if args.report:
        Path(args.report).write_text(json.dumps(results, indent=1))


if __name__ == "__main__":
    main()
