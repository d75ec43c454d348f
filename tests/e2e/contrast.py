#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# contrast.py SCREENSHOT X,Y,W,H,INSET... — how well the text of each area of a screenshot reads, as
# WCAG 2 reckons contrast: the face is the ring of pixels INSET px inside the area's edge (inside
# its outline, outside its text), clear of its corners (its top and bottom rows, its first and last columns: a gradient's extremes); the text, the commonest colour
# inside that stands out from the face's median at 3:1 or more. Prints the worst contrast of the
# text against any pixel of the ring, one line an area.
import subprocess
import sys
from collections import Counter


def luminance(c):
    def channel(v):
        s = v / 255
        return s / 12.92 if s <= 0.04045 else ((s + 0.055) / 1.055) ** 2.4
    return 0.2126 * channel(c[0]) + 0.7152 * channel(c[1]) + 0.0722 * channel(c[2])


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def pixels(path):
    ppm = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    header = ppm.split(maxsplit=4)  # P6 width height maxval data
    width, height, data = int(header[1]), int(header[2]), header[4]
    return lambda x, y: tuple(data[3 * (y * width + x):3 * (y * width + x) + 3])


def reading(at, x, y, w, h, d):
    # Clear of the rounded corners, which lie on the outline or the backdrop.
    ring = [at(x + i, y + d) for i in range(8, w - 8)] + [at(x + i, y + h - 1 - d) for i in range(8, w - 8)]
    ring += [at(x + d, y + j) for j in range(8, h - 8)] + [at(x + w - 1 - d, y + j) for j in range(8, h - 8)]
    median = sorted(ring, key=luminance)[len(ring) // 2]
    inside = Counter(at(i, j) for j in range(y + d + 1, y + h - d - 1) for i in range(x + d + 1, x + w - d - 1)
                     if contrast(at(i, j), median) >= 3)
    if not inside:
        return 0.0
    text = inside.most_common(1)[0][0]
    return min(contrast(text, c) for c in ring)


at = pixels(sys.argv[1])
for area in sys.argv[2:]:
    print(f"{area} {reading(at, *map(int, area.split(','))):.2f}")
