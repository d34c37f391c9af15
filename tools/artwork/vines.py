"""Green tendrils: wandering stems with small leaves and curls, drawn onto a canvas."""

import numpy as np

from light import LIGHT, ramp
from noise import value

STEM = [(0.0, (14, 28, 10)), (0.45, (38, 72, 28)), (0.75, (70, 116, 48)), (1.0, (128, 168, 86))]
LEAF = [(0.0, (12, 30, 10)), (0.45, (40, 84, 32)), (0.75, (74, 128, 52)), (1.0, (140, 182, 98))]


def grow(start, heading, steps, seed, step=2.0, wander=0.05):
    """Points of a stem that turns gently as smooth noise tells it."""
    pts = [np.asarray(start, np.float32)]
    a = np.radians(heading)
    for i in range(steps):
        a += (value(i / 22.0, 0.5, seed) - 0.5) * wander * 4
        pts.append(pts[-1] + step * np.array([np.cos(a), np.sin(a)], np.float32))
    return np.array(pts)


def curl(base, heading, turns, radius, side, n=40):
    """A shrinking spiral leaving a stem sideways."""
    t = np.linspace(0, 1, n)
    a = np.radians(heading) + side * t * turns * 2 * np.pi
    r = radius * (1 - 0.8 * t)
    pts = np.cumsum(np.stack([np.cos(a), np.sin(a)], 1) * (r[:, None] * 2 * np.pi * turns / n), 0)
    return pts + np.asarray(base, np.float32)


class Field:
    """Distance to everything drawn so far, with a light value per sample."""

    def __init__(self, cv):
        self.cv = cv
        shape = cv.cov.shape
        self.d = np.full(shape, np.inf, np.float32)
        self.shade = np.zeros(shape, np.float32)
        self.kind = np.zeros(shape, np.uint8)

    def _window(self, x0, y0, x1, y1):
        s = self.cv.ss
        c0, r0 = max(int(x0 * s), 0), max(int(y0 * s), 0)
        c1 = min(int(np.ceil(x1 * s)), self.d.shape[1])
        r1 = min(int(np.ceil(y1 * s)), self.d.shape[0])
        if c0 >= c1 or r0 >= r1:
            return None
        return (slice(r0, r1), slice(c0, c1)), self.cv.x[:, c0:c1], self.cv.y[r0:r1, :]

    def _merge(self, win, d, light, kind):
        sl = win[0]
        closer = d < self.d[sl]
        self.d[sl] = np.where(closer, d, self.d[sl])
        self.shade[sl] = np.where(closer, light, self.shade[sl])
        self.kind[sl] = np.where(closer, kind, self.kind[sl])

    def stem(self, pts, w0, w1):
        """A round stem tapering from w0 to w1; shaded like a tube under the common light."""
        n = len(pts) - 1
        for i in range(n):
            (ax, ay), (bx, by) = pts[i], pts[i + 1]
            hw = (w0 + (w1 - w0) * i / n) / 2
            win = self._window(min(ax, bx) - hw - 1, min(ay, by) - hw - 1,
                               max(ax, bx) + hw + 1, max(ay, by) + hw + 1)
            if win is None:
                continue
            _, x, y = win
            ex, ey = bx - ax, by - ay
            t = np.clip(((x - ax) * ex + (y - ay) * ey) / max(ex * ex + ey * ey, 1e-6), 0, 1)
            px, py = x - ax - ex * t, y - ay - ey * t
            dist = np.hypot(px, py)
            # Across the tube the surface normal turns from one side to the other.
            s = np.clip((px * LIGHT[0] + py * LIGHT[1]) / max(hw, 0.3), -1, 1)
            light = 0.55 - 0.45 * s
            self._merge(win, dist - hw, light, 1)

    def leaf(self, base, heading, length, width):
        """An almond leaf from `base` pointing along `heading`, with a darker midrib."""
        a = np.radians(heading)
        ca, sa = np.cos(a), np.sin(a)
        tip = (base[0] + ca * length, base[1] + sa * length)
        pad = width + 1
        win = self._window(min(base[0], tip[0]) - pad, min(base[1], tip[1]) - pad,
                           max(base[0], tip[0]) + pad, max(base[1], tip[1]) + pad)
        if win is None:
            return
        _, x, y = win
        u = (x - base[0]) * ca + (y - base[1]) * sa
        v = -(x - base[0]) * sa + (y - base[1]) * ca
        t = np.clip(u / length, 0, 1)
        half = width / 2 * np.maximum(np.sin(np.pi * t), 0) ** 0.7
        inside = (u > 0) & (u < length)
        d = np.where(inside, np.abs(v) - half, np.inf)
        # The two halves of the leaf tilt apart, so one faces the light more.
        nx, ny = -sa * np.sign(v), ca * np.sign(v)
        facing = -(nx * LIGHT[0] + ny * LIGHT[1])
        light = 0.55 + 0.35 * facing * np.clip(np.abs(v) / np.maximum(half, 0.1), 0, 1)
        light = light * (1 - 0.35 * np.exp(-(v / 0.45) ** 2)) * (0.75 + 0.25 * t)
        self._merge(win, d.astype(np.float32), light, 2)

    def colour(self):
        stem = ramp(self.shade, STEM)
        leaf = ramp(self.shade, LEAF)
        return np.where((self.kind == 2)[..., None], leaf, stem)
