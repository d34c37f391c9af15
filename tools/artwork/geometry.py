"""Signed distance fields (negative inside, in pixels) and curve helpers.

Distances rather than plain masks let one shape give its silhouette, its bevel and
its outline alike.
"""

import numpy as np


def circle(x, y, cx, cy, r):
    return np.hypot(x - cx, y - cy) - r


def ellipse(x, y, cx, cy, rx, ry):
    # First-order distance estimate: good enough near the edge, where it matters.
    u, v = (x - cx) / rx, (y - cy) / ry
    k = np.hypot(u, v)
    grad = np.hypot(u / rx, v / ry) / np.maximum(k, 1e-6)
    return (k - 1) / np.maximum(grad, 1e-6)


def box(x, y, cx, cy, hw, hh, r=0.0):
    qx = np.abs(x - cx) - hw + r
    qy = np.abs(y - cy) - hh + r
    outside = np.hypot(np.maximum(qx, 0), np.maximum(qy, 0))
    return outside + np.minimum(np.maximum(qx, qy), 0) - r


def polygon(x, y, pts):
    """Exact signed distance to a closed polygon given as [(x, y), ...]."""
    pts = np.asarray(pts, np.float32)
    x, y = np.broadcast_arrays(x, y)
    d = (x - pts[0, 0]) ** 2 + (y - pts[0, 1]) ** 2
    inside = np.zeros(x.shape, bool)
    n = len(pts)
    for i in range(n):
        (ax, ay), (bx, by) = pts[i], pts[i - 1]
        ex, ey = bx - ax, by - ay
        wx, wy = x - ax, y - ay
        t = np.clip((wx * ex + wy * ey) / max(ex * ex + ey * ey, 1e-9), 0, 1)
        d = np.minimum(d, (wx - ex * t) ** 2 + (wy - ey * t) ** 2)
        c1, c2, c3 = y >= ay, y < by, ex * wy > ey * wx
        inside ^= (c1 & c2 & c3) | (~c1 & ~c2 & ~c3)
    return np.where(inside, -1, 1) * np.sqrt(d)


def polyline(x, y, pts):
    """Unsigned distance to an open polyline and the arc-length position (0..1) of the nearest point."""
    pts = np.asarray(pts, np.float32)
    x, y = np.broadcast_arrays(x, y)
    seg = np.hypot(*(pts[1:] - pts[:-1]).T)
    start = np.concatenate([[0], np.cumsum(seg)])
    total = max(start[-1], 1e-6)
    best = np.full(x.shape, np.inf, np.float32)
    pos = np.zeros(x.shape, np.float32)
    for i in range(len(pts) - 1):
        (ax, ay), (bx, by) = pts[i], pts[i + 1]
        ex, ey = bx - ax, by - ay
        t = np.clip(((x - ax) * ex + (y - ay) * ey) / max(ex * ex + ey * ey, 1e-9), 0, 1)
        dist = np.hypot(x - ax - ex * t, y - ay - ey * t)
        closer = dist < best
        best = np.where(closer, dist, best)
        pos = np.where(closer, (start[i] + t * seg[i]) / total, pos)
    return best, pos


def stroke(x, y, pts, w0, w1=None):
    """Distance field of a polyline drawn with a width tapering from w0 to w1."""
    w1 = w0 if w1 is None else w1
    dist, pos = polyline(x, y, pts)
    return dist - (w0 + (w1 - w0) * pos) / 2


def bezier(p0, p1, p2, p3=None, n=24):
    """Points along a quadratic (three points) or cubic (four points) Bezier curve."""
    t = np.linspace(0, 1, n)[:, None]
    p0, p1, p2 = (np.asarray(p, np.float32) for p in (p0, p1, p2))
    if p3 is None:
        return (1 - t) ** 2 * p0 + 2 * (1 - t) * t * p1 + t ** 2 * p2
    p3 = np.asarray(p3, np.float32)
    return (1 - t) ** 3 * p0 + 3 * (1 - t) ** 2 * t * p1 + 3 * (1 - t) * t ** 2 * p2 + t ** 3 * p3


def arc(cx, cy, rx, ry, a0, a1, n=24):
    """Points along an elliptical arc, angles in degrees, 0 = right, 90 = down."""
    a = np.radians(np.linspace(a0, a1, n))
    return np.stack([cx + rx * np.cos(a), cy + ry * np.sin(a)], axis=1)


def rotate(x, y, cx, cy, degrees):
    """Coordinates of (x, y) in a frame turned by `degrees` about (cx, cy)."""
    a = np.radians(degrees)
    dx, dy = x - cx, y - cy
    return cx + dx * np.cos(a) + dy * np.sin(a), cy - dx * np.sin(a) + dy * np.cos(a)


def mirror(pts, axis_x):
    """The same points reflected across the vertical line x = axis_x, order reversed."""
    return [(2 * axis_x - px, py) for px, py in reversed(list(pts))]
