#!/usr/bin/env python3
"""Generates the nine moon bitmaps of the moon picture: a grey full moon (16 colours), a
coloured full moon (256 colours) and the disc's silhouette (1 bit), each 64, 32 and 16 pixels.

The moon is painted from a small model of the near side: the maria as soft, ragged patches at
their selenographic positions, bright ray craters, mottled highlands and a little limb
darkening, seen with a slight libration so that the landing site of 1969 falls on the picture's
landing dot. Standard library only; the output is deterministic, so regenerating must reproduce
the committed files byte for byte.

    python3 tools/gen_moon_art.py [--out DIR]     (default: resources/moon beside this tool)
"""

import argparse
import math
import os
import random
import struct

# Picture sizes: name suffix, size, disc centre column and row, disc radius (pixels; pixel i
# covers [i - 0.5, i + 0.5]). The 64-pixel disc covers rows 2..54 and columns 5..58.
SIZES = [
    ("LARGE", 64, 31.5, 28.0, 26.5),
    ("SMALL", 32, 15.5, 14.0, 13.25),
    ("TINY", 16, 7.5, 7.0, 6.6),
]

# A pixel belongs to the disc when at least this share of it is covered.
COVERAGE_THRESHOLD = 0.3

# Centre of the visible hemisphere (degrees): the libration of the painted view.
VIEW_LAT = 2.5
VIEW_LON = 3.0

# Maria: latitude, longitude (degrees, east positive = right of the picture), angular radius
# (degrees), darkness 0..1, colour tint of the coloured picture (r, g, b factors).
BLUE = (0.86, 0.93, 1.08)
BROWN = (1.06, 0.97, 0.85)
GREY = (0.95, 0.95, 0.97)
MARIA = [
    (33.0, -16.0, 16.0, 0.95, BROWN),   # Imbrium
    (40.0, -28.0, 9.0, 0.85, BROWN),    # Imbrium, north-west bay
    (44.0, -31.0, 5.0, 0.80, BROWN),    # Sinus Iridum
    (28.0, 17.5, 10.5, 0.95, BROWN),    # Serenitatis
    (8.5, 31.4, 11.5, 1.00, BLUE),      # Tranquillitatis
    (15.0, 23.0, 6.0, 0.85, BLUE),      # Tranquillitatis, north-west lobe
    (17.0, 59.0, 7.5, 1.00, GREY),      # Crisium
    (-7.8, 51.3, 11.0, 0.85, BLUE),     # Fecunditatis
    (-15.2, 35.5, 6.0, 0.85, BLUE),     # Nectaris
    (-21.3, -16.6, 10.5, 0.80, GREY),   # Nubium
    (-10.5, -22.3, 6.5, 0.75, GREY),    # Cognitum
    (-24.4, -38.6, 6.5, 0.90, BLUE),    # Humorum
    (13.3, 3.6, 4.5, 0.80, BROWN),      # Vaporum
    (2.0, 1.0, 3.5, 0.55, GREY),        # Sinus Medii
    (7.0, -31.0, 8.0, 0.75, BLUE),      # Insularum
    (18.0, -57.0, 13.0, 0.95, BLUE),    # Procellarum, north
    (5.0, -52.0, 12.0, 0.90, BLUE),     # Procellarum, middle
    (-5.0, -43.0, 8.5, 0.85, BLUE),     # Procellarum, south
    (30.0, -48.0, 10.0, 0.90, BLUE),    # Procellarum, toward Aristarchus
    (42.0, -50.0, 6.0, 0.80, BLUE),     # Procellarum, far north
    (-10.0, -60.0, 6.0, 0.70, BLUE),    # Grimaldi region
    (56.0, -25.0, 5.0, 0.75, GREY),     # Frigoris, west
    (56.5, -5.0, 5.5, 0.80, GREY),      # Frigoris
    (56.0, 15.0, 5.0, 0.75, GREY),      # Frigoris, east
    (55.0, 35.0, 4.5, 0.65, GREY),      # Frigoris, far east
    (2.0, 86.0, 6.0, 0.70, GREY),       # Smythii
    (13.0, 86.5, 6.0, 0.70, GREY),      # Marginis
    (-35.0, 27.0, 3.5, 0.45, GREY),     # Lacus Somniorum area
]

# Bright young craters: latitude, longitude, radius of the bright halo (degrees), strength,
# ray count and ray length (degrees, 0 for none).
BRIGHT_CRATERS = [
    (-43.3, -11.2, 2.2, 0.55, 14, 45.0),  # Tycho
    (9.6, -20.1, 2.0, 0.35, 10, 18.0),    # Copernicus
    (8.1, -38.0, 1.6, 0.30, 8, 12.0),     # Kepler
    (23.7, -47.4, 1.6, 0.55, 0, 0.0),     # Aristarchus
    (16.1, 46.8, 1.4, 0.30, 6, 10.0),     # Proclus
    (-26.7, 15.0, 1.2, 0.15, 0, 0.0),     # Stöfler highlands
    (51.6, 9.3, 1.2, 0.18, 0, 0.0),       # Aristoteles
    (-8.9, -1.5, 1.2, 0.15, 0, 0.0),      # Ptolemaeus rim
]

SAMPLES = 176         # albedo grid across the disc's diameter
SUBSAMPLES = 4        # per output pixel and axis
SEED = 1969

HIGHLAND_RGB = (1.00, 0.965, 0.92)
STANDARD_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def unit_vector(lat, lon):
    """Selenographic position as a unit vector of the picture: x right, y up, z to the
    viewer."""
    la, lo = math.radians(lat), math.radians(lon)
    px, py, pz = math.cos(la) * math.sin(lo), math.sin(la), math.cos(la) * math.cos(lo)
    l0, b0 = math.radians(VIEW_LON), math.radians(VIEW_LAT)
    x1 = px * math.cos(l0) - pz * math.sin(l0)
    z1 = px * math.sin(l0) + pz * math.cos(l0)
    y2 = py * math.cos(b0) - z1 * math.sin(b0)
    z2 = py * math.sin(b0) + z1 * math.cos(b0)
    return (x1, y2, z2)


def smoothstep(edge0, edge1, x):
    t = min(1.0, max(0.0, (x - edge0) / (edge1 - edge0)))
    return t * t * (3.0 - 2.0 * t)


class ValueNoise:
    """Smooth 2-D value noise on a lattice of seeded random values."""

    def __init__(self, rng, size=64):
        self.size = size
        self.values = [rng.random() for _ in range(size * size)]

    def at(self, x, y):
        n = self.size
        xi, yi = math.floor(x), math.floor(y)
        fx, fy = x - xi, y - yi
        fx, fy = fx * fx * (3 - 2 * fx), fy * fy * (3 - 2 * fy)
        v = self.values
        a = v[(yi % n) * n + xi % n]
        b = v[(yi % n) * n + (xi + 1) % n]
        c = v[((yi + 1) % n) * n + xi % n]
        d = v[((yi + 1) % n) * n + (xi + 1) % n]
        return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy

    def fbm(self, x, y, octaves):
        total, amplitude, scale = 0.0, 0.5, 1.0
        for _ in range(octaves):
            total += amplitude * (self.at(x * scale, y * scale) - 0.5)
            amplitude *= 0.5
            scale *= 2.03
        return total


class Moon:
    """Albedo (r, g, b, grey) of the full moon at a point of the unit disc."""

    def __init__(self):
        rng = random.Random(SEED)
        self.noise = ValueNoise(rng)
        self.maria = [(unit_vector(lat, lon), math.radians(r), dark, tint)
                      for lat, lon, r, dark, tint in MARIA]
        self.craters = []
        for lat, lon, r, strength, rays, length in BRIGHT_CRATERS:
            centre = unit_vector(lat, lon)
            bearings = [rng.uniform(0, 2 * math.pi) for _ in range(rays)]
            self.craters.append((centre, math.radians(r), strength, bearings,
                                 math.radians(length), self.tangent_frame(centre)))
        self.small_craters = []
        for _ in range(220):
            lat = math.degrees(math.asin(rng.uniform(-0.97, 0.97)))
            lon = rng.uniform(-95, 95)
            self.small_craters.append((unit_vector(lat, lon), math.radians(rng.uniform(0.8, 3.0)),
                                       rng.uniform(0.03, 0.10)))

    @staticmethod
    def tangent_frame(c):
        # East and north directions on the sphere at c (north pole of the picture's frame is
        # close enough to the moon's for orienting random rays).
        ex, ey, ez = c[2], 0.0, -c[0]
        norm = math.hypot(ex, ez) or 1.0
        ex, ez = ex / norm, ez / norm
        nx = c[1] * ez - c[2] * ey
        ny = c[2] * ex - c[0] * ez
        nz = c[0] * ey - c[1] * ex
        return (ex, ey, ez), (nx, ny, nz)

    def albedo(self, u, v):
        z = math.sqrt(max(0.0, 1.0 - u * u - v * v))
        p = (u, v, z)
        ragged = self.noise.fbm(u * 9.0 + 11.0, v * 9.0 + 5.0, 4)
        mare = 0.0
        tint = [0.0, 0.0, 0.0]
        for centre, radius, dark, colour in self.maria:
            cosd = p[0] * centre[0] + p[1] * centre[1] + p[2] * centre[2]
            if cosd < 0.5:
                continue
            d = math.acos(min(1.0, cosd)) / radius + ragged * 1.4
            w = dark * (1.0 - smoothstep(0.75, 1.15, d))
            if w > 0.0:
                mare = max(mare, w)
                for k in range(3):
                    tint[k] += w * colour[k]
        mare *= 0.85 + 0.5 * self.noise.fbm(u * 7.0 + 3.0, v * 7.0 + 17.0, 3)
        grey = 1.0 - 0.6 * mare
        grey += 0.16 * self.noise.fbm(u * 18.0, v * 18.0, 4) * (1.0 - 0.6 * mare)
        for centre, radius, strength in self.small_craters:
            cosd = p[0] * centre[0] + p[1] * centre[1] + p[2] * centre[2]
            if cosd < 0.995:
                continue
            d = math.acos(min(1.0, cosd)) / radius
            if d < 1.3:
                grey += strength * (math.exp(-((d - 1.0) / 0.25) ** 2) - 0.5 * (d < 0.8))
        for centre, radius, strength, bearings, length, (east, north) in self.craters:
            cosd = p[0] * centre[0] + p[1] * centre[1] + p[2] * centre[2]
            if cosd < 0.6:
                continue
            dist = math.acos(min(1.0, cosd))
            grey += strength * math.exp(-(dist / radius) ** 2)
            if bearings and dist < length:
                q = [p[k] - cosd * centre[k] for k in range(3)]
                angle = math.atan2(sum(q[k] * north[k] for k in range(3)),
                                   sum(q[k] * east[k] for k in range(3)))
                for bearing in bearings:
                    diff = (angle - bearing + math.pi) % (2 * math.pi) - math.pi
                    grey += 0.5 * strength * math.exp(-(diff / 0.05) ** 2) * (1.0 - dist / length)
        grey *= 0.86 + 0.14 * z
        if mare > 0.0:
            rgb = [HIGHLAND_RGB[k] * (1.0 - mare) + tint[k] / sum_weights(tint) * mare
                   for k in range(3)]
        else:
            rgb = list(HIGHLAND_RGB)
        return [grey * rgb[0], grey * rgb[1], grey * rgb[2], grey]


def sum_weights(tint):
    # Tints are mixed weighted by mare strength; normalise by the mean of the mixed factors.
    total = (tint[0] + tint[1] + tint[2]) / 3.0
    return total if total > 0 else 1.0


def albedo_grid(moon, samples=SAMPLES):
    grid = []
    for j in range(samples):
        v = 1.0 - 2.0 * (j + 0.5) / samples
        row = []
        for i in range(samples):
            u = -1.0 + 2.0 * (i + 0.5) / samples
            row.append(moon.albedo(u, v) if u * u + v * v <= 1.0 else None)
        grid.append(row)
    return grid


def lookup(grid, u, v):
    samples = len(grid)
    i = min(samples - 1, max(0, int((u + 1.0) / 2.0 * samples)))
    j = min(samples - 1, max(0, int((1.0 - v) / 2.0 * samples)))
    value = grid[j][i]
    if value is None:  # a subsample inside the disc that the grid cell's centre missed
        value = grid[j][min(samples - 1, i + (1 if u < 0 else -1))] or [0.8, 0.8, 0.8, 0.8]
    return value


def render(grid, size, cx, cy, radius):
    """Rows of (r, g, b, grey, coverage) per pixel, top row first; colours 0..1."""
    rows = []
    n = SUBSAMPLES * (2 if size == 16 else 1)
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            hits = 0
            for sy in range(n):
                for sx in range(n):
                    px = x - 0.5 + (sx + 0.5) / n
                    py = y - 0.5 + (sy + 0.5) / n
                    u, v = (px - cx) / radius, (cy - py) / radius
                    if u * u + v * v <= 1.0:
                        value = lookup(grid, u, v)
                        for k in range(4):
                            acc[k] += value[k]
                        hits += 1
            coverage = hits / (n * n)
            if hits:
                acc = [a / hits for a in acc]
            row.append((acc[0], acc[1], acc[2], acc[3], coverage))
        rows.append(row)
    return rows


def on_disc(pixel):
    return pixel[4] >= COVERAGE_THRESHOLD


def grey_level(pixel):
    # Maria about 125, highlands about 205, rays up to white; the edge fades by coverage.
    return max(0.0, min(255.0, (62.0 + 148.0 * pixel[3]) * min(1.0, pixel[4] * 1.3)))


def classic_indices(rows):
    """Floyd-Steinberg dithering of the grey moon onto the greys of the standard palette."""
    levels = [(0, 0), (128, 8), (192, 7), (255, 15)]
    size = len(rows)
    values = [[grey_level(p) if on_disc(p) else 0.0 for p in row] for row in rows]
    out = [[0] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if not on_disc(rows[y][x]):
                continue
            old = values[y][x]
            level, index = min(levels, key=lambda li: abs(li[0] - old))
            out[y][x] = index
            error = old - level
            for dx, dy, share in ((1, 0, 7), (-1, 1, 3), (0, 1, 5), (1, 1, 1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < size and 0 <= ny < size and on_disc(rows[ny][nx]):
                    values[ny][nx] += error * share / 16.0
    return out


def colour_pixels(rows):
    scale = lambda c, cov: int(max(0, min(255, round((15 + 215 * c) * min(1.0, cov * 1.3)))))
    return [[(scale(p[0], p[4]), scale(p[1], p[4]), scale(p[2], p[4])) if on_disc(p)
             else (0, 0, 0) for p in row] for row in rows]


def median_cut(colours, count):
    boxes = [list(colours)]
    while len(boxes) < count:
        boxes.sort(key=lambda b: max(max(c[k] for c in b) - min(c[k] for c in b)
                                     for k in range(3)) if len(b) > 1 else -1)
        box = boxes.pop()
        if len(box) < 2:
            boxes.append(box)
            break
        channel = max(range(3), key=lambda k: max(c[k] for c in box) - min(c[k] for c in box))
        box.sort(key=lambda c: c[channel])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    return [tuple(round(sum(c[k] for c in b) / len(b)) for k in range(3)) for b in boxes if b]


def colour_indices(pixels):
    """A 256-colour palette (black first) and the rows of indices into it."""
    disc = sorted({c for row in pixels for c in row if c != (0, 0, 0)})
    palette = [(0, 0, 0)] + (disc if len(disc) <= 255 else sorted(median_cut(disc, 255)))
    nearest = {}
    for c in disc:
        nearest[c] = min(range(1, len(palette)), key=lambda i: sum(
            (palette[i][k] - c[k]) ** 2 for k in range(3)))
    nearest[(0, 0, 0)] = 0
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, [[nearest[c] for c in row] for row in pixels]


def mask_indices(rows):
    return [[0 if on_disc(p) else 1 for p in row] for row in rows]


def write_bmp(path, bits, palette, indices):
    """A bottom-up, uncompressed, palette BMP with file header."""
    height, width = len(indices), len(indices[0])
    stride = ((width * bits + 31) // 32) * 4
    data = bytearray()
    for row in reversed(indices):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            bit = x * bits
            packed[bit // 8] |= index << (8 - bits - bit % 8)
        data += packed
    header_size = 14 + 40 + 4 * len(palette)
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", header_size + len(data), 0, 0, header_size))
        f.write(struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(data),
                            2835, 2835, len(palette), 0))
        for r, g, b in palette:
            f.write(struct.pack("<BBBB", b, g, r, 0))
        f.write(data)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "moon"))
    out = parser.parse_args().out
    os.makedirs(out, exist_ok=True)
    grid = albedo_grid(Moon())
    for suffix, size, cx, cy, radius in SIZES:
        rows = render(grid, size, cx, cy, radius)
        write_bmp(os.path.join(out, f"MOON_{suffix}.bmp"), 4, STANDARD_16, classic_indices(rows))
        palette, indices = colour_indices(colour_pixels(rows))
        write_bmp(os.path.join(out, f"MOON_COLOR_{suffix}.bmp"), 8, palette, indices)
        write_bmp(os.path.join(out, f"MOON_BW_{suffix}.bmp"), 1, [(0, 0, 0), (255, 255, 255)],
                  mask_indices(rows))


if __name__ == "__main__":
    main()
