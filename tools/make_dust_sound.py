#!/usr/bin/env python3
"""Synthesises dastor's card sound: a gust of sand, two iron clanks, a deep
drum, a ratchet winding up and a low rough chord that rolls out with the
dust.

Output: a RIFF WAVE file, PCM, mono, 22050 samples per second, 16 bits,
exactly 4.6 seconds; its playing time is how long the card stays.

Usage: make_dust_sound.py [card.wav]
"""

import math
import os
import sys

from cardmedia import Lcg, normalise, write_wave

RATE = 22050
SECONDS = 4.6
N = int(round(RATE * SECONDS))
TWO_PI = 2.0 * math.pi


def gust(out, rng):
    """Filtered noise whose filter opens and closes: sand carried by the wind."""
    low = band = 0.0
    for n in range(N):
        t = n / RATE
        level = min(1.0, t / 0.5) * (0.55 + 0.45 * math.sin(TWO_PI * 0.4 * t)) * min(1.0, (N - n) / (1.2 * RATE))
        cutoff = 0.04 + 0.08 * (0.5 + 0.5 * math.sin(TWO_PI * 0.23 * t + 1.0))
        low += cutoff * (rng.noise() - low)
        band += cutoff * (low - band)
        out[n] += 0.9 * level * (low - band)


def clank(out, start, base, amp, rng):
    """Struck iron: inharmonic partials dying fast, with a scrape of noise."""
    first = int(start * RATE)
    for ratio, weight, decay in ((1.0, 1.0, 0.35), (2.31, 0.7, 0.22), (3.87, 0.5, 0.15), (5.12, 0.35, 0.1), (6.9, 0.2, 0.07)):
        f = base * ratio
        for n in range(first, min(N, first + int(1.5 * RATE))):
            t = (n - first) / RATE
            out[n] += amp * weight * math.exp(-t / decay) * math.sin(TWO_PI * f * t)
    for n in range(first, min(N, first + int(0.05 * RATE))):
        out[n] += amp * 0.6 * rng.noise() * (1.0 - (n - first) / (0.05 * RATE))


def drum(out, start, amp):
    """A deep drum: a tone falling from 120 Hz to 45 Hz under a click."""
    first = int(start * RATE)
    phase = 0.0
    for n in range(first, min(N, first + int(1.2 * RATE))):
        t = (n - first) / RATE
        f = 45.0 + 75.0 * math.exp(-t / 0.08)
        phase += TWO_PI * f / RATE
        out[n] += amp * math.exp(-t / 0.35) * math.sin(phase) + (amp * 0.5 if n - first < 40 else 0.0)


def ratchet(out, rng):
    """Eight ticks, each sooner than the last."""
    t = 1.55
    gap = 0.14
    for _ in range(8):
        first = int(t * RATE)
        for n in range(first, min(N, first + int(0.018 * RATE))):
            k = (n - first) / (0.018 * RATE)
            out[n] += 0.35 * (1.0 - k) * rng.noise() * math.sin(TWO_PI * 2400.0 * (n - first) / RATE)
        t += gap
        gap *= 0.85


def rough_chord(out):
    """An open fifth on a low E, buzzing like a horn, swelling then rolling away."""
    start = int(2.55 * RATE)
    for freq in (82.41, 123.47, 164.81):
        for n in range(start, N):
            t = (n - start) / RATE
            env = min(1.0, t / 0.08) * math.exp(-t / 1.6)
            # The first few harmonics of a sawtooth: a buzz that stays soft.
            s = sum(math.sin(TWO_PI * freq * k * t) / k for k in range(1, 7))
            out[n] += 0.12 * env * s


def synthesise():
    rng = Lcg(0xD057)
    out = [0.0] * N
    gust(out, rng)
    clank(out, 0.45, 311.0, 0.5, rng)
    clank(out, 0.78, 233.0, 0.45, rng)
    drum(out, 1.15, 0.9)
    ratchet(out, rng)
    drum(out, 2.55, 1.0)
    rough_chord(out)
    return normalise(out, rate=RATE, fade_seconds=0.4)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "third_card", "card.wav")
    write_wave(path, synthesise(), RATE)


if __name__ == "__main__":
    main()
