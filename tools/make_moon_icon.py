#!/usr/bin/env python3
"""Draws mirinit's icon: a silver crescent moon and a small star on a violet disc (64 x 64 PNG).

Usage: make_moon_icon.py [output.png [pixels]]   (64 pixels unless given)
"""

import math

from iconpng import SIZE, write_icon


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


if __name__ == "__main__":
    write_icon(colour_at, "resources/second_config/mirinit.png")
