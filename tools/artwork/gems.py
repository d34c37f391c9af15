"""Faceted gems and metal studs, shared by the frames and emblems."""

import numpy as np

from geometry import ellipse, circle
from light import LIGHT, height, shade, metal, ramp
from palette import GOLD


def gem(cv, cx, cy, rx, ry, stops, facets=8, setting=GOLD, rim=2.0, turn=0.5):
    """Paints a cut gem: flat table, crown facets lit by the common light, a glint."""
    x, y = cv.x, cv.y
    if setting is not None and rim > 0:
        d = ellipse(x, y, cx, cy, rx + rim, ry + rim)
        diffuse, glint = shade(height(d, rim + 0.5, "round"), cv.ss)
        cv.fill(d, metal(diffuse, glint, setting))
    u, v = (x - cx) / rx, (y - cy) / ry
    r = np.hypot(u, v)
    theta = np.arctan2(v, u)
    step = 2 * np.pi / facets
    k = np.floor(theta / step + turn)
    centre = (k - turn + 0.5) * step
    polar = r * np.cos(theta - centre) / np.cos(step / 2)  # radius measured to a polygon
    tilt = np.radians(42)
    nx, ny, nz = np.cos(centre) * np.sin(tilt), np.sin(centre) * np.sin(tilt), np.cos(tilt)
    table = polar < 0.52
    nx, ny, nz = np.where(table, 0, nx), np.where(table, 0, ny), np.where(table, 1, nz)
    direct = nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2]
    # Light that enters at the top comes back out of the far facets.
    through = np.maximum(0, nx * -LIGHT[0] + ny * -LIGHT[1]) * 0.9
    t = 0.15 + 0.55 * (direct - 0.3) + through * 0.6
    t = np.where(table, 0.58 - 0.12 * (u + v), t)
    colour = ramp(np.clip(t, 0, 0.9), stops)
    outer = ellipse(x, y, cx, cy, rx, ry)
    cv.fill(outer, colour)
    if min(rx, ry) >= 8:
        # Facet edges catch the eye on big stones; on small ones they would only muddy them.
        seam = np.abs((theta / step + turn) - np.round(theta / step + turn)) * step * r * min(rx, ry)
        edges = ((seam < 0.45) & ~table) | (np.abs(polar - 0.52) * min(rx, ry) < 0.45)
        cv.blend(0.35, (0, 0, 0), within=edges & (outer < 0))
    glint = ellipse(x, y, cx - rx * 0.28, cy - ry * 0.3, rx * 0.16, ry * 0.12)
    cv.fill(glint, ramp(np.ones_like(glint), stops))
    return outer


def stud(cv, cx, cy, r, stops=GOLD):
    """A round domed rivet."""
    d = circle(cv.x, cv.y, cx, cy, r)
    diffuse, glint = shade(height(d, r, "round"), cv.ss)
    cv.fill(d, metal(diffuse, glint, stops))
    return d
