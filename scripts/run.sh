#!/usr/bin/env bash
# Sets up what is missing, builds Merestone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF >/dev/null
cmake --build build-run
# The stand-in sibling takes the places of Tarnwell, Fellmark and Beckline
# for this run (unless real ones are installed), so sending a model shows.
siblings=build-run/sibling-bin
mkdir -p "$siblings"
for n in tarnwell fellmark beckline; do
    command -v "$n" >/dev/null || ln -sf "$PWD/build-run/bin/merestone-sibling" "$siblings/$n"
done
export PATH="$PWD/$siblings:$PATH"
# With no arguments it opens the sample data sheet, as the desktop would.
if [ $# -eq 0 ]; then set -- examples/drivers.spdata; fi
exec build-run/bin/merestone "$@"
