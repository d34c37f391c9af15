"""logo.png: Kitbag's emblem above its name, a crest between two gold wings."""

import numpy as np

from crest import crest
from geometry import ellipse, rotate
from light import height, shade, metal
from palette import GOLD, BRONZE
from raster import Canvas

W, H = 70, 55
# Feathers from the top down: angle above the horizon, length.
FEATHERS = [(50, 19), (27, 22), (6, 20), (-15, 15)]


def wing(cv, side):
    """Fanned feathers behind the shield on one side (side = -1 left, +1 right)."""
    cx = W / 2
    for i, (angle, length) in enumerate(FEATHERS):
        root_x, root_y = cx + side * 12, 20 + i * 4
        a = np.radians(angle)
        mx = root_x + side * np.cos(a) * length * 0.5
        my = root_y - np.sin(a) * length * 0.5
        x, y = rotate(cv.x, cv.y, mx, my, -side * angle)
        # Wider towards the tip, like a flight feather.
        along = (x - mx) * side / (length * 0.5)
        d = ellipse(x, y, mx, my, length * 0.5, 3.4 - i * 0.25) - 0.6 * along
        diffuse, glint = shade(height(d, 2.0, "round"), cv.ss)
        cv.fill(d, metal(diffuse, glint, GOLD if i % 2 == 0 else BRONZE))
        shaft = np.maximum(np.abs(y - my) - 0.35, d + 1.2)
        cv.blend(0.55, (40, 22, 8), within=shaft < 0)


def render():
    cv = Canvas(W, H)
    for side in (-1, 1):
        wing(cv, side)
    crest(cv, W / 2, 3, 36, 49)
    return cv.image(width=1)
