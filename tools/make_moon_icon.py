#!/usr/bin/env python3
"""Draws mirinit's icon: a silver crescent moon and a small star on a violet disc (64 x 64 PNG).

Usage: make_moon_icon.py [output.png [pixels]]   (64 pixels unless given)
"""

import math
import os
import struct
import sys
import zlib

SIZE = 64
SAMPLES = 4  # per axis, for smooth edges


def in_star(x, y, cx, cy, outer, inner):
    """Inside a five-pointed star centred on (cx, cy)."""
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r > outer:
        return False
    angle = (math.atan2(dy, dx) + math.pi / 2) % (2 * math.pi / 5)
    half = math.pi / 5
    t = abs(angle - half) / half  # 1 at a point, 0 between two points
    return r <= inner + (outer - inner) * t


def colour_at(x, y):
    """RGBA of one sample point, in pixel units of the icon."""
    cx = cy = SIZE / 2.0
    dist = math.hypot(x - cx, y - cy)
    moon = math.hypot(x - 29, y - 33) <= 19 and math.hypot(x - 38, y - 26) > 16
    if moon:
        shade = 0.75 + 0.25 * (1 - math.hypot(x - 22, y - 38) / 26)
        return (int(236 * shade), int(232 * shade), int(252 * shade), 255)
    if in_star(x, y, 43, 23, 6.5, 2.6):
        return (255, 228, 140, 255)
    if dist <= 31.5:
        t = dist / 31.5
        return (int(70 - 30 * t), int(30 - 12 * t), int(110 - 40 * t), 255)
    return (0, 0, 0, 0)


def render(pixels=SIZE):
    # The drawing is laid out on a SIZE grid; other sizes sample it scaled.
    scale = SIZE / pixels
    rows = []
    for y in range(pixels):
        row = bytearray([0])  # filter type: none
        for x in range(pixels):
            acc = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = colour_at((x + (sx + 0.5) / SAMPLES) * scale, (y + (sy + 0.5) / SAMPLES) * scale)
                    for i in range(3):
                        acc[i] += c[i] * c[3]
                    acc[3] += c[3]
            alpha = acc[3] / (SAMPLES * SAMPLES)
            if acc[3]:
                row += bytes(int(acc[i] / acc[3]) for i in range(3)) + bytes([int(alpha)])
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return b"".join(rows)


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(pixels, size=SIZE):
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9)) + chunk(b"IEND", b"")


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "second_config", "mirinit.png")
    size = int(sys.argv[2]) if len(sys.argv) > 2 else SIZE
    with open(out, "wb") as f:
        f.write(png_bytes(render(size), size))


if __name__ == "__main__":
    main()
