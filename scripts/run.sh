#!/usr/bin/env bash
# Sets up what is missing, builds Merestone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF >/dev/null
cmake --build build-run
# With no arguments it opens the sample data sheet, as the desktop would.
if [ $# -eq 0 ]; then set -- examples/drivers.spdata; fi
exec build-run/bin/merestone "$@"
