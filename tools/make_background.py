#!/usr/bin/env python3
"""Paints the card's background picture: a ringed planet and a ring of stars.

The result is a packed 16-colour DIB of exactly the layout the card reads:
a 40-byte BITMAPINFOHEADER (640 x 480, bottom-up, 4 bits per pixel), the
colour table at offset 40 and the pixels at offset 104, 153704 bytes in all.
Everything is computed from fixed numbers, so the output is the same on
every run.

Usage: make_background.py [output.dib]
"""

import math
import os
import struct
import sys

WIDTH, HEIGHT = 640, 480

PALETTE = [
    (0, 0, 0),        # 0 space
    (6, 8, 30),       # 1 night navy
    (14, 22, 66),     # 2 deep blue
    (38, 30, 100),    # 3 indigo
    (86, 46, 134),    # 4 violet
    (156, 66, 160),   # 5 magenta glow
    (18, 70, 112),    # 6 deep teal
    (66, 134, 200),   # 7 sky blue
    (150, 208, 240),  # 8 ice
    (255, 255, 255),  # 9 star white
    (236, 188, 86),   # 10 gold
    (204, 116, 52),   # 11 orange
    (112, 56, 34),    # 12 amber shadow
    (255, 240, 184),  # 13 pale yellow
    (96, 104, 150),   # 14 slate
    (204, 192, 244),  # 15 lavender
]

BAYER4 = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


class Lcg:
    """A small fixed generator, so the stars land on the same pixels every time."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state

    def uniform(self):
        return self.next() / 0x7FFFFFFF


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def add(a, b, w):
    return tuple(a[i] + b[i] * w for i in range(3))


# Scene geometry.
PLANET_C = (512.0, 86.0)
PLANET_R = 62.0
RING_TILT = math.radians(-14.0)
RING_A, RING_B = 150.0, 30.0        # outer edge of the planet's ring
ARC_C = (320.0, 700.0)               # the great ring of stars below the title
ARC_A, ARC_B = 560.0, 300.0


def ring_coords(x, y):
    """Elliptical radius around the planet in the ring's tilted plane (1 = outer edge)."""
    dx, dy = x - PLANET_C[0], y - PLANET_C[1]
    c, s = math.cos(RING_TILT), math.sin(RING_TILT)
    u = dx * c + dy * s
    v = -dx * s + dy * c
    return math.sqrt((u / RING_A) ** 2 + (v / RING_B) ** 2), v


def planet_colour(x, y):
    dx, dy = (x - PLANET_C[0]) / PLANET_R, (y - PLANET_C[1]) / PLANET_R
    d2 = dx * dx + dy * dy
    if d2 > 1.0:
        return None
    z = math.sqrt(1.0 - d2)
    # Light from the lower left, toward the title.
    light = max(0.0, -0.55 * dx + 0.35 * dy + 0.76 * z)
    band = 0.5 + 0.5 * math.sin(dy * 13.0 + 1.7 * math.sin(dx * 3.0))
    base = mix((204, 116, 52), (236, 188, 86), band)
    base = mix(base, (255, 240, 184), max(0.0, band - 0.8) * 2.0)
    shade = mix((10, 6, 20), base, light ** 0.8)
    return mix(shade, (255, 240, 184), max(0.0, light - 0.92) * 5.0)


def ring_colour(r):
    """Ring brightness by radius, with a dark gap between its two bands."""
    if r < 0.62 or r > 1.0:
        return None
    if 0.80 < r < 0.84:
        return (20, 14, 40)
    t = (r - 0.62) / 0.38
    glow = 0.55 + 0.45 * math.sin(t * 37.0) ** 2
    return mix((112, 56, 34), (255, 240, 184), glow * (1.0 - abs(t - 0.45)))


def sky_colour(x, y):
    t = y / HEIGHT
    c = mix((2, 3, 16), (10, 10, 44), t)
    # Faint nebulae on the left and lower right, kept dim behind the title.
    for (nx, ny, rad, col, w) in (
        (90, 70, 170, (86, 46, 134), 0.55),
        (40, 300, 140, (18, 70, 112), 0.45),
        (600, 420, 200, (156, 66, 160), 0.35),
    ):
        d = ((x - nx) ** 2 + (y - ny) ** 2) / (rad * rad)
        c = add(c, col, w * math.exp(-d * 2.2))
    # The great ring: a glowing arc of dust across the lower screen.
    dx, dy = (x - ARC_C[0]) / ARC_A, (y - ARC_C[1]) / ARC_B
    e = math.sqrt(dx * dx + dy * dy)
    band = math.exp(-((e - 1.0) / 0.045) ** 2)
    c = add(c, (150, 140, 230), 0.55 * band)
    c = add(c, (66, 134, 200), 0.35 * math.exp(-((e - 1.0) / 0.11) ** 2))
    return c


def paint():
    img = [[sky_colour(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]

    # The ring passes behind the planet on its far side (v < 0) and in front on the near side.
    for y in range(0, 200):
        for x in range(300, WIDTH):
            r, v = ring_coords(x, y)
            ring = ring_colour(r)
            planet = planet_colour(x, y)
            if planet is not None and (ring is None or v < 0):
                img[y][x] = planet
            elif ring is not None:
                img[y][x] = mix(img[y][x], ring, 0.9)

    rng = Lcg(0x5EC7A1)
    stars = []
    for _ in range(900):
        x, y = int(rng.uniform() * WIDTH), int(rng.uniform() * HEIGHT)
        stars.append((x, y, rng.uniform() ** 3))
    # Dense dust along the great ring.
    for _ in range(700):
        a = math.pi * (1.02 + 0.96 * rng.uniform())
        spread = (rng.uniform() - 0.5) * 0.09
        x = ARC_C[0] + ARC_A * (1.0 + spread) * math.cos(a)
        y = ARC_C[1] + ARC_B * (1.0 + spread) * math.sin(a)
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            stars.append((int(x), int(y), 0.2 + 0.8 * rng.uniform() ** 2))
    for (x, y, b) in stars:
        if planet_colour(x, y) is not None:
            continue
        tint = ((255, 255, 255), (150, 208, 240), (204, 192, 244), (255, 240, 184))[(x * 7 + y) % 4]
        img[y][x] = mix(img[y][x], tint, 0.35 + 0.65 * b)
        if b > 0.55:
            # A bright star flares into a small cross.
            arm = 2 if b < 0.8 else 4
            for k in range(1, arm + 1):
                w = (1.0 - k / (arm + 1)) * b
                for (px, py) in ((x + k, y), (x - k, y), (x, y + k), (x, y - k)):
                    if 0 <= px < WIDTH and 0 <= py < HEIGHT:
                        img[py][px] = mix(img[py][px], tint, w)
    return img


def quantise(img):
    cache = {}

    def nearest(c):
        key = (int(c[0]) >> 2, int(c[1]) >> 2, int(c[2]) >> 2)
        if key not in cache:
            cache[key] = min(range(16), key=lambda i: sum((PALETTE[i][j] - c[j]) ** 2 for j in range(3)))
        return cache[key]

    out = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            # Ordered dithering blends the 16 colours into smooth gradients.
            d = (BAYER4[y & 3][x & 3] / 16.0 - 0.47) * 40.0
            c = img[y][x]
            row.append(nearest(tuple(max(0.0, min(255.0, c[j] + d)) for j in range(3))))
        out.append(row)
    return out


def dib_bytes(indices):
    header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, WIDTH * HEIGHT // 2, 0, 0, 0, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    rows = []
    for y in range(HEIGHT - 1, -1, -1):  # bottom-up
        row = indices[y]
        rows.append(bytes((row[x] << 4) | row[x + 1] for x in range(0, WIDTH, 2)))
    data = header + table + b"".join(rows)
    assert len(header) == 40 and len(table) == 64 and len(data) == 153704
    return data


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "titlecard", "background.dib")
    data = dib_bytes(quantise(paint()))
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
