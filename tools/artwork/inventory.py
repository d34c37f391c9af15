"""inventory.png: the hero's inventory panel, headed "Inventar", six slots in two columns.

The program shows it unstretched, cut to 121 pixels wide, and writes the slot
numbers at fixed points, so the slots sit where those numbers fall: columns
centred near x = 50 and 98, rows so each number lands in the lower half of its
slot. The spare width on the left is a roped pillar, like the hotkey frame.
"""

import numpy as np

from font import text, width
from geometry import box, polygon
from gems import stud
from light import ramp
from noise import fbm
from palette import GOLD, BRONZE
from pillar import pillar
from relief import relief
from raster import Canvas

W, H = 138, 191
SHOWN = 121  # the program cuts the picture here
COLUMNS = (33, 80)  # left edges of the slot columns
ROWS = (42, 94, 146)  # top edges of the slot rows
SLOT = 35
FIELD = [(0.0, (14, 12, 12)), (0.4, (34, 30, 28)), (0.6, (48, 42, 38)), (1.0, (84, 76, 66))]


def slot(cv, left, top):
    """A square well: a bronze rim standing up, a dark floor with shadow under the rim."""
    x, y = cv.x, cv.y
    half = SLOT / 2
    outer = box(x, y, left + half, top + half, half, half, 2)
    relief(cv, outer, GOLD, 3, profile="round", level=0.36, gloss=0.5)
    well = outer + 3
    depth = np.clip(1 - np.minimum(x - left - 3, y - top - 3) / 7, 0, 1)
    floor = ramp(0.25 - 0.2 * depth + 0.1 * fbm(x / 4, y / 4, 91), [(0, (6, 6, 10)), (1, (60, 56, 70))])
    cv.fill(well, floor)


def render():
    cv = Canvas(W, H)
    x, y = cv.x, cv.y
    grain = fbm(x / 6, y / 6, 93)

    panel = polygon(x, y, [(3, 0), (SHOWN - 4, 0), (SHOWN - 1, 3), (SHOWN - 1, H - 4), (SHOWN - 4, H - 1),
                           (3, H - 1), (0, H - 4), (0, 3)])
    relief(cv, panel, GOLD, 3, level=0.4, gloss=0.5)
    inner = panel + 3.5
    relief(cv, inner, FIELD, 4, profile="soft", bumps=grain, depth=1.2, level=0.36, gloss=0.1)
    # A faint engraved lattice on the field, and a fine bronze line inside the rim.
    lattice = np.minimum(np.abs(((x + y) % 12) - 6), np.abs(((x - y) % 12) - 6))
    cv.blend(0.25, (8, 6, 6), within=(lattice < 0.5) & (inner < -3))
    line = np.abs(inner + 2.5) - 0.6
    relief(cv, line, BRONZE, 0.6, level=0.5)

    # The pillar down the left side, a gem beside each row of slots.
    pillar(cv, 15, 9, 4, H - 5, [top + SLOT / 2 for top in ROWS], cap=9)

    # Heading plate with the word in gold.
    plate = box(x, y, 75, 21, 41, 12, 3)
    relief(cv, plate, BRONZE, 2, level=0.42, gloss=0.4)
    cv.fill(plate + 2, (20, 15, 13))
    unit, word = 1.75, "Inventar"
    left = 75 - width(word, unit) / 2
    shadow = text(x - 0.8, y - 0.9, word, left, 14.5, unit, 2.0)
    cv.blend(0.8, (4, 2, 2), within=(shadow < 0) & (plate < -2))
    relief(cv, text(x, y, word, left, 14.5, unit, 2.0), GOLD, 1.0, level=0.55, gloss=0.5)

    for top in ROWS:
        for left in COLUMNS:
            slot(cv, left, top)
    # Gold corner brackets on the open side.
    for sy, sign in ((3, 1), (H - 4, -1)):
        bracket = np.minimum(box(x, y, SHOWN - 9, sy + sign * 2.5, 7, 2.5), box(x, y, SHOWN - 3.5, sy + sign * 8, 2.5, 8))
        relief(cv, bracket, GOLD, 1.5, level=0.45, gloss=0.5)
        stud(cv, SHOWN - 9, sy + sign * 7, 2.2)
    return cv.image(width=0)
