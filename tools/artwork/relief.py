"""Paints a shape as a lit solid: its distance field becomes a height, the height light."""

import numpy as np

from light import height, shade, ramp


def relief(cv, d, stops, radius, profile="round", bumps=None, depth=0.0, level=0.42, gloss=0.35, where=None):
    """Fills d < 0 with a colour ramp driven by light on a raised surface.

    bumps (0..1) of `depth` pixels add texture such as scales or grain; `level` is
    the ramp position of flat ground and `gloss` how much highlight is added.
    """
    h = height(d, radius, profile)
    if bumps is not None:
        h = h + bumps * depth
    diffuse, glint = shade(h, cv.ss)
    colour = ramp(np.clip(level * diffuse + gloss * glint, 0, 1), stops)
    cv.fill(d if where is None else (d < 0) & where, colour)
    return d
