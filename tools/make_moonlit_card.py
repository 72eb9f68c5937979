#!/usr/bin/env python3
"""Paints mirwin's moonlit card: a full moon over a calm sea at night, thin
clouds lit at their edges, a far cape with a lighthouse, and the moon's path
of light on the water (1280 x 720 PNG); and the program's icon, the moon on
a night-blue disc (64 x 64 PNG).

What matters stays within the middle 960 x 720, which every screen shape
keeps when the card covers it.

Usage: make_moonlit_card.py [background.png [icon.png]]
"""

import math
import os
import sys

from cardmedia import Lcg, add, clamp, gauss, icon, mix, scale, smoothstep, write_png

W, H = 1280, 720
HORIZON = 520.0
MOON = (880.0, 200.0)
MOON_R = 100.0
MOON_LIGHT = (246, 240, 214)
NIGHT_TOP = (3, 6, 26)
NIGHT_LOW = (26, 40, 92)
LAMP = (255, 214, 130)

# Dark seas of the moon's face: centre (in moon radii), size, depth.
MARIA = [(-0.30, -0.25, 0.30, 0.22), (0.15, -0.35, 0.22, 0.18), (0.25, 0.05, 0.28, 0.20),
         (-0.10, 0.30, 0.25, 0.16), (-0.45, 0.15, 0.18, 0.14), (0.45, -0.05, 0.15, 0.12)]

# Thin clouds: height, length from x0 to x1, thickness, waviness.
CLOUDS = [(285.0, 640.0, 1160.0, 9.0, 0.9), (120.0, 60.0, 520.0, 7.0, 1.3),
          (430.0, 180.0, 860.0, 6.0, 0.7), (345.0, 980.0, 1280.0, 5.0, 1.1)]


def hill_top(x):
    """The far land's outline: hills on the left, a cape on the right."""
    left = 62.0 * gauss((x - 170.0) ** 2, 240.0) + 28.0 * gauss((x - 430.0) ** 2, 120.0)
    cape = 46.0 * gauss((x - 1170.0) ** 2, 150.0)
    return HORIZON - left - cape


LIGHTHOUSE_X = 1168.0


def lighthouse(x, y):
    """True inside the lighthouse tower on the cape."""
    base = hill_top(LIGHTHOUSE_X) + 4.0
    top = base - 58.0
    if not (top <= y <= base):
        return False
    t = (y - top) / (base - top)
    half = 4.0 + 4.0 * t  # wider at its foot
    return abs(x - LIGHTHOUSE_X) <= half


def lamp_centre():
    return (LIGHTHOUSE_X, hill_top(LIGHTHOUSE_X) + 4.0 - 62.0)


def moon_colour(x, y):
    dx, dy = (x - MOON[0]) / MOON_R, (y - MOON[1]) / MOON_R
    d2 = dx * dx + dy * dy
    if d2 > 1.0:
        return None
    z = math.sqrt(1.0 - d2)
    shade = 0.0
    for (mx, my, r, depth) in MARIA:
        shade += depth * gauss((dx - mx) ** 2 + (dy - my) ** 2, r)
    light = scale(MOON_LIGHT, 0.84 + 0.16 * z)
    return mix(light, (150, 152, 166), clamp(shade * 1.6, 0.0, 0.55))


def cloud_density(x, y):
    total = 0.0
    for (cy, x0, x1, thick, wave) in CLOUDS:
        if x < x0 - 40 or x > x1 + 40:
            continue
        along = smoothstep(x0 - 40, x0 + 120, x) * (1.0 - smoothstep(x1 - 120, x1 + 40, x))
        centre = cy + 10.0 * wave * math.sin(x / 73.0 + cy) + 4.0 * math.sin(x / 19.0)
        t = (y - centre) / (thick * (0.7 + 0.5 * math.sin(x / 41.0 + cy) ** 2))
        total += along * math.exp(-t * t)
    return clamp(total)


def sky(x, y):
    c = mix(NIGHT_TOP, NIGHT_LOW, (y / HORIZON) ** 1.6)
    d = math.hypot(x - MOON[0], y - MOON[1])
    c = add(c, (96, 112, 164), 0.55 * math.exp(-max(0.0, d - MOON_R) / 70.0))
    c = add(c, (40, 52, 110), 0.45 * math.exp(-max(0.0, d - MOON_R) / 260.0))
    moon = moon_colour(x, y)
    if moon is not None:
        edge = smoothstep(MOON_R, MOON_R - 1.5, d)
        c = mix(c, moon, edge)
    dens = cloud_density(x, y)
    if dens > 0.0:
        near = math.exp(-max(0.0, d - MOON_R) / 150.0)
        cloud = mix((22, 30, 66), (206, 214, 236), near * 0.9)
        c = mix(c, cloud, dens * 0.85)
    return c


def sea(x, y):
    depth = (y - HORIZON) / (H - HORIZON)
    c = mix((20, 30, 72), (2, 5, 20), depth ** 0.7)
    # Ripples grow toward the viewer.
    ripple = 1.0 / (0.4 + 2.5 * depth)
    wave = math.sin(y * 1.1 * ripple + 2.0 * math.sin(x * 0.013 * ripple + y * 0.07) + math.sin(x * 0.031))
    c = add(c, (10, 14, 30), 0.22 * wave)
    # The moon's path of light, widening toward the viewer.
    width = 30.0 + 150.0 * depth
    column = math.exp(-((x - MOON[0]) / width) ** 2)
    glint = clamp(0.5 + 0.5 * wave * math.sin(x * 0.11 * ripple + y * 0.3))
    c = add(c, MOON_LIGHT, 0.9 * column * glint ** 4 * (1.0 - 0.5 * depth))
    # The lamp's small reflection below the cape.
    lx, _ = lamp_centre()
    c = add(c, LAMP, 0.35 * math.exp(-((x - lx) / 6.0) ** 2) * glint ** 6 * math.exp(-depth * 6.0))
    return c


def paint():
    lx, ly = lamp_centre()
    img = []
    for y in range(H):
        row = []
        for x in range(W):
            if y >= HORIZON:
                c = sea(x, y)
            elif y >= hill_top(x) or lighthouse(x, y):
                c = mix((4, 6, 18), (10, 14, 34), (HORIZON - y) / 90.0)  # land against the sky
            else:
                c = sky(x, y)
            # The lamp's glow, over land and sky alike.
            c = add(c, LAMP, 0.9 * math.exp(-((x - lx) ** 2 + (y - ly) ** 2) / 30.0)
                    + 0.25 * math.exp(-math.hypot(x - lx, y - ly) / 22.0))
            row.append(c)
        img.append(row)
    add_stars(img)
    vignette(img)
    return img


def add_stars(img):
    rng = Lcg(0x3A70F1)
    for _ in range(1100):
        x, y = int(rng.uniform() * W), int(rng.uniform() * HORIZON)
        b = rng.uniform() ** 3
        tint = ((255, 255, 255), (200, 214, 255), (255, 236, 200))[int(rng.uniform() * 3)]
        d = math.hypot(x - MOON[0], y - MOON[1])
        # Few stars show near the bright moon, in clouds or behind the land.
        fade = smoothstep(MOON_R * 1.3, MOON_R * 3.0, d) * (1.0 - cloud_density(x, y)) * smoothstep(0, 40, hill_top(x) - y)
        if fade <= 0.02:
            continue
        img[y][x] = mix(img[y][x], tint, (0.3 + 0.7 * b) * fade)
        if b > 0.6:
            for (px, py) in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= px < W and 0 <= py < H:
                    img[py][px] = mix(img[py][px], tint, 0.45 * b * fade)


def vignette(img):
    for y in range(H):
        for x in range(W):
            r2 = ((x - W / 2) / (W / 2)) ** 2 + ((y - H / 2) / (H / 2)) ** 2
            img[y][x] = scale(img[y][x], 1.0 - 0.28 * r2)


def icon_colour(x, y):
    size = 64.0
    dx, dy = x - size / 2, y - size / 2
    d = math.hypot(dx, dy)
    if d > 31.5:
        return (0, 0, 0, 0)
    mx, my = (x - 34.0) / 20.0, (y - 30.0) / 20.0
    m2 = mx * mx + my * my
    if m2 <= 1.0:
        shade = sum(depth * gauss((mx - a) ** 2 + (my - b) ** 2, r) for (a, b, r, depth) in MARIA)
        c = mix(scale(MOON_LIGHT, 0.85 + 0.15 * math.sqrt(1.0 - m2)), (150, 152, 166), clamp(shade * 1.6, 0.0, 0.55))
        return (c[0], c[1], c[2], 255)
    glow = math.exp(-max(0.0, math.sqrt(m2) - 1.0) * 3.0)
    c = add(mix(NIGHT_TOP, NIGHT_LOW, y / size), (96, 112, 164), 0.6 * glow)
    if math.hypot(x - 14.0, y - 16.0) < 1.6:  # one star
        c = (255, 255, 255)
    return (c[0], c[1], c[2], 255)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "second_card")
    background = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "background.png")
    icon_path = sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "mirwin.png")
    write_png(background, W, H, paint())
    write_png(icon_path, 64, 64, icon(64, icon_colour), alpha=True)


if __name__ == "__main__":
    main()
