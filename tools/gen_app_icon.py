#!/usr/bin/env python3
"""Generates the application icon: the coloured moon of the moon pictures (the model in
gen_moon_art.py), waxing gibbous, with the night side faintly lit by earthshine so that the disc
stays round on light and dark panels alike. One RGBA PNG per size of the desktop's icon theme,
transparent around the disc. Standard library only; the output is deterministic, so
regenerating must reproduce the committed pictures.

    python3 tools/gen_app_icon.py [--out DIR]     (default: resources/appicon beside this tool)
"""

import argparse
import math
import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True  # keep the tools folder free of caches
import gen_moon_art as art  # noqa: E402

SIZES = [16, 24, 32, 48, 64, 128, 256]

# Disc radius as a share of the icon's width; the rest is the margin the icon theme expects.
RADIUS_SHARE = 0.46

# Phase angle of the moon picture (degrees): 0 at full moon, below 180 while waxing, so the
# shadow lies on the left. 50 degrees lights about four fifths of the disc.
PHASE_ANGLE = 50.0

# The night side's brightness relative to the day side, and its bluish tint.
EARTHSHINE = 0.3
EARTHSHINE_TINT = (0.85, 0.92, 1.1)

# Albedo samples across the disc: finer than the bitmaps' grid, for the 256-pixel icon.
SAMPLES = 256


def subsamples(size):
    """Per pixel and axis: more for small icons, whose edge pixels decide their look."""
    return 8 if size <= 32 else 4 if size <= 64 else 2


def in_shadow(u, v):
    # The terminator of the moon picture: on row v the shadow reaches from the limb to
    # cos(phase) of the row's half width.
    return u < -math.cos(math.radians(PHASE_ANGLE)) * math.sqrt(max(0.0, 1.0 - v * v))


def channel(value):
    # The coloured bitmaps' scale: black sky at 15, bright highlands near 230.
    return max(0.0, min(255.0, 15.0 + 215.0 * value))


def render(grid, size):
    """Rows of (r, g, b, a) bytes, top row first."""
    n = subsamples(size)
    centre = size / 2.0
    radius = size * RADIUS_SHARE
    rows = []
    for y in range(size):
        row = bytearray()
        for x in range(size):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    u = (x + (sx + 0.5) / n - centre) / radius
                    v = (centre - y - (sy + 0.5) / n) / radius
                    if u * u + v * v > 1.0:
                        continue
                    value = art.lookup(grid, u, v)
                    for k in range(3):
                        lit = channel(value[k])
                        acc[k] += lit * EARTHSHINE * EARTHSHINE_TINT[k] if in_shadow(u, v) else lit
                    hits += 1
            if hits:
                row += bytes(min(255, round(a / hits)) for a in acc)
                row.append(round(255 * hits / (n * n)))
            else:
                row += bytes(4)
        rows.append(row)
    return rows


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))


def write_png(path, rows):
    """An 8-bit RGBA PNG without filters."""
    height, width = len(rows), len(rows[0]) // 4
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)))
        f.write(png_chunk(b"IDAT", zlib.compress(raw, 9)))
        f.write(png_chunk(b"IEND", b""))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "appicon"))
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    grid = art.albedo_grid(art.Moon(), SAMPLES)
    for size in SIZES:
        write_png(os.path.join(out, f"shutterly-{size}.png"), render(grid, size))


if __name__ == "__main__":
    main()
