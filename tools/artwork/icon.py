"""kitbag.ico: the crest, bold, at 16, 32 and 48 pixels, in 16 colours, 256 colours and true colour,
and the tray's variants of it for the keys' other states (off, held, a problem), in true colour
at the two sizes the notification area uses.

Classic icon entries (a BITMAPINFOHEADER with doubled height, the colour bitmap,
then the AND mask, rows bottom-up and padded to four bytes) are read by every
version of the system; the mask makes the corners around the shield transparent.
"""

import struct

import numpy as np
from PIL import Image

from crest import crest
from raster import Canvas, dilate

SIZES = (16, 32, 48)
DEPTHS = (4, 8, 24)
OUTLINE = (14, 10, 8)

# At 16 pixels a drawn shape blurs, so the smallest crest is set pixel by pixel.
SMALL = """
.oooooooooooooo.
.oGGGGGGGGGGGGo.
.oGrrrrrrrrrrgo.
.oGrKKrrrrKKdgo.
.oGrKKdrrKKdrgo.
.oGrKKdrKKdrrgo.
.oGrKKdKKdrrrgo.
.oGrKKKKdrrrrgo.
.oGrKkdKKrrrrgo.
.oGrKkdrKKrrrgo.
.oGrKkdrrKKrrgo.
.oGrKkdrrrKkdgo.
..oGrddrrrrdgo..
...oGrrrrrrgo...
....oGggggo.....
.....oooooo.....
"""
SMALL_COLOURS = {"o": OUTLINE, "G": (232, 192, 104), "g": (140, 94, 34), "r": (100, 24, 24),
                 "d": (44, 8, 10), "K": (248, 218, 128), "k": (196, 150, 64)}


def draw_small():
    rows = SMALL.split()
    rgb = np.zeros((16, 16, 3), np.uint8)
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            rgb[y, x] = SMALL_COLOURS.get(ch, (0, 0, 0))
    return rgb, np.array([[ch != "." for ch in row] for row in rows])


def draw(size):
    """(rgb uint8 array, opaque bool array) of the crest at one icon size."""
    if size == 16:
        return draw_small()
    cv = Canvas(size, size, ss=8)
    h = size * 0.92
    crest(cv, size / 2, size * 0.06, h * 0.8, h, simple=True)
    rgb, opaque = cv.pixels()
    grown = dilate(opaque, 1)
    rgb[grown & ~opaque] = OUTLINE
    return np.clip(np.rint(rgb), 0, 255).astype(np.uint8), grown


def palette_for(rgb, opaque, colours):
    """A palette of colours-1 entries fitted to the opaque pixels, plus black for the mask."""
    strip = Image.fromarray(rgb[opaque][None, :, :], "RGB")
    fitted = strip.quantize(colors=colours - 1, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = np.array(fitted.getpalette()[:3 * (colours - 1)], np.int32).reshape(-1, 3)
    return np.vstack([[0, 0, 0], pal])


def nearest(rgb, pal):
    d = ((rgb[..., None, :].astype(np.int32) - pal[None, None]) ** 2).sum(-1)
    return d.argmin(-1)


def pad(row):
    return row + b"\0" * (-len(row) % 4)


def entry(size, depth, draw=draw):
    rgb, opaque = draw(size)
    palette = np.zeros((0, 3), np.int32)
    if depth == 24:
        colour = np.where(opaque[..., None], rgb, 0)
    else:
        palette = palette_for(rgb, opaque, 1 << depth)
        index = np.where(opaque, nearest(rgb, palette), 0)
    rows, masks = [], []
    for r in range(size - 1, -1, -1):  # bottom row first
        if depth == 24:
            data = colour[r, :, ::-1].tobytes()
        elif depth == 8:
            data = index[r].astype(np.uint8).tobytes()
        else:
            line = list(index[r]) + [0] * (size % 2)
            data = bytes((line[i] << 4) | line[i + 1] for i in range(0, len(line), 2))
        rows.append(pad(data))
        masks.append(pad(np.packbits(~opaque[r]).tobytes()))
    bits = b"".join(rows) + b"".join(masks)
    table = b"".join(bytes((int(b), int(g), int(r), 0)) for r, g, b in palette)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, depth, 0, len(bits), 0, 0, len(palette), 0)
    return header + table + bits


def icon_bytes(draw=draw, sizes=SIZES, depths=DEPTHS):
    entries = [(size, depth, entry(size, depth, draw)) for size in sizes for depth in depths]
    out = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    for size, depth, data in entries:
        out += struct.pack("<BBBBHHII", size, size, 16 if depth == 4 else 0, 0, 1, depth, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in entries)


# The tray's variants: "on" is kitbag.ico itself.
VARIANT_SIZES = (16, 32)
VARIANTS = ("off", "held", "problem")
BADGE, BADGE_LIGHT = (236, 28, 20), (255, 150, 130)


def luminance(rgb):
    return rgb.astype(np.float32) @ np.array([0.299, 0.587, 0.114], np.float32)


def off(rgb):
    """Grey and a little lifted, as a switched-off picture looks; the K keeps its contrast."""
    grey = luminance(rgb)
    return np.repeat((40 + grey * 0.75)[..., None], 3, -1)


def held(rgb):
    """Dimmed: the crest's colours at half their light and a little less colour."""
    grey = luminance(rgb)[..., None]
    return (grey + (rgb - grey) * 0.7) * 0.5


def badge(rgb, opaque, size):
    """A red dot in the bottom-right corner, where the shield narrows, ringed in the outline."""
    r = size * 0.22
    c = size - r - 1.0
    y, x = np.mgrid[0:size, 0:size] + 0.5
    d = np.hypot(x - c, y - c)
    ring, dot = d < r + 1.0, d < r
    rgb, opaque = rgb.copy(), opaque | ring
    rgb[ring] = OUTLINE
    rgb[dot] = BADGE
    rgb[dot & (np.hypot(x - c + r * 0.35, y - c + r * 0.35) < r * 0.4)] = BADGE_LIGHT
    return rgb, opaque


def draw_variant(state):
    def draw_state(size):
        rgb, opaque = draw(size)
        if state == "problem":
            return badge(rgb, opaque, size)
        shade = off if state == "off" else held
        return np.clip(np.rint(shade(rgb)), 0, 255).astype(np.uint8), opaque
    return draw_state


def variant_bytes(state):
    return icon_bytes(draw_variant(state), VARIANT_SIZES, (24,))
