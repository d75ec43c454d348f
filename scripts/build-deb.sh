#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from debian/ (make package) and leaves the .deb files in the
# output folder (build/ by default).
#   build-deb.sh [output folder]
# dpkg-buildpackage writes into the source tree and next to it, so it runs on a fresh
# copy of the checkout's files inside the output folder, as on a clean clone: nothing
# left by other builds gets in, and the checkout stays untouched.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$src/build}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# Every date written into the package (file times in the archive, the pictures' times in
# the program's resources) comes from this one, so that the same commit builds the same
# bytes. Outside a Git checkout, dpkg-buildpackage takes the date of debian/changelog.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
    SOURCE_DATE_EPOCH=$(git -C "$src" log -1 --format=%ct)
    export SOURCE_DATE_EPOCH
fi

tree=$out/debian-build
rm -rf "$tree"
mkdir -p "$tree/batonnets"
# The files Git knows (changed or not, new or not, but not ignored), or else all of them
# but the build folders. Files get the copy's time, as in a new clone.
if git -C "$src" rev-parse --git-dir >/dev/null 2>&1; then
    (cd "$src" && git ls-files -z --cached --others --exclude-standard --deduplicate |
        while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf -) | tar -xmf - -C "$tree/batonnets"
else
    (cd "$src" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -xmf - -C "$tree/batonnets"
fi

(cd "$tree/batonnets" &&
    DEB_BUILD_OPTIONS="parallel=${JOBS:-$(nproc)} ${DEB_BUILD_OPTIONS:-}" dpkg-buildpackage -us -uc -b) \
    >"$tree/build.log" 2>&1 || { tail -n 60 "$tree/build.log" >&2; echo "dpkg-buildpackage failed; the whole log is $tree/build.log" >&2; exit 1; }
rm -f "$out"/batonnets_*.deb "$out"/batonnets-dbgsym_*.deb
mv "$tree"/*.deb "$out"/
ls "$out"/batonnets_*.deb
