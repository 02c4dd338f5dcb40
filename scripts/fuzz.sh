#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UBSan on) and runs
# each for a while: scripts/fuzz.sh [seconds per target]  (default 60).
# The targets: sheet_reader (data sheets, CSV and TXT), driver_file (.wdr
# driver files and XML driver databases) and clipboard_text (a model pasted
# as text). The sibling messages get theirs when the link is built.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMERESTONE_FUZZ=ON -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF >/dev/null
cmake --build build-fuzz --target sheet_reader_fuzz driver_file_fuzz clipboard_text_fuzz
for name in sheet_reader driver_file clipboard_text; do
    work=$(mktemp -d)
    cp fuzz/corpus/$name/* "$work"/
    build-fuzz/bin/${name}_fuzz -max_total_time="${1:-60}" -max_len=4096 "$work" fuzz/corpus/$name
    echo "new inputs stay in $work; copy the few that matter into fuzz/corpus/$name"
done
