"""Relief lighting: turns a distance field into a height, and a height into shading.

One light from the upper left is used for every picture, so they sit together.
"""

import numpy as np

LIGHT = np.array([-0.5, -0.62, 0.6], np.float32)
LIGHT /= np.linalg.norm(LIGHT)


def height(d, radius, profile="round"):
    """Height over a shape's floor, rising from its edge over `radius` pixels."""
    t = np.clip(-d / radius, 0, 1)
    if profile == "round":
        t = np.sqrt(1 - (1 - t) ** 2)
    elif profile == "soft":
        t = t * t * (3 - 2 * t)
    return t * radius


def shade(h, ss, gloss=24):
    """(diffuse, glint): diffuse is 1 on flat ground, more facing the light, less away."""
    gy, gx = np.gradient(np.broadcast_to(h, np.shape(h)).astype(np.float32), 1.0 / ss)
    n = np.stack([-gx, -gy, np.ones_like(gx)])
    n /= np.linalg.norm(n, axis=0)
    ndotl = np.tensordot(LIGHT, n, axes=1)
    diffuse = np.maximum(ndotl, 0) / LIGHT[2]
    reflect_z = 2 * ndotl * n[2] - LIGHT[2]
    return diffuse, np.clip(reflect_z, 0, 1) ** gloss


def ramp(t, stops):
    """Maps t (any shape) through colour stops [(position, (r, g, b)), ...] to an RGB array."""
    pos = [p for p, _ in stops]
    t = np.asarray(t, np.float32)
    return np.stack([np.interp(t, pos, [c[i] for _, c in stops]) for i in range(3)], axis=-1)


def metal(diffuse, glint, stops, glint_weight=0.6):
    """A metal: brightness through a colour ramp, so gold goes from bronze shadow to pale shine."""
    return ramp(np.clip(0.42 * diffuse + glint_weight * glint, 0, 1), stops)
