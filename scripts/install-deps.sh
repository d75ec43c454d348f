#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the game needs, only those missing.
#   install-deps.sh run       what building and playing needs
#   install-deps.sh web       what building the page needs (Emscripten, the fonts it ships)
#   install-deps.sh package   that, plus what building the Debian package needs
#   install-deps.sh test      all of that, plus what the tests need (Xvfb, xdotool, lintian,
#                             the accessibility bus and its Python client, Chromium, …)
set -euo pipefail
cd "$(dirname "$0")/.."

# The X11 platform plugin and the JPEG and ICO readers come with libqt6gui6, which
# qt6-base-dev pulls in.
# qt6-l10n-tools has lrelease, which compiles the translations into the program.
run_pkgs=(cmake g++ make qt6-base-dev qt6-l10n-tools libgl-dev fonts-liberation)
# The page: Debian's Emscripten (with its node), the Liberation fonts it ships, cut and
# compressed by fontTools, and Python to convert the translations; GoogleTest's sources
# for the core's tests under node.
web_pkgs=(cmake make emscripten nodejs python3 python3-fonttools python3-brotli fonts-liberation
    libgtest-dev)
# debian/control names the rest (its Build-Depends), installed below.
package_pkgs=(dpkg-dev debhelper)
test_pkgs=(libgtest-dev xvfb xauth xdotool x11-utils libx11-dev imagemagick desktop-file-utils appstream
    appstream-util lintian man-db file qt6-base-private-dev valgrind
    weston qt6-wayland dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0 orca
    xdg-desktop-portal xdg-desktop-portal-gtk libglib2.0-bin gsettings-desktop-schemas
    chromium chromium-driver python3-selenium python3-pil)

mode=${1:-run}
pkgs=("${run_pkgs[@]}")
case $mode in
run) ;;
web) pkgs=("${web_pkgs[@]}") ;;
package) pkgs+=("${package_pkgs[@]}") ;;
test) pkgs+=("${package_pkgs[@]}" "${web_pkgs[@]}" "${test_pkgs[@]}") ;;
*) echo "usage: $0 run|web|package|test" >&2; exit 2 ;;
esac

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null; then
    sudo=(sudo)
else
    sudo=(false)
fi
export DEBIAN_FRONTEND=noninteractive
updated=""
apt_get() {
    if [ "${sudo[0]:-}" = false ]; then
        echo "Packages are missing and neither root nor sudo is available: apt-get $*" >&2
        exit 1
    fi
    [ -n "$updated" ] || { "${sudo[@]}" apt-get update -q; updated=1; }
    "${sudo[@]}" apt-get "$@"
}

missing=()
for p in "${pkgs[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt_get install -y -q --no-install-recommends "${missing[@]}"
fi

# The package's own build dependencies, as a Debian build machine would install them.
if [ "$mode" != run ] && [ "$mode" != web ] && ! dpkg-checkbuilddeps debian/control 2>/dev/null; then
    echo "Installing the build dependencies of debian/control"
    apt_get build-dep -y -q --no-install-recommends ./
fi
