"""A supersampled drawing surface whose silhouette stays hard against white.

Shapes are painted on a grid `ss` times finer than the picture. When the picture is
made, each pixel is opaque if at least half its samples were painted, and then takes
the mean colour of those samples only: edges between painted shapes come out smooth,
but nothing is ever blended with the see-through white, so no light fringe appears
over a dark window.
"""

import numpy as np
from PIL import Image

WHITE = np.array([255, 255, 255], np.uint8)
MAX_INK = 254  # pure white means see-through, so art never reaches it


class Canvas:
    def __init__(self, width, height, ss=4):
        self.width, self.height, self.ss = width, height, ss
        self.rgb = np.zeros((height * ss, width * ss, 3), np.float32)
        self.cov = np.zeros((height * ss, width * ss), bool)
        self.x = ((np.arange(width * ss, dtype=np.float32) + 0.5) / ss)[None, :]
        self.y = ((np.arange(height * ss, dtype=np.float32) + 0.5) / ss)[:, None]

    def _colour(self, colour, mask):
        colour = np.asarray(colour, np.float32)
        return colour[mask] if colour.ndim == 3 else colour

    def fill(self, d, colour):
        """Paints where the distance field d is negative (or where a bool mask is true)."""
        mask = d if d.dtype == bool else d < 0
        mask = np.broadcast_to(mask, self.cov.shape)
        self.rgb[mask] = self._colour(colour, mask)
        self.cov |= mask

    def blend(self, alpha, colour, within=None):
        """Mixes colour over what is painted by alpha (0..1), leaving coverage alone."""
        alpha = np.clip(np.broadcast_to(alpha, self.cov.shape), 0, 1)[..., None]
        if within is not None:
            alpha = alpha * np.broadcast_to(within, self.cov.shape)[..., None]
        colour = np.asarray(colour, np.float32)
        self.rgb += (colour - self.rgb) * alpha

    def erase(self, d):
        mask = np.broadcast_to(d if d.dtype == bool else d < 0, self.cov.shape)
        self.cov &= ~mask

    def pixels(self):
        """(rgb float array, opaque bool array) at picture resolution."""
        s, h, w = self.ss, self.height, self.width
        cov = self.cov.reshape(h, s, w, s).astype(np.float32)
        count = cov.sum(axis=(1, 3))
        total = (self.rgb.reshape(h, s, w, s, 3) * cov[..., None]).sum(axis=(1, 3))
        rgb = total / np.maximum(count, 1)[..., None]
        return rgb, count >= s * s / 2

    def image(self, outline=(14, 10, 8), width=1):
        """The finished picture: art clamped below white, a hard dark outline, white elsewhere."""
        rgb, opaque = self.pixels()
        if outline is not None and width > 0:
            grown = dilate(opaque, width)
            rgb[grown & ~opaque] = outline
            opaque = grown
        return to_image(rgb, opaque)


def dilate(mask, r):
    out = mask.copy()
    h, w = mask.shape
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if dx * dx + dy * dy > r * r + r:
                continue
            shifted = np.zeros_like(mask)
            shifted[max(dy, 0):h + min(dy, 0), max(dx, 0):w + min(dx, 0)] = \
                mask[max(-dy, 0):h + min(-dy, 0), max(-dx, 0):w + min(-dx, 0)]
            out |= shifted
    return out


def to_image(rgb, opaque):
    out = np.clip(np.rint(rgb), 0, MAX_INK).astype(np.uint8)
    out[~opaque] = WHITE
    return Image.fromarray(out, "RGB")
