#!/usr/bin/env bash
# Installs the Debian packages the game needs, only those missing.
#   install-deps.sh run    what building and playing needs
#   install-deps.sh test   that, plus what the tests need (Xvfb, xdotool, ImageMagick, …)
set -euo pipefail

run_pkgs=(cmake g++ make qt6-base-dev qt6-qpa-plugins libgl-dev fonts-liberation)
test_pkgs=(libgtest-dev xvfb xauth xdotool x11-utils libx11-dev imagemagick desktop-file-utils appstream dpkg-dev file qt6-base-private-dev valgrind
           weston qt6-wayland dbus-daemon at-spi2-core python3-pyatspi)

pkgs=("${run_pkgs[@]}")
[ "${1:-run}" = test ] && pkgs+=("${test_pkgs[@]}")

missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
