"""quit.png: a goblin workshop tower, patched together, gears on its side, a smoking chimney.

A tall leaning tower, a big gear and a smoke trail stay readable as the button
shrinks to 57x49.
"""

import numpy as np

from geometry import polygon, box, circle, ellipse, stroke, bezier
from gems import stud
from light import ramp
from noise import fbm, value
from palette import IRON, BRONZE
from patterns import scales, bands
from relief import relief
from raster import Canvas

W, H = 195, 192
RUST = [(0.0, (24, 10, 6)), (0.3, (72, 32, 14)), (0.5, (118, 56, 24)), (0.75, (160, 92, 46)), (1.0, (214, 160, 104))]
PLANK = [(0.0, (24, 14, 8)), (0.3, (60, 38, 20)), (0.5, (92, 60, 32)), (0.8, (136, 96, 54)), (1.0, (186, 146, 92))]
STONE = [(0.0, (18, 16, 14)), (0.35, (54, 50, 44)), (0.55, (86, 80, 70)), (1.0, (156, 148, 132))]
SMOKE = [(0.0, (40, 38, 38)), (0.4, (96, 92, 90)), (0.7, (140, 136, 132)), (1.0, (196, 192, 186))]
GLOW = [(0.0, (120, 40, 6)), (0.5, (230, 140, 30)), (1.0, (254, 232, 150))]
BASE_Y, TOP_Y = 183, 58


def centre(y):
    """The tower leans a little and bulges where it was patched."""
    return 100 + (BASE_Y - y) * 0.07 + 2.5 * np.sin(y / 23)


def half_width(y):
    return 35 - (BASE_Y - y) * 0.09


def gear(cv, cx, cy, r, teeth, stops, turn=0.0):
    x, y = cv.x, cv.y
    a = np.arctan2(y - cy, x - cx) + turn
    tooth = np.clip((np.cos(teeth * a) + 0.1) * 3, 0, 1)
    dist = np.hypot(x - cx, y - cy)
    outer = dist - (r + r * 0.16 * tooth)
    rim = np.maximum(outer, r * 0.72 - dist)
    spokes = np.abs(np.sin(3 * (a - turn))) * dist - r * 0.15
    body = np.minimum(rim, np.maximum(spokes, dist - r * 0.8))
    relief(cv, body, stops, r * 0.14, level=0.42, gloss=0.5)
    relief(cv, circle(x, y, cx, cy, r * 0.3), stops, r * 0.2, level=0.48, gloss=0.5)
    cv.fill(circle(x, y, cx, cy, r * 0.08), (16, 12, 10))


def body(cv):
    """The tower's skin: rows of mismatched plates and planks, riveted at the corners."""
    x, y = cv.x, cv.y
    c, hw = centre(y), half_width(y)
    shell = np.abs(x - c) - hw
    shell = np.maximum(shell, np.maximum(TOP_Y - y, y - BASE_Y))
    rows = [58, 80, 104, 126, 150, 168, BASE_Y]
    grain = fbm(x / 4, y / 4, 81)
    u = (x - c) / np.maximum(hw, 1)  # -1..1 across the tower
    curve = np.sqrt(np.clip(1 - u * u, 0, 1)) * 6  # round like a barrel
    for i in range(len(rows) - 1):
        top, bottom = rows[i], rows[i + 1]
        split = -0.35 + 0.7 * value(i * 3.1, 0.5, 83)
        for piece, stops in enumerate([(RUST, IRON, PLANK, RUST, PLANK, IRON)[i],
                                      (PLANK, RUST, IRON, PLANK, IRON, RUST)[i]]):
            side = (u < split) if piece == 0 else (u >= split)
            seam = np.minimum(np.minimum(y - top, bottom - y), np.abs(u - split) * hw)
            plate = np.where(side & (y >= top) & (y < bottom), -np.minimum(seam, 3), 1)
            texture = bands(x - c, 5, 3) if stops is PLANK else grain
            relief(cv, np.maximum(plate, shell), stops, 1.5, bumps=texture * 0.4 + curve / 6, depth=6, level=0.36)
    for top in rows[:-1]:
        for fx in (-0.82, 0.82):
            yy = top + 4
            stud(cv, centre(yy) + fx * half_width(yy), yy, 1.8, BRONZE)


def forge(cv, grain):
    """A lean-to shed at the foot of the tower, its furnace mouth glowing."""
    x, y = cv.x, cv.y
    shed = box(x, y, 150, 168, 22, 15)
    relief(cv, shed, PLANK, 1.5, bumps=bands(x, 6, 3) * 0.7 + grain * 0.3, depth=1.0, level=0.3)
    roof = polygon(x, y, [(128, 146), (176, 156), (176, 161), (128, 153)])
    relief(cv, roof, IRON, 2, bumps=bands(x, 5, 2), depth=0.8, level=0.4)
    mouth = np.minimum(box(x, y, 154, 176, 8, 6), circle(x, y, 154, 170, 8))
    relief(cv, mouth, STONE, 2.5, level=0.34)
    cv.fill(mouth + 2, ramp(np.clip(1.1 - np.hypot(x - 154, y - 178) / 10, 0, 1), GLOW))
    for i, sx in enumerate((133, 141)):
        relief(cv, box(x, y, sx, 179, 3.4, 4, 1), IRON if i else BRONZE, 1.5, level=0.42)


def render():
    cv = Canvas(W, H)
    x, y = cv.x, cv.y
    grain = fbm(x / 5, y / 5, 85)

    # Smoke first, the chimney over it.
    puffs = [(137, 19, 5), (145, 12, 7), (158, 9, 9), (174, 12, 11), (184, 25, 8)]
    smoke = np.min([circle(x, y, px, py, r) for px, py, r in puffs], axis=0) + (grain - 0.5) * 3
    relief(cv, smoke, SMOKE, 9, bumps=grain, depth=3, level=0.44, gloss=0.0)
    chimney = stroke(x, y, [(124, 52), (128, 30), (134, 20)], 9, 8)
    relief(cv, chimney, IRON, 3.5, bumps=bands(y, 6, 2), depth=0.6, level=0.38)
    relief(cv, box(x, y, 135, 19, 7, 2.6, 1), IRON, 1.5, level=0.46)

    # Rubble footing, the tower, its crooked roof.
    relief(cv, ellipse(x, y, 100, 184, 58, 7), STONE, 3, bumps=scales(x, y, 9, 0.6) * 0.7 + grain * 0.3, depth=1.6, level=0.36)
    body(cv)
    left = bezier((centre(TOP_Y) - half_width(TOP_Y) - 12, 64), (96, 50), (104, 28), (114, 6), n=16)
    right = bezier((114, 6), (116, 30), (126, 44), (centre(TOP_Y) + half_width(TOP_Y) + 12, 62), n=16)
    roof = polygon(x, y, np.vstack([left, right, [(centre(TOP_Y), 68)]]))
    relief(cv, roof, RUST, 5, bumps=scales(x - 3, y, 8, 0.6) * 0.8 + grain * 0.2, depth=1.6, level=0.36)

    # Warm lit windows and a plank door.
    for wx, wy in [(104, 90), (92, 138)]:
        frame = np.minimum(box(x, y, wx, wy + 2, 7, 6), circle(x, y, wx, wy - 4, 7))
        relief(cv, frame, PLANK, 1.5, level=0.3)
        pane = np.minimum(box(x, y, wx, wy + 2, 4.6, 4.2), circle(x, y, wx, wy - 3.5, 4.6))
        cv.fill(pane, ramp(np.clip(1.2 - np.hypot(x - wx, y - wy) / 8, 0, 1), GLOW))
        cv.fill((np.abs(x - wx) < 0.7) & (pane < 0), (60, 28, 8))
    door = np.minimum(box(x, y, 104, 176, 9, 7), circle(x, y, 104, 169, 9))
    relief(cv, door, PLANK, 2, bumps=bands(x - 95, 4.5, 3), depth=0.8, level=0.3)
    cv.fill((np.abs(y - 174) < 1) & (door < -1), (40, 40, 44))

    forge(cv, grain)

    # The workshop's gears: a big one on the side, a small one meshing above it.
    gear(cv, 54, 120, 27, 12, BRONZE, turn=0.1)
    gear(cv, 72, 78, 15, 8, IRON, turn=0.3)
    return cv.image(width=1)
