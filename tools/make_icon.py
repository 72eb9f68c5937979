#!/usr/bin/env python3
"""Draws the program icon: a small ringed planet on a night-blue disc (64 x 64 PNG).

Usage: make_icon.py [output.png [pixels]]   (64 pixels unless given)
"""

import math
import os
import struct
import sys
import zlib

SIZE = 64
SAMPLES = 4  # per axis, for smooth edges


def colour_at(x, y):
    """RGBA of one sample point, in pixel units of the icon."""
    cx = cy = SIZE / 2.0
    dx, dy = x - cx, y - cy
    tilt = math.radians(-20.0)
    u = dx * math.cos(tilt) + dy * math.sin(tilt)
    v = -dx * math.sin(tilt) + dy * math.cos(tilt)
    ring_r = math.sqrt((u / 29.0) ** 2 + (v / 8.5) ** 2)
    in_ring = 0.66 < ring_r < 1.0 and not (0.8 < ring_r < 0.85)
    pr = math.sqrt(dx * dx + dy * dy) / 17.0
    if in_ring and (v > 0 or pr > 1.0):
        t = (ring_r - 0.66) / 0.34
        return (255, int(236 - 40 * t), int(180 - 90 * t), 255)
    if pr <= 1.0:
        z = math.sqrt(1.0 - pr * pr)
        light = max(0.0, -0.5 * dx / 17.0 + 0.3 * dy / 17.0 + 0.8 * z)
        band = 0.5 + 0.5 * math.sin(dy / 17.0 * 11.0)
        r, g, b = 204 + 32 * band, 116 + 72 * band, 52 + 34 * band
        return (int(r * light), int(g * light), int(b * light), 255)
    if math.sqrt(dx * dx + dy * dy) <= 31.5:
        return (10, 12, 48, 255)
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
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "titlecard", "tambwin.png")
    size = int(sys.argv[2]) if len(sys.argv) > 2 else SIZE
    with open(out, "wb") as f:
        f.write(png_bytes(render(size), size))


if __name__ == "__main__":
    main()
