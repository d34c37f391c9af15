"""settings.png: a goblin merchant's shop front.

Shingled roof, striped awning, a green goblin behind the counter with a potion and
coins, and a coin sign hung from the gable: the shape of a market stall holds even
when the button is squeezed to 57x49.
"""

import numpy as np

from geometry import polygon, box, circle, ellipse, stroke
from gems import stud
from noise import fbm
from palette import GOLD
from patterns import scales, bands
from relief import relief
from raster import Canvas

W, H = 95, 110
SLATE = [(0.0, (14, 16, 22)), (0.3, (34, 40, 50)), (0.5, (58, 66, 78)), (0.8, (96, 106, 116)), (1.0, (150, 160, 166))]
PLANK = [(0.0, (24, 14, 8)), (0.3, (62, 38, 20)), (0.5, (96, 62, 34)), (0.8, (140, 98, 56)), (1.0, (190, 150, 96))]
CLOTH_RED = [(0.0, (40, 6, 6)), (0.4, (120, 24, 20)), (0.7, (170, 44, 32)), (1.0, (226, 120, 90))]
CLOTH_TAN = [(0.0, (60, 40, 14)), (0.4, (166, 124, 58)), (0.7, (210, 172, 96)), (1.0, (244, 222, 160))]
SKIN = [(0.0, (14, 34, 8)), (0.35, (50, 100, 30)), (0.6, (96, 150, 54)), (1.0, (196, 226, 130))]
STONE = [(0.0, (20, 18, 16)), (0.35, (58, 52, 46)), (0.6, (92, 84, 74)), (1.0, (160, 150, 134))]
POTION = [(0.0, (4, 20, 50)), (0.4, (20, 80, 160)), (0.7, (60, 170, 230)), (1.0, (200, 244, 254))]


def awning(cv):
    x, y = cv.x, cv.y
    top, bottom = 50, 64
    d = polygon(x, y, [(6, top), (88, top), (94, bottom), (0, bottom)])
    for cx in np.arange(4.7, 94, 9.4):
        d = np.minimum(d, circle(x, y, cx, bottom, 4.7) + np.where(y < bottom, 9, 0))
    stripe = np.floor((x - 47 - (y - top) * 0.08 * (x - 47) / 47) / 9.4 + 0.5) % 2 == 0
    # The cloth bellies out: light falls across its width, and folds at stripe edges.
    folds = bands(x + 4.7, 9.4, 1.4)
    relief(cv, d, CLOTH_RED, 6, bumps=folds, depth=1.5, level=0.42, where=stripe)
    relief(cv, d, CLOTH_TAN, 6, bumps=folds, depth=1.5, level=0.36, where=~stripe)
    cv.blend(0.5, (10, 4, 2), within=np.abs(y - top - 0.5) < 0.8)


def goblin(cv):
    x, y = cv.x, cv.y
    for side in (-1, 1):
        ear = polygon(x, y, [(47 + side * 6, 70), (47 + side * 24, 66), (47 + side * 7, 78)])
        relief(cv, ear, SKIN, 2.5, level=0.4)
    head = ellipse(x, y, 47, 76, 9, 9)
    relief(cv, head, SKIN, 6, level=0.42)
    for side in (-1, 1):
        cv.fill(ellipse(x, y, 47 + side * 4, 73.5, 2.6, 1.9), (250, 214, 60))
        cv.fill(ellipse(x, y, 47 + side * 4 + 0.6, 73.8, 0.8, 1.4), (20, 10, 4))
    cv.blend(0.7, (20, 40, 10), within=np.abs(y - 71) + np.abs(x - 47) * 0.05 < 0.9)
    nose = polygon(x, y, [(46, 74), (50.5, 78.5), (45.5, 79)])
    relief(cv, nose, SKIN, 1.5, level=0.5)
    cv.fill(stroke(x, y, [(42, 81), (47, 82.5), (52, 81)], 1.2), (30, 10, 6))


def render():
    cv = Canvas(W, H)
    x, y = cv.x, cv.y
    grain = fbm(x / 3, y / 12, 71)

    # Stone footing and plank walls.
    footing = box(x, y, 47, 101, 42, 6, 1.5)
    blocks = scales(x, y, 11, 0.55) * 0.8 + grain * 0.2
    relief(cv, footing, STONE, 2, bumps=blocks, depth=1.2, level=0.36)
    walls = box(x, y, 47, 72, 38, 28)
    relief(cv, walls, PLANK, 1.5, bumps=bands(x, 7.5, 3) * 0.8 + grain * 0.2, depth=1.0, level=0.34)

    # Roof: overlapping slates, its eaves overhanging the walls.
    roof = polygon(x, y, [(1, 48), (47, 3), (93, 48), (89, 52), (5, 52)])
    relief(cv, roof, SLATE, 3, bumps=scales(x, y, 7, 0.7) * 0.85 + grain * 0.15, depth=1.6, level=0.38)
    ridge = stroke(x, y, [(2, 48), (47, 3.5), (92, 48)], 3.2)
    relief(cv, ridge, PLANK, 1.6, level=0.46)

    # The coin sign hangs from the gable on two chains.
    for cx in (41, 53):
        cv.fill(stroke(x, y, [(cx, 19), (cx, 26)], 1.4), (132, 124, 112))
    board = box(x, y, 47, 34, 12, 8, 1.5)
    relief(cv, board, PLANK, 2, bumps=grain, depth=0.8, level=0.4)
    stud(cv, 47, 34, 5.6, GOLD)
    cv.fill(stroke(x, y, [(47, 31.2), (47, 36.8)], 1.2), (110, 70, 20))

    # Dark shop window with the goblin keeper, then the counter.
    cv.fill(box(x, y, 47, 74, 32, 11), (22, 15, 11))
    goblin(cv)
    awning(cv)
    counter = box(x, y, 47, 89, 38, 6.5, 1)
    relief(cv, counter, PLANK, 2.2, bumps=bands(y, 4.3, 3) * 0.6 + grain * 0.4, depth=0.8, level=0.42)

    # Wares: a stack of coins and a glowing blue potion.
    for i in range(3):
        coin = ellipse(x, y, 23, 82 - i * 2.3, 5.2, 2.2)
        relief(cv, coin, GOLD, 1.5, level=0.5)
    flask = np.minimum(circle(x, y, 70, 77, 6), box(x, y, 70, 69.5, 1.8, 3))
    relief(cv, flask, POTION, 4, level=0.5)
    cv.blend(0.7, (250, 254, 254), within=ellipse(x, y, 67.8, 74.5, 1.4, 1.9) < 0)
    relief(cv, box(x, y, 70, 66, 2.4, 1.6, 0.6), PLANK, 1, level=0.55)
    return cv.image(width=1)
