#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole suite: a plain build (again under the German
# regional setting and, as root, the suites with permission cases without the capabilities that
# override file permissions), then a build with AddressSanitizer and UndefinedBehaviorSanitizer.
# Exits non-zero on any failure.
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

# Only the decimal separator may follow the regional setting: the suite again under German.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen \
    ctest --test-dir build/test --output-on-failure -j "$jobs"

# The superuser reads and writes through any permission, so the cases of a file that may not be
# read or a folder that may not be written only show without the capabilities that allow it.
if [[ "$(id -u)" == 0 ]] && command -v setpriv >/dev/null; then
    for t in text_tests dynapdf_tests app_tests; do
        QT_QPA_PLATFORM=offscreen setpriv --bounding-set -dac_override,-dac_read_search -- \
            "build/test/bin/$t" --gtest_brief=1
    done
fi

ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTOLVEK_SANITIZE=ON
echo "All tests passed (plain and sanitizer builds)."
