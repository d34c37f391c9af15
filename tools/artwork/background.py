"""background.png: dark wooden boards crossed by thin green tendrils.

The window stretches it behind everything, so it stays dark and even, without
a focal point, and is smooth enough along the grain to compress well.
"""

import numpy as np
from PIL import Image, ImageFilter

from raster import Canvas, to_image
from vines import Field, grow, curl
from wood import planks

W, H = 622, 434
SEAMS = [0, 104, 211, 322, H]
KNOTS = [(150, 60, 26, 9), (470, 170, 30, 10), (84, 268, 22, 8), (540, 380, 26, 9), (330, 250, 18, 7)]

# (start, heading in degrees, steps of 2 px, seed): each enters from an edge.
TENDRILS = [((-4, 70), 8, 300, 21), ((30, H + 4), -52, 230, 22), ((W + 4, 140), 186, 330, 23),
            ((410, -4), 104, 200, 24), ((560, H + 4), -118, 190, 25), ((-4, 372), -12, 250, 26),
            ((250, -4), 72, 130, 27), ((-4, 236), -24, 210, 28), ((330, H + 4), -76, 120, 29)]


def tendril(field, start, heading, steps, seed):
    rng = np.random.RandomState(seed)
    pts = grow(start, heading, steps, seed, wander=0.045)
    field.stem(pts, 3.2, 1.1)
    side = 1
    for i in range(8, steps - 6, 12 + rng.randint(0, 5)):
        d = pts[i + 1] - pts[i - 1]
        a = np.degrees(np.arctan2(d[1], d[0]))
        size = 1 - 0.45 * i / steps
        field.leaf(pts[i], a + side * rng.uniform(40, 62), rng.uniform(10, 14) * size + 2.5, 6 * size + 1.2)
        if rng.rand() < 0.28:
            c = curl(pts[i], a - side * 70, turns=1.3, radius=rng.uniform(3.5, 5.5), side=-side)
            field.stem(c, 1.2, 0.6)
        if rng.rand() < 0.12 and steps - i > 60:
            branch = grow(pts[i], a - side * 35, rng.randint(30, 60), seed * 7 + i, wander=0.07)
            field.stem(branch, 1.8, 0.8)
            for j in range(8, len(branch) - 4, 14):
                field.leaf(branch[j], a - side * 35 + side * 50 * (-1) ** j, 8, 4)
        side = -side


def render():
    cv = Canvas(W, H, ss=2)
    wood = planks(cv.x, cv.y, SEAMS, seed=5, knots=KNOTS)
    field = Field(cv)
    for args in TENDRILS:
        tendril(field, *args)
    vine = field.d < 0

    # Vines cast a soft shadow down-right onto the boards.
    s = cv.ss
    mask = Image.fromarray((vine * 255).astype(np.uint8))
    shadow = np.asarray(mask.filter(ImageFilter.GaussianBlur(2.2 * s)), np.float32) / 255
    shadow = np.roll(shadow, (int(3 * s), int(2 * s)), axis=(0, 1))
    wood *= (1 - 0.6 * shadow)[..., None]

    # Edges fall off a little, so the middle of each window reads as lit.
    u = (cv.x / W - 0.5) * 2
    v = (cv.y / H - 0.5) * 2
    vignette = 1 - 0.28 * np.clip(u * u * 0.7 + v * v * 0.9, 0, 1.4)
    cv.fill(np.ones_like(vine), wood)
    cv.fill(vine, field.colour())
    cv.rgb *= vignette[..., None]
    rgb, _ = cv.pixels()
    return to_image(rgb, np.ones(rgb.shape[:2], bool))
