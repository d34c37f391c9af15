"""bar.png: the dark strip behind titles and commands, in a thin gold frame.

It is stretched to many widths and to 25 pixels high, so the middle is plain and
dark for text and the ornament stays in the pointed ends.
"""

import numpy as np

from geometry import polygon
from gems import gem
from light import height, shade, metal, ramp
from noise import fbm
from palette import GOLD, BRONZE, RED_GEM
from raster import Canvas

W, H = 285, 39


def render():
    cv = Canvas(W, H)
    x, y = cv.x, cv.y
    mid = (H - 1) / 2 + 0.5
    outer = polygon(x, y, [(1, mid), (16, 1), (W - 16, 1), (W - 1, mid), (W - 16, H - 1), (16, H - 1)])
    rim = 3.2
    diffuse, glint = shade(height(outer, rim, "round"), cv.ss)
    cv.fill(outer, metal(diffuse, glint, GOLD))

    # The field: dark leather, a shade lighter at the top, with a faint grain.
    body = outer + rim
    grain = fbm(x / 18, y / 3, seed=11, octaves=3)
    shadeband = ramp((y - 4) / (H - 8), [(0, (44, 34, 28)), (0.5, (30, 23, 19)), (1, (18, 13, 11))])
    cv.fill(body, shadeband * (0.85 + 0.3 * grain)[..., None])

    # A fine inner line, sunk into the field, echoing the rim.
    inner = np.abs(body + 2.2) - 0.7
    diffuse, glint = shade(-height(inner, 0.7, "round"), cv.ss)
    cv.fill(inner, metal(diffuse, glint, BRONZE))

    # Small red gems at the pointed ends.
    for cx in (13, W - 13):
        gem(cv, cx, mid, 4.2, 5.5, RED_GEM, facets=6, rim=1.6)
    return cv.image(width=1)
