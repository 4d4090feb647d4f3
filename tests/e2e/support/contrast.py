#!/usr/bin/env python3
"""The WCAG contrast ratio of the text in a box of a screenshot: contrast.py <png> <x> <y> <w> <h>.

The background is the box's median luminance (a label's glyphs cover well under half
of it); the text is the luminance farthest from it that at least 2 % of the pixels
reach, so a stray pixel of a border or of anti-aliasing does not count as the text.
"""
import re
import subprocess
import sys


def luminance(r, g, b):
    def linear(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def main():
    png, x, y, w, h = sys.argv[1], *map(int, sys.argv[2:6])
    pixels = subprocess.run(["convert", png, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "txt:-"],
                            check=True, capture_output=True, text=True).stdout
    values = sorted(luminance(*map(int, m.groups()[:3]))
                    for m in re.finditer(r"\((\d+),(\d+),(\d+)", pixels))
    background = values[len(values) // 2]
    distances = sorted((abs(v - background), v) for v in values)
    text = distances[int(len(distances) * 0.98)][1]
    light, dark = max(text, background), min(text, background)
    print(f"{(light + 0.05) / (dark + 0.05):.2f}")


main()
