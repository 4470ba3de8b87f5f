#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, but only those
# that are missing, so a second run costs one dpkg query.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev
    qt6-base-dev
    libcairo2-dev libfontconfig-dev fonts-liberation
    poppler-utils libpoppler-cpp-dev
    clang-format
    locales
)
# Under a real X server the windows can be shown and photographed; CI runs them offscreen.
if [[ "${TOLVEK_WITH_XVFB:-0}" == 1 ]]; then
    packages+=(xvfb xauth)
fi

# The German and an English regional setting, so the tests can prove that only the decimal
# separator follows the locale.
want_locales=(de_DE en_US)

missing=()
for p in "${packages[@]}"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]]; then
        missing+=("$p")
    fi
done
sudo_cmd=()
if [[ "$(id -u)" != 0 ]]; then
    sudo_cmd=(sudo)
fi

if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi

for l in "${want_locales[@]}"; do
    if ! locale -a 2>/dev/null | grep -qx "$l.utf8"; then
        echo "Generating locale $l.UTF-8"
        # localedef exits 1 on mere warnings; a locale that is still missing only skips its test.
        "${sudo_cmd[@]}" localedef -i "$l" -c -f UTF-8 "$l.UTF-8" || true
    fi
done
