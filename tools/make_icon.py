#!/usr/bin/env python3
"""Draws the program icon: a small ringed planet on a night-blue disc (64 x 64 PNG).

Usage: make_icon.py [output.png [pixels]]   (64 pixels unless given)
"""

import math

from iconpng import SIZE, write_icon


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


if __name__ == "__main__":
    write_icon(colour_at, "resources/titlecard/tambwin.png")
