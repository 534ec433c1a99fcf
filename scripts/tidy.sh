#!/usr/bin/env bash
# clang-tidy (.clang-tidy) over src/, or over the files given, with the compile
# database of build/ (run a build first). GCC's precompiled headers are no use to
# clang, so the checks run on a copy of the database without them; the prefix header
# is still included as text, so that every file sees what it sees in the build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
[[ -f "$build/compile_commands.json" ]] || { echo "tidy: build $build first" >&2; exit 1; }
tidy=$(mktemp -d)
trap 'rm -rf "$tidy"' EXIT
python3 - "$build/compile_commands.json" "$tidy" <<'PY'
import json, pathlib, re, shutil, sys
database, out = sys.argv[1], pathlib.Path(sys.argv[2])
entries = json.load(open(database))
for e in entries:
    def copy(m):
        # The prefix header under another name, which clang takes as text.
        header = pathlib.Path(m.group(1))
        kopie = out / (header.parent.parent.name + "_" + header.name + ".h")
        if not kopie.exists():
            shutil.copy(header, kopie)
        return "-include " + str(kopie)
    e["command"] = re.sub(r"-include (\S+cmake_pch\.hxx)", copy, e["command"])
    e["command"] = e["command"].replace("-Winvalid-pch", "")
json.dump(entries, open(out / "compile_commands.json", "w"), indent=1)
PY
if [[ $# -eq 0 ]]; then set -- "$PWD/src/"; fi
exec run-clang-tidy -p "$tidy" -quiet -j "$(nproc)" "$@"
