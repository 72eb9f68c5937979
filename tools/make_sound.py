#!/usr/bin/env python3
"""Synthesises the card's sound: a rising sweep into a bell chord over a soft pad.

Output: a RIFF WAVE file, PCM, mono, 11025 samples per second, 8 bits per
sample, with a data chunk of exactly 55120 bytes (5.0 seconds). The format
chunk carries the 2-byte extension size field (18 bytes), so the file is
55166 bytes. Computed from fixed numbers: the same bytes on every run.

Usage: make_sound.py [output.wav]
"""

import math
import os
import struct
import sys

RATE = 11025
SAMPLES = 55120
TWO_PI = 2.0 * math.pi


class Lcg:
    def __init__(self, seed):
        self.state = seed

    def noise(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x3FFFFFFF - 1.0


def note(semitones_from_a4):
    return 440.0 * 2.0 ** (semitones_from_a4 / 12.0)


def bell(out, start, freq, amp, decay):
    """An inharmonic bell: a few partials, the higher ones dying sooner."""
    first = int(start * RATE)
    for ratio, weight, speed in ((1.0, 1.0, 1.0), (2.0, 0.45, 1.6), (2.76, 0.3, 2.4), (5.4, 0.12, 4.0)):
        f = freq * ratio
        if f >= RATE / 2:
            continue
        for n in range(first, SAMPLES):
            t = (n - first) / RATE
            attack = min(1.0, t / 0.004)
            out[n] += amp * weight * attack * math.exp(-t * speed / decay) * math.sin(TWO_PI * f * t)


def sweep(out, rng):
    """A whoosh rising into the chord: noise, smoothed less and less, over a rising tone."""
    length = int(0.65 * RATE)
    low = 0.0
    phase = 0.0
    for n in range(length):
        t = n / length
        amp = 0.5 * t * t
        cutoff = 0.03 + 0.5 * t          # a one-pole low-pass opening up
        low += cutoff * (rng.noise() - low)
        phase += TWO_PI * (180.0 + 700.0 * t * t) / RATE
        out[n] += amp * (0.6 * low + 0.4 * math.sin(phase))


def pad(out):
    """A soft chord that swells under the bells and fades to silence at the end."""
    for freq in (note(-12), note(-5), note(-12) * 1.004, note(4) * 0.5):
        for n in range(SAMPLES):
            t = n / RATE
            swell = min(1.0, t / 1.2) * min(1.0, (SAMPLES - n) / (2.2 * RATE))
            vibrato = 1.0 + 0.002 * math.sin(TWO_PI * 5.0 * t)
            out[n] += 0.09 * swell * math.sin(TWO_PI * freq * vibrato * t)


def synthesise():
    out = [0.0] * SAMPLES
    rng = Lcg(20240521)
    sweep(out, rng)
    # The chord of A major, struck as the sweep arrives, then a climbing sparkle.
    for semis, amp in ((0, 0.5), (4, 0.38), (7, 0.34), (12, 0.28)):
        bell(out, 0.62, note(semis), amp, 1.8)
    for i, semis in enumerate((19, 24, 28, 31, 36, 31, 28)):
        bell(out, 1.0 + 0.16 * i, note(semis), 0.16, 0.6)
    pad(out)
    peak = max(abs(v) for v in out)
    # Nothing may click at the end: fade the last 0.3 s to exact silence.
    tail = int(0.3 * RATE)
    for n in range(SAMPLES - tail, SAMPLES):
        out[n] *= (SAMPLES - n) / tail
    return [v * 0.9 / peak for v in out]


def wave_bytes(samples):
    data = bytes(max(0, min(255, int(round(128.0 + 127.0 * v)))) for v in samples)
    assert len(data) == 55120
    fmt = struct.pack("<HHIIHHH", 1, 1, RATE, RATE, 1, 8, 0)  # PCM, mono, 8 bits, no extension
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "titlecard", "card.wav")
    data = wave_bytes(synthesise())
    assert len(data) == 55166
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
