"""Letters drawn by this generator: a stroke font for headings and a tiny pixel font for labels.

Stroke glyphs are polylines in a box 7 units tall (x-height 2..7, baseline at 7);
text() turns a string into one distance field, so it can be lit like any shape.
"""

import numpy as np

from geometry import arc, polyline


def _arc(cx, cy, rx, ry, a0, a1):
    return [tuple(p) for p in arc(cx, cy, rx, ry, a0, a1, n=14)]


# Each glyph: (advance, [polyline, ...]).
STROKES = {
    "I": (4.0, [[(0.4, 0), (3.6, 0)], [(2, 0), (2, 7)], [(0.4, 7), (3.6, 7)]]),
    "n": (4.6, [[(0.5, 2), (0.5, 7)], _arc(2.1, 3.9, 1.6, 1.7, 190, 360) + [(3.7, 7)]]),
    "v": (4.6, [[(0.2, 2), (2.1, 7), (4.0, 2)]]),
    "e": (4.6, [[(0.5, 4.4), (3.7, 4.4)] + _arc(2.1, 4.5, 1.6, 2.5, 0, -300)]),
    "t": (3.6, [[(1.3, 0.4)] + _arc(2.4, 6.0, 1.1, 1.0, 180, 90) + [(3.1, 6.9)], [(0.1, 2.2), (3.1, 2.2)]]),
    "a": (4.6, [_arc(1.9, 4.5, 1.5, 2.5, 0, 360), [(3.5, 2), (3.5, 7)]]),
    "r": (3.8, [[(0.5, 2), (0.5, 7)], _arc(2.5, 4.4, 2.0, 2.3, 180, 275) + [(3.4, 2.3)]]),
    "1": (4.0, [[(0.8, 1.6), (2.2, 0), (2.2, 7)], [(0.8, 7), (3.6, 7)]]),
    "2": (4.4, [_arc(2.0, 2.0, 1.7, 1.8, 200, 380) + [(0.3, 7), (3.8, 7)]]),
    "3": (4.4, [_arc(1.9, 1.8, 1.6, 1.7, 200, 450) + _arc(1.9, 5.2, 1.8, 1.8, 270, 520)]),
    "4": (4.4, [[(3.0, 7), (3.0, 0), (0.2, 5), (4.0, 5)]]),
    "5": (4.4, [[(3.6, 0), (0.8, 0), (0.5, 3.2)] + _arc(1.9, 4.9, 1.9, 2.0, 235, 500)]),
    "6": (4.4, [_arc(2.1, 4.9, 1.7, 2.0, 0, 360), _arc(3.7, 4.9, 3.3, 4.5, 256, 180)]),
}


def text(x, y, string, left, top, unit, weight):
    """Distance field of a string: `unit` pixels per glyph unit, strokes `weight` pixels wide."""
    best = np.full(np.broadcast(x, y).shape, np.inf, np.float32)
    pen = left
    for ch in string:
        advance, lines = STROKES[ch]
        for line in lines:
            pts = [(pen + px * unit, top + py * unit) for px, py in line]
            best = np.minimum(best, polyline(x, y, pts)[0])
        pen += (advance + 0.9) * unit
    return best - weight / 2


def width(string, unit):
    return sum((STROKES[ch][0] + 0.9) * unit for ch in string) - 0.9 * unit


# 3x5 capitals and digits for the labels on the review sheet.
PIXELS = {
    "A": "010101111101101", "B": "110101110101110", "C": "011100100100011", "D": "110101101101110",
    "E": "111100110100111", "F": "111100110100100", "G": "011100101101011", "H": "101101111101101",
    "I": "111010010010111", "K": "101101110101101", "L": "100100100100111", "M": "101111111101101",
    "N": "110101101101101", "O": "010101101101010", "P": "110101110100100", "Q": "010101101110011",
    "R": "110101110101101", "S": "011100010001110", "T": "111010010010010", "U": "101101101101111",
    "V": "101101101101010", "W": "101101111111101", "X": "101101010101101", "Y": "101101010010010",
    "Z": "111001010100111", "0": "111101101101111", "1": "010110010010111", "2": "110001010100111",
    "3": "110001010001110", "4": "101101111001001", "5": "111100110001110", "6": "011100111101111",
    "7": "111001010010010", "8": "111101111101111", "9": "111101111001110", " ": "000000000000000",
    ".": "000000000000010", "-": "000000111000000", "(": "010100100100010", ")": "010001001001010",
}


def label(string, scale=1):
    """A bool array with the string in 3x5 pixel capitals."""
    out = np.zeros((5, 4 * len(string)), bool)
    for i, ch in enumerate(string.upper()):
        out[:, 4 * i:4 * i + 3] = np.array([c == "1" for c in PIXELS[ch]]).reshape(5, 3)
    return out.repeat(scale, 0).repeat(scale, 1)
