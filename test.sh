#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite twice: a plain build, then a build
# with AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

jobs=$(nproc)
run_suite() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir" -j "$jobs"
    # Tests that draw or print run without a display.
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j "$jobs"
}

run_suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVEK_WERROR=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOLVEK_SANITIZE=ON
echo "All tests passed (plain and sanitizer builds)."
