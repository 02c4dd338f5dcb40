#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UBSan on) and runs
# each for a while: scripts/fuzz.sh [seconds per target]  (default 60).
# The targets: sheet_reader (data sheets, CSV and TXT) and driver_file
# (.wdr driver files and XML driver databases).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
command -v clang++ >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq clang libclang-rt-14-dev; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMERESTONE_FUZZ=ON -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF >/dev/null
cmake --build build-fuzz --target sheet_reader_fuzz driver_file_fuzz
for name in sheet_reader driver_file; do
    work=$(mktemp -d)
    cp fuzz/corpus/$name/* "$work"/
    build-fuzz/bin/${name}_fuzz -max_total_time="${1:-60}" -max_len=4096 "$work" fuzz/corpus/$name
    echo "new inputs stay in $work; copy the few that matter into fuzz/corpus/$name"
done
