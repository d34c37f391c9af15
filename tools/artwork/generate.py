#!/usr/bin/env python3
"""Makes all of Kitbag's artwork from code. Regenerate everything with:

    python3 tools/artwork/generate.py

It needs Debian's python3-numpy and python3-pil, uses fixed seeds and writes the
same bytes on every run: assets/pictures/*.png, assets/kitbag.ico, the tray's
variants of the icon assets/kitbag-{off,held,problem}.ico and the review sheet
assets/pictures/preview.png.

Every picture but the background is see-through where it is pure white (the
program keys out the colour of the bottom-left pixel), so art never uses pure white.
"""

import struct
import sys
from pathlib import Path

sys.dont_write_bytecode = True  # keep the source folder clean

import numpy as np  # noqa: E402
from PIL import Image  # noqa: E402

import background, bar, logo, shop, dragon, emblem, tower, inventory, hotkeypanel  # noqa: E402
import icon, preview  # noqa: E402

ROOT = Path(__file__).resolve().parents[2]
PICTURES = ROOT / "assets" / "pictures"
ICON = ROOT / "assets" / "kitbag.ico"

# name, module, see-through white
JOBS = [("background.png", background, False), ("bar.png", bar, True), ("logo.png", logo, True),
        ("settings.png", shop, True), ("activate.png", dragon, True), ("info.png", emblem, True),
        ("quit.png", tower, True), ("inventory.png", inventory, True), ("hotkeypanel.png", hotkeypanel, True)]
BUDGET, BACKGROUND_BUDGET = 800 * 1024, 450 * 1024


def check(name, image, module, transparent):
    a = np.asarray(image)
    assert image.mode == "RGB" and image.size == (module.W, module.H), f"{name}: {image.mode} {image.size}"
    if transparent:
        assert tuple(a[-1, 0]) == (255, 255, 255), f"{name}: bottom-left pixel is not white"
        white = (a == 255).all(-1)
        assert white.any() and not white.all(), f"{name}: nothing or everything see-through"
    if name == "inventory.png":
        for x, y in preview.SLOT_NUMBERS:
            assert not (a[y:y + 16, x:x + 8] == 255).all(-1).any(), f"{name}: slot number at {x},{y} off the panel"
    if name == "hotkeypanel.png":
        assert (a[100:380, 60:310] == 255).all(), f"{name}: the inside is not see-through"


def check_icon(data, sizes=icon.SIZES, depths=icon.DEPTHS):
    count = struct.unpack_from("<HHH", data)[2]
    assert count == len(sizes) * len(depths)
    seen = set()
    for i in range(count):
        w, h, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        hdr = struct.unpack_from("<IiiHH", data, offset)
        assert w == h and hdr == (40, w, 2 * h, 1, bits), (w, bits, hdr)
        seen.add((w, bits))
    assert seen == {(s, d) for s in sizes for d in depths}


def main():
    PICTURES.mkdir(parents=True, exist_ok=True)
    pics, total = {}, 0
    for name, module, transparent in JOBS:
        image = module.render()
        check(name, image, module, transparent)
        path = PICTURES / name
        image.save(path, optimize=True, compress_level=9)
        pics[name] = image
        size = path.stat().st_size
        total += size
        print(f"{size:8d}  assets/pictures/{name}")
        if name == "background.png":
            assert size < BACKGROUND_BUDGET, "background over its budget"
    assert total < BUDGET, "pictures over the budget"
    print(f"{total:8d}  all pictures")

    data = icon.icon_bytes()
    check_icon(data)
    ICON.write_bytes(data)
    print(f"{len(data):8d}  assets/kitbag.ico")
    for state in icon.VARIANTS:
        data = icon.variant_bytes(state)
        check_icon(data, icon.VARIANT_SIZES, (24,))
        path = ICON.with_name(f"kitbag-{state}.ico")
        path.write_bytes(data)
        print(f"{len(data):8d}  assets/{path.name}")

    icons = []
    for size in icon.SIZES:
        rgb, opaque = icon.draw(size)
        shown = rgb.copy()
        shown[~opaque] = 255
        icons.append((size, Image.fromarray(shown, "RGB")))
    sheet = preview.make(pics, icons)
    path = PICTURES / "preview.png"
    sheet.quantize(256, method=Image.Quantize.FASTOCTREE, dither=Image.Dither.NONE).save(path, optimize=True)
    print(f"{path.stat().st_size:8d}  assets/pictures/preview.png (review sheet)")


if __name__ == "__main__":
    main()
