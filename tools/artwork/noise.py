"""Smooth value noise: the one texture source for wood, stone, scales and smoke."""

import numpy as np

_LATTICES = {}


def _lattice(seed):
    # A fixed random grid per seed; RandomState keeps the same stream across numpy versions.
    if seed not in _LATTICES:
        _LATTICES[seed] = np.random.RandomState(seed).rand(256, 256).astype(np.float32)
    return _LATTICES[seed]


def value(x, y, seed):
    """Noise in [0, 1] at float coordinates; the lattice spacing is 1 and it tiles every 256."""
    x, y = np.broadcast_arrays(np.asarray(x, np.float32), np.asarray(y, np.float32))
    lat = _lattice(seed)
    xf, yf = np.floor(x), np.floor(y)
    tx, ty = x - xf, y - yf
    tx = tx * tx * (3 - 2 * tx)
    ty = ty * ty * (3 - 2 * ty)
    x0, y0 = xf.astype(np.int64) & 255, yf.astype(np.int64) & 255
    x1, y1 = (x0 + 1) & 255, (y0 + 1) & 255
    top = lat[y0, x0] + (lat[y0, x1] - lat[y0, x0]) * tx
    bottom = lat[y1, x0] + (lat[y1, x1] - lat[y1, x0]) * tx
    return top + (bottom - top) * ty


def fbm(x, y, seed, octaves=4, gain=0.5):
    """Several octaves of value noise summed, still in [0, 1]."""
    total, amp, norm, freq = 0.0, 1.0, 0.0, 1.0
    for i in range(octaves):
        total = total + amp * value(x * freq + 17.3 * i, y * freq + 9.1 * i, seed + 101 * i)
        norm += amp
        amp *= gain
        freq *= 2.0
    return total / norm
