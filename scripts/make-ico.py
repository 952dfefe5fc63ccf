#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Packs PNG images into one Windows .ico file (each image stored as PNG, which every Windows
since Vista and Wine read): make-ico.py OUT.ico IN-16.png IN-32.png ..."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG")
    return struct.unpack(">II", data[16:24])


def main(out, sources):
    images = [open(path, "rb").read() for path in sources]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, blobs = b"", b""
    for data in images:
        width, height = png_size(data)
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data),
                               offset + len(blobs))
        blobs += data
    with open(out, "wb") as f:
        f.write(header + entries + blobs)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
