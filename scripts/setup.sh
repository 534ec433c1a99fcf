#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds Voltarix
# in ./build. Used by run.sh and test.sh; safe to run again.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev qt6-translations-l10n fonts-liberation
          libbenchmark-dev libgif-dev libx11-dev libxtst-dev
          xvfb xauth xdotool x11-utils xclip imagemagick poppler-utils python3
          desktop-file-utils appstream dpkg-dev file lintian clang libclang-rt-14-dev valgrind
          libzip-dev libpng-dev shared-mime-info xdg-utils libfile-mimeinfo-perl qt6-wayland weston xwayland)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
