"""info.png: an ornate blue and purple medallion, a great gem in a filigree star.

Squeezed to 57x49 on screen, so it is drawn a little taller than round; the
four long points and the bright gem carry it at that size.
"""

import numpy as np

from geometry import polygon, stroke
from gems import gem, stud
from palette import BLUE_GEM, PURPLE_GEM
from relief import relief
from raster import Canvas

W, H = 181, 209
CX, CY = W / 2, H / 2
TALL = 1.16  # vertical stretch, undone by the squeeze on screen
STEEL = [(0.0, (10, 14, 30)), (0.25, (34, 48, 92)), (0.45, (66, 90, 150)),
         (0.7, (124, 150, 206)), (1.0, (226, 236, 254))]
VIOLET = [(0.0, (18, 8, 30)), (0.25, (58, 26, 88)), (0.45, (100, 52, 140)),
          (0.7, (156, 104, 200)), (1.0, (236, 214, 254))]
ENAMEL = [(0.0, (16, 6, 30)), (0.5, (44, 16, 76)), (1.0, (88, 40, 130))]


def at(r, degrees):
    a = np.radians(degrees)
    return CX + r * np.cos(a), CY + r * np.sin(a) * TALL


def point(degrees, length, spread):
    """One kite-shaped point of the star, its base hidden under the ring."""
    return [at(30, degrees), at(58, degrees - spread), at(length, degrees), at(58, degrees + spread)]


def curl(degrees, turn):
    """A filigree scroll: it leaves the ring and rolls up on itself."""
    a = np.radians(degrees)
    cx, cy = at(72, degrees)
    inward = a + np.pi
    s = np.linspace(0, 2.4 * np.pi, 48)
    rad = 13 * (1 - s / (3.2 * np.pi))
    phi = inward + turn * s
    return list(zip(cx + rad * np.cos(phi), cy + rad * np.sin(phi) * TALL))


def render():
    cv = Canvas(W, H)
    x, y = cv.x, cv.y
    yt = CY + (y - CY) / TALL  # a frame where the medallion is round

    for k in range(4):
        relief(cv, stroke(x, y, curl(k * 90 - 45, 1), 5.5, 2.6), STEEL, 2.4, level=0.46, gloss=0.5)
    for i in range(8):
        long = i % 2 == 0
        kite = polygon(x, y, point(i * 45 - 90, 88 if long else 70, 13 if long else 10))
        relief(cv, kite, VIOLET, 6, profile="bevel", level=0.42, gloss=0.45)
        # A groove down each point.
        tip, mid = at((88 if long else 70) - 12, i * 45 - 90), at(56, i * 45 - 90)
        cv.blend(0.5, (20, 8, 34), within=stroke(x, y, [mid, tip], 1.4) < 0)

    dist = np.hypot(x - CX, yt - CY)
    ring = np.maximum(dist - 56, 44 - dist)
    relief(cv, ring, STEEL, 5, level=0.42, gloss=0.5)
    relief(cv, dist - 44, ENAMEL, 3, level=0.5, gloss=0.2, where=dist < 44.5)
    # Fine rays in the enamel around the gem.
    a = np.arctan2(yt - CY, x - CX)
    rays = (np.abs(np.sin(a * 12)) < 0.18) & (dist < 42) & (dist > 30)
    cv.blend(0.45, (150, 110, 210), within=rays)
    for i in range(16):
        bx, by = at(50, i * 22.5 + 11.25)
        stud(cv, bx, by, 2.6, STEEL)
    for i in range(4):
        gx, gy = at(50, i * 90 - 90)
        gem(cv, gx, gy, 6, 6 * TALL, PURPLE_GEM, facets=6, setting=STEEL, rim=2)
    gem(cv, CX, CY, 27, 27 * TALL, BLUE_GEM, facets=8, setting=STEEL, rim=3.5)
    return cv.image(width=2)
