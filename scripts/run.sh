#!/usr/bin/env bash
# Sets up what is missing, builds Merestone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF >/dev/null
cmake --build build
exec build/bin/merestone "$@"
