"""A dark pillar wound with rope and set with purple gems, with bronze capital and base.

Used by the hotkey frame and the inventory panel. `tall` stretches the vertical
detail for pictures that the program squeezes, so gems stay round on screen.
"""

import numpy as np

from geometry import box
from gems import gem
from light import shade, ramp
from noise import fbm
from palette import BRONZE, GOLD, PURPLE_GEM
from relief import relief

SHAFT = [(0.0, (8, 6, 6)), (0.35, (30, 22, 18)), (0.55, (50, 36, 26)), (0.8, (84, 62, 42)), (1.0, (130, 100, 70))]
ROPE = [(0.0, (26, 16, 8)), (0.35, (84, 62, 34)), (0.6, (140, 108, 64)), (0.85, (192, 160, 106)), (1.0, (228, 206, 152))]


def pillar(cv, cx, half, top, bottom, gem_ys, tall=1.0, cap=8.0):
    x, y = cv.x, cv.y
    u = np.clip((x - cx) / half, -1, 1)
    round_ = np.sqrt(1 - u * u)  # the shaft's round cross-section

    shaft = box(x, y, cx, (top + bottom) / 2, half, (bottom - top) / 2)
    grain = fbm(x / 2, y / (8 * tall), 97)
    h = round_ * half * 0.8 + grain * 1.5
    diffuse, glint = shade(h, cv.ss)
    cv.fill(shaft, ramp(np.clip(0.4 * diffuse + 0.2 * glint, 0, 1), SHAFT))

    # Rope: strands running diagonally across the shaft, the dark wood between turns.
    period = 8.0 * tall
    s = (y + (x - cx) * 0.8 * tall) / period
    f = s - np.floor(s)
    strand = np.sqrt(np.clip(1 - ((f - 0.5) / 0.3) ** 2, 0, 1))
    twist = 0.5 + 0.5 * np.cos((f * 3 + (x - cx) / half) * np.pi * 2) * 0.3
    h = round_ * half * 0.8 + strand * 2.4 * tall + twist
    diffuse, glint = shade(h, cv.ss)
    on_rope = (strand > 0) & (shaft < 0)
    cv.fill(on_rope, ramp(np.clip(0.42 * diffuse + 0.25 * glint, 0, 1), ROPE))
    cv.blend(0.5, (10, 6, 4), within=on_rope & (strand < 0.35))

    # Capital and base: stepped bronze mouldings wider than the shaft.
    for edge, sign in ((top, 1), (bottom, -1)):
        for i, (grow, depth) in enumerate([(4, cap * 0.55), (2, cap * 0.45)]):
            cy = edge + sign * (cap * 0.55 * i + depth / 2)
            block = box(x, y, cx, cy, half + grow, depth / 2, 1)
            relief(cv, block, BRONZE if i else GOLD, min(depth / 2, 2.5), level=0.42, gloss=0.5)

    for gy in gem_ys:
        collar = box(x, y, cx, gy, half + 1, half * 0.5 * tall, 1)
        relief(cv, collar, BRONZE, 2, level=0.4, gloss=0.5)
        r = half * 0.58
        gem(cv, cx, gy, r, r * tall, PURPLE_GEM, facets=6, setting=GOLD, rim=max(1.6, r * 0.25))
