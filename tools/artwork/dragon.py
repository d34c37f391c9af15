"""activate.png: a red dragon's head in profile, jaws open, eye glowing.

The button is shown squeezed to 57x49, so the head is drawn tall and chunky:
big eye, heavy horns and bright teeth keep it a dragon at that size.
"""

import numpy as np

from geometry import polygon, stroke, bezier, ellipse, rotate
from light import ramp
from noise import fbm
from patterns import scales, bands
from relief import relief
from raster import Canvas

W, H = 87, 107
RED = [(0.0, (28, 4, 4)), (0.25, (78, 12, 10)), (0.45, (136, 26, 16)),
       (0.7, (192, 62, 30)), (1.0, (246, 170, 100))]
BELLY = [(0.0, (52, 24, 8)), (0.4, (150, 88, 30)), (0.7, (206, 148, 64)), (1.0, (246, 222, 150))]
HORN = [(0.0, (36, 26, 16)), (0.35, (100, 82, 58)), (0.6, (170, 150, 112)), (1.0, (244, 236, 210))]
MOUTH = (70, 8, 10)
EYE = [(0.0, (150, 40, 4)), (0.5, (236, 150, 20)), (1.0, (252, 240, 140))]

NECK = bezier((52, 62), (40, 80), (30, 92), (26, H + 8), n=20)
UPPER = [(26, 44), (26, 30), (36, 20), (50, 22), (58, 30), (66, 34), (77, 38), (84, 41),
         (86, 46), (84, 51), (71, 53), (58, 56), (48, 60), (40, 64), (30, 58)]
LOWER = [(44, 58), (58, 65), (72, 73), (78, 76), (77, 81), (66, 84), (52, 81), (40, 72)]
INSIDE = [(46, 58), (84, 50), (77, 77), (50, 66)]
FRILL = [(30, 48), (8, 44), (17, 52), (6, 60), (18, 61), (12, 68), (34, 62)]


def teeth(cv, edge, down, sizes):
    """Ivory fangs hanging from (or standing on) a jaw line."""
    for (x0, y0), s in zip(edge, sizes):
        tip = y0 + (s * 1.5 if down else -s * 1.5)
        d = polygon(cv.x, cv.y, [(x0 - s / 2, y0), (x0 + s / 2, y0), (x0 + s * 0.1, tip)])
        relief(cv, d, HORN, 1.5, level=0.72)


def horn(cv, pts, w0, w1):
    d = stroke(cv.x, cv.y, pts, w0, w1)
    ridges = bands(np.hypot(cv.x - pts[0][0], cv.y - pts[0][1]), 3.2, 2.0)
    relief(cv, d, HORN, w0 * 0.45, bumps=ridges, depth=0.6, level=0.5)


def render():
    cv = Canvas(W, H)
    x, y = cv.x, cv.y
    grain = fbm(x / 5, y / 5, 61)
    neck_scales = scales(x, y, 4.8, 0.8) * 0.7 + grain * 0.3
    head_scales = scales(x, y, 3.4, 0.8) * 0.5 + grain * 0.5

    # Spines down the back of the neck, behind it.
    for i, t in enumerate((0.25, 0.45, 0.65, 0.85)):
        px, py = NECK[int(t * (len(NECK) - 1))]
        base = (px - 15 + i * 1.5, py)
        d = polygon(x, y, [(base[0] + 4, base[1] - 7), (base[0] - 13 + i * 2, base[1] - 6), (base[0] + 3, base[1] + 6)])
        relief(cv, d, RED, 2.5, level=0.34)

    relief(cv, polygon(x, y, FRILL), RED, 2.5, level=0.3)
    neck = stroke(x, y, NECK, 28, 36)
    relief(cv, neck, RED, 12, bumps=neck_scales, depth=1.1, level=0.4)
    # Pale throat plates on the front of the neck.
    throat = np.maximum(neck, -stroke(x + 12, y - 2, NECK, 28, 36))
    plates = bands(y, 5.0, 3.0)
    relief(cv, np.maximum(throat, -neck - 12), BELLY, 3, bumps=plates, depth=1.0, level=0.5)

    # Back horn first, the front one over the skull.
    horn(cv, bezier((40, 26), (30, 12), (24, 6), (22, 1), n=16), 8, 1.5)
    lower = polygon(x, y, LOWER)
    relief(cv, lower, RED, 5, bumps=head_scales, depth=0.5, level=0.32)
    cv.fill(polygon(x, y, INSIDE), MOUTH)
    cv.blend(0.6, (24, 2, 4), within=polygon(x, y, INSIDE) + 3 < 0)
    teeth(cv, [(58, 65.5), (65.5, 69.8), (73, 74.5)], False, [4.4, 4.0, 4.6])
    upper = polygon(x, y, UPPER)
    relief(cv, upper, RED, 9, bumps=head_scales, depth=0.6)
    teeth(cv, [(52, 58), (61, 56), (70, 54), (79.5, 52)], True, [4.4, 3.8, 4.4, 5.4])

    # A heavy brow, then the front horn over the skull.
    brow = ellipse(*rotate(x, y, 52, 30, 18), 52, 30, 10, 4.5)
    relief(cv, brow, RED, 4, level=0.46)
    horn(cv, bezier((34, 30), (20, 22), (10, 14), (4, 3), n=18), 10, 1.8)

    # A glowing eye with a slit pupil, and a nostril.
    ex, ey = rotate(x, y, 55, 36, 12)
    eye = ellipse(ex, ey, 55, 36, 6.5, 3.8)
    cv.fill(eye, (20, 4, 2))
    iris = ellipse(ex, ey, 55, 36, 5.4, 2.9)
    cv.fill(iris, ramp(np.clip(1.1 - np.hypot((x - 54) / 6, (y - 35.5) / 3.5), 0, 1), EYE))
    cv.fill(ellipse(x, y, 55.5, 36, 0.9, 2.6), (30, 6, 2))
    cv.fill(ellipse(x, y, 79, 43.5, 2.2, 1.3), (26, 4, 4))
    return cv.image(width=1)
