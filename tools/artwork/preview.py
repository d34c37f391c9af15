"""preview.png: a review sheet with every picture at its own size and at the size shown.

Each picture is laid over the window background with its white made see-through,
as the program does. Stretching uses nearest-neighbour sampling, like a plain
stretched blit, so squeezed pictures look here as they will on screen.
"""

import numpy as np
from PIL import Image

from font import label, text
from raster import Canvas

INK = (230, 210, 160)
SLOT_NUMBERS = [(48, 56), (96, 56), (48, 112), (96, 112), (48, 160), (96, 160)]


class Sheet:
    def __init__(self, width, height, background):
        tiles = np.tile(np.asarray(background), (height // background.height + 1, width // background.width + 1, 1))
        self.rgb = (tiles[:height, :width] * 0.75).astype(np.uint8)

    def put(self, picture, left, top, size=None, transparent=True):
        pic = picture if size is None else picture.resize(size, Image.NEAREST)
        a = np.asarray(pic).copy()
        h, w = a.shape[:2]
        region = self.rgb[top:top + h, left:left + w]
        show = ~(a == a[-1, 0]).all(-1) if transparent else np.ones((h, w), bool)
        region[show] = a[show]

    def write(self, string, left, top, scale=2):
        mask = label(string, scale)
        h, w = mask.shape
        self.rgb[top:top + h, left:left + w][mask] = INK

    def image(self):
        return Image.fromarray(self.rgb, "RGB")


def digit_masks():
    """White slot numbers about 8x16, as the program writes them."""
    out = []
    for n in "123456":
        cv = Canvas(8, 16)
        cv.fill(text(cv.x, cv.y, n, 0.8, 1.5, 1.85, 1.9), (250, 250, 250))
        _, opaque = cv.pixels()
        out.append(opaque)
    return out


def inventory_as_shown(inventory):
    a = np.asarray(inventory)[:, :121].copy()
    for (x, y), mask in zip(SLOT_NUMBERS, digit_masks()):
        a[y:y + 16, x:x + 8][mask] = (254, 254, 254)  # white, but not keyed out here
    return Image.fromarray(a, "RGB")


def make(pics, icons):
    bg = pics["background.png"]
    sheet = Sheet(1330, 900, bg)
    sheet.write("BACKGROUND 622X434", 10, 8)
    sheet.put(bg, 10, 24, transparent=False)

    sheet.write("LOGO 70X55", 650, 8)
    sheet.put(pics["logo.png"], 650, 24)
    sheet.write("ICON 16 32 48", 740, 8)
    left = 740
    for size, picture in icons:
        sheet.put(picture, left, 24)
        left += size + 12
    sheet.write("BAR 285X39 AND AS 293X25 117X25 461X25", 650, 96)
    sheet.put(pics["bar.png"], 650, 112)
    sheet.put(pics["bar.png"], 950, 112, (293, 25))
    sheet.put(pics["bar.png"], 1180, 150, (117, 25))
    sheet.put(pics["bar.png"], 650, 160, (461, 25))

    sheet.write("BUTTONS AT THEIR OWN SIZE", 650, 204)
    sheet.write("AND AS SHOWN 57X49", 650, 450)
    left = 650
    for name in ("settings.png", "activate.png", "info.png", "quit.png"):
        pic = pics[name]
        sheet.put(pic, left, 222)
        sheet.put(pic, left, 468, (57, 49))
        sheet.put(pic, left, 528, (57 * 2, 49 * 2))
        left += max(pic.width, 114) + 12

    sheet.write("INVENTORY 138X191 AND AS SHOWN", 10, 476)
    sheet.put(pics["inventory.png"], 10, 492)
    sheet.put(inventory_as_shown(pics["inventory.png"]), 160, 492)
    sheet.write("HOTKEY FRAME 370X403", 300, 476)
    sheet.put(pics["hotkeypanel.png"], 300, 492)
    sheet.write("AND AS SHOWN 321X185", 690, 640)
    sheet.put(pics["hotkeypanel.png"], 690, 656, (321, 185))
    return sheet.image()
