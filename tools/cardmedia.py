"""Helpers shared by the generators of the cards' pictures and sounds: PNG and
WAVE writers, a fixed pseudo-random generator and colour arithmetic. Everything
is computed from fixed numbers, so a generator writes the same bytes on every
run."""

import math
import struct
import zlib


class Lcg:
    """A small fixed generator: the same sequence on every run and platform."""

    def __init__(self, seed):
        self.state = seed & 0x7FFFFFFF

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state

    def uniform(self):
        return self.next() / 0x7FFFFFFF

    def noise(self):
        """Uniform in [-1, 1)."""
        return self.next() / 0x3FFFFFFF - 1.0


def clamp(v, lo=0.0, hi=1.0):
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    t = clamp(t)
    return (a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t)


def add(a, b, w):
    return (a[0] + b[0] * w, a[1] + b[1] * w, a[2] + b[2] * w)


def scale(a, k):
    return (a[0] * k, a[1] * k, a[2] * k)


def write_png(path, width, height, rows, alpha=False):
    """rows: height lists of width (r, g, b) or (r, g, b, a) tuples of numbers 0..255."""
    channels = 4 if alpha else 3
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for px in row:
            for c in range(channels):
                raw.append(int(round(clamp(px[c], 0.0, 255.0))))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_wave(path, samples, rate):
    """Samples in [-1, 1] as a RIFF WAVE file: PCM, mono, 16 bits."""
    data = b"".join(struct.pack("<h", int(round(clamp(v, -1.0, 1.0) * 32767))) for v in samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


def normalise(samples, peak=0.85, fade_seconds=0.3, rate=22050):
    """Scales to the given peak and fades the end to exact silence, so nothing clicks."""
    top = max(abs(v) for v in samples) or 1.0
    out = [v * peak / top for v in samples]
    tail = int(fade_seconds * rate)
    n = len(out)
    for i in range(max(0, n - tail), n):
        out[i] *= (n - i) / tail
    return out


def icon(size, colour_at, samples=4):
    """An RGBA icon, each pixel the mean of samples x samples points of colour_at(x, y)."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    r, g, b, a = colour_at(x + (sx + 0.5) / samples, y + (sy + 0.5) / samples)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = samples * samples
            a = acc[3] / n
            row.append((acc[0] / acc[3] if acc[3] else 0, acc[1] / acc[3] if acc[3] else 0,
                        acc[2] / acc[3] if acc[3] else 0, a))
        rows.append(row)
    return rows


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def gauss(d2, r):
    return math.exp(-d2 / (r * r))
