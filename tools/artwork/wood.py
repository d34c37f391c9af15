"""Dark wood: horizontal planks with warped growth rings, knots and fibres."""

import numpy as np

from light import ramp
from noise import fbm, value

WOOD_RAMP = [(0.0, (20, 12, 7)), (0.35, (40, 25, 14)), (0.6, (56, 36, 21)),
             (0.85, (78, 52, 31)), (1.0, (96, 66, 40))]


def planks(x, y, seams, seed, knots=()):
    """RGB array of planks whose edges are the y values in `seams`.

    knots: (x, y, rx, ry) ellipses the rings swirl around.
    """
    x, y = np.broadcast_arrays(x, y)
    x = x.astype(np.float32)
    y = y.astype(np.float32)
    board = np.searchsorted(np.asarray(seams[1:-1], np.float32), y, side="right")
    # Each board is a different cut: its own offset into the noise and its own ring spacing.
    shift = board * 37.0
    spacing = 5.5 + 1.5 * np.sin(board * 2.1)
    warp = 14 * fbm(x / 190 + shift, y / 46, seed, octaves=4) + 4 * np.sin(x / 140 + board)
    rings = y / spacing + warp
    for kx, ky, rx, ry in knots:
        e = np.hypot((x - kx) / rx, (y - ky) / ry)
        rings = rings + 2.4 * np.exp(-e * e * 0.6) * np.sign(y - ky + 0.01)
    f = rings - np.floor(rings)
    # Late wood: a thin dark band in each ring, its sharpness varying along the board.
    late = np.clip(1 - np.abs(f - 0.5) * (3.2 + 2 * value(x / 60, y / 12, seed + 3)), 0, 1) ** 2
    tone = 0.35 + 0.45 * fbm(x / 120 + shift, y / 30, seed + 5, octaves=3) - 0.28 * late
    fibres = value(x / 26 + shift, y * 1.3, seed + 7) - 0.5
    tone = tone + 0.12 * fibres
    colour = ramp(np.clip(tone, 0, 1), WOOD_RAMP)
    for kx, ky, rx, ry in knots:
        e = np.hypot((x - kx) / (rx * 0.35), (y - ky) / (ry * 0.35))
        core = np.clip(1.2 - e, 0, 1)
        ringed = 0.5 + 0.5 * np.cos(e * 9)
        colour *= (1 - 0.55 * core * (0.6 + 0.4 * ringed))[..., None]
    return colour * seam_light(y, seams)[..., None]


def seam_light(y, seams):
    """Darkens the joints between boards and catches light on each board's top edge."""
    light = np.ones_like(y, dtype=np.float32)
    for s in seams[1:-1]:
        dist = y - s
        light *= 1 - 0.8 * np.exp(-(dist / 1.3) ** 2)
        light *= 1 + 0.25 * np.exp(-((dist - 2.6) / 1.0) ** 2)
        light *= 1 - 0.3 * np.exp(-((dist + 3.5) / 2.5) ** 2)
    return light
