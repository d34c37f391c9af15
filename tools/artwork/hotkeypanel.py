"""hotkeypanel.png: the frame around the six hotkey rows.

Two roped pillars set with purple gems, joined by an arched beam with a gem
keystone; everything between them is see-through white. The program squeezes it
to 321x185, about half its height, so vertical detail is drawn TALL times
taller than it should look, and the pillars are kept bold.
"""

import numpy as np

from geometry import polygon, stroke, box
from gems import gem
from noise import fbm
from palette import GOLD, BRONZE, PURPLE_GEM
from pillar import pillar
from relief import relief
from raster import Canvas

W, H = 370, 403
TALL = 1.8
PX = 22  # pillar centre distance from each side
HALF = 15
BEAM_TOP, BEAM_END, ARCH_TOP = 4, 58, 36
WOOD = [(0.0, (10, 6, 4)), (0.3, (34, 22, 14)), (0.5, (56, 36, 22)), (0.8, (92, 62, 38)), (1.0, (140, 104, 68))]


def arch_line(x):
    """The beam's underside: low over the pillars, rising to the middle."""
    t = np.clip((x - W / 2) / (W / 2 - PX - HALF), -1, 1)
    return ARCH_TOP + (BEAM_END - ARCH_TOP) * t * t


def beam(cv):
    x, y = cv.x, cv.y
    xs = np.linspace(PX - HALF, W - PX + HALF, 40)
    under = [(px, arch_line(px)) for px in xs[::-1]]
    body = polygon(x, y, [(2, BEAM_TOP + 6), (8, BEAM_TOP), (W - 8, BEAM_TOP), (W - 2, BEAM_TOP + 6),
                          (W - 2, BEAM_END + 4), (W - PX + HALF, BEAM_END + 4)] + under +
                   [(PX - HALF, BEAM_END + 4), (2, BEAM_END + 4)])
    grain = fbm(x / 40, y / 3, 101) * 0.7 + fbm(x / 6, y / 1.5, 103) * 0.3
    relief(cv, body, WOOD, 4, bumps=grain, depth=1.5, level=0.36)
    # Gold trim along the top edge and following the arch.
    relief(cv, box(x, y, W / 2, BEAM_TOP + 4, W / 2 - 6, 2.2), GOLD, 2, level=0.42, gloss=0.5)
    trim = stroke(x, y, [(px, arch_line(px) - 4) for px in xs], 3.6)
    relief(cv, trim, GOLD, 1.8, level=0.42, gloss=0.5)
    # Corner blocks where the beam sits on the pillars.
    for cx in (PX, W - PX):
        block = box(x, y, cx, (BEAM_TOP + BEAM_END) / 2 + 2, HALF + 5, (BEAM_END - BEAM_TOP) / 2 + 1, 2)
        relief(cv, block, BRONZE, 3, bumps=grain, depth=0.6, level=0.38, gloss=0.4)
        gem(cv, cx, (BEAM_TOP + BEAM_END) / 2 + 2, 6, 6 * TALL * 0.8, PURPLE_GEM, facets=6, rim=2)
    keystone(cv)


def keystone(cv):
    x, y = cv.x, cv.y
    cx = W / 2
    for side in (-1, 1):
        # Scrolls spreading from the keystone along the beam.
        pts = [(cx + side * (22 + 40 * (1 - np.cos(a))), BEAM_TOP + 24 - 10 * np.sin(a))
               for a in np.linspace(0, np.pi * 0.9, 20)]
        relief(cv, stroke(x, y, pts, 4.5, 2.5), GOLD, 2, level=0.44, gloss=0.5)
    stone = polygon(x, y, [(cx - 16, BEAM_TOP), (cx + 16, BEAM_TOP), (cx + 11, BEAM_END + 6), (cx - 11, BEAM_END + 6)])
    relief(cv, stone, GOLD, 3.5, profile="bevel", level=0.4, gloss=0.5)
    gem(cv, cx, (BEAM_TOP + BEAM_END) / 2 + 3, 8.5, 8.5 * TALL * 0.85, PURPLE_GEM, facets=8, setting=BRONZE, rim=2)


def render():
    cv = Canvas(W, H)
    gems = [120, 220, 320]
    for cx in (PX, W - PX):
        pillar(cv, cx, HALF, BEAM_END - 4, H - 4, gems, tall=TALL, cap=14)
    beam(cv)
    return cv.image(width=2)
