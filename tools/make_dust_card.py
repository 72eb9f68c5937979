#!/usr/bin/env python3
"""Paints dastor's card in a printed look of flat tones and halftone dots: a
striped setting sun over layered dunes in a sandstorm, a great half-buried
gear in the foreground and a leaning tower on the far ridge (1280 x 720
PNG); and the program's icon, a gear on a rust disc (64 x 64 PNG).

Every pixel is one of seven inks; between two tones a rotated dot screen
decides which, as in cheap print. What matters stays within the middle
960 x 720, which every screen shape keeps when the card covers it.

Usage: make_dust_card.py [background.png [icon.png]]
"""

import math
import os
import sys

from cardmedia import Lcg, clamp, gauss, icon, smoothstep, write_png

W, H = 1280, 720

INKS = [
    (40, 18, 10),     # 0 deep brown
    (88, 38, 20),     # 1 rust shadow
    (146, 66, 32),    # 2 rust
    (200, 114, 54),   # 3 orange sand
    (230, 166, 96),   # 4 sand
    (244, 210, 152),  # 5 pale sand
    (252, 238, 204),  # 6 sun white
]

SUN = (860.0, 300.0)
SUN_R = 150.0
GEAR = (250.0, 640.0)
GEAR_R = 175.0
GEAR_TEETH = 12
DOT_PERIOD = 7.0
COS45 = math.sqrt(0.5)


def screen_threshold(x, y):
    """A 45-degree dot screen: small near dot centres, 1 between them."""
    u = (x + y) * COS45 / DOT_PERIOD
    v = (x - y) * COS45 / DOT_PERIOD
    du, dv = u - math.floor(u) - 0.5, v - math.floor(v) - 0.5
    return clamp(math.sqrt(du * du + dv * dv) / 0.7071)


def ink(tone, x, y):
    """The ink of a continuous tone 0..6 at a pixel: one of the two nearest, by the dot screen."""
    tone = clamp(tone, 0.0, 6.0)
    low = int(math.floor(tone))
    if low >= 6:
        return INKS[6]
    return INKS[low + 1] if (tone - low) > screen_threshold(x, y) else INKS[low]


def dune(x, base, amp, length, phase):
    return base - amp * (0.6 * math.sin(x / length + phase) + 0.4 * math.sin(x / (length * 0.47) + phase * 2.3))


def dune_slope(x, base, amp, length, phase, step=2.0):
    return (dune(x + step, base, amp, length, phase) - dune(x - step, base, amp, length, phase)) / (2 * step)


# Far, middle and near dunes: base height, amplitude, length, phase, tone.
DUNES = [(470.0, 26.0, 160.0, 0.4, 2.6), (540.0, 34.0, 210.0, 2.1, 1.9), (625.0, 40.0, 260.0, 4.0, 1.1)]


def tower(x, y):
    """A leaning tower of girders on the far ridge."""
    foot_x, foot_y = 1040.0, dune(1040.0, *DUNES[0][:4]) + 6.0
    height = 150.0
    t = (foot_y - y) / height
    if not (0.0 <= t <= 1.0):
        return False
    centre = foot_x + 28.0 * t  # leaning to the right
    half = 16.0 * (1.0 - 0.65 * t)
    if abs(x - centre) > half:
        return False
    # Open girder work: the frame and its crossings, the rest sky.
    edge = half - abs(x - centre) < 2.6
    level = (y % 22.0) < 2.6
    cross = abs(((x - centre) / max(half, 1e-6)) - (((y % 22.0) / 11.0) - 1.0)) < 0.16
    return edge or level or cross or t > 0.96


def gear(x, y):
    """True inside the gear (teeth, rim, spokes and hub)."""
    dx, dy = x - GEAR[0], y - GEAR[1]
    r = math.hypot(dx, dy)
    a = math.atan2(dy, dx)
    tooth = 0.5 + 0.5 * math.cos(a * GEAR_TEETH)
    outer = GEAR_R + (24.0 if tooth > 0.35 else 0.0)
    if r > outer:
        return False
    if r > GEAR_R * 0.74 or r < GEAR_R * 0.24:
        return r > GEAR_R * 0.1  # rim and hub, with a hole in the axle
    spoke = 0.5 + 0.5 * math.cos(a * 5.0)
    return spoke > 0.93


def sky_tone(x, y):
    tone = 2.2 + 2.9 * (y / 520.0) ** 1.3
    d = math.hypot(x - SUN[0], y - SUN[1])
    tone += 1.3 * math.exp(-max(0.0, d - SUN_R) / 120.0)
    # Streaks of blown sand, slanting with the wind.
    streak = math.sin((x + 2.4 * y) / 23.0 + 3.0 * math.sin(y / 61.0))
    tone += 0.55 * max(0.0, streak) ** 6 * (0.5 + 0.5 * math.sin(x / 97.0 - y / 37.0))
    if d <= SUN_R:
        # The sun, cut by thinning stripes toward its foot.
        band = (y - (SUN[1] - 0.1 * SUN_R)) / (SUN_R * 1.1)
        cut = band > 0 and (y % 18.0) < 18.0 * band * 0.55
        tone = 3.8 if cut else 6.0 - 0.8 * (d / SUN_R) ** 4
    return tone


def tone_at(x, y):
    if gear(x, y):
        lit = clamp(-(x - GEAR[0] + y - GEAR[1]) / (GEAR_R * 1.6) + 0.5)  # light from the upper left
        return 0.2 + 1.3 * lit
    for (base, amp, length, phase, tone) in reversed(DUNES):
        top = dune(x, base, amp, length, phase)
        if y >= top:
            slope = dune_slope(x, base, amp, length, phase)
            lit = clamp(0.5 - slope * 1.4)  # the faces toward the sun are brighter
            ridge = math.exp(-(y - top) / 5.0)
            return tone + 1.1 * lit + 0.8 * ridge * lit - 0.4 * smoothstep(0, 120, y - top)
        if tower(x, y) and base == DUNES[0][0]:
            return 1.0
    if tower(x, y):
        return 1.0
    return sky_tone(x, y)


def paint():
    rows = []
    rng = Lcg(0xD057)
    grains = set()
    for _ in range(5000):
        grains.add((int(rng.uniform() * W), int(rng.uniform() * H)))
    for y in range(H):
        row = []
        for x in range(W):
            tone = tone_at(x, y)
            if (x, y) in grains:
                tone += 1.0  # flying sand catches the light
            row.append(ink(tone, x, y))
        rows.append(row)
    return rows


def icon_colour(x, y):
    size = 64.0
    dx, dy = x - size / 2, y - size / 2
    r = math.hypot(dx, dy)
    if r > 31.5:
        return (0, 0, 0, 0)
    a = math.atan2(dy, dx)
    outer = 17.0 + (5.0 if 0.5 + 0.5 * math.cos(a * 8) > 0.4 else 0.0)
    if r <= outer and r > 6.0 and not (10.0 < r < 14.0 and 0.5 + 0.5 * math.cos(a * 4) < 0.8):
        c = INKS[5] if dx + dy < 0 else INKS[4]
    else:
        c = INKS[2] if r < 29.5 else INKS[0]
    return (c[0], c[1], c[2], 255)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "third_card")
    background = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "background.png")
    icon_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "dastor.png")
    write_png(background, W, H, paint())
    write_png(icon_path, 64, 64, icon(64, icon_colour), alpha=True)


if __name__ == "__main__":
    main()
