#!/usr/bin/env python3
"""Synthesises mirwin's card sound: glass chimes climbing through a minor
scale with their echoes, over a slow soft chord and a breath of night wind.

Output: a RIFF WAVE file, PCM, mono, 22050 samples per second, 16 bits,
exactly 4.8 seconds; its playing time is how long the card stays.

Usage: make_moonlit_sound.py [card.wav]
"""

import math
import os
import sys

from cardmedia import Lcg, normalise, write_wave

RATE = 22050
SECONDS = 4.8
N = int(round(RATE * SECONDS))
TWO_PI = 2.0 * math.pi


def note(semitones_from_a4):
    return 440.0 * 2.0 ** (semitones_from_a4 / 12.0)


def chime(out, start, freq, amp):
    """A glass chime: a pure tone with two faint high partials, ringing out."""
    first = int(start * RATE)
    for ratio, weight, decay in ((1.0, 1.0, 1.5), (2.76, 0.18, 0.5), (5.4, 0.06, 0.2)):
        f = freq * ratio
        if f >= RATE / 2:
            continue
        for n in range(first, N):
            t = (n - first) / RATE
            out[n] += amp * weight * min(1.0, t / 0.003) * math.exp(-t / decay) * math.sin(TWO_PI * f * t)


def pad(out):
    """A minor chord with an added ninth that swells and fades, each voice doubled a little apart."""
    for semis in (-12, -9, -5, 2):
        for detune in (0.998, 1.002):
            f = note(semis) * detune
            for n in range(N):
                t = n / RATE
                swell = min(1.0, t / 1.4) * min(1.0, (N - n) / (1.6 * RATE))
                out[n] += 0.05 * swell * math.sin(TWO_PI * f * t + detune * 40.0)


def wind(out):
    rng = Lcg(0x4D1E)
    low = 0.0
    for n in range(N):
        t = n / RATE
        low += 0.02 * (rng.noise() - low)
        out[n] += 0.5 * low * (0.5 + 0.5 * math.sin(TWO_PI * 0.35 * t - 1.2)) * min(1.0, (N - n) / RATE)


def echo(samples, delay, feedback):
    d = int(delay * RATE)
    out = list(samples)
    for n in range(d, N):
        out[n] += feedback * out[n - d]
    return out


def synthesise():
    bells = [0.0] * N
    # Up the scale and back to the tonic an octave higher.
    for i, semis in enumerate((7, 12, 14, 15, 19, 24)):
        chime(bells, 0.15 + 0.22 * i, note(semis), 0.32)
    chime(bells, 1.65, note(12), 0.22)
    chime(bells, 1.66, note(27), 0.12)
    out = echo(bells, 0.31, 0.38)
    pad(out)
    wind(out)
    return normalise(out, rate=RATE, fade_seconds=0.5)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "second_card", "card.wav")
    write_wave(path, synthesise(), RATE)


if __name__ == "__main__":
    main()
