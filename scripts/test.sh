#!/usr/bin/env bash
# Sets up what is missing, then builds and runs the whole test suite twice:
# once as shipped (warnings are errors) and once under AddressSanitizer and
# UndefinedBehaviorSanitizer. The tests run headless on a private D-Bus
# session bus. First every C++ file must be formatted as .clang-format says;
# last, each fuzz target runs for 30 seconds when clang is there (the set-up
# installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh

jobs=$(nproc)
run_suite() { # build-dir, extra cmake options...
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DMERESTONE_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && dbus-run-session -- ctest --output-on-failure -j "$jobs" --timeout 120)
}

run_suite build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DMERESTONE_SANITIZE=ON -DMERESTONE_BENCH=OFF
unset ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS
if command -v clang++ >/dev/null; then scripts/fuzz.sh 30; fi
