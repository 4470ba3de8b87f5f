#!/usr/bin/env bash
# Installs what is missing, builds (Release) and starts the program. Without a display it
# renders the bundled sample invoice headless and tells where the PDF went.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)"

bin=build/release/bin
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display: rendering the sample invoice headless."
    out=$(mktemp -d)
    cp examples/*.xml "$out"/
    "$bin/tolvek-render" "$out"/*.xml
    exit 0
fi
exec "$bin/tolvek"
