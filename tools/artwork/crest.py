"""The Kitbag crest: a shield with a gold rim and a bold gold K on a dark red field.

Shared by the logo and the program icon, which draws it simpler and bolder.
"""

import numpy as np

from geometry import polygon, bezier, stroke, box
from light import height, shade, metal, ramp
from noise import fbm
from palette import GOLD

FIELD = [(0.0, (30, 6, 8)), (0.5, (70, 16, 18)), (1.0, (112, 32, 28))]


def shield_outline(cx, top, w, h):
    left, right, bottom = cx - w / 2, cx + w / 2, top + h
    side = bezier((right, top + 0.42 * h), (right, top + 0.78 * h), (cx + 0.12 * w, bottom - 0.08 * h), (cx, bottom), n=16)
    pts = [(left, top), (cx - 0.18 * w, top + 0.04 * h), (cx, top - 0.03 * h),
           (cx + 0.18 * w, top + 0.04 * h), (right, top)] + [tuple(p) for p in side]
    pts += [(2 * cx - px, py) for px, py in reversed(pts[5:-1])]
    return pts


def letter_k(x, y, cx, top, w, h, weight):
    """Distance field of the K: a stem and two arms, ends cut square like a chisel."""
    stem_x = cx - 0.17 * w
    k_top, k_bottom, k_mid = top + 0.2 * h, top + 0.7 * h, top + 0.47 * h
    stem = box(x, y, stem_x, (k_top + k_bottom) / 2, weight / 2, (k_bottom - k_top) / 2)
    arm = stroke(x, y, [(stem_x + weight * 0.3, k_mid + weight * 0.1), (cx + 0.22 * w, k_top + weight * 0.3)], weight * 0.95)
    leg = stroke(x, y, [(stem_x + weight * 0.7, k_mid - weight * 0.5), (cx + 0.24 * w, k_bottom - weight * 0.3)], weight * 1.05)
    k = np.minimum(stem, np.minimum(arm, leg))
    # Square the arm ends on the K's top and bottom lines.
    k = np.maximum(k, np.maximum(k_top - y, y - k_bottom))
    return k


def crest(cv, cx, top, w, h, simple=False):
    x, y = cv.x, cv.y
    outline = polygon(x, y, shield_outline(cx, top, w, h))
    rim = max(1.6, 0.09 * w) if not simple else max(1.5, 0.12 * w)
    diffuse, glint = shade(height(outline, rim, "round"), cv.ss)
    cv.fill(outline, metal(diffuse, glint, GOLD))

    field = outline + rim
    grain = fbm(x / 6, y / 6, seed=41, octaves=3)
    glow = np.clip(1 - np.hypot((x - cx) / w, (y - top - 0.35 * h) / h) * 1.6, 0, 1)
    cv.fill(field, ramp(np.clip(0.25 + 0.6 * glow + (0 if simple else 0.25 * (grain - 0.5)), 0, 1), FIELD))
    if not simple:
        inner = np.abs(field + 1.4) - 0.45
        cv.fill(inner, ramp(np.full(inner.shape, 0.35), GOLD))

    weight = max(0.17 * w, 2.0) if not simple else max(0.2 * w, 2.2)
    k = letter_k(x, y, cx, top, w, h, weight)
    diffuse, glint = shade(height(k, weight * 0.5, "bevel" if not simple else "round"), cv.ss)
    if not simple:
        # A dark drop shadow under the K lifts it off the field.
        shadow = letter_k(x - 0.8, y - 1.0, cx, top, w, h, weight)
        cv.blend(0.6, (12, 2, 4), within=(shadow < 0) & (field < 0))
    cv.fill(k, metal(diffuse, glint, GOLD))
    return outline
