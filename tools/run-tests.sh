#!/bin/sh
# Installs what the tests need, builds, and runs every test through CTest:
# first in a normal build, then in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. PONDUS_SKIP_SANITIZE=1 runs only the first.
set -eu
cd "$(dirname "$0")/.."

tools/install-deps.sh test

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

run_suite() {
    folder=$1
    shift
    cmake -S . -B "$folder" -DCMAKE_BUILD_TYPE=Debug -DPONDUS_WERROR=ON "$@" >/dev/null
    cmake --build "$folder" -j "$jobs"
    ctest --test-dir "$folder" -j "$jobs" --output-on-failure --timeout 300
}

run_suite build-test
if [ "${PONDUS_SKIP_SANITIZE:-0}" != 1 ]; then
    # The Firebird client library keeps allocations until process end by design;
    # leaks are checked in our own code through the suppressions file.
    export LSAN_OPTIONS="suppressions=$(pwd)/tools/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    run_suite build-sanitize -DPONDUS_SANITIZE=ON
fi
