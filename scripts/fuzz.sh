#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UBSan on) and runs
# the data sheet reader's fuzzer: scripts/fuzz.sh [seconds]  (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
command -v clang++ >/dev/null || { sudo=""; [ "$(id -u)" -eq 0 ] || sudo=sudo; $sudo apt-get install -y -qq clang libclang-rt-14-dev; }
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMERESTONE_FUZZ=ON -DMERESTONE_TESTS=OFF -DMERESTONE_BENCH=OFF >/dev/null
cmake --build build-fuzz --target sheet_reader_fuzz
work=$(mktemp -d)
cp fuzz/corpus/sheet_reader/* "$work"/
build-fuzz/bin/sheet_reader_fuzz -max_total_time="${1:-60}" -max_len=4096 "$work" fuzz/corpus/sheet_reader
echo "new inputs stay in $work; copy the few that matter into fuzz/corpus/sheet_reader"
