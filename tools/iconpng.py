"""What the icon generators share: sampling a drawing laid out on a 64 x 64
grid at any size, with smooth edges, and writing it as an RGBA PNG.

An icon script defines colour_at(x, y) -> (r, g, b, a) in grid units and
calls write_icon(colour_at, default_output) from its main.
"""

import os
import struct
import sys
import zlib

SIZE = 64
SAMPLES = 4  # per axis, for smooth edges


def render(colour_at, pixels=SIZE):
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


def write_icon(colour_at, default_output):
    """[output.png [pixels]] from the command line; default_output is relative to the source tree."""
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, default_output)
    size = int(sys.argv[2]) if len(sys.argv) > 2 else SIZE
    with open(out, "wb") as f:
        f.write(png_bytes(render(colour_at, size), size))
