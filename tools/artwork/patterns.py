"""Repeating bump patterns for scales, shingles and plates (0 at seams, 1 on top)."""

import numpy as np


def scales(x, y, size, squash=1.0):
    """Overlapping round scales in staggered rows, each a small dome."""
    row = np.floor(y / (size * squash))
    offset = (row % 2) * 0.5 * size
    cx = (np.floor((x - offset) / size) + 0.5) * size + offset
    cy = (row + 0.5) * size * squash
    r = np.hypot((x - cx) / size, (y - cy) / (size * squash)) * 2
    return np.clip(1 - r * r, 0, 1)


def bands(t, period, sharpness=4.0):
    """Ridges across a coordinate t: 1 in the middle of each band, 0 at the grooves."""
    f = (t / period) % 1.0
    return np.clip(np.sin(np.pi * f) * sharpness, 0, 1)
