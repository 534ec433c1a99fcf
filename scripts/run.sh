#!/usr/bin/env bash
# Builds Voltarix, lays out its application folder and starts it. Arguments are
# passed on, for example --app-folder DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
exec build/app/voltarix "$@"
