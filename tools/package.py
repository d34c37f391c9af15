#!/usr/bin/env python3
"""Writes the player's zip: the given files under the given names, in that order.

    tools/package.py ZIP NAME=FILE [NAME=FILE ...]

A folder in a name (Kitbag/kitbag.exe) gets an entry of its own before its first file, as
in Windows' own zips. The bytes depend on the files' contents only: every entry has the
same time (from SOURCE_DATE_EPOCH, else 1980-01-01), the same attributes and the same
compression, so two builds of one commit give the same zip. Text entries (.txt) get
Windows line breaks.
"""
import os
import sys
import time
import zipfile


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__.strip())
    target, entries = argv[1], [arg.split("=", 1) for arg in argv[2:]]
    epoch = int(os.environ.get("SOURCE_DATE_EPOCH", "315532800"))
    # The zip format counts time from 1980 in two-second steps, in local time of no zone.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    partial = target + ".partial"
    with zipfile.ZipFile(partial, "w") as archive:
        folders = set()
        for name, path in entries:
            parts = name.split("/")[:-1]
            for depth in range(1, len(parts) + 1):
                folder = "/".join(parts[:depth]) + "/"
                if folder in folders:
                    continue
                folders.add(folder)
                info = zipfile.ZipInfo(folder, date_time=stamp)
                info.create_system = 0
                info.external_attr = 0x10  # the directory attribute
                archive.writestr(info, b"")
            with open(path, "rb") as source:
                data = source.read()
            if name.endswith(".txt"):
                data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
            info = zipfile.ZipInfo(name, date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: no Unix permissions recorded
            info.external_attr = 0x20  # the archive attribute, as Windows' own zips have
            archive.writestr(info, data, compresslevel=9)
    os.replace(partial, target)


if __name__ == "__main__":
    main(sys.argv)
