#!/usr/bin/env bash
# Builds Voltarix, lays out its application folder and starts it. Arguments are
# passed on, for example --app-folder DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# The build lays out build/app. A folder named with --app-folder or VOLTARIX_HOME
# gets the starter content here; files laid out there before are left as they are.
# A folder that cannot take it does not keep the program from starting.
build/assets/voltarix-starter lay-out build/starter build/app "$@" || true
exec build/app/voltarix "$@"
